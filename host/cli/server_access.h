// Reading and writing the server tables for the administrator's commands, through the data
// service and the one SQL literal writer. A failure raises CliError(kExitFailed) with the data
// service's description; a transaction that was not committed is rolled back.
#pragma once

#include <functional>
#include <string>

#include "platform/ado/recordset.h"
#include "src/storage/datacenter.h"
#include "src/storage/scoped_transaction.h"

namespace prefdesk::cli {

// The data service's last error for a message; a lock held by another program is said as
// such, whatever words the engine used.
std::string FailureText(const storage::DataCenter& dc);

// Runs the query and calls visit for each of its rows (storage::ForEachRow); the record set
// is closed on every path.
void ForEachRow(storage::DataCenter& dc, const std::string& sql,
                const std::function<void(const ado::Recordset&)>& visit);
void InsertRow(storage::DataCenter& dc, const std::string& table, const std::string& columns,
               const std::string& values);
void UpdateRows(storage::DataCenter& dc, const std::string& table, const std::string& assignments,
                const std::string& condition);
void DeleteRows(storage::DataCenter& dc, const std::string& table, const std::string& condition);
// "F_UID=N", the condition of every per-user statement.
std::string UserCondition(int16_t user);

// BEGIN in the constructor; the destructor rolls back unless Commit succeeded.
class ServerTransaction {
 public:
  explicit ServerTransaction(storage::DataCenter& dc);
  ServerTransaction(const ServerTransaction&) = delete;
  ServerTransaction& operator=(const ServerTransaction&) = delete;
  // Raises unless the server confirmed the commit.
  void Commit();

 private:
  storage::DataCenter& dc_;
  // Rolls back on every way out short of a confirmed commit.
  storage::ScopedTransaction scope_;
};

}  // namespace prefdesk::cli
