#include "src/settings/history.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/settings/accepted_values.h"
#include "src/settings/default_errors.h"
#include "src/settings/server_row.h"
#include "src/storage/local_query.h"
#include "src/storage/schema.h"
#include "src/storage/show_err.h"

namespace prefdesk::settings {

namespace {

bool IsAccepted(const automation::Variant& value) {
  return !value.IsEmptyOrNull() &&
         IsOneOf(kHistoryLengths, automation::CLng(value));
}

// The server value, or false when there is none usable or the server failed.
bool ReadServerValue(const storage::DataCenterRef& dc, int32_t& max_history_records) {
  std::shared_ptr<ado::Recordset> rs;
  storage::RecordsetCloser closer(rs);
  try {
    if (!OpenServerRow(dc, rs, "Select F_MAXHISTORY From T_PMISC Where F_UID= " + UserIdText(),
                       "GetSvrValMaxHistoryRecords")) {
      return false;
    }
    const automation::Variant& value = (*rs)[storage::schema::misc::F_MAXHISTORY];
    if (!IsAccepted(value)) return false;
    max_history_records = automation::CLng(value);
    return true;
  } catch (const automation::AutomationError&) {
    return false;
  }
}

}  // namespace

bool GetSvrValMaxHistoryRecords(const storage::DataCenterRef& dc,
                                const std::shared_ptr<ado::Connection>& cn,
                                int32_t& max_history_records) {
  if (ReadServerValue(dc, max_history_records)) return false;
  return GetDefValMaxHistoryRecords(cn, max_history_records);
}

bool GetDefValMaxHistoryRecords(const std::shared_ptr<ado::Connection>& cn,
                                int32_t& max_history_records) {
  static const std::string kSource = "GetDefValMaxHistoryRecords";
  std::shared_ptr<ado::Recordset> rs;
  storage::RecordsetCloser closer(rs);
  try {
    rs = storage::OpenLocalQuery(cn, "Select MaxHistoricalRecords From DefaultOtherStyle", kSource);
    if (rs->IsEOF()) RaiseRecordNotFound(kSource);
    const automation::Variant& value = (*rs)["MaxHistoricalRecords"];
    if (!IsAccepted(value)) RaiseInvalidValue(kSource);
    max_history_records = automation::CLng(value);
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    max_history_records = 0;
    return true;
  }
}

}  // namespace prefdesk::settings
