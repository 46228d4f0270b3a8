// SaveValsPrimaryToSvr: the primary flags of the start-up title and of each title's default list.
#include "platform/automation/error.h"
#include "src/state/shared_state.h"
#include "src/dialog/startup_storage.h"
#include "src/storage/schema.h"
#include "src/storage/show_err.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::dialog {
namespace {

void UpdateOrRaise(storage::DataCenter& dc, const std::string& table,
                   const std::string& assignment, const std::string& condition) {
  if (dc.Update(table, assignment, "", condition) < 0) storage::RaiseDataCenterError(dc);
}

}  // namespace

bool SaveValsPrimaryToSvr(storage::DataCenter& dc, bool IsTitle, const std::string& TitleName,
                          const std::string& ColumnName, const std::string& DefaultListName,
                          int16_t& HButtonID, int16_t& VButtonID) {
  try {
    const std::string user = "F_UID=" + storage::SqlInt(state::State().UserID);
    if (!IsTitle) {
      if (!ColumnName.empty()) {
        UpdateOrRaise(dc, storage::schema::T_PVBUTTON, "F_ISPRIMARY=0",
                      user + " And " + "F_HBUTTONID=" + storage::SqlInt(HButtonID));
        if (!DefaultListName.empty()) {
          UpdateOrRaise(dc, storage::schema::T_PVBUTTON, "F_ISPRIMARY=1",
                        user + " And " + "F_VBUTTONID=" + storage::SqlInt(VButtonID) + " And " +
                            "F_HBUTTONID=" + storage::SqlInt(HButtonID));
        }
      }
    } else {
      UpdateOrRaise(dc, storage::schema::T_PHBUTTON, "F_ISPRIMARY=0", user);
      if (!TitleName.empty()) {
        UpdateOrRaise(dc, storage::schema::T_PHBUTTON, "F_ISPRIMARY=1",
                      user + " And " + "F_HBUTTONID=" + storage::SqlInt(HButtonID));
      }
    }
    return false;
  } catch (const automation::AutomationError& error) {
    if (dc.InTransaction()) dc.RollbackTrans();
    storage::ShowErr(error);
    return true;
  }
}

}  // namespace prefdesk::dialog
