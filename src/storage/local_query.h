// Read-only queries on the local defaults database, opened the one way every reader uses.
#pragma once

#include <memory>
#include <string>

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"

namespace prefdesk::storage {

// Opens a client-side, static, read-only record set of the query on the connection: the
// properties are set first and Open is called with every argument omitted, so they apply.
// Raises 91 from source (the calling routine's name) when the connection is missing, and
// whatever the data layer raises.
std::shared_ptr<ado::Recordset> OpenLocalQuery(const std::shared_ptr<ado::Connection>& cn,
                                               const std::string& sql, const std::string& source);

// Closes the record set when it is open; a missing one is left alone.
void CloseIfOpen(const std::shared_ptr<ado::Recordset>& rs);

// Closes the record set of a variable when it goes out of scope, on every path out of a
// routine. It holds the variable, not the set, so a set stored into it later is closed too.
class RecordsetCloser {
 public:
  explicit RecordsetCloser(const std::shared_ptr<ado::Recordset>& rs) : rs_(rs) {}
  RecordsetCloser(const RecordsetCloser&) = delete;
  RecordsetCloser& operator=(const RecordsetCloser&) = delete;
  ~RecordsetCloser();

 private:
  const std::shared_ptr<ado::Recordset>& rs_;
};

}  // namespace prefdesk::storage
