#include "src/dialog/startup_tab.h"

#include <optional>

#include "platform/automation/error.h"
#include "platform/ui/combo_box.h"
#include "src/columns/lookup_button_ids.h"
#include "src/state/shared_state.h"
#include "src/dialog/columns_tab_rows.h"
#include "src/resources/strings.h"
#include "src/storage/field_values.h"
#include "src/storage/show_err.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::dialog {
namespace {

bool HasNoRows(const std::shared_ptr<ado::Recordset>& rs) { return !rs || rs->RecordCount() == 0; }

std::string TitleFilter(const std::string& title_name) {
  return "TitleName=" + storage::SqlText(title_name);
}

}  // namespace

StartupTab::StartupTab(const StartupTabControls& controls) : controls_(controls) {
  controls_.cboStartupScreen->OnClick = [this] { cboStartupScreen_Click(); };
  controls_.cboDefaultStartup->OnClick = [this] { cboDefaultStartup_Click(); };
}

StartupTab::~StartupTab() {
  controls_.cboStartupScreen->OnClick = nullptr;
  controls_.cboDefaultStartup->OnClick = nullptr;
  sets_.Release();
}

std::string StartupTab::ListCaption(const ado::Recordset& lists, bool chinese) {
  return storage::TextOrEmpty(lists[chinese ? "ListNameChinese" : "ListNameEnglish"]);
}

bool StartupTab::ReadStartupRecordsets() {
  const state::SharedState& state = state::State();
  if (tagGetSvrValStartup(state.BaseConn, state.DataCenter, sets_) &&
      GetDefValStartup(state.BaseConn, sets_)) {
    return true;
  }
  if (HasNoRows(sets_.titles) || HasNoRows(sets_.lists)) {
    return GetDefValStartup(state.BaseConn, sets_);
  }
  return false;
}

void StartupTab::FillTitles(bool chinese) {
  ui::ComboBox& startup = *controls_.cboStartup;
  ui::ComboBox& screen = *controls_.cboStartupScreen;
  startup.Clear();
  screen.Clear();
  startup.AddItem(resources::LoadResString(2110));
  ado::Recordset& titles = *sets_.titles;
  columns_tab::ForFirstRowByPosition(
      titles, "DefaultOrder", sets_.MinTitleOrder, sets_.MaxTitleOrder, [&] {
        const std::string caption =
            storage::TextOrEmpty(titles[chinese ? "TitleNameChinese" : "TitleNameEnglish"]);
        startup.AddItem(caption);
        screen.AddItem(caption);
        loaded_->Add(storage::TextOrEmpty(titles["TitleName"]), storage::TextOrEmpty(titles["DefaultList"]),
                     caption);
      });
}

bool StartupTab::LoadStartupValue() {
  const bool chinese = resources::IsChinese();
  loaded_ = std::make_unique<columns::clsMainOptionStartups>();
  edited_.reset();
  try {
    if (ReadStartupRecordsets()) {
      loaded_.reset();
      return true;
    }
    FillTitles(chinese);
    edited_ = std::make_unique<columns::clsMainOptionStartups>();
    for (const auto& record : *loaded_) {
      edited_->Add(record->ColumnName, record->DefaultListName, record->ColumnCaption);
    }
    loaded_primary_title_ = state::State().DefaultTitle;
    if (!loaded_primary_title_.empty()) {
      controls_.cboStartup->SetText(loaded_primary_title_);
    } else {
      controls_.cboStartup->SetListIndex(0);
    }
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    loaded_.reset();
    edited_.reset();
    return true;
  }
}

void StartupTab::SaveStartupValue() { state::State().DefaultTitle = controls_.cboStartup->Text(); }

std::shared_ptr<columns::clsMainOptionStartup> StartupTab::CurrentTitle() const {
  if (!edited_) return nullptr;
  const std::string caption = controls_.cboStartupScreen->Text();
  for (const auto& record : *edited_) {
    if (record->ColumnCaption == caption) return record;
  }
  return nullptr;
}

void StartupTab::cboStartupScreen_Click() {
  if (controls_.cboStartupScreen->ListIndex() < 0 || !sets_.lists) return;
  ado::Recordset& lists = *sets_.lists;
  try {
    const bool chinese = resources::IsChinese();
    const auto record = CurrentTitle();
    const std::string title_name = record ? record->ColumnName : std::string();
    const std::string default_list = record ? record->DefaultListName : std::string();
    ui::ComboBox& defaults = *controls_.cboDefaultStartup;
    lists.SetFilter(TitleFilter(title_name));
    defaults.Clear();
    columns_tab::ForFirstRowByPosition(lists, "DefaultOrder", sets_.MinListOrder,
                                       sets_.MaxListOrder,
                                       [&] { defaults.AddItem(ListCaption(lists, chinese)); });
    std::string default_caption;
    for (lists.MoveFirst(); !lists.IsEOF(); lists.MoveNext()) {
      if (storage::TextOrEmpty(lists["ListName"]) == default_list) {
        default_caption = ListCaption(lists, chinese);
        break;
      }
    }
    lists.SetFilter("");
    defaults.SetText(default_caption);
  } catch (const automation::AutomationError& error) {
    lists.SetFilter("");
    storage::ShowErr(error);
  }
}

void StartupTab::cboDefaultStartup_Click() {
  if (controls_.cboDefaultStartup->ListIndex() < 0 || !sets_.lists) return;
  const auto record = CurrentTitle();
  if (!record) return;
  ado::Recordset& lists = *sets_.lists;
  try {
    const bool chinese = resources::IsChinese();
    const std::string chosen = controls_.cboDefaultStartup->Text();
    lists.SetFilter(TitleFilter(record->ColumnName));
    for (lists.MoveFirst(); !lists.IsEOF(); lists.MoveNext()) {
      if (ListCaption(lists, chinese) == chosen) {
        record->DefaultListName = storage::TextOrEmpty(lists["ListName"]);
        break;
      }
    }
    lists.SetFilter("");
  } catch (const automation::AutomationError& error) {
    lists.SetFilter("");
    storage::ShowErr(error);
  }
}

bool StartupTab::SaveStartupStep(storage::DataCenter& dc, bool layout_rewritten) {
  // Without the id tables the writes below would carry unknown ids: the save stops there,
  // and the person learns why (a catalogue that cannot be read, or an id beyond 16 bits).
  std::optional<automation::AutomationError> not_loaded;
  if (SaveValsStartupToSvr(not_loaded)) {
    storage::ShowErr(*not_loaded);
    return true;
  }
  const std::string chosen = controls_.cboStartup->Text();
  std::string new_primary_title;
  for (int32_t i = 1; i <= edited_->Count(); ++i) {
    const auto edited = edited_->Item(i);
    if (edited->ColumnCaption == chosen) new_primary_title = loaded_->Item(i)->ColumnName;
    int16_t title_id = 0;
    int16_t list_id = 0;
    columns::LookupButtonIDs(edited->ColumnName, edited->DefaultListName, title_id, list_id);
    if (SaveValsPrimaryToSvr(dc, false, "", edited->ColumnName, edited->DefaultListName,
                             title_id, list_id)) {
      return true;
    }
  }
  int16_t title_id = 0;
  int16_t list_id = 0;
  columns::LookupButtonIDs(new_primary_title, "", title_id, list_id);
  const bool changed = loaded_primary_title_ != new_primary_title;
  if (!changed && !(layout_rewritten && !new_primary_title.empty())) return false;
  return SaveValsPrimaryToSvr(dc, true, new_primary_title, "", "", title_id, list_id);
}

}  // namespace prefdesk::dialog
