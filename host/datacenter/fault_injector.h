// A data service that makes chosen calls of the wrapped service fail, for the failure paths:
// the k-th data call, every call on a table, or every call after a lost connection. A failing
// call returns -1, sets ErrInfo to the chosen error and never reaches the wrapped service.
// Data calls are OpenRecordsetByString, Insert, Update and Delete; transaction calls pass
// through unless the connection is lost.
#pragma once

#include <string>
#include <vector>

#include "host/datacenter/forwarding_data_center.h"

namespace prefdesk::datacenter {

class FaultInjector : public ForwardingDataCenter {
 public:
  using ForwardingDataCenter::ForwardingDataCenter;

  static storage::ErrInfo InjectedError();
  static storage::ErrInfo LostConnectionError();

  // The k-th data call from now on (k counts from 1) fails, once.
  void FailNthCall(int k, storage::ErrInfo error = InjectedError());
  // Every data call on the table fails: writes whose table argument names it, queries whose
  // text mentions it as a whole word (both without regard to case). Adds to earlier tables.
  void FailTable(std::string table, storage::ErrInfo error = InjectedError());
  // Every call fails until Reconnect, transaction calls included. An open transaction of the
  // wrapped service is rolled back, as the server does when a client's connection drops.
  void LoseConnection(storage::ErrInfo error = LostConnectionError());
  void Reconnect();
  // Removes every fault.
  void Clear();

  int DataCalls() const { return data_calls_; }            // since construction
  int InjectedFailures() const { return injected_failures_; }

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

 private:
  struct TableFault {
    std::string table;
    storage::ErrInfo error;
  };
  // Counts a data call and tells whether it fails (then ErrInfo is set).
  bool InjectDataCall(const std::string& table, bool table_is_query_text);
  bool InjectTransactionCall();
  void Inject(const storage::ErrInfo& error);

  int data_calls_ = 0;
  int injected_failures_ = 0;
  int nth_call_ = 0;  // data call number that fails; 0 for none
  storage::ErrInfo nth_error_;
  std::vector<TableFault> table_faults_;
  bool lost_ = false;
  storage::ErrInfo lost_error_;
  bool last_call_injected_ = false;
  storage::ErrInfo injected_;
};

// True when text contains word as a whole word (neighbours not letters, digits or '_'),
// without regard to case.
bool MentionsWord(const std::string& text, const std::string& word);

}  // namespace prefdesk::datacenter
