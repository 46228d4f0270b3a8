#include "host/datacenter/fault_injector.h"

#include <cctype>

#include "platform/ado/types.h"
#include "platform/automation/conversions.h"

namespace prefdesk::datacenter {
namespace {

bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

}  // namespace

bool MentionsWord(const std::string& text, const std::string& word) {
  if (word.empty() || word.size() > text.size()) return false;
  for (size_t at = 0; at + word.size() <= text.size(); ++at) {
    if (!automation::EqualsIgnoreCase(std::string_view(text).substr(at, word.size()), word)) {
      continue;
    }
    const bool starts = at == 0 || !IsWordChar(text[at - 1]);
    const size_t end = at + word.size();
    if (starts && (end == text.size() || !IsWordChar(text[end]))) return true;
  }
  return false;
}

storage::ErrInfo FaultInjector::InjectedError() {
  return {ado::kErrProvider, "FaultInjector", "Injected failure of the data service."};
}

storage::ErrInfo FaultInjector::LostConnectionError() {
  return {ado::kErrProvider, "FaultInjector", "The connection to the server was lost."};
}

void FaultInjector::FailNthCall(int k, storage::ErrInfo error) {
  nth_call_ = k >= 1 ? data_calls_ + k : 0;
  nth_error_ = std::move(error);
}

void FaultInjector::FailTable(std::string table, storage::ErrInfo error) {
  table_faults_.push_back({std::move(table), std::move(error)});
}

void FaultInjector::LoseConnection(storage::ErrInfo error) {
  if (!lost_ && inner_->InTransaction()) inner_->RollbackTrans();
  lost_ = true;
  lost_error_ = std::move(error);
}

void FaultInjector::Reconnect() { lost_ = false; }

void FaultInjector::Clear() {
  nth_call_ = 0;
  table_faults_.clear();
  lost_ = false;
}

void FaultInjector::Inject(const storage::ErrInfo& error) {
  injected_ = error;
  last_call_injected_ = true;
  ++injected_failures_;
}

bool FaultInjector::InjectDataCall(const std::string& table, bool table_is_query_text) {
  ++data_calls_;
  if (lost_) {
    Inject(lost_error_);
    return true;
  }
  if (data_calls_ == nth_call_) {
    nth_call_ = 0;
    Inject(nth_error_);
    return true;
  }
  for (const auto& fault : table_faults_) {
    const bool hit = table_is_query_text ? MentionsWord(table, fault.table)
                                         : automation::EqualsIgnoreCase(table, fault.table);
    if (hit) {
      Inject(fault.error);
      return true;
    }
  }
  last_call_injected_ = false;
  return false;
}

bool FaultInjector::InjectTransactionCall() {
  if (lost_) {
    Inject(lost_error_);
    return true;
  }
  last_call_injected_ = false;
  return false;
}

int32_t FaultInjector::OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs,
                                             const std::string& sql) {
  if (InjectDataCall(sql, true)) {
    rs.reset();
    return -1;
  }
  return inner_->OpenRecordsetByString(rs, sql);
}

int32_t FaultInjector::Insert(const std::string& table, const std::string& columns,
                              const std::string& values) {
  if (InjectDataCall(table, false)) return -1;
  return inner_->Insert(table, columns, values);
}

int32_t FaultInjector::Update(const std::string& table, const std::string& assignments,
                              const std::string& unused, const std::string& condition) {
  if (InjectDataCall(table, false)) return -1;
  return inner_->Update(table, assignments, unused, condition);
}

int32_t FaultInjector::Delete(const std::string& table, const std::string& condition) {
  if (InjectDataCall(table, false)) return -1;
  return inner_->Delete(table, condition);
}

int32_t FaultInjector::BeginTrans() {
  return InjectTransactionCall() ? -1 : inner_->BeginTrans();
}

int32_t FaultInjector::CommitTrans() {
  return InjectTransactionCall() ? -1 : inner_->CommitTrans();
}

void FaultInjector::RollbackTrans() {
  if (!InjectTransactionCall()) inner_->RollbackTrans();
}

bool FaultInjector::InTransaction() const { return !lost_ && inner_->InTransaction(); }

storage::ErrInfo FaultInjector::GetErrInfo() const {
  return last_call_injected_ ? injected_ : inner_->GetErrInfo();
}

}  // namespace prefdesk::datacenter
