// Rows of the layout that the position walk cannot place: a position outside the level's range
// (a NULL position reads 0 in the layout record sets). Such a row is never dropped: it gets the
// positions after the largest one, in id order, so that the lists show it after the placed rows
// and the next save writes it where it was shown.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "src/state/shared_state.h"
#include "src/dialog/columns_tab.h"
#include "src/dialog/columns_tab_rows.h"

namespace prefdesk::dialog {

using namespace columns_tab;

namespace {

// The rows of one item that needs a position: its parent's name (the items of one parent are
// numbered together), its id and name (the order among the strays), its rows.
struct Stray {
  std::string parent;
  int32_t id = 0;
  std::string name;
  std::vector<int> rows;  // AbsolutePosition of each row
};

bool Placed(const automation::Variant& order, int32_t low, int32_t high) {
  const int32_t p = LongOf(order);
  return p >= low && p <= high;
}

// Collects the rows whose `order` field is outside [low, high] and whose `name` field is not
// empty, one Stray per parent and name; the parent is named by parent_fields.
std::vector<Stray> StrayRows(ado::Recordset& rs, std::initializer_list<const char*> parent_fields,
                             const char* name_field, const char* id_field,
                             const char* order_field, int32_t low, int32_t high) {
  std::map<std::pair<std::string, std::string>, Stray> strays;
  if (rs.RecordCount() > 0) {
    ForEachRow(rs, [&] {
      const std::string name = TextOrEmpty(rs[name_field]);
      if (name.empty() || Placed(rs[order_field], low, high)) return;
      std::string parent;
      for (const char* field : parent_fields) parent += TextOrEmpty(rs[field]) + '\n';
      Stray& stray = strays[{parent, name}];
      if (stray.rows.empty()) stray = Stray{parent, LongOf(rs[id_field]), name, {}};
      stray.rows.push_back(rs.AbsolutePosition());
    });
  }
  std::vector<Stray> sorted;
  for (auto& [key, stray] : strays) sorted.push_back(std::move(stray));
  std::sort(sorted.begin(), sorted.end(), [](const Stray& a, const Stray& b) {
    return std::tie(a.parent, a.id, a.name) < std::tie(b.parent, b.id, b.name);
  });
  return sorted;
}

// Numbers the strays of each parent from high + 1 on, in id order; returns the new largest
// position of the level.
int32_t PlaceAfter(ado::Recordset& rs, const char* order_field, const std::vector<Stray>& strays,
                   int32_t high) {
  constexpr int64_t kLargest = std::numeric_limits<int32_t>::max();
  int64_t largest = high;
  int64_t next = high;
  const std::string* parent = nullptr;
  for (const Stray& stray : strays) {
    if (parent == nullptr || *parent != stray.parent) next = high;
    parent = &stray.parent;
    next = std::min(next + 1, kLargest);
    largest = std::max(largest, next);
    for (int row : stray.rows) {
      rs.SetAbsolutePosition(row);
      Put(rs, order_field, automation::Variant(static_cast<int32_t>(next)));
    }
  }
  return static_cast<int32_t>(largest);
}

}  // namespace

void ColumnsTab::PlaceStrayRows() {
  ado::Recordset& rs = *title_lists_;
  ado::Recordset& sons = *list_sons_;
  const auto titles =
      StrayRows(rs, {}, "TitleName", "TitleID", "TitleOrder", title_min_, title_max_);
  const auto lists =
      StrayRows(rs, {"TitleName"}, "ListName", "ListID", "ListOrder", list_min_, list_max_);
  const auto list_sons = StrayRows(sons, {"TitleName", "ListName"}, "ListSonName", "ListSonID",
                                   "ListSonOrder", son_min_, son_max_);
  if (titles.empty() && lists.empty() && list_sons.empty()) return;
  title_max_ = PlaceAfter(rs, "TitleOrder", titles, title_max_);
  list_max_ = PlaceAfter(rs, "ListOrder", lists, list_max_);
  son_max_ = PlaceAfter(sons, "ListSonOrder", list_sons, son_max_);
  state::State().ColumnsNeedRewrite = true;
}

}  // namespace prefdesk::dialog
