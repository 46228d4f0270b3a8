// The one walk over the rows of a record set, for the component and the host alike.
#pragma once

#include "platform/ado/recordset.h"

namespace prefdesk::storage {

// Calls visit() on each row visible under the filter, from the first row to the end; the
// record set stands on the row being visited.
template <typename Visit>
void ForEachRow(ado::Recordset& rs, Visit&& visit) {
  rs.MoveFirst();
  while (!rs.IsEOF()) {
    visit();
    rs.MoveNext();
  }
}

}  // namespace prefdesk::storage
