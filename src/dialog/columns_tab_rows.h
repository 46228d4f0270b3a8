// Reading the layout record sets of the Column tab: values of a row, scans in position order,
// and the filter conditions on names.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/automation/variant.h"
#include "src/storage/field_values.h"
#include "src/storage/for_each_row.h"

namespace prefdesk::dialog::columns_tab {

inline bool Present(const automation::Variant& v) { return !v.IsEmptyOrNull(); }

using storage::TextOrEmpty;
inline bool BoolOf(const automation::Variant& v) { return Present(v) && automation::CBool(v); }
inline int32_t LongOf(const automation::Variant& v) { return Present(v) ? automation::CLng(v) : 0; }

// A name field equal to a text: a null field never equals anything.
inline bool NameIs(const automation::Variant& v, std::string_view name) {
  return Present(v) ? automation::CStr(v) == name : false;
}

// The caption column of a level in the display language: "TitleCaption" -> "TitleCaption_C".
inline std::string CaptionField(std::string_view base, bool chinese) {
  return std::string(base) + (chinese ? "_C" : "_E");
}

// A record set the tab can read and write: created by a reader and still open.
inline bool IsOpen(const std::shared_ptr<ado::Recordset>& rs) {
  return rs != nullptr && rs->State() == ado::adStateOpen;
}

inline void Put(ado::Recordset& rs, std::string_view field, const automation::Variant& value) {
  rs.SetCollect(field, value);
}

using storage::ForEachRow;

// For each position p from low to high, calls visit() on each visible row whose `field` is not
// null and equals p, with the record set on that row. Rows come out in ascending position order
// and rows sharing a position keep record set order; positions that no row holds are not
// visited. The positions are read in one pass, so the walk is linear in the rows: visit() may
// move the record set but must not change `field`. Ends at EOF.
template <typename Visit>
void ForEachRowByPosition(ado::Recordset& rs, std::string_view field, int32_t low, int32_t high,
                          Visit&& visit) {
  std::vector<std::pair<int32_t, int>> rows;  // position, AbsolutePosition of the row
  ForEachRow(rs, [&] {
    const automation::Variant& v = rs[field];
    if (!Present(v)) return;
    const int32_t p = automation::CLng(v);
    if (p >= low && p <= high) rows.emplace_back(p, rs.AbsolutePosition());
  });
  std::stable_sort(rows.begin(), rows.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [position, row] : rows) {
    rs.SetAbsolutePosition(row);
    visit();
  }
  if (rs.RecordCount() > 0) {
    rs.SetAbsolutePosition(rs.RecordCount());
    rs.MoveNext();
  }
}

// As ForEachRowByPosition, but visit() sees only the first row of each position.
template <typename Visit>
void ForFirstRowByPosition(ado::Recordset& rs, std::string_view field, int32_t low, int32_t high,
                           Visit&& visit) {
  bool visited = false;
  int32_t last = 0;
  ForEachRowByPosition(rs, field, low, high, [&] {
    const int32_t p = automation::CLng(rs[field]);
    if (visited && p == last) return;
    visited = true;
    last = p;
    visit();
  });
}

}  // namespace prefdesk::dialog::columns_tab
