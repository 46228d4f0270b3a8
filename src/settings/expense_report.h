// Expense-report defaults: the user's T_PMISC row, else the row of DefaultOtherStyle.
// A set is valid when neither value is empty or null and the cash advance is above zero.
#pragma once

#include <memory>
#include <string>

#include "platform/ado/connection.h"
#include "platform/automation/variant.h"
#include "src/storage/datacenter.h"

namespace prefdesk::settings {

// The server row when it is valid, else (also when the query fails or finds no row) the result
// of GetDefValExpenseReport. An error on the way returns true, silently, without fallback.
[[nodiscard]] bool GetSvrValExpenseReport(const storage::DataCenterRef& dc,
                            const std::shared_ptr<ado::Connection>& cn,
                            std::string& expense_charge_number,
                            automation::Currency& expense_cash_advance);

// The local row. A missing row or a cash advance of zero or less is shown in the error window;
// the charge number is then empty, the cash advance 0 and the result true.
[[nodiscard]] bool GetDefValExpenseReport(const std::shared_ptr<ado::Connection>& cn,
                            std::string& expense_charge_number,
                            automation::Currency& expense_cash_advance);

}  // namespace prefdesk::settings
