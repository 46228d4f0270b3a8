#include "src/dialog/default_query_tab.h"

#include <cstdint>
#include <unordered_map>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/ui/combo_box.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"
#include "src/storage/field_values.h"
#include "src/storage/show_err.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::dialog {
namespace {

int32_t LongOf(const automation::Variant& value) {
  return value.IsEmptyOrNull() ? 0 : automation::CLng(value);
}

std::string ScreenCaption(const ado::Recordset& screens, bool chinese) {
  if (chinese) {
    return storage::TextOrEmpty(screens["TitleLabel_C"]) + " " + storage::TextOrEmpty(screens["ListLabel_C"]);
  }
  return storage::TextOrEmpty(screens["TitleLabel_E"]) + " - " + storage::TextOrEmpty(screens["ListLabel_E"]);
}

int64_t ScreenKey(int32_t title_id, int32_t list_id) {
  return (static_cast<int64_t>(title_id) << 32) | static_cast<uint32_t>(list_id);
}

std::string TitleFilter(int32_t title_id) { return "TitleID=" + storage::SqlInt(title_id); }

}  // namespace

DefaultQueryTab::DefaultQueryTab(const DefaultQueryTabControls& controls) : controls_(controls) {
  controls_.cboQueryScreen->OnClick = [this] { cboQueryScreen_Click(); };
  controls_.cboDefaultQuery->OnClick = [this] { cboDefaultQuery_Click(); };
}

DefaultQueryTab::~DefaultQueryTab() {
  controls_.cboQueryScreen->OnClick = nullptr;
  controls_.cboDefaultQuery->OnClick = nullptr;
  sets_.Release();
}

bool DefaultQueryTab::LoadDefaultQueryValue() {
  const bool chinese = resources::IsChinese();
  loaded_ = std::make_unique<columns::clsMainOptionQuerys>();
  edited_.reset();
  const state::SharedState& state = state::State();
  if (GetSvrValDefaultQuery(state.DataCenter, state.BaseConn, sets_)) return true;
  try {
    ui::ComboBox& screens_list = *controls_.cboQueryScreen;
    screens_list.Clear();
    ado::Recordset& screens = *sets_.screens;
    // The first screen of each title and list pair: the one a saved default query belongs to.
    std::unordered_map<int64_t, columns::clsMainOptionQuerys::RecordRef> first_screen;
    for (screens.MoveFirst(); !screens.IsEOF(); screens.MoveNext()) {
      const int32_t title_id = LongOf(screens["TitleID"]);
      const int32_t list_id = LongOf(screens["ListID"]);
      screens_list.AddItem(ScreenCaption(screens, chinese));
      screens_list.SetItemData(screens_list.NewIndex(), list_id);
      first_screen.try_emplace(ScreenKey(title_id, list_id), loaded_->Add(title_id, list_id, "", ""));
    }
    ado::Recordset& defaults = *sets_.defaults;
    for (; !defaults.IsEOF(); defaults.MoveNext()) {
      const auto found =
          first_screen.find(ScreenKey(LongOf(defaults["TitleID"]), LongOf(defaults["ListID"])));
      if (found == first_screen.end()) continue;
      found->second->DefaultQueryID = storage::TextOrEmpty(defaults["DefaultQueryID"]);
      found->second->DefaultQueryName = storage::TextOrEmpty(defaults["DefaultQueryName"]);
    }
    edited_ = std::make_unique<columns::clsMainOptionQuerys>();
    for (const auto& record : *loaded_) {
      edited_->Add(record->TitleID, record->ListID, record->DefaultQueryID,
                   record->DefaultQueryName);
    }
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    sets_.Release();
    loaded_.reset();
    edited_.reset();
    return true;
  }
}

std::shared_ptr<columns::clsMainOptionQuery> DefaultQueryTab::CurrentScreen() const {
  const ui::ComboBox& screens_list = *controls_.cboQueryScreen;
  if (!edited_ || screens_list.ListIndex() < 0) return nullptr;
  const int32_t list_id = screens_list.ItemData(screens_list.ListIndex());
  for (const auto& record : *edited_) {
    if (record->ListID == list_id) return record;
  }
  return nullptr;
}

void DefaultQueryTab::cboQueryScreen_Click() {
  const auto record = CurrentScreen();
  if (!record || !sets_.queries) return;
  ado::Recordset& queries = *sets_.queries;
  try {
    const std::string default_name = record->DefaultQueryName;
    ui::ComboBox& query_list = *controls_.cboDefaultQuery;
    queries.SetFilter(TitleFilter(record->TitleID));
    query_list.Clear();
    query_list.AddItem("");
    for (; !queries.IsEOF(); queries.MoveNext()) query_list.AddItem(storage::TextOrEmpty(queries["QueryName"]));
    queries.SetFilter("");
    if (!default_name.empty()) query_list.SetText(default_name);
  } catch (const automation::AutomationError& error) {
    queries.SetFilter("");
    storage::ShowErr(error);
  }
}

void DefaultQueryTab::cboDefaultQuery_Click() {
  const auto record = CurrentScreen();
  if (!record || !sets_.queries) return;
  ado::Recordset& queries = *sets_.queries;
  try {
    const std::string chosen = controls_.cboDefaultQuery->Text();
    record->DefaultQueryName = chosen;
    record->DefaultQueryID.clear();
    if (chosen.empty()) return;
    queries.SetFilter(TitleFilter(record->TitleID));
    for (; !queries.IsEOF(); queries.MoveNext()) {
      if (storage::TextOrEmpty(queries["QueryName"]) == chosen) {
        record->DefaultQueryID = storage::TextOrEmpty(queries["QueryID"]);
        break;
      }
    }
    queries.SetFilter("");
  } catch (const automation::AutomationError& error) {
    queries.SetFilter("");
    storage::ShowErr(error);
  }
}

bool DefaultQueryTab::SaveDefaultQueryStep(storage::DataCenter& dc) {
  for (const auto& record : *edited_) {
    if (SaveValsDefaultQueryToSvr(dc, record->TitleID, record->ListID, record->DefaultQueryID)) {
      return true;
    }
  }
  return false;
}

}  // namespace prefdesk::dialog
