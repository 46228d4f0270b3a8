#include "src/appearance/scheme_storage.h"

#include <string>

#include "platform/ado/types.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/ui/services.h"
#include "src/appearance/left_by_width.h"
#include "src/appearance/scheme_rows.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"
#include "src/storage/local_query.h"
#include "src/storage/schema.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::appearance {

using storage::SqlInt;
using storage::SqlText;

void ShowSchemeError(const std::string& title, int32_t number, const std::string& description) {
  ui::MsgBox(resources::LoadResString(100) + std::to_string(number) + "\r\n" + description, ui::vbCritical, title);
}

namespace {

void ShowServiceFailure(const storage::DataCenter& dc, const std::string& title) {
  const storage::ErrInfo info = dc.GetErrInfo();
  ShowSchemeError(title, info.Number, info.Description);
}

// Inserts the value set's current values for the user under the scheme name.
int32_t InsertScheme(storage::DataCenter& dc, appearancelib::AppearanceValueSet& value_set, int32_t uid,
                     const std::string& name) {
  std::string columns;
  std::string values;
  value_set.GetInsertLists(columns, values);
  namespace schema = storage::schema;
  return dc.Insert(schema::T_PSCREENSTYLE, std::string(schema::scheme::kKeyColumns) + "," + columns,
                   SqlInt(uid) + "," + SqlText(name) + "," + values);
}

int32_t UpdateScheme(storage::DataCenter& dc, appearancelib::AppearanceValueSet& value_set, int32_t uid,
                     const std::string& name) {
  return dc.Update(storage::schema::T_PSCREENSTYLE, value_set.GetUpdateList(), "",
                   "F_UID=" + SqlInt(uid) + " and ScreenStyleName=" + SqlText(name));
}

// Moves to the row whose ScreenStyleName equals the name; false at the end of the set.
bool FindScheme(ado::Recordset& rs, const std::string& name) {
  if (rs.RecordCount() > 0) rs.MoveFirst();
  for (; !rs.IsEOF(); rs.MoveNext()) {
    const automation::Variant& stored = rs["ScreenStyleName"];
    if (!stored.IsNull() && automation::CStr(stored) == name) return true;
  }
  return false;
}

}  // namespace

bool GetDefaultSchemes(appearancelib::SchemeCollection& schemes) {
  std::shared_ptr<ado::Recordset> rs;
  const storage::RecordsetCloser closer(rs);
  try {
    const auto& base_conn = state::State().BaseConn;
    if (!base_conn) automation::Raise(automation::kErrObjectRequired, "GetDefaultSchemes");
    rs = ado::Recordset::Create();
    rs->SetCursorLocation(ado::adUseClient);
    rs->Open(storage::schema::DefaultScreenStyle, base_conn, ado::adOpenStatic, ado::adLockReadOnly,
             ado::adCmdTable);
    for (; !rs->IsEOF(); rs->MoveNext()) {
      const auto scheme = appearancelib::Scheme::Create();
      FillSchemeFromDefaultRow(*scheme, *rs);
      if (schemes.AddScheme(automation::CStr(scheme->Value("Name")), scheme)) {
        ShowSchemeError("GetDefaultSchemes", 0,
                    "The scheme " + automation::CStr(scheme->Value("Name")) + " cannot be added.");
        return true;
      }
    }
    return false;
  } catch (const automation::AutomationError& error) {
    ShowSchemeError("GetDefaultSchemes", error.Number(), error.Description());
    return true;
  }
}

bool LoadUserScheme(storage::DataCenter& dc, std::shared_ptr<ado::Recordset>& rs) {
  const std::string sql = "Select * from T_PSCREENSTYLE where F_UID=" + SqlInt(state::State().UserID) +
                          " And ScreenStyleName<>'Default'";
  if (dc.OpenRecordsetByString(rs, sql) < 0) {
    ShowServiceFailure(dc, "LoadUserScheme");
    return true;
  }
  return false;
}

bool SaveAsScheme(storage::DataCenter& dc, appearancelib::AppearanceValueSet& value_set) {
  std::string name = ui::InputBox(resources::LoadResString(1030), resources::LoadResString(2413));
  if (name.empty()) return false;
  const int32_t uid = state::State().UserID;
  std::shared_ptr<ado::Recordset> rs;
  const storage::RecordsetCloser closer(rs);
  try {
    if (dc.OpenRecordsetByString(rs, "Select * from T_PSCREENSTYLE where F_UID=" + SqlInt(uid)) < 0) {
      ShowServiceFailure(dc, "SaveAsScheme");
      return true;
    }
    // The name is cut first, so that a long name finds the row it would be stored as.
    const int defined_size = rs->GetFields().Item("ScreenStyleName").DefinedSize();
    if (defined_size > 0) name = LeftByWidth(name, defined_size);
    if (!FindScheme(*rs, name)) {
      if (InsertScheme(dc, value_set, uid, name) < 0) {
        ShowServiceFailure(dc, "SaveAsScheme");
        return true;
      }
      value_set.AddUserScheme(name);
      return false;
    }
    if (ui::MsgBox(resources::LoadResString(1031), ui::vbYesNo, resources::LoadResString(2413)) != ui::vbYes) {
      return false;
    }
    if (UpdateScheme(dc, value_set, uid, name) < 0) {
      ShowServiceFailure(dc, "SaveAsScheme");
      return true;
    }
    return false;
  } catch (const automation::AutomationError& error) {
    ShowSchemeError("SaveAsScheme", error.Number(), error.Description());
    return true;
  }
}

bool SaveToDefaultScheme(storage::DataCenter& dc, appearancelib::AppearanceValueSet& value_set) {
  std::shared_ptr<ado::Recordset> rs;
  const storage::RecordsetCloser closer(rs);
  const auto fail = [&dc](int32_t number, const std::string& description) {
    try {
      if (dc.InTransaction()) dc.RollbackTrans();
    } catch (const automation::AutomationError&) {
      // The service has lost the transaction already; nothing of it is committed.
    }
    ShowSchemeError("SaveAsScheme", number, description);
    return true;
  };
  try {
    const int32_t uid = dc.myinfo().uid;
    if (dc.OpenRecordsetByString(rs, "Select * From T_PSCREENSTYLE Where F_UID=" + SqlInt(uid) +
                                         " And ScreenStyleName='Default'") < 0) {
      const storage::ErrInfo info = dc.GetErrInfo();
      return fail(info.Number, info.Description);
    }
    const int32_t result = rs->IsEOF() ? InsertScheme(dc, value_set, uid, "Default")
                                       : UpdateScheme(dc, value_set, uid, "Default");
    if (result < 0) {
      const storage::ErrInfo info = dc.GetErrInfo();
      return fail(info.Number, info.Description);
    }
    return false;
  } catch (const automation::AutomationError& error) {
    return fail(error.Number(), error.Description());
  }
}

}  // namespace prefdesk::appearance
