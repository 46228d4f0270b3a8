// A data service that records every call made on it, member name and arguments in order,
// and passes it on to the wrapped service. Tests compare the recorded texts exactly.
#pragma once

#include <string>
#include <vector>

#include "host/datacenter/forwarding_data_center.h"

namespace prefdesk::datacenter {

struct RecordedCall {
  std::string member;              // "OpenRecordsetByString", "Insert", ..., "ErrInfo", "myinfo"
  std::vector<std::string> args;   // e.g. {table, assignments, "", condition} for Update
  friend bool operator==(const RecordedCall&, const RecordedCall&) = default;
};

// The SQL the SQLite data service runs for the recorded calls (reads, writes and the
// transaction commands), in order; property reads run nothing.
std::vector<std::string> SqliteStatements(const std::vector<RecordedCall>& calls);

class StatementRecorder : public ForwardingDataCenter {
 public:
  using ForwardingDataCenter::ForwardingDataCenter;

  int32_t OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs,
                                const std::string& sql) override;
  int32_t Insert(const std::string& table, const std::string& columns,
                 const std::string& values) override;
  int32_t Update(const std::string& table, const std::string& assignments,
                 const std::string& unused, const std::string& condition) override;
  int32_t Delete(const std::string& table, const std::string& condition) override;
  int32_t BeginTrans() override;
  int32_t CommitTrans() override;
  void RollbackTrans() override;
  bool InTransaction() const override;
  storage::ErrInfo GetErrInfo() const override;
  storage::MyInfo myinfo() const override;

  // Every call, property reads included.
  const std::vector<RecordedCall>& Calls() const { return calls_; }
  // Only OpenRecordsetByString, Insert, Update and Delete.
  std::vector<RecordedCall> Statements() const;
  // Only Insert, Update and Delete.
  std::vector<RecordedCall> Writes() const;
  // Only the calls of one member.
  std::vector<RecordedCall> CallsOf(const std::string& member) const;
  void Clear() { calls_.clear(); }

 private:
  void Record(std::string member, std::vector<std::string> args = {}) const;

  mutable std::vector<RecordedCall> calls_;
};

}  // namespace prefdesk::datacenter
