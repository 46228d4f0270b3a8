// Move buttons of the Column tab: the current item goes to the top, one up, one down or to the
// bottom of its list, and the positions of the list's items are renumbered from the new order
// in the working records and in the record set rows.
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/ui/check_list_box.h"
#include "src/columns/main_option_column.h"
#include "src/dialog/columns_tab.h"
#include "src/dialog/columns_tab_rows.h"
#include "src/resources/strings.h"

namespace prefdesk::dialog {

using automation::Variant;
using namespace columns_tab;

namespace {

// The caption column that renumbering compares with the items: by the language entry, and
// none when it names neither language.
const char* RenumberCaptionField(const char* chinese_field, const char* english_field) {
  if (resources::IsChinese()) return chinese_field;
  if (resources::IsEnglish()) return english_field;
  return nullptr;
}

}  // namespace

bool& ColumnsTab::GuardOf(const ui::CheckListBox& list) {
  if (&list == controls_.lstGrandFather) return title_guard_;
  if (&list == controls_.lstFather) return list_guard_;
  return son_guard_;
}

void ColumnsTab::MoveItem(ui::CheckListBox& list, Move move) {
  const int count = list.ListCount();
  const int current = list.ListIndex();
  if (count == 0 || current < 0) return;
  if (move == Move::Up && current == 0) return;
  if (move == Move::Down && current >= count - 1) return;

  const std::string text = list.List(current);
  const bool checked = list.Selected(current);
  list.RemoveItem(current);
  int target = 0;
  switch (move) {
    case Move::Top: target = 0; break;
    case Move::Up: target = current - 1; break;
    case Move::Down: target = current + 1; break;
    case Move::Bottom: target = list.ListCount(); break;
  }
  const int moved = list.AddItem(text, target);

  // The mark goes back and the moved item stays current, so that the next press moves it
  // again; neither may act as the user's check or refill the dependent lists.
  bool& guard = GuardOf(list);
  const bool guard_before = guard;
  guard = false;
  list.SetSelected(moved, checked);
  list.SetListIndex(moved);
  guard = guard_before;

  if (&list == controls_.lstGrandFather) {
    RenumberTitles();
  } else if (&list == controls_.lstFather) {
    RenumberLists();
  } else {
    RenumberListSons();
  }
}

void ColumnsTab::RenumberTitles() {
  const ui::CheckListBox& titles = *controls_.lstGrandFather;
  // Item text -> position; when two items share a text the later one wins, as it would when
  // the items were written one after another.
  std::unordered_map<std::string, int32_t> position_of;
  for (int k = 0; k < titles.ListCount(); ++k) position_of[titles.List(k)] = k + 1;

  for (const auto& record : *edited_) {
    const auto found = position_of.find(record->TitleCaption);
    if (found != position_of.end()) record->TitlePos = found->second;
  }
  const char* caption_field = RenumberCaptionField("TitleCaption_C", "TitleCaption_E");
  if (!IsOpen(title_lists_) || caption_field == nullptr) return;
  ado::Recordset& rs = *title_lists_;
  ForEachRow(rs, [&] {
    const Variant& caption = rs[caption_field];
    if (!Present(caption)) return;
    const auto found = position_of.find(TextOrEmpty(caption));
    if (found != position_of.end()) Put(rs, "TitleOrder", found->second);
  });
}

void ColumnsTab::RenumberLists() {
  const ui::CheckListBox& lists = *controls_.lstFather;
  const std::string title_text = controls_.lstGrandFather->CurrentText();

  // The records of the current title by list caption; the title name an item stands for is
  // that of the last record of its caption.
  std::unordered_map<std::string, std::vector<columns::clsMainOptionColumn*>> records_of;
  for (const auto& record : *edited_) {
    if (record->TitleCaption == title_text) records_of[record->ListCaption].push_back(record.get());
  }
  std::map<std::pair<std::string, std::string>, int32_t> row_position;
  std::string title_name;
  for (int k = 0; k < lists.ListCount(); ++k) {
    const std::string& text = lists.List(k);
    const auto records = records_of.find(text);
    if (records != records_of.end()) {
      for (columns::clsMainOptionColumn* record : records->second) record->ListPos = k + 1;
      title_name = records->second.back()->TitleName;
    }
    row_position[{title_name, text}] = k + 1;
  }

  const char* caption_field = RenumberCaptionField("ListCaption_C", "ListCaption_E");
  if (!IsOpen(title_lists_) || caption_field == nullptr) return;
  ado::Recordset& rs = *title_lists_;
  ForEachRow(rs, [&] {
    const Variant& name = rs["TitleName"];
    const Variant& caption = rs[caption_field];
    if (!Present(name) || !Present(caption)) return;
    const auto found = row_position.find({TextOrEmpty(name), TextOrEmpty(caption)});
    if (found != row_position.end()) Put(rs, "ListOrder", found->second);
  });
}

void ColumnsTab::RenumberListSons() {
  const ui::CheckListBox& sons = *controls_.lstSon;
  const std::string title_text = controls_.lstGrandFather->CurrentText();
  const std::string list_text = controls_.lstFather->CurrentText();

  std::unordered_map<std::string, std::vector<columns::clsMainOptionColumn*>> records_of;
  for (const auto& record : *edited_) {
    if (record->TitleCaption == title_text && record->ListCaption == list_text) {
      records_of[record->ListSonCaption].push_back(record.get());
    }
  }
  std::map<std::tuple<std::string, std::string, std::string>, int32_t> row_position;
  std::string title_name;
  std::string list_name;
  for (int k = 0; k < sons.ListCount(); ++k) {
    const std::string& text = sons.List(k);
    const auto records = records_of.find(text);
    if (records != records_of.end()) {
      for (columns::clsMainOptionColumn* record : records->second) record->ListSonPos = k + 1;
      title_name = records->second.back()->TitleName;
      list_name = records->second.back()->ListName;
    }
    row_position[{title_name, list_name, text}] = k + 1;
  }

  const char* caption_field = RenumberCaptionField("ListSonCaption_C", "ListSonCaption_E");
  if (!IsOpen(list_sons_) || caption_field == nullptr) return;
  ado::Recordset& rs = *list_sons_;
  ForEachRow(rs, [&] {
    const Variant& title = rs["TitleName"];
    const Variant& list = rs["ListName"];
    const Variant& caption = rs[caption_field];
    if (!Present(title) || !Present(list) || !Present(caption)) return;
    const auto found = row_position.find({TextOrEmpty(title), TextOrEmpty(list), TextOrEmpty(caption)});
    if (found != row_position.end()) Put(rs, "ListSonOrder", found->second);
  });
}

}  // namespace prefdesk::dialog
