// The Expense report tab: default charge number and cash advance. A change of the cash box
// switches the dialog's tabs: a valid amount leaves only the Startup, Default Query and Column
// tabs on, an invalid one switches every tab off.
#pragma once

#include <string>

#include "platform/automation/variant.h"

namespace prefdesk::ui {
class TabControl;
class TextBox;
}  // namespace prefdesk::ui

namespace prefdesk::dialog {

// True when the text is a number of at least zero (zero and fractions pass).
bool IsValidCashAdvance(const std::string& text);

struct ExpenseTabControls {
  ui::TabControl* SSTab1 = nullptr;
  ui::TextBox* txtCharge = nullptr;
  ui::TextBox* txtCash = nullptr;
};

class ExpenseTab {
 public:
  // Wires the change of txtCash; the destructor removes it.
  explicit ExpenseTab(const ExpenseTabControls& controls);
  ~ExpenseTab();
  ExpenseTab(const ExpenseTab&) = delete;
  ExpenseTab& operator=(const ExpenseTab&) = delete;

  // Puts the shared charge number and cash advance into the boxes. True on failure, shown.
  [[nodiscard]] bool LoadExpenseReportValue();
  // Puts the boxes into the shared settings; raises when the cash text does not convert.
  void SaveExpenseReportValue();

 private:
  void GetExpenseReportValue();
  void txtCash_Change();

  ExpenseTabControls controls_;
  std::string charge_number_;
  automation::Currency cash_advance_;
};

}  // namespace prefdesk::dialog
