#include "src/settings/product_comparison.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/settings/accepted_values.h"
#include "src/settings/server_row.h"
#include "src/storage/local_query.h"
#include "src/storage/schema.h"

namespace prefdesk::settings {

bool GetSvrValProductComparisonRecords(const storage::DataCenterRef& dc,
                                       int32_t& product_comparison_records) {
  std::shared_ptr<ado::Recordset> rs;
  storage::RecordsetCloser closer(rs);
  try {
    int32_t records = kFixedProductComparisonCount;
    if (OpenServerRow(dc, rs, "Select F_PRDACMPMAX From T_PMISC Where F_UID= " + UserIdText(),
                      "GetSvrValProductComparisonRecords")) {
      const automation::Variant& value = (*rs)[storage::schema::misc::F_PRDACMPMAX];
      if (!value.IsEmptyOrNull() &&
          IsOneOf(kProductComparisonCounts, automation::CLng(value))) {
        records = automation::CLng(value);
      }
    }
    product_comparison_records = records;
    storage::CloseIfOpen(rs);
    return false;
  } catch (const automation::AutomationError&) {
    return true;
  }
}

}  // namespace prefdesk::settings
