#include "src/storage/scoped_transaction.h"

#include "platform/automation/error.h"

namespace prefdesk::storage {

ScopedTransaction::ScopedTransaction(DataCenter& dc) : dc_(dc), begun_(dc_.BeginTrans() >= 0) {}

ScopedTransaction::~ScopedTransaction() {
  if (ended_) return;
  try {
    if (dc_.InTransaction()) dc_.RollbackTrans();
  } catch (const automation::AutomationError&) {
    // A service that cannot roll back has lost the transaction already; nothing is committed.
  }
}

ScopedTransaction::CommitResult ScopedTransaction::Commit() {
  const int32_t result = dc_.CommitTrans();
  ended_ = true;
  return result >= 0 ? CommitResult::kConfirmed : CommitResult::kNotConfirmed;
}

}  // namespace prefdesk::storage
