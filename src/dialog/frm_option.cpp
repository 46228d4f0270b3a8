#include "src/dialog/frm_option.h"

#include "platform/appearancelib/appearance_value_set.h"
#include "platform/automation/error.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/text_box.h"
#include "src/appearance/appearance_tab.h"
#include "src/state/shared_state.h"
#include "src/dialog/calendar_tab.h"
#include "src/dialog/columns_tab.h"
#include "src/dialog/default_query_tab.h"
#include "src/dialog/expense_tab.h"
#include "src/dialog/frm_save_progress.h"
#include "src/dialog/general_tab.h"
#include "src/dialog/startup_tab.h"
#include "src/resources/strings.h"
#include "src/storage/show_err.h"

namespace prefdesk::dialog {

FrmOption::FrmOption() : ui::Window("frmOption") {
  CreateControls();
  ResetTabs();
  OnLoad = [this] { Form_Load(); };
  OnUnload = [this] { Form_Unload(); };
  Get<ui::CommandButton>("CmdOk").OnClick = [this] { CmdOk_Click(); };
  Get<ui::CommandButton>("cmdCancel").OnClick = [this] { cmdCancel_Click(); };
}

FrmOption::~FrmOption() = default;

void FrmOption::ResetTabs() {
  appearance_.reset();
  columns_.reset();
  default_query_.reset();
  startup_.reset();
  expense_.reset();
  calendar_.reset();
  general_.reset();
  general_ = std::make_unique<GeneralTab>(GeneralTabControls{
      &Get<ui::ComboBox>("cboHisRecords"), &Get<ui::ComboBox>("cboProductComparisonRecords"),
      &Get<ui::ComboBox>("cboFMonth"), &Get<ui::ComboBox>("cboFQuarter"),
      &Get<ui::ComboBox>("cboFYear")});
  calendar_ = std::make_unique<CalendarTab>(CalendarTabControls{
      &Get<ui::ComboBox>("cboTimeInterval"), &Get<ui::ComboBox>("cboAptDutHour"),
      &Get<ui::ComboBox>("cboAptDutMin"), &Get<ui::ComboBox>("cboStartHour"),
      &Get<ui::ComboBox>("cboStartMin"), &Get<ui::ComboBox>("cboEndHour"),
      &Get<ui::ComboBox>("cboEndMin"), &Get<ui::ComboBox>("cboAlarmHour"),
      &Get<ui::ComboBox>("cboAlarmMin")});
  expense_ = std::make_unique<ExpenseTab>(ExpenseTabControls{
      &Get<ui::TabControl>("SSTab1"), &Get<ui::TextBox>("txtCharge"),
      &Get<ui::TextBox>("txtCash")});
  startup_ = std::make_unique<StartupTab>(StartupTabControls{
      &Get<ui::ComboBox>("cboStartup"), &Get<ui::ComboBox>("cboStartupScreen"),
      &Get<ui::ComboBox>("cboDefaultStartup")});
  default_query_ = std::make_unique<DefaultQueryTab>(DefaultQueryTabControls{
      &Get<ui::ComboBox>("cboQueryScreen"), &Get<ui::ComboBox>("cboDefaultQuery")});
  columns_ = std::make_unique<ColumnsTab>(static_cast<ui::Window&>(*this));
  appearance_ = std::make_unique<appearance::AppearanceTab>(appearance::AppearanceTabControls{
      this, &Get<appearancelib::Appearance>("Appearance1"),
      &Get<appearancelib::AppearanceValueSet>("AppearanceValueSet1")});
}

void FrmOption::Form_Load() {
  state::State().ColumnsFromLocalDefaults = false;
  SetCaptions();
}

void FrmOption::Form_Unload() {
  ResetTabs();
  if (ReleaseInstance) ReleaseInstance();
}

bool FrmOption::LoadMe() {
  try {
    calendar_->ClearTouched();
    return expense_->LoadExpenseReportValue() || startup_->LoadStartupValue() ||
           default_query_->LoadDefaultQueryValue() || columns_->LoadColumnValue() ||
           (state::State().AppearanceTabEnabled && appearance_->LoadAppearanceTab());
  } catch (const automation::AutomationError&) {
    return true;
  }
}

bool FrmOption::LoadGeneralValue() { return general_->LoadGeneralValue(); }
bool FrmOption::LoadCalendarValue() { return calendar_->LoadCalendarValue(); }
void FrmOption::SaveGeneralValue() { general_->SaveGeneralValue(); }
void FrmOption::SaveCalendarValue() { calendar_->SaveCalendarValue(); }
void FrmOption::SaveExpenseReportValue() { expense_->SaveExpenseReportValue(); }
void FrmOption::SaveStartupValue() { startup_->SaveStartupValue(); }
bool FrmOption::IsEndAfterStart() const { return calendar_->IsEndAfterStart(); }
bool FrmOption::LoadAppearanceTab() { return appearance_->LoadAppearanceTab(); }
void FrmOption::SaveAppearanceValue() { appearance_->SaveAppearanceValue(); }
bool FrmOption::SaveToDefaultScheme() { return appearance_->SaveToDefaultScheme(); }

bool FrmOption::CheckValues() {
  if (IsValidCashAdvance(Get<ui::TextBox>("txtCash").Text())) return false;
  int32_t number = 0;
  storage::ShowErr(resources::LoadResString(1), number, resources::LoadResString(2024));
  return true;
}

void FrmOption::CmdOk_Click() {
  const auto keep_alive = shared_from_this();
  if (CheckValues()) return;
  const auto progress = FrmSaveProgress::Instance();
  progress->OwnerDialog = this;
  progress->ShowModal(this);
}

void FrmOption::cmdCancel_Click() { Unload(); }

}  // namespace prefdesk::dialog
