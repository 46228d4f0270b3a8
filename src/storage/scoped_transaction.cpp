#include "src/storage/scoped_transaction.h"

#include "platform/automation/error.h"

namespace prefdesk::storage {

ScopedTransaction::ScopedTransaction(DataCenter& dc) : dc_(dc) { dc_.BeginTrans(); }

ScopedTransaction::~ScopedTransaction() {
  if (ended_) return;
  try {
    if (dc_.InTransaction()) dc_.RollbackTrans();
  } catch (const automation::AutomationError&) {
    // A service that cannot roll back has lost the transaction already; nothing is committed.
  }
}

bool ScopedTransaction::Commit() {
  const int32_t result = dc_.CommitTrans();
  ended_ = true;
  return result >= 0;
}

}  // namespace prefdesk::storage
