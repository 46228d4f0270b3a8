// The data service over a SQLite database file. Statements run on an ADO connection; a
// transaction takes the write lock at once (BEGIN IMMEDIATE), so a second client waits on the
// busy timeout instead of deadlocking on a lock upgrade. No member throws: a failure returns
// -1 and GetErrInfo describes it.
#pragma once

#include <memory>
#include <string>

#include "src/storage/datacenter.h"

namespace prefdesk::ado { class Connection; }

namespace prefdesk::datacenter {

class SqliteDataCenter : public storage::DataCenter {
 public:
  static constexpr int kDefaultBusyTimeoutMs = 5000;

  // Opens the database file now; when that fails the failure is kept in ErrInfo and every
  // call tries to open it again.
  SqliteDataCenter(std::string path, int32_t uid, int busy_timeout_ms = kDefaultBusyTimeoutMs);
  ~SqliteDataCenter() override;
  SqliteDataCenter(const SqliteDataCenter&) = delete;
  SqliteDataCenter& operator=(const SqliteDataCenter&) = delete;

  // Stores the query's record set in rs and returns its row count.
  int32_t OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs,
                                const std::string& sql) override;
  // The write members return the number of rows changed.
  int32_t Insert(const std::string& table, const std::string& columns,
                 const std::string& values) override;
  int32_t Update(const std::string& table, const std::string& assignments,
                 const std::string& unused, const std::string& condition) override;
  int32_t Delete(const std::string& table, const std::string& condition) override;
  // When BeginTrans fails, the transaction counts as open but doomed: every data call fails
  // until RollbackTrans, so no statement of it runs outside a transaction.
  int32_t BeginTrans() override;
  // 0 when committed. A commit that fails rolls the transaction back, so no lock outlives
  // the call, and returns -1 with the engine's reason in ErrInfo.
  int32_t CommitTrans() override;
  void RollbackTrans() override;
  bool InTransaction() const override;
  storage::ErrInfo GetErrInfo() const override;
  storage::MyInfo myinfo() const override { return {uid_}; }

  const std::string& Path() const { return path_; }

 private:
  bool EnsureOpen(const char* member);
  // Runs a write statement and returns the rows changed, or -1.
  int32_t Write(const char* member, const std::string& sql);
  // Runs a statement that returns nothing; false on failure.
  bool Run(const char* member, const std::string& sql);
  void Fail(const char* member, int32_t number, std::string description);
  void FailFromCurrentException(const char* member);
  bool RefuseWhenDoomed(const char* member);

  std::string path_;
  int32_t uid_;
  int busy_timeout_ms_;
  std::shared_ptr<ado::Connection> connection_;
  storage::ErrInfo error_;
  bool doomed_ = false;
};

}  // namespace prefdesk::datacenter
