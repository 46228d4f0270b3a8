// GetSvrValDefaultQuery: the screens, the user's queries and the chosen defaults.
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/columns/layout_filters.h"
#include "src/columns/layout_recordsets.h"
#include "src/state/shared_state.h"
#include "src/dialog/default_query_storage.h"
#include "src/storage/field_values.h"
#include "src/storage/local_query.h"
#include "src/storage/show_err.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::dialog {
namespace {

using automation::Variant;

const std::string kSource = "GetSvrValDefaultQuery";

constexpr columns::FieldSpec kScreenFields[] = {
    {"TitleID", ado::adInteger}, {"TitleLabel_C", ado::adBSTR}, {"TitleLabel_E", ado::adBSTR},
    {"ListID", ado::adInteger},  {"ListLabel_C", ado::adBSTR},  {"ListLabel_E", ado::adBSTR},
};

// One screen of the server catalogue, labelled from the local list of the same names.
void AddScreen(const ado::Recordset& server, ado::Recordset& local, ado::Recordset& screens) {
  screens.AddNew();
  screens.SetCollect("TitleID", storage::LongOrNull(server["TitleID"]));
  screens.SetCollect("ListID", storage::LongOrNull(server["ListID"]));
  local.SetFilter(columns::TitleListValueCondition(server["TitleName"], server["ListName"]));
  if (!local.IsEOF()) {
    screens.SetCollect("TitleLabel_C", local["TitleLabel_C"]);
    screens.SetCollect("TitleLabel_E", local["TitleLabel_E"]);
    screens.SetCollect("ListLabel_C", local["ListLabel_C"]);
    screens.SetCollect("ListLabel_E", local["ListLabel_E"]);
  }
  screens.Update();
}

}  // namespace

void DefaultQueryRecordsets::Release() {
  storage::CloseIfOpen(screens);
  storage::CloseIfOpen(queries);
  storage::CloseIfOpen(defaults);
  screens.reset();
  queries.reset();
  defaults.reset();
}

bool GetSvrValDefaultQuery(const storage::DataCenterRef& dc,
                           const std::shared_ptr<ado::Connection>& cn,
                           DefaultQueryRecordsets& out) {
  out.Release();
  std::shared_ptr<ado::Recordset> server;
  std::shared_ptr<ado::Recordset> local;
  storage::RecordsetCloser close_server(server);
  storage::RecordsetCloser close_local(local);
  try {
    storage::DataCenter& center = storage::Require(dc, kSource);
    const std::string uid = storage::SqlInt(state::State().UserID);
    server = storage::OpenOrRaise(center,
                "Select a.F_HBUTTONID As TitleID,a.F_HBUTTONNAME As TitleName,"
                "b.F_VBUTTONID As ListID,b.F_VBUTTONNAME As ListName "
                "From SYSTBLHBUTTON a ,( Select * From SYSTBLVBUTTON Where F_VBUTTONID Not In "
                "( Select Distinct F_PVBUTTONID From SYSTBLVBUTTON Where F_PVBUTTONID Is Not "
                "NULL )) b "
                "Where a.F_HBUTTONID=b.F_HBUTTONID "
                "Order By TitleID ASC,ListID ASC");
    local = storage::OpenLocalQuery(
        cn,
        "Select a.TitleName As TitleName,a.TitleNameChinese As TitleLabel_C,"
        "a.TitleNameEnglish As TitleLabel_E,b.ListName As ListName,"
        "b.ListNameChinese As ListLabel_C,b.ListNameEnglish As ListLabel_E "
        "From BarTitle a,( Select * From BarList Where ListID Not In "
        "( Select Distinct ParentID From BarList Where ParentID > 0 ) ) b "
        "Where a.TitleID=b.TitleID "
        "Order By a.TitleID ASC,b.ListID ASC", kSource);
    out.screens = columns::NewInMemoryRecordset(kScreenFields);
    for (; !server->IsEOF(); server->MoveNext()) AddScreen(*server, *local, *out.screens);
    if (out.screens->RecordCount() > 0) out.screens->MoveFirst();
    out.queries = storage::OpenOrRaise(center,
                "Select F_HBUTTONID As TitleID,F_QUERYID As QueryID,F_QUERYNAME As QueryName "
                "From T_PQUERY "
                "Where F_UID=" + uid + " "
                "Order By TitleID ASC");
    out.defaults = storage::OpenOrRaise(center,
                "Select a.F_HBUTTONID As TitleID,a.F_VBUTTONID As ListID,"
                "a.F_DEFQUERYID As DefaultQueryID,b.F_QUERYNAME As DefaultQueryName "
                "From T_PVBUTTON a "
                "left outer join T_PQUERY b on a.F_DEFQUERYID=b.F_QUERYID "
                "Where a.F_UID =" + uid);
    return false;
  } catch (const automation::AutomationError& error) {
    out.Release();
    storage::ShowErr(error);
    return true;
  }
}

}  // namespace prefdesk::dialog
