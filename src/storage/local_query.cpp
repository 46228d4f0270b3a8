#include "src/storage/local_query.h"

#include "platform/automation/error.h"

namespace prefdesk::storage {

std::shared_ptr<ado::Recordset> OpenLocalQuery(const std::shared_ptr<ado::Connection>& cn,
                                               const std::string& sql, const std::string& source) {
  if (!cn) automation::Raise(automation::kErrObjectRequired, source);
  auto rs = ado::Recordset::Create();
  rs->SetActiveConnection(cn);
  rs->SetSource(sql);
  rs->SetLockType(ado::adLockReadOnly);
  rs->SetCursorType(ado::adOpenStatic);
  rs->SetCursorLocation(ado::adUseClient);
  rs->Open("", nullptr, -1, -1, -1);
  return rs;
}

void CloseIfOpen(const std::shared_ptr<ado::Recordset>& rs) {
  if (rs && rs->State() != ado::adStateClosed) rs->Close();
}

RecordsetCloser::~RecordsetCloser() {
  try {
    CloseIfOpen(rs_);
  } catch (const std::exception&) {
    // A record set that cannot be closed is released all the same.
  }
}

}  // namespace prefdesk::storage
