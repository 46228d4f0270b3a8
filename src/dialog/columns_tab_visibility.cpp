// Check marks of the Column tab: the user's mark on a title, first-level list or second-level
// list becomes its visibility in the working records and in the record set rows.
#include <string>

#include "platform/ui/check_list_box.h"
#include "src/columns/main_option_column.h"
#include "src/dialog/columns_tab.h"
#include "src/dialog/columns_tab_rows.h"

namespace prefdesk::dialog {

using namespace columns_tab;

void ColumnsTab::lstGrandFather_ItemCheck(int16_t index) {
  if (!title_guard_) return;
  const bool state = controls_.lstGrandFather->Selected(index);
  const std::string title_name = CurrentTitleName();
  for (const auto& record : *edited_) {
    if (record->TitleName == title_name) record->TitleVisible = state;
  }
  if (!IsOpen(title_lists_)) return;
  ado::Recordset& rs = *title_lists_;
  ForEachRow(rs, [&] {
    if (NameIs(rs["TitleName"], title_name)) Put(rs, "TitleVisible", state);
  });
}

void ColumnsTab::lstFather_ItemCheck(int16_t index) {
  if (!list_guard_) return;
  const bool state = controls_.lstFather->Selected(index);
  const std::string title_text = controls_.lstGrandFather->CurrentText();
  const std::string list_text = controls_.lstFather->CurrentText();
  std::string title_name;
  std::string list_name;
  for (const auto& record : *edited_) {
    if (record->TitleCaption == title_text && record->ListCaption == list_text) {
      record->ListVisible = state;
      title_name = record->TitleName;
      list_name = record->ListName;
    }
  }
  if (!IsOpen(title_lists_)) return;
  ado::Recordset& rs = *title_lists_;
  ForEachRow(rs, [&] {
    if (NameIs(rs["TitleName"], title_name) && NameIs(rs["ListName"], list_name)) {
      Put(rs, "ListVisible", state);
    }
  });
}

void ColumnsTab::lstSon_ItemCheck(int16_t index) {
  if (!son_guard_ || controls_.lstSon->ListCount() < 1) return;
  const bool state = controls_.lstSon->Selected(index);
  const std::string title_text = controls_.lstGrandFather->CurrentText();
  const std::string list_text = controls_.lstFather->CurrentText();
  const std::string son_text = controls_.lstSon->CurrentText();
  columns::clsMainOptionColumn* found = nullptr;
  for (const auto& record : *edited_) {
    if (record->TitleCaption == title_text && record->ListCaption == list_text &&
        record->ListSonCaption == son_text) {
      found = record.get();
      break;
    }
  }
  if (found == nullptr) return;
  found->ListSonVisible = state;
  if (!IsOpen(list_sons_)) return;
  ado::Recordset& rs = *list_sons_;
  rs.MoveFirst();
  while (!rs.IsEOF()) {
    if (NameIs(rs["TitleName"], found->TitleName) && NameIs(rs["ListName"], found->ListName) &&
        NameIs(rs["ListSonName"], found->ListSonName)) {
      Put(rs, "ListSonVisible", state);
      return;
    }
    rs.MoveNext();
  }
}

}  // namespace prefdesk::dialog
