// One transaction on the data service, owned by a scope: begun on construction, rolled back
// on every way out of the scope unless it was committed. Its destructor never throws.
#pragma once

#include "src/storage/datacenter.h"

namespace prefdesk::storage {

class ScopedTransaction {
 public:
  explicit ScopedTransaction(DataCenter& dc);
  ~ScopedTransaction();
  ScopedTransaction(const ScopedTransaction&) = delete;
  ScopedTransaction& operator=(const ScopedTransaction&) = delete;

  // True when the server confirmed the commit. False when it did not: the service's ErrInfo
  // says why, and the service has left no transaction open.
  [[nodiscard]] bool Commit();

 private:
  DataCenter& dc_;
  bool ended_ = false;
};

}  // namespace prefdesk::storage
