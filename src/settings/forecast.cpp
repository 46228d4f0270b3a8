#include "src/settings/forecast.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/settings/accepted_values.h"
#include "src/settings/server_row.h"
#include "src/storage/local_query.h"
#include "src/storage/schema.h"

namespace prefdesk::settings {

namespace {

int32_t LengthOr6(const automation::Variant& value) {
  return value.IsEmptyOrNull() ? kFixedForecastLength : automation::CLng(value);
}

}  // namespace

bool GetSvrValForecast(const storage::DataCenterRef& dc, int32_t& month_length,
                       int32_t& quarter_length, int32_t& year_length) {
  std::shared_ptr<ado::Recordset> rs;
  storage::RecordsetCloser closer(rs);
  try {
    if (!OpenServerRow(dc, rs,
                       "Select F_FCSLENGTH_MM, F_FCSLENGTH_QT, F_FCSLENGTH_YR From T_PMISC "
                       "Where F_UID = " + UserIdText(),
                       "GetSvrValForecast")) {
      month_length = kFixedForecastLength;
      quarter_length = kFixedForecastLength;
      year_length = kFixedForecastLength;
    } else {
      month_length = LengthOr6((*rs)[storage::schema::misc::F_FCSLENGTH_MM]);
      quarter_length = LengthOr6((*rs)[storage::schema::misc::F_FCSLENGTH_QT]);
      year_length = LengthOr6((*rs)[storage::schema::misc::F_FCSLENGTH_YR]);
    }
    storage::CloseIfOpen(rs);
    return false;
  } catch (const automation::AutomationError&) {
    return true;
  }
}

}  // namespace prefdesk::settings
