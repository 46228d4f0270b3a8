// Loading of the Column tab: the layout from the readers, the title list, the loading records
// with their list and second-level positions, and the working copy.
#include <algorithm>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/automation/error.h"
#include "platform/ui/check_list_box.h"
#include "src/columns/get_def_val_columns_visible.h"
#include "src/columns/layout_filters.h"
#include "src/columns/main_option_column.h"
#include "src/columns/tag_get_svr_val_columns_visible.h"
#include "src/state/shared_state.h"
#include "src/dialog/columns_tab.h"
#include "src/dialog/columns_tab_rows.h"
#include "src/resources/strings.h"
#include "src/storage/local_query.h"

namespace prefdesk::dialog {

using automation::Variant;
using namespace columns_tab;

// The loading records by their names, so that the list and second-level passes reach them
// without scanning the collection for every row: every record once, sorted by title, list and
// second-level names with records of the same names kept in collection order. The keys view the
// records' own names, which the passes do not change.
struct ColumnsTab::LoadIndex {
  using Names = std::tuple<std::string_view, std::string_view, std::string_view>;
  using Entry = std::pair<Names, columns::clsMainOptionColumn*>;
  std::vector<Entry> entries;

  explicit LoadIndex(const columns::clsMainOptionColumns& records) {
    entries.reserve(records.Count());
    for (const auto& record : records) {
      entries.push_back({{record->TitleName, record->ListName, record->ListSonName}, record.get()});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.first < b.first; });
  }

  // Calls visit(record) on every record of a title and first-level list.
  template <typename Visit>
  void ForEachOfList(std::string_view title, std::string_view list, Visit&& visit) const {
    auto it = std::lower_bound(entries.begin(), entries.end(), Names{title, list, {}},
                               [](const Entry& e, const Names& key) { return e.first < key; });
    for (; it != entries.end() && std::get<0>(it->first) == title &&
           std::get<1>(it->first) == list;
         ++it) {
      visit(*it->second);
    }
  }

  // The first record of a title, first-level list and second-level list, or nullptr.
  columns::clsMainOptionColumn* FirstOf(std::string_view title, std::string_view list,
                                        std::string_view son) const {
    const Names key{title, list, son};
    auto it = std::lower_bound(entries.begin(), entries.end(), key,
                               [](const Entry& e, const Names& k) { return e.first < k; });
    return it != entries.end() && it->first == key ? it->second : nullptr;
  }
};

bool ColumnsTab::LoadColumnValue() {
  try {
    const bool chinese = resources::IsChinese();
    *loaded_ = columns::clsMainOptionColumns();
    state::State().ColumnsNeedRewrite = false;
    if (ReadLayout()) {
      CloseRecordsets();
      return true;
    }
    PlaceStrayRows();
    TitlePass(chinese);
    ListPass();
    CopyLoadedToEdited();
    if (controls_.lstGrandFather->ListCount() > 0) controls_.lstGrandFather->SetListIndex(0);
    return false;
  } catch (const automation::AutomationError&) {
    CloseRecordsets();
    return true;
  }
}

// The user's own layout; the factory layout when he has none or it holds no rows.
bool ColumnsTab::ReadLayout() {
  state::SharedState& state = state::State();
  auto read_defaults = [&] {
    return columns::GetDefValColumnsVisible(state.DataCenter, state.BaseConn, title_lists_,
                                            list_sons_, title_min_, title_max_, list_min_,
                                            list_max_, son_min_, son_max_);
  };
  if (columns::tagGetSvrValColumnsVisible(state.DataCenter, state.BaseConn, title_lists_,
                                          list_sons_, title_min_, title_max_, list_min_,
                                          list_max_, son_min_, son_max_) &&
      read_defaults()) {
    return true;
  }
  auto holds_no_rows = [](const std::shared_ptr<ado::Recordset>& rs) {
    return !IsOpen(rs) || rs->RecordCount() == 0;
  };
  if (holds_no_rows(title_lists_) || holds_no_rows(list_sons_)) return read_defaults();
  return false;
}

