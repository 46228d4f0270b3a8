#include "src/columns/layout_duplicates.h"

#include <cstdint>
#include <map>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

namespace prefdesk::columns {
namespace {

struct Kept {
  int row = 0;
  bool usable = false;
  int32_t position = 0;
};

// The position as a 32-bit number; unusable when empty, null or not such a number.
Kept At(const ado::Recordset& rs, const char* position) {
  Kept kept{rs.AbsolutePosition()};
  const automation::Variant& value = rs[position];
  if (value.IsEmptyOrNull()) return kept;
  try {
    kept.position = automation::CLng(value);
    kept.usable = true;
  } catch (const automation::AutomationError&) {
    kept.usable = false;
  }
  return kept;
}

}  // namespace

std::set<int> RowsKept(ado::Recordset& rs, const RowKey& key, const char* position,
                       bool& duplicates) {
  std::map<std::string, Kept> kept;
  const int start = rs.IsEOF() || rs.IsBOF() ? 0 : rs.AbsolutePosition();
  if (start > 0) {
    for (; !rs.IsEOF(); rs.MoveNext()) {
      const Kept row = At(rs, position);
      const auto [it, fresh] = kept.try_emplace(key(rs), row);
      if (fresh) continue;
      duplicates = true;
      if (row.usable && (!it->second.usable || row.position < it->second.position)) {
        it->second = row;
      }
    }
    rs.SetAbsolutePosition(start);
  }
  std::set<int> rows;
  for (const auto& [name, row] : kept) rows.insert(row.row);
  return rows;
}

}  // namespace prefdesk::columns
