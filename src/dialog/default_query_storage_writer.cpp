// SaveValsDefaultQueryToSvr: the default query of one screen.
#include "platform/automation/error.h"
#include "src/state/shared_state.h"
#include "src/dialog/default_query_storage.h"
#include "src/storage/schema.h"
#include "src/storage/show_err.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::dialog {

bool SaveValsDefaultQueryToSvr(storage::DataCenter& dc, int32_t TitleID, int32_t ListID,
                               const std::string& DefaultQueryID) {
  try {
    const std::string assignment = "F_DEFQUERYID=" + storage::SqlTextOrNull(DefaultQueryID);
    const std::string condition = "F_UID=" + storage::SqlInt(state::State().UserID) +
                                  " And F_HBUTTONID=" + storage::SqlInt(TitleID) +
                                  " And F_VBUTTONID=" + storage::SqlInt(ListID);
    if (dc.Update(storage::schema::T_PVBUTTON, assignment, "", condition) < 0) storage::RaiseDataCenterError(dc);
    return false;
  } catch (const automation::AutomationError& error) {
    if (dc.InTransaction()) dc.RollbackTrans();
    storage::ShowErr(error);
    return true;
  }
}

}  // namespace prefdesk::dialog
