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

Kept At(const ado::Recordset& rs, const char* position) {
  const std::optional<int32_t> usable = UsablePosition(rs[position]);
  return Kept{rs.AbsolutePosition(), usable.has_value(), usable.value_or(0)};
}

}  // namespace

std::optional<int32_t> UsablePosition(const automation::Variant& position) {
  if (position.IsEmptyOrNull()) return std::nullopt;
  try {
    return automation::CLng(position);
  } catch (const automation::AutomationError&) {
    return std::nullopt;
  }
}

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
