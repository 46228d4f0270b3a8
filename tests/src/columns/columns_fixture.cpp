#include "columns_fixture.h"

#include "platform/automation/conversions.h"
#include "platform/ui/toolkit.h"
#include "src/state/dialog_hooks.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"

namespace prefdesk::columns::testing {

ColumnsTest::ColumnsTest()
    : faults_(std::make_shared<datacenter::FaultInjector>(db_.Server())),
      recorder_(std::make_shared<datacenter::StatementRecorder>(faults_)),
      driver_(ui::Toolkit::Current().UseHeadless()) {
  resources::SetInterfaceLanguage(resources::kLangEnglish);
  state::State() = state::SharedState{};
  state::State().UserID = kUser;
}

ColumnsTest::~ColumnsTest() {
  state::Hooks() = {};
  resources::SetInterfaceLanguage(0);
  state::State() = state::SharedState{};
}

std::vector<std::string> ColumnsTest::Queries() const {
  std::vector<std::string> texts;
  for (const auto& call : recorder_->CallsOf("OpenRecordsetByString")) texts.push_back(call.args.at(0));
  return texts;
}

std::vector<std::string> RowsOf(ado::Recordset& rs) {
  std::vector<std::string> rows;
  if (rs.RecordCount() == 0) return rows;
  for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
    std::string row;
    for (int i = 0; i < rs.GetFields().Count(); ++i) {
      const automation::Variant& value = rs.GetFields().Item(i).Value();
      if (i > 0) row += "|";
      if (value.IsNull()) {
        row += "NULL";
      } else if (const bool* flag = value.Get<bool>()) {
        row += *flag ? "1" : "0";
      } else {
        row += automation::CStr(value);
      }
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace prefdesk::columns::testing
