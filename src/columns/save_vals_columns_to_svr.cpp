#include "platform/automation/error.h"
#include "platform/ui/services.h"
#include "src/columns/save_vals_columns_to_svr.h"
#include "src/state/save_progress.h"
#include "src/state/shared_state.h"
#include "src/storage/schema.h"
#include "src/storage/show_err.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::columns {
namespace {

void Check(storage::DataCenter& dc, int32_t result) {
  if (result < 0) storage::RaiseDataCenterError(dc);
}

void WriteLayout(storage::DataCenter& dc, const clsMainOptionColumns& columns) {
  using storage::SqlFlag;
  using storage::SqlInt;
  namespace schema = storage::schema;
  const std::string uid = SqlInt(state::State().UserID);
  const std::string condition = "F_UID=" + uid;
  Check(dc, dc.Delete(schema::T_PHBUTTON, condition));
  Check(dc, dc.Delete(schema::T_PVBUTTON, condition));

  std::string previous_title;
  std::string previous_list;
  int32_t title_id = 0;
  for (const auto& column : columns) {
    state::SaveProgress().ProgressNext(column->TitleCaption);
    ui::DoEvents();
    if (column->TitleName != previous_title) {
      previous_title = column->TitleName;
      title_id = column->TitleID;
      Check(dc, dc.Insert(schema::T_PHBUTTON, schema::layout::kTitleColumns,
                          uid + ", " + SqlInt(column->TitleID) + ", " + SqlInt(column->TitlePos) +
                              ", " + SqlFlag(column->TitleVisible) + ", 0"));
    }
    if (!column->ListSonName.empty()) {
      Check(dc, dc.Insert(schema::T_PVBUTTON, schema::layout::kListColumns,
                          uid + ", " + SqlInt(column->ListSonID) + ", " + SqlInt(title_id) +
                              ", " + SqlInt(column->ListID) + ", " + SqlInt(column->ListSonPos) +
                              ", " + SqlFlag(column->ListSonVisible) + ", 1,0"));
    } else if (!column->ListName.empty() && column->ListName != previous_list) {
      // A title without lists writes only its title row.
      previous_list = column->ListName;
      Check(dc, dc.Insert(schema::T_PVBUTTON, schema::layout::kListColumns,
                          uid + ", " + SqlInt(column->ListID) + ", " + SqlInt(title_id) + ", 0, " +
                              SqlInt(column->ListPos) + ", " + SqlFlag(column->ListVisible) +
                              ", " + SqlFlag(column->DefaultVisible) + ", 0"));
    }
  }
}

}  // namespace

bool SaveValsColumnsToSvr(storage::DataCenterRef DataCenter, const clsMainOptionColumns& columns) {
  try {
    WriteLayout(storage::Require(DataCenter, "SaveValsColumnsToSvr"), columns);
    return false;
  } catch (const automation::AutomationError& error) {
    if (DataCenter && DataCenter->InTransaction()) DataCenter->RollbackTrans();
    storage::ShowErr(error);
    return true;
  }
}

}  // namespace prefdesk::columns
