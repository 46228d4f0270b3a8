// The order in which the column bar shows the rows the server returned for one level: rows
// whose position is usable in the order the statement gave them, then the rows without one (a
// NULL position, or one that is not a 32-bit number) in id order. Rows of one group (the
// second-level lists of one first-level list) stay together. A row whose key an earlier row had
// is left out, rows with a usable position taken first, so that stored duplicates read as one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ado/recordset.h"

namespace prefdesk::columns {

struct BarRow {
  int row = 0;          // AbsolutePosition in the server set
  bool placed = false;  // its position is usable
};

struct BarRowKeys {
  const char* position;  // the position field
  std::function<std::string(const ado::Recordset&)> key;
  // None: one group. Every row of one key must be in the same group.
  std::function<std::string(const ado::Recordset&)> group;
  // The id that orders the rows without a usable position; asked for those rows alone.
  std::function<int64_t(const ado::Recordset&)> id;
};

// Reads every row of server from the first; leaves it at its end.
std::vector<BarRow> BarRowOrder(ado::Recordset& server, const BarRowKeys& keys);

}  // namespace prefdesk::columns
