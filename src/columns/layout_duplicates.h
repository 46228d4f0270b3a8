// Stored duplicates in a layout read from the server (a second row of one user for one title
// or list, possible in a store made before the unique indexes) read as one: of the rows that
// share their names, the one with the lowest usable position stands for all, the first read
// among equals. The column bar keeps the same row, as it shows the lowest position first.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "platform/ado/recordset.h"

namespace prefdesk::columns {

// A position field as a 32-bit number; nullopt when it is empty, null or not such a number.
std::optional<int32_t> UsablePosition(const automation::Variant& position);

// The names that make rows of a set the same item.
using RowKey = std::function<std::string(const ado::Recordset&)>;

// The AbsolutePosition of the row kept for each key, reading the rows of rs from its current
// row to its end; duplicates is set to true when a key had more than one row. Leaves rs on the
// row it was on.
std::set<int> RowsKept(ado::Recordset& rs, const RowKey& key, const char* position,
                       bool& duplicates);

}  // namespace prefdesk::columns
