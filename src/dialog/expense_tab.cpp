#include "src/dialog/expense_tab.h"

#include <initializer_list>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/text_box.h"
#include "src/state/shared_state.h"
#include "src/storage/show_err.h"

namespace prefdesk::dialog {
bool IsValidCashAdvance(const std::string& text) {
  const automation::Variant value(text);
  if (text.empty() || !automation::IsNumeric(value)) return false;
  try {
    return automation::CCur(value) >= automation::Currency{0};
  } catch (const automation::AutomationError&) {
    return false;  // a number too large for a currency
  }
}

ExpenseTab::ExpenseTab(const ExpenseTabControls& controls) : controls_(controls) {
  controls_.txtCash->OnChange = [this] { txtCash_Change(); };
}

ExpenseTab::~ExpenseTab() { controls_.txtCash->OnChange = nullptr; }

void ExpenseTab::GetExpenseReportValue() {
  const state::SharedState& state = state::State();
  charge_number_ = state.ExpenseChargeNumber;
  cash_advance_ = state.ExpenseCashAdvance;
}

bool ExpenseTab::LoadExpenseReportValue() {
  try {
    GetExpenseReportValue();
    controls_.txtCharge->SetText(charge_number_);
    controls_.txtCash->SetText(automation::CurrencyToText(cash_advance_));
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    return true;
  }
}

void ExpenseTab::txtCash_Change() {
  try {
    ui::TabControl& tabs = *controls_.SSTab1;
    if (IsValidCashAdvance(controls_.txtCash->Text())) {
      for (int tab : {0, 1, 2}) tabs.SetTabEnabled(tab, false);
      for (int tab : {4, 5, 6}) tabs.SetTabEnabled(tab, true);
      tabs.SetTabEnabled(1, state::State().AppearanceTabEnabled);
    } else {
      for (int tab : {0, 1, 2, 4, 5, 6}) tabs.SetTabEnabled(tab, false);
    }
    tabs.SetTabEnabled(3, false);
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
  }
}

void ExpenseTab::SaveExpenseReportValue() {
  state::SharedState& state = state::State();
  state.ExpenseChargeNumber = controls_.txtCharge->Text();
  state.ExpenseCashAdvance = automation::CCur(automation::Variant(controls_.txtCash->Text()));
}

}  // namespace prefdesk::dialog
