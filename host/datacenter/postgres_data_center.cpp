#ifdef PREFDESK_HAVE_POSTGRESQL

#include "host/datacenter/postgres_data_center.h"

#include <libpq-fe.h>

#include <algorithm>
#include <charconv>
#include <exception>

#include "host/datacenter/postgres_connection.h"
#include "host/datacenter/postgres_recordset.h"
#include "host/datacenter/postgres_users.h"
#include "host/datacenter/write_statements.h"
#include "platform/ado/quote_identifier.h"
#include "src/storage/schema.h"

namespace prefdesk::datacenter {
namespace {

int32_t RowsChanged(const pg_result* result) {
  const char* text = result ? PQcmdTuples(const_cast<pg_result*>(result)) : "";
  int32_t rows = 0;
  std::from_chars(text, text + std::char_traits<char>::length(text), rows);
  return rows;
}

}  // namespace

PostgresDataCenter::PostgresDataCenter(std::string connection_string, int32_t uid,
                                       PostgresSettings settings)
    : connection_string_(std::move(connection_string)), uid_(uid), settings_(std::move(settings)) {
  EnsureConnected("Open");
}

PostgresDataCenter::~PostgresDataCenter() = default;

bool PostgresDataCenter::Connected() const { return connection_ && connection_->Alive(); }

void PostgresDataCenter::Fail(const char* member, PgErrorKind kind, const std::string& sqlstate,
                              const std::string& message) {
  last_kind_ = kind;
  error_.Number = PgErrorNumber(kind);
  error_.Source = std::string("PostgresDataCenter.") + member;
  error_.Description = DescribePgError(kind, sqlstate, message);
}

std::string PostgresDataCenter::ServerReached() const {
  return connection_ ? connection_->Server() : std::string();
}

bool PostgresDataCenter::EnsureConnected(const char* member) {
  // Between transactions a connection the server has closed is replaced before anything is
  // sent on it; inside one it is kept, so that the call fails and the transaction is lost.
  if (Connected() && (connection_->InTransactionBlock() || connection_->StillOpen())) return true;
  connection_.reset();
  auto connection = std::make_unique<PgConnection>(connection_string_, settings_.connect_timeout_s);
  if (!connection->Alive()) {
    Fail(member, PgErrorKind::kBrokenConnection, "", connection->Error());
    return false;
  }
  std::string setup = "SET statement_timeout = " +
                      std::to_string(std::max(1, settings_.call_timeout_ms - 1000)) +
                      "; SET DateStyle = 'ISO, YMD'; SET lc_monetary = 'C'";
  if (!settings_.schema.empty()) {
    setup += "; SET search_path = " + ado::QuoteIdentifier(settings_.schema);
  }
  PgOutcome outcome = connection->Exec(setup, std::chrono::milliseconds(settings_.call_timeout_ms));
  if (!outcome.ok) {
    const PgErrorKind kind = outcome.timed_out ? PgErrorKind::kTimeout
                                               : ClassifyPgError(outcome.sqlstate, connection->Alive(), false);
    Fail(member, kind, outcome.sqlstate, outcome.message);
    return false;
  }
  if (!ReadMappedUser(*connection)) {
    Fail(member, PgErrorKind::kBrokenConnection, "", connection->Error());
    return false;
  }
  connection_ = std::move(connection);
  return true;
}

bool PostgresDataCenter::ReadMappedUser(PgConnection& connection) {
  mapped_uid_.reset();
  PgOutcome outcome =
      connection.Exec(kMappedUserQuery, std::chrono::milliseconds(settings_.call_timeout_ms));
  if (!outcome.ok) return connection.Alive();
  if (PQntuples(outcome.result.get()) == 1 && !PQgetisnull(outcome.result.get(), 0, 0)) {
    const char* text = PQgetvalue(outcome.result.get(), 0, 0);
    int32_t uid = 0;
    if (std::from_chars(text, text + std::char_traits<char>::length(text), uid).ec == std::errc()) {
      mapped_uid_ = uid;
    }
  }
  return true;
}

bool PostgresDataCenter::Run(const char* member, const std::string& sql, PgOutcome& outcome,
                             bool commit) {
  if (!EnsureConnected(member)) return false;
  const bool in_transaction = connection_->InTransactionBlock();
  outcome = connection_->Exec(sql, std::chrono::milliseconds(settings_.call_timeout_ms));
  if (outcome.ok) return true;
  const bool alive = connection_->Alive();
  PgErrorKind kind = ClassifyPgError(outcome.sqlstate, alive, commit);
  if (outcome.timed_out && !commit) kind = PgErrorKind::kTimeout;
  if (!alive || kind == PgErrorKind::kBrokenConnection) {
    connection_.reset();
    if (in_transaction && !commit) lost_transaction_ = true;
  }
  Fail(member, kind, outcome.sqlstate, outcome.message);
  return false;
}

bool PostgresDataCenter::RefuseWhenLost(const char* member, const char* lost) {
  if (!lost_transaction_) return false;
  if (busy_) {
    last_kind_ = PgErrorKind::kBusy;
    error_ = *busy_;
    error_.Source = std::string("PostgresDataCenter.") + member;
    return true;
  }
  Fail(member, PgErrorKind::kBrokenConnection, "", lost);
  return true;
}

int32_t PostgresDataCenter::OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs,
                                                  const std::string& sql) {
  constexpr const char* kMember = "OpenRecordsetByString";
  rs.reset();
  PgOutcome outcome;
  if (RefuseWhenLost(kMember) || !Run(kMember, sql, outcome)) return -1;
  if (!outcome.result || PQresultStatus(outcome.result.get()) != PGRES_TUPLES_OK) {
    Fail(kMember, PgErrorKind::kStatement, "", "The statement returned no record set: " + sql);
    return -1;
  }
  try {
    rs = RecordsetFromResult(outcome.result.get());
    return rs->RecordCount();
  } catch (const std::exception& e) {
    Fail(kMember, PgErrorKind::kStatement, "", e.what());
    return -1;
  }
}

