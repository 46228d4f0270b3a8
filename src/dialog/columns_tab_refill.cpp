// Refills of the Column tab: a click on a title refills the first-level lists, a click on a
// first-level list refills the second-level lists. Each refill reads visibility and positions
// back from the record set into the working records, and runs under one window-update lock.
#include <map>
#include <vector>

#include "platform/ui/check_list_box.h"
#include "src/columns/layout_filters.h"
#include "src/columns/main_option_column.h"
#include "src/dialog/columns_tab.h"
#include "src/dialog/columns_tab_rows.h"
#include "src/resources/strings.h"
#include "src/storage/lock_window_update.h"

namespace prefdesk::dialog {

using automation::Variant;
using namespace columns_tab;

namespace {

// Holds the window-update lock of a list while it is refilled; releasing it also clears the
// record set's filter. An error on the way still unlocks and clears.
class RefillLock {
 public:
  RefillLock(const ui::CheckListBox& list, ado::Recordset& rs) : rs_(rs) {
    storage::LockWindowUpdate(list.Handle());
  }
  RefillLock(const RefillLock&) = delete;
  RefillLock& operator=(const RefillLock&) = delete;
  ~RefillLock() {
    if (released_) return;
    storage::LockWindowUpdate(0);
    try {
      rs_.SetFilter("");
    } catch (const automation::AutomationError&) {
      // The error that ended the refill is the one that reaches the caller.
    }
  }
  void Release() {
    released_ = true;
    storage::LockWindowUpdate(0);
    rs_.SetFilter("");
  }

 private:
  ado::Recordset& rs_;
  bool released_ = false;
};

using RecordsByName = std::map<std::string, std::vector<columns::clsMainOptionColumn*>>;

}  // namespace

std::string ColumnsTab::CurrentTitleName() const {
  const std::string title_text = controls_.lstGrandFather->CurrentText();
  for (const auto& record : *edited_) {
    if (record->TitleCaption == title_text) return record->TitleName;
  }
  return "";
}

void ColumnsTab::lstGrandFather_Click() {
  if (!title_guard_) return;
  const bool chinese = resources::IsChinese();
  const std::string title_name = CurrentTitleName();
  ado::Recordset& rs = *title_lists_;
  ui::CheckListBox& lists = *controls_.lstFather;
  rs.SetFilter(columns::NameCondition("TitleName", title_name) + " And DefaultVisible = TRUE");
  RefillLock lock(lists, rs);
  lists.Clear();

  RecordsByName records_of_list;
  for (const auto& record : *edited_) {
    if (record->TitleName == title_name) records_of_list[record->ListName].push_back(record.get());
  }
  const std::string caption_field = CaptionField("ListCaption", chinese);
  ForEachRowByPosition(rs, "ListOrder", list_min_, list_max_, [&] {
    const Variant& list_name = rs["ListName"];
    const Variant& visible = rs["ListVisible"];
    const bool hidden_by_design =
        title_name == "Expenses" && NameIs(list_name, "HotelExpenses");
    if (!list_name.IsNull() && !hidden_by_design) {
      const Variant& caption = rs[caption_field];
      if (!caption.IsNull()) {
        const int index = lists.AddItem(TextOrEmpty(caption));
        list_guard_ = false;
        if (Present(visible)) lists.SetSelected(index, automation::CBool(visible));
        list_guard_ = true;
      }
    }
    if (list_name.IsNull()) return;
    const auto records = records_of_list.find(TextOrEmpty(list_name));
    if (records == records_of_list.end()) return;
    const Variant& order = rs["ListOrder"];
    for (columns::clsMainOptionColumn* record : records->second) {
      if (Present(visible)) record->ListVisible = automation::CBool(visible);
      if (Present(order)) record->ListPos = automation::CLng(order);
    }
  });
  if (lists.ListCount() > 0) lists.SetListIndex(0);
  lock.Release();
}

void ColumnsTab::lstFather_Click() {
  if (!list_guard_) return;
  const bool chinese = resources::IsChinese();
  const std::string title_text = controls_.lstGrandFather->CurrentText();
  const std::string list_text = controls_.lstFather->CurrentText();
  std::string title_name;
  std::string list_name;
  for (const auto& record : *edited_) {
    if (record->TitleCaption == title_text && record->ListCaption == list_text) {
      title_name = record->TitleName;
      list_name = record->ListName;
      break;
    }
  }
  ado::Recordset& rs = *list_sons_;
  ui::CheckListBox& sons = *controls_.lstSon;
  rs.SetFilter(columns::TitleListCondition(title_name, list_name));
  RefillLock lock(sons, rs);
  sons.Clear();

  RecordsByName records_of_son;
  for (const auto& record : *edited_) {
    if (record->TitleName == title_name && record->ListName == list_name) {
      records_of_son[record->ListSonName].push_back(record.get());
    }
  }
  const std::string caption_field = CaptionField("ListSonCaption", chinese);
  ForEachRowByPosition(rs, "ListSonOrder", son_min_, son_max_, [&] {
    const Variant& caption = rs[caption_field];
    const Variant& visible = rs["ListSonVisible"];
    if (!caption.IsNull()) {
      const int index = sons.AddItem(TextOrEmpty(caption));
      son_guard_ = false;
      if (Present(visible)) sons.SetSelected(index, automation::CBool(visible));
      son_guard_ = true;
    }
    const Variant& son_name = rs["ListSonName"];
    if (son_name.IsNull()) return;
    const auto records = records_of_son.find(TextOrEmpty(son_name));
    if (records == records_of_son.end()) return;
    const Variant& order = rs["ListSonOrder"];
    for (columns::clsMainOptionColumn* record : records->second) {
      if (Present(visible)) record->ListSonVisible = automation::CBool(visible);
      if (Present(order)) record->ListSonPos = automation::CLng(order);
    }
  });
  if (sons.ListCount() > 0) sons.SetListIndex(0);
  lock.Release();
}

}  // namespace prefdesk::dialog