// One title item per title, one list record per title-list row and behind it one son record
// per second-level row of that list, all in title position order.
void ColumnsTab::TitlePass(bool chinese) {
  ado::Recordset& rs = *title_lists_;
  ado::Recordset& sons = *list_sons_;
  ui::CheckListBox& titles = *controls_.lstGrandFather;
  const std::string title_caption_field = CaptionField("TitleCaption", chinese);
  const std::string list_caption_field = CaptionField("ListCaption", chinese);
  const std::string son_caption_field = CaptionField("ListSonCaption", chinese);
  std::string last_title;
  ForEachRowByPosition(rs, "TitleOrder", title_min_, title_max_, [&] {
    const Variant& title_name = rs["TitleName"];
    if (Present(title_name) && TextOrEmpty(title_name) != last_title) {
      last_title = TextOrEmpty(title_name);
      const int index = titles.AddItem(TextOrEmpty(rs[title_caption_field]));
      const Variant& visible = rs["TitleVisible"];
      title_guard_ = false;
      if (Present(visible)) titles.SetSelected(index, automation::CBool(visible));
      title_guard_ = true;
    }
    const std::string title = TextOrEmpty(title_name);
    const std::string list = TextOrEmpty(rs["ListName"]);
    const std::string title_caption = TextOrEmpty(rs[title_caption_field]);
    const std::string list_caption = TextOrEmpty(rs[list_caption_field]);
    const int32_t title_id = LongOf(rs["TitleID"]);
    const int32_t list_id = LongOf(rs["ListID"]);
    const bool title_visible = BoolOf(rs["TitleVisible"]);
    const int32_t title_pos = LongOf(rs["TitleOrder"]);
    const bool list_visible = BoolOf(rs["ListVisible"]);
    const bool default_visible = BoolOf(rs["DefaultVisible"]);
    const int32_t list_pos = LongOf(rs["ListOrder"]);
    loaded_->Add(title, title_id, list, list_id, "", 0, title_caption, list_caption, "",
                 title_visible, title_pos, list_visible, default_visible, list_pos, false, 0);

    sons.SetFilter(columns::TitleListValueCondition(title_name, rs["ListName"]));
    if (sons.RecordCount() > 0) {
      ForEachRow(sons, [&] {
        loaded_->Add(title, title_id, list, list_id, TextOrEmpty(sons["ListSonName"]),
                     LongOf(sons["ListSonID"]), title_caption, list_caption,
                     TextOrEmpty(sons[son_caption_field]), title_visible, title_pos, list_visible,
                     default_visible, list_pos, BoolOf(sons["ListSonVisible"]),
                     LongOf(sons["ListSonOrder"]));
      });
    }
    sons.SetFilter("");
  });
}

// Each title once, in title position order: its lists' visibility and positions, and those
// of their second-level lists, from the record sets into the loading records.
void ColumnsTab::ListPass() {
  ado::Recordset& rs = *title_lists_;
  const LoadIndex index(*loaded_);
  std::string last_title;
  ForEachRowByPosition(rs, "TitleOrder", title_min_, title_max_, [&] {
    const Variant& title_name = rs["TitleName"];
    if (!Present(title_name) || TextOrEmpty(title_name) == last_title) return;
    last_title = TextOrEmpty(title_name);
    const int position = rs.AbsolutePosition();
    LoadTitleLists(last_title, index);
    rs.SetAbsolutePosition(position);
  });
}

void ColumnsTab::LoadTitleLists(const std::string& title_name, const LoadIndex& index) {
  ado::Recordset& rs = *title_lists_;
  rs.SetFilter(columns::NameCondition("TitleName", title_name));
  ForEachRowByPosition(rs, "ListOrder", list_min_, list_max_, [&] {
    const std::string list_name = TextOrEmpty(rs["ListName"]);
    const bool list_visible = BoolOf(rs["ListVisible"]);
    const bool default_visible = BoolOf(rs["DefaultVisible"]);
    const int32_t list_pos = LongOf(rs["ListOrder"]);
    index.ForEachOfList(title_name, list_name, [&](columns::clsMainOptionColumn& record) {
      record.ListVisible = list_visible;
      record.DefaultVisible = default_visible;
      record.ListPos = list_pos;
    });
    LoadListSons(title_name, list_name, index);
  });
  rs.SetFilter("");
}

void ColumnsTab::LoadListSons(const std::string& title_name, const std::string& list_name,
                              const LoadIndex& index) {
  ado::Recordset& sons = *list_sons_;
  sons.SetFilter(columns::TitleListCondition(title_name, list_name));
  ForEachRowByPosition(sons, "ListSonOrder", son_min_, son_max_, [&] {
    columns::clsMainOptionColumn* record =
        index.FirstOf(title_name, list_name, TextOrEmpty(sons["ListSonName"]));
    if (record == nullptr) return;
    record->ListSonVisible = BoolOf(sons["ListSonVisible"]);
    record->ListSonPos = LongOf(sons["ListSonOrder"]);
  });
  sons.SetFilter("");
}

void ColumnsTab::CopyLoadedToEdited() {
  *edited_ = columns::clsMainOptionColumns();
  for (const auto& r : *loaded_) {
    edited_->Add(r->TitleName, r->TitleID, r->ListName, r->ListID, r->ListSonName, r->ListSonID,
                 r->TitleCaption, r->ListCaption, r->ListSonCaption, r->TitleVisible, r->TitlePos,
                 r->ListVisible, r->DefaultVisible, r->ListPos, r->ListSonVisible, r->ListSonPos);
  }
}

void ColumnsTab::CloseRecordsets() {
  storage::CloseIfOpen(title_lists_);
  storage::CloseIfOpen(list_sons_);
}

}  // namespace prefdesk::dialog
