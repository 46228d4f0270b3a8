#include "host/datacenter/sqlite_datacenter.h"

#include <sqlite3.h>

#include <exception>

#include "host/datacenter/write_statements.h"
#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/automation/error.h"

namespace prefdesk::datacenter {

SqliteDataCenter::SqliteDataCenter(std::string path, int32_t uid, int busy_timeout_ms)
    : path_(std::move(path)), uid_(uid), busy_timeout_ms_(busy_timeout_ms) {
  EnsureOpen("Open");
}

SqliteDataCenter::~SqliteDataCenter() {
  try {
    if (connection_ && connection_->Handle() && !sqlite3_get_autocommit(connection_->Handle())) {
      connection_->Execute("ROLLBACK");
    }
    if (connection_) connection_->Close();
  } catch (...) {
    // Closing the handle releases whatever the engine still holds.
  }
}

bool SqliteDataCenter::EnsureOpen(const char* member) {
  if (connection_ && connection_->State() == ado::adStateOpen) return true;
  try {
    auto connection = ado::Connection::Create();
    connection->Open(path_);
    sqlite3_busy_timeout(connection->Handle(), busy_timeout_ms_);
    connection_ = std::move(connection);
    return true;
  } catch (...) {
    connection_.reset();
    FailFromCurrentException(member);
    return false;
  }
}

void SqliteDataCenter::Fail(const char* member, int32_t number, std::string description) {
  error_.Number = number;
  error_.Source = std::string("SqliteDataCenter.") + member;
  error_.Description = std::move(description);
}

void SqliteDataCenter::FailFromCurrentException(const char* member) {
  try {
    throw;
  } catch (const automation::AutomationError& e) {
    Fail(member, e.Number(), e.Description());
  } catch (const std::exception& e) {
    Fail(member, ado::kErrProvider, e.what());
  } catch (...) {
    Fail(member, ado::kErrProvider, "Unknown failure of the database engine.");
  }
}

bool SqliteDataCenter::RefuseWhenDoomed(const char* member) {
  if (!doomed_) return false;
  Fail(member, ado::kErrProvider,
       "The transaction could not be started; roll it back before running statements.");
  return true;
}

int32_t SqliteDataCenter::OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs,
                                                const std::string& sql) {
  constexpr const char* kMember = "OpenRecordsetByString";
  rs.reset();
  if (RefuseWhenDoomed(kMember) || !EnsureOpen(kMember)) return -1;
  try {
    auto result = connection_->Execute(sql);
    if (!result || result->State() != ado::adStateOpen) {
      Fail(kMember, ado::kErrProvider, "The statement returned no record set: " + sql);
      return -1;
    }
    const int32_t rows = result->RecordCount();
    rs = std::move(result);
    return rows;
  } catch (...) {
    FailFromCurrentException(kMember);
    return -1;
  }
}

int32_t SqliteDataCenter::Write(const char* member, const std::string& sql) {
  if (RefuseWhenDoomed(member) || !EnsureOpen(member)) return -1;
  try {
    connection_->Execute(sql);
    return sqlite3_changes(connection_->Handle());
  } catch (...) {
    FailFromCurrentException(member);
    return -1;
  }
}

int32_t SqliteDataCenter::Insert(const std::string& table, const std::string& columns,
                                 const std::string& values) {
  return Write("Insert", InsertStatement(table, columns, values));
}

int32_t SqliteDataCenter::Update(const std::string& table, const std::string& assignments,
                                 const std::string& /*unused*/, const std::string& condition) {
  return Write("Update", UpdateStatement(table, assignments, condition));
}

int32_t SqliteDataCenter::Delete(const std::string& table, const std::string& condition) {
  return Write("Delete", DeleteStatement(table, condition));
}

bool SqliteDataCenter::Run(const char* member, const std::string& sql) {
  if (!EnsureOpen(member)) return false;
  try {
    connection_->Execute(sql);
    return true;
  } catch (...) {
    FailFromCurrentException(member);
    return false;
  }
}

int32_t SqliteDataCenter::BeginTrans() {
  if (RefuseWhenDoomed("BeginTrans")) return -1;
  const bool was_open = InTransaction();
  if (Run("BeginTrans", "BEGIN IMMEDIATE")) return 0;
  if (!was_open) doomed_ = true;
  return -1;
}

int32_t SqliteDataCenter::CommitTrans() {
  if (doomed_) {
    doomed_ = false;
    Fail("CommitTrans", ado::kErrProvider,
         "The transaction was never started; nothing was committed.");
    return -1;
  }
  if (!InTransaction()) {
    Fail("CommitTrans", ado::kErrProvider, "No transaction is open; nothing was committed.");
    return -1;
  }
  if (Run("CommitTrans", "COMMIT")) return 0;
  const storage::ErrInfo commit_error = error_;
  if (InTransaction()) Run("CommitTrans", "ROLLBACK");
  error_ = commit_error;
  if (!error_.Description.ends_with('.')) error_.Description += '.';
  error_.Description += " The transaction was rolled back; nothing was committed.";
  return -1;
}

void SqliteDataCenter::RollbackTrans() {
  if (doomed_) {
    doomed_ = false;
    return;
  }
  if (InTransaction()) Run("RollbackTrans", "ROLLBACK");
}

bool SqliteDataCenter::InTransaction() const {
  if (doomed_) return true;
  return connection_ && connection_->Handle() && !sqlite3_get_autocommit(connection_->Handle());
}

storage::ErrInfo SqliteDataCenter::GetErrInfo() const { return error_; }

}  // namespace prefdesk::datacenter
