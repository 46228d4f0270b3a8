#include "tests/src/dialog/columns_tab_fixture.h"

#include "platform/automation/conversions.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"

namespace prefdesk::dialog::testing {

ColumnsTabWindow::ColumnsTabWindow() : ui::Window("frmColumnsTabTest") {
  Add<ui::CheckListBox>("lstGrandFather");
  Add<ui::CheckListBox>("lstFather");
  Add<ui::CheckListBox>("lstSon");
  for (const char* level : {"GrandFather", "Father", "Son"}) {
    for (const char* move : {"Top", "Up", "Down", "Bottom"}) {
      Add<ui::CommandButton>(std::string("cmd") + level + move);
    }
  }
}

void ColumnsTabTest::SetUp() {
  driver_ = &ui::Toolkit::Current().UseHeadless();
  resources::SetInterfaceLanguage(resources::kLangEnglish);
  state::SharedState& state = state::State();
  state.UserID = kUser;
  state.DataCenter = db_.Server();
  state.BaseConn = db_.Local();
  state.ColumnsFromLocalDefaults = false;
  window_ = std::make_shared<ColumnsTabWindow>();
  window_->SetVisible(true);
}

void ColumnsTabTest::TearDown() {
  tab_.reset();
  window_->Unload();
  state::SharedState& state = state::State();
  state.DataCenter.reset();
  state.BaseConn.reset();
  state.ColumnsFromLocalDefaults = false;
  resources::SetInterfaceLanguage(0);
}

bool ColumnsTabTest::Load() {
  tab_ = std::make_unique<ColumnsTab>(*window_);
  return tab_->LoadColumnValue();
}

std::vector<bool> ColumnsTabTest::Marks(const ui::CheckListBox& list) {
  std::vector<bool> marks;
  for (int i = 0; i < list.ListCount(); ++i) marks.push_back(list.Selected(i));
  return marks;
}

namespace {

bool Matches(const std::string& pattern, const std::string& value) {
  return pattern == "*" || pattern == value;
}

std::string TextOf(const automation::Variant& v) {
  return v.IsEmptyOrNull() ? std::string() : automation::CStr(v);
}

}  // namespace

std::vector<columns::clsMainOptionColumn*> ColumnsTabTest::RecordsOf(const std::string& title,
                                                                     const std::string& list,
                                                                     const std::string& son) const {
  std::vector<columns::clsMainOptionColumn*> found;
  for (const auto& record : tab_->EditedColumns()) {
    if (Matches(title, record->TitleName) && Matches(list, record->ListName) &&
        Matches(son, record->ListSonName)) {
      found.push_back(record.get());
    }
  }
  return found;
}

std::vector<automation::Variant> ColumnsTabTest::RowValues(ado::Recordset& rs,
                                                           const std::string& field,
                                                           const std::string& title,
                                                           const std::string& list,
                                                           const std::string& son) {
  const bool has_son = rs.GetFields().IndexOf("ListSonName") >= 0;
  std::vector<automation::Variant> values;
  rs.MoveFirst();
  while (!rs.IsEOF()) {
    if (Matches(title, TextOf(rs["TitleName"])) && Matches(list, TextOf(rs["ListName"])) &&
        (!has_son || Matches(son, TextOf(rs["ListSonName"])))) {
      values.push_back(rs[field]);
    }
    rs.MoveNext();
  }
  return values;
}

}  // namespace prefdesk::dialog::testing
