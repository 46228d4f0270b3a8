#include "src/settings/server_row.h"

#include "platform/automation/error.h"
#include "src/state/shared_state.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::settings {

bool OpenServerRow(const storage::DataCenterRef& dc, std::shared_ptr<ado::Recordset>& rs,
                   const std::string& sql, const std::string& source) {
  if (storage::Require(dc, source).OpenRecordsetByString(rs, sql) < 0) return false;
  if (!rs) automation::Raise(automation::kErrObjectRequired, "OpenRecordsetByString");
  return !rs->IsEOF() && !rs->IsBOF();
}

std::string UserIdText() { return storage::SqlInt(state::State().UserID); }

}  // namespace prefdesk::settings