int32_t PostgresDataCenter::Write(const char* member, const std::string& sql) {
  PgOutcome outcome;
  if (RefuseWhenLost(member) || !Run(member, sql, outcome)) return -1;
  return RowsChanged(outcome.result.get());
}

int32_t PostgresDataCenter::Insert(const std::string& table, const std::string& columns,
                                   const std::string& values) {
  return Write("Insert", InsertStatement(table, columns, values));
}

int32_t PostgresDataCenter::Update(const std::string& table, const std::string& assignments,
                                   const std::string& /*unused*/, const std::string& condition) {
  return Write("Update", UpdateStatement(table, assignments, condition));
}

int32_t PostgresDataCenter::Delete(const std::string& table, const std::string& condition) {
  return Write("Delete", DeleteStatement(table, condition));
}

int32_t PostgresDataCenter::BeginTrans() {
  if (RefuseWhenLost("BeginTrans")) return -1;
  const bool was_open = InTransaction();
  PgOutcome outcome;
  // The lock of the user makes the transactions of clients logged in as the same user run one
  // after another, as SQLite's write lock does: a save never interleaves with another one, so
  // its delete sees every row the earlier save committed and each stays whole. A second
  // client making the missing row waits for the first one's, then finds it.
  const std::string uid = std::to_string(myinfo().uid);
  const std::string lock = storage::schema::T_PSAVELOCK;
  const std::string begin = "BEGIN; INSERT INTO " + lock + " (F_UID) VALUES (" + uid +
                            ") ON CONFLICT DO NOTHING; SELECT F_UID FROM " + lock + " WHERE F_UID = " + uid +
                            " FOR UPDATE";
  if (Run("BeginTrans", begin, outcome)) return 0;
  if (was_open) return -1;
  // Cancelled by the statement time-out or a lock time-out: the lock was held all along.
  if (outcome.sqlstate == "57014" || outcome.sqlstate == "55P03") {
    Fail("BeginTrans", PgErrorKind::kBusy, outcome.sqlstate, outcome.message);
    busy_ = error_;
  }
  lost_transaction_ = true;
  RollbackKeepingError("BeginTrans");
  return -1;
}

void PostgresDataCenter::RollbackKeepingError(const char* member) {
  if (!Connected() || !connection_->InTransactionBlock()) return;
  const storage::ErrInfo error = error_;
  const PgErrorKind kind = last_kind_;
  PgOutcome outcome;
  Run(member, "ROLLBACK", outcome);
  error_ = error;
  last_kind_ = kind;
}

int32_t PostgresDataCenter::CommitTrans() {
  constexpr const char* kMember = "CommitTrans";
  if (RefuseWhenLost(kMember,
                     "The transaction was not started or was lost with its connection; nothing was "
                     "committed.")) {
    lost_transaction_ = false;
    busy_.reset();
    return -1;
  }
  if (!InTransaction()) {
    Fail(kMember, PgErrorKind::kStatement, "", "No transaction is open; nothing was committed.");
    return -1;
  }
  PgOutcome outcome;
  if (!Run(kMember, "COMMIT", outcome, /*commit=*/true)) {
    RollbackKeepingError(kMember);
    return -1;
  }
  // COMMIT of a transaction that had a failed statement answers ROLLBACK, not an error.
  const char* tag = PQcmdStatus(outcome.result.get());
  if (tag && std::string_view(tag) == "ROLLBACK") {
    Fail(kMember, PgErrorKind::kStatement, "",
         "A statement of the transaction had failed, so the server rolled it back; nothing "
         "was committed.");
    return -1;
  }
  return 0;
}

void PostgresDataCenter::RollbackTrans() {
  if (lost_transaction_) {
    lost_transaction_ = false;
    busy_.reset();
    return;
  }
  PgOutcome outcome;
  if (Connected() && connection_->InTransactionBlock()) Run("RollbackTrans", "ROLLBACK", outcome);
}

bool PostgresDataCenter::InTransaction() const {
  return lost_transaction_ || (connection_ && connection_->InTransactionBlock());
}

storage::ErrInfo PostgresDataCenter::GetErrInfo() const { return error_; }

}  // namespace prefdesk::datacenter

#endif  // PREFDESK_HAVE_POSTGRESQL
