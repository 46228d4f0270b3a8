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

  // Whether BEGIN succeeded; when not, the service's ErrInfo says why.
  bool Begun() const { return begun_; }

  enum class CommitResult { kConfirmed, kNotConfirmed };
  // kConfirmed when the server confirmed the commit. kNotConfirmed when it did not: the
  // service's ErrInfo says why, and the service has left no transaction open.
  [[nodiscard]] CommitResult Commit();

 private:
  DataCenter& dc_;
  bool begun_;
  bool ended_ = false;
};

}  // namespace prefdesk::storage
