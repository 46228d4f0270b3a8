#include "host/cli/server_access.h"

#include "host/cli/cli_error.h"
#include "src/storage/for_each_row.h"
#include "src/storage/local_query.h"
#include "src/storage/schema.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::cli {

namespace {

[[noreturn]] void Raise(const storage::DataCenter& dc, const std::string& what) {
  throw CliError(kExitFailed, what + ": " + FailureText(dc));
}

}  // namespace

std::string FailureText(const storage::DataCenter& dc) {
  const std::string description = dc.GetErrInfo().Description;
  if (description.find("database is locked") != std::string::npos) {
    return "the server database is busy: another program holds a lock on it";
  }
  return description;
}

void ForEachRow(storage::DataCenter& dc, const std::string& sql,
                const std::function<void(const ado::Recordset&)>& visit) {
  std::shared_ptr<ado::Recordset> rs;
  if (dc.OpenRecordsetByString(rs, sql) < 0 || !rs) Raise(dc, "reading the server failed");
  storage::RecordsetCloser closer(rs);
  storage::ForEachRow(*rs, [&] { visit(*rs); });
}

void InsertRow(storage::DataCenter& dc, const std::string& table, const std::string& columns,
               const std::string& values) {
  if (dc.Insert(table, columns, values) < 0) Raise(dc, "writing " + table + " failed");
}

void UpdateRows(storage::DataCenter& dc, const std::string& table, const std::string& assignments,
                const std::string& condition) {
  if (dc.Update(table, assignments, "", condition) < 0) Raise(dc, "writing " + table + " failed");
}

void DeleteRows(storage::DataCenter& dc, const std::string& table, const std::string& condition) {
  if (dc.Delete(table, condition) < 0) Raise(dc, "removing from " + table + " failed");
}

std::string UserCondition(int16_t user) { return std::string(storage::schema::F_UID) + "=" + storage::SqlInt(user); }

ServerTransaction::ServerTransaction(storage::DataCenter& dc)
    : dc_(dc), scope_(dc) {
  if (!scope_.Begun()) {
    dc_.RollbackTrans();
    Raise(dc_, "starting a transaction failed");
  }
}

void ServerTransaction::Commit() {
  // A commit that failed leaves no transaction open; the service says why.
  if (scope_.Commit() != storage::ScopedTransaction::CommitResult::kConfirmed) Raise(dc_, "the server did not confirm the commit");
}

}  // namespace prefdesk::cli
