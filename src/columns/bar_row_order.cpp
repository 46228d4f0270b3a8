#include "src/columns/bar_row_order.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "src/columns/layout_duplicates.h"

namespace prefdesk::columns {
namespace {

struct Read {
  BarRow bar;
  std::string key;
  size_t group = 0;  // order of the group's first row
  int64_t id = 0;
};

}  // namespace

std::vector<BarRow> BarRowOrder(ado::Recordset& server, const BarRowKeys& keys) {
  std::vector<Read> rows;
  std::map<std::string, size_t> groups;
  if (!server.IsEOF() || !server.IsBOF()) server.MoveFirst();
  for (; !server.IsEOF(); server.MoveNext()) {
    Read read;
    read.bar = {server.AbsolutePosition(), UsablePosition(server[keys.position]).has_value()};
    read.key = keys.key(server);
    read.group = groups.try_emplace(keys.group ? keys.group(server) : std::string(), groups.size())
                     .first->second;
    if (!read.bar.placed) read.id = keys.id(server);
    rows.push_back(std::move(read));
  }
  std::stable_sort(rows.begin(), rows.end(), [](const Read& a, const Read& b) {
    return std::make_tuple(a.group, !a.bar.placed, a.bar.placed ? 0 : a.id) <
           std::make_tuple(b.group, !b.bar.placed, b.bar.placed ? 0 : b.id);
  });
  // Rows of one key share a group, in which the placed rows come first: the first row of each
  // key is the one kept.
  std::set<std::string> taken;
  std::vector<BarRow> order;
  for (const Read& read : rows) {
    if (taken.insert(read.key).second) order.push_back(read.bar);
  }
  return order;
}

}  // namespace prefdesk::columns
