#include "src/settings/expense_report.h"

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/settings/accepted_values.h"
#include "src/settings/default_errors.h"
#include "src/settings/server_row.h"
#include "src/storage/local_query.h"
#include "src/storage/schema.h"
#include "src/storage/show_err.h"

namespace prefdesk::settings {

bool GetSvrValExpenseReport(const storage::DataCenterRef& dc,
                            const std::shared_ptr<ado::Connection>& cn,
                            std::string& expense_charge_number,
                            automation::Currency& expense_cash_advance) {
  std::shared_ptr<ado::Recordset> rs;
  storage::RecordsetCloser closer(rs);
  try {
    bool valid = false;
    std::string charge_number;
    automation::Currency cash_advance;
    if (OpenServerRow(dc, rs,
                      "Select F_DEFORGCHARGE,F_DEFADVPAID From T_PMISC Where F_UID= " +
                          UserIdText(),
                      "GetSvrValExpenseReport")) {
      const automation::Variant& charge = (*rs)[storage::schema::misc::F_DEFORGCHARGE];
      const automation::Variant& cash = (*rs)[storage::schema::misc::F_DEFADVPAID];
      if (!charge.IsEmptyOrNull() && !cash.IsEmptyOrNull()) {
        charge_number = automation::CStr(charge);
        cash_advance = automation::CCur(cash);
        valid = IsValidCashAdvance(cash_advance);
      }
    }
    storage::CloseIfOpen(rs);
    if (!valid) return GetDefValExpenseReport(cn, expense_charge_number, expense_cash_advance);
    expense_charge_number = charge_number;
    expense_cash_advance = cash_advance;
    return false;
  } catch (const automation::AutomationError&) {
    return true;
  }
}

bool GetDefValExpenseReport(const std::shared_ptr<ado::Connection>& cn,
                            std::string& expense_charge_number,
                            automation::Currency& expense_cash_advance) {
  static const std::string kSource = "GetDefValExpenseReport";
  std::shared_ptr<ado::Recordset> rs;
  storage::RecordsetCloser closer(rs);
  try {
    if (!cn) automation::Raise(automation::kErrObjectRequired, kSource);
    rs = cn->Execute("Select ExpenseChargeNumber,ExpenseCashAdvance From DefaultOtherStyle");
    if (rs->IsEOF()) RaiseRecordNotFound(kSource);
    automation::Currency cash_advance = automation::CCur((*rs)["ExpenseCashAdvance"]);
    if (!IsValidCashAdvance(cash_advance)) RaiseInvalidValue(kSource);
    expense_charge_number = automation::CStr((*rs)["ExpenseChargeNumber"]);
    expense_cash_advance = cash_advance;
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    expense_charge_number.clear();
    expense_cash_advance = automation::Currency{};
    return true;
  }
}

}  // namespace prefdesk::settings
