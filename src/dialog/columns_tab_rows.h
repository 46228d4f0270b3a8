// Reading the layout record sets of the Column tab: values of a row, scans in position order,
// and the filter conditions on names.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "platform/automation/variant.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::dialog::columns_tab {

inline bool Present(const automation::Variant& v) { return !v.IsEmptyOrNull(); }

// The text of a value; empty when it is empty or null.
inline std::string TextOf(const automation::Variant& v) {
  return Present(v) ? automation::CStr(v) : std::string();
}
inline bool BoolOf(const automation::Variant& v) { return Present(v) && automation::CBool(v); }
inline int32_t LongOf(const automation::Variant& v) { return Present(v) ? automation::CLng(v) : 0; }

// A name field equal to a text: a null field never equals anything.
inline bool NameIs(const automation::Variant& v, std::string_view name) {
  return Present(v) ? automation::CStr(v) == name : false;
}

// "Field='name'" with the name written as a SQL text.
inline std::string NameCondition(std::string_view field, std::string_view name) {
  return std::string(field) + "=" + storage::SqlText(name);
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

// Calls visit() on each row visible under the filter, from the first row to the end.
template <typename Visit>
void ForEachRow(ado::Recordset& rs, Visit&& visit) {
  rs.MoveFirst();
  while (!rs.IsEOF()) {
    visit();
    rs.MoveNext();
  }
}

// For each position p from low to high, scans the visible rows from the first and calls
// visit() on each row whose `field` is not null and equals p. Rows come out in ascending
// position order and rows sharing a position keep record set order. A position that no row
// holds would only give an empty scan, so it is skipped. visit() may move the record set as
// long as it puts the row back.
template <typename Visit>
void ForEachRowByPosition(ado::Recordset& rs, std::string_view field, int32_t low, int32_t high,
                          Visit&& visit) {
  std::set<int32_t> positions;
  ForEachRow(rs, [&] {
    const automation::Variant& v = rs[field];
    if (!Present(v)) return;
    const int32_t p = automation::CLng(v);
    if (p >= low && p <= high) positions.insert(p);
  });
  for (int32_t p : positions) {
    ForEachRow(rs, [&] {
      const automation::Variant& v = rs[field];
      if (Present(v) && automation::CLng(v) == p) visit();
    });
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
