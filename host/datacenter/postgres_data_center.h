// The data service over a PostgreSQL server, through libpq. Query results come back as
// disconnected ADO record sets; BeginTrans/CommitTrans/RollbackTrans are server transactions.
// No member throws and no call waits for the server longer than the call time-out: a failure
// returns -1 (RollbackTrans only leaves ErrInfo set) and ErrInfo describes it.
//
// A connection the server closed between transactions (a restart, a failover) is made again
// before the next call runs, so that call goes on; libpq tries the hosts of a multi-host
// connection string in turn, and target_session_attrs=read-write finds whichever is the
// primary now. A connection lost during a call fails that call, and the next call connects
// again, but never inside an open transaction: the transaction then stays "open but lost"
// (InTransaction true, every data call fails) until RollbackTrans, so no statement of it runs
// outside it.
//
// On a shared server each person may log in with a role of his own: when T_PUSERROLE maps
// the session's role to a user, myinfo.uid is that user's id, whatever id the host gave.
//
// BeginTrans locks the row of myinfo.uid in T_PSAVELOCK (making it when missing), so the
// transactions of one user run one after another; row security keeps that row to the user's
// own role. One that waits past the time-out fails as kBusy, and so does every call of it.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "host/datacenter/postgres_errors.h"
#include "src/storage/datacenter.h"

namespace prefdesk::datacenter {

class PgConnection;
struct PgOutcome;

struct PostgresSettings {
  int connect_timeout_s = 4;
  // No call waits longer for an answer, so every call ends within 5 s; the server itself
  // cancels a statement one second earlier (statement_timeout), which keeps the connection
  // usable.
  int call_timeout_ms = 4500;
  // When set, the search path of every session (one schema per test database, say).
  std::string schema;
};

class PostgresDataCenter : public storage::DataCenter {
 public:
  // connection_string: "postgresql://user@host/db?..." or "host=... dbname=...". Connects
  // now; when that fails the failure is kept in ErrInfo and the next call tries again.
  PostgresDataCenter(std::string connection_string, int32_t uid, PostgresSettings settings = {});
  ~PostgresDataCenter() override;
  PostgresDataCenter(const PostgresDataCenter&) = delete;
  PostgresDataCenter& operator=(const PostgresDataCenter&) = delete;

  // Stores the query's record set in rs and returns its row count.
  int32_t OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs,
                                const std::string& sql) override;
  // The write members return the number of rows changed.
  int32_t Insert(const std::string& table, const std::string& columns,
                 const std::string& values) override;
  int32_t Update(const std::string& table, const std::string& assignments,
                 const std::string& unused, const std::string& condition) override;
  int32_t Delete(const std::string& table, const std::string& condition) override;
  int32_t BeginTrans() override;
  // 0 when the server confirmed the commit; -1 otherwise, and no transaction is left open.
  // When the connection dies during COMMIT the error is of kind kInDoubt: the outcome is
  // unknown.
  int32_t CommitTrans() override;
  void RollbackTrans() override;
  bool InTransaction() const override;
  storage::ErrInfo GetErrInfo() const override;
  // The user the session's role is mapped to, read at each connect; else the uid given.
  storage::MyInfo myinfo() const override { return {mapped_uid_.value_or(uid_)}; }

  // The kind of the last failure (kNone before any).
  PgErrorKind LastErrorKind() const { return last_kind_; }
  bool Connected() const;
  // The server of the open connection, as PgConnection::Server says it; empty when there is
  // none.
  std::string ServerReached() const;

 private:
  bool EnsureConnected(const char* member);
  // Runs sql; on failure records the error, drops a dead connection and returns false.
  bool Run(const char* member, const std::string& sql, PgOutcome& outcome, bool commit = false);
  int32_t Write(const char* member, const std::string& sql);
  // True, with the error recorded, while a transaction is lost or was never begun: the busy
  // error of a begin that waited too long, else lost.
  bool RefuseWhenLost(const char* member,
                      const char* lost = "The transaction was not started or was lost with its "
                                         "connection; roll it back before running statements.");
  // Ends an open transaction block after a failure, keeping that failure in ErrInfo.
  void RollbackKeepingError(const char* member);
  // Reads the mapped user of the new connection's role; no mapping when the schema has no
  // T_PUSERROLE or the role may not read it. False when the connection died meanwhile.
  bool ReadMappedUser(PgConnection& connection);
  void Fail(const char* member, PgErrorKind kind, const std::string& sqlstate,
            const std::string& message);

  std::string connection_string_;
  int32_t uid_;
  std::optional<int32_t> mapped_uid_;
  PostgresSettings settings_;
  std::unique_ptr<PgConnection> connection_;
  storage::ErrInfo error_;
  PgErrorKind last_kind_ = PgErrorKind::kNone;
  // The caller's transaction can no longer commit: its BEGIN failed or its connection died.
  bool lost_transaction_ = false;
  // Why BEGIN failed when the user's lock was busy: every call of the transaction says so.
  std::optional<storage::ErrInfo> busy_;
};

}  // namespace prefdesk::datacenter
