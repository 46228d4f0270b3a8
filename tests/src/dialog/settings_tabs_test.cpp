// The General, Calendar and Expense report tabs: filling from the shared settings, the
// start/end check, the cash box's switching of tabs and the copy-back operations.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "option_dialog_fixture.h"
#include "platform/automation/conversions.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/text_box.h"
#include "src/state/shared_state.h"
#include "src/dialog/expense_tab.h"
#include "src/resources/strings.h"

namespace prefdesk::dialog::testing {
namespace {

using automation::TimeSerial;

class SettingsTabsTest : public OptionDialogTest {
 protected:
  SettingsTabsTest() : form_(std::make_shared<FrmOption>()) { form_->Load(); }
  ~SettingsTabsTest() override { form_->Unload(); }

  ui::ComboBox& List(const char* name) { return form_->Get<ui::ComboBox>(name); }
  std::vector<bool> EnabledTabs() {
    std::vector<bool> enabled;
    const auto& tabs = form_->Get<ui::TabControl>("SSTab1");
    for (int i = 0; i < tabs.Tabs(); ++i) enabled.push_back(tabs.TabEnabled(i));
    return enabled;
  }

  std::shared_ptr<FrmOption> form_;
};

TEST_F(SettingsTabsTest, GeneralListsSelectStoredValuesOrTheirDefaults) {
  state::SharedState& state = state::State();
  state.MaxHistoricalRecords = 25;
  state.DisplayProductComparisonsRecords = 0;
  state.MonthLength = 4;
  state.QuarterLength = 9;
  state.YearLength = 12;
  EXPECT_FALSE(form_->LoadGeneralValue());
  EXPECT_EQ(Items(List("cboHisRecords")),
            (std::vector<std::string>{"5", "10", "15", "20", "30", "50"}));
  EXPECT_EQ(List("cboHisRecords").Text(), "5");
  EXPECT_EQ(List("cboProductComparisonRecords").Text(), "0");
  EXPECT_EQ(List("cboFMonth").Text(), "6");
  EXPECT_EQ(List("cboFQuarter").Text(), "9");
  EXPECT_EQ(List("cboFYear").Text(), "12");
  // A second load refills rather than adds.
  EXPECT_FALSE(form_->LoadGeneralValue());
  EXPECT_EQ(List("cboFYear").ListCount(), 4);

  List("cboHisRecords").SetText("30");
  form_->SaveGeneralValue();
  EXPECT_EQ(state.MaxHistoricalRecords, 30);
  EXPECT_EQ(state.DisplayProductComparisonsRecords, 0);
  EXPECT_EQ(state.MonthLength, 6);
  EXPECT_EQ(state.QuarterLength, 9);
}

TEST_F(SettingsTabsTest, CalendarListsShowHoursAndFiveMinuteSteps) {
  state::SharedState& state = state::State();
  state.AppointTimeSlotInterval = 45;
  state.AppointmentDuration = TimeSerial(1, 30, 0);
  state.AppointmentStartDayTime = TimeSerial(8, 7, 0);
  state.AppointmentEndDayTime = TimeSerial(17, 55, 0);
  state.AppointmentAlarmBeforeTime = TimeSerial(0, 15, 0);
  EXPECT_FALSE(form_->LoadCalendarValue());
  EXPECT_EQ(List("cboTimeInterval").Text(), "15");
  EXPECT_EQ(List("cboStartHour").ListCount(), 24);
  EXPECT_EQ(List("cboStartMin").ListCount(), 12);
  EXPECT_EQ(List("cboAptDutHour").Text(), "1");
  EXPECT_EQ(List("cboAptDutMin").Text(), "30");
  EXPECT_EQ(List("cboStartHour").Text(), "8");
  EXPECT_EQ(List("cboStartMin").Text(), "0");
  EXPECT_EQ(List("cboEndHour").Text(), "17");
  EXPECT_EQ(List("cboEndMin").Text(), "55");
  EXPECT_EQ(List("cboAlarmMin").Text(), "15");
  EXPECT_TRUE(form_->IsEndAfterStart());

  List("cboTimeInterval").SetText("60");
  List("cboAlarmHour").SetText("2");
  form_->SaveCalendarValue();
  EXPECT_EQ(state.AppointTimeSlotInterval, 60);
  EXPECT_EQ(state.AppointmentDuration, TimeSerial(1, 30, 0));
  EXPECT_EQ(state.AppointmentAlarmBeforeTime, TimeSerial(2, 15, 0));
  // Start and end are the last accepted times, not what the lists show.
  EXPECT_EQ(state.AppointmentStartDayTime, TimeSerial(8, 7, 0));
}

TEST_F(SettingsTabsTest, EndNotAfterStartIsRefusedAndTheLastAcceptedTimesReturn) {
  state::SharedState& state = state::State();
  state.AppointmentStartDayTime = TimeSerial(8, 0, 0);
  state.AppointmentEndDayTime = TimeSerial(17, 0, 0);
  ASSERT_FALSE(form_->LoadCalendarValue());

  List("cboEndHour").SetText("18");  // accepted: 08:00 to 18:00
  EXPECT_TRUE(InfoMessages().empty());
  List("cboEndHour").SetText("8");  // 08:00 to 08:00: refused
  EXPECT_EQ(InfoMessages(), (std::vector<std::string>{resources::LoadResString(2025)}));
  EXPECT_EQ(List("cboStartHour").Text(), "8");
  EXPECT_EQ(List("cboEndHour").Text(), "18");
  EXPECT_EQ(List("cboEndMin").Text(), "0");

  // The refusal cleared the flags: the next start change is only marked, not checked.
  List("cboStartHour").SetText("20");
  EXPECT_EQ(InfoMessages().size(), 1u);
  List("cboStartHour").SetText("9");
  EXPECT_EQ(InfoMessages().size(), 1u);
  form_->SaveCalendarValue();
  EXPECT_EQ(state.AppointmentStartDayTime, TimeSerial(9, 0, 0));
  EXPECT_EQ(state.AppointmentEndDayTime, TimeSerial(18, 0, 0));
}

TEST_F(SettingsTabsTest, CashBoxSwitchesTheTabs) {
  auto& cash = form_->Get<ui::TextBox>("txtCash");
  const std::vector<bool> startup_tabs_only = {false, false, false, false, true, true, true};
  const std::vector<bool> none(7, false);
  for (const auto& [text, accepted] : {std::pair{"0", true}, std::pair{"-1", false}, std::pair{"12.5", true},
                                       std::pair{"", false}, std::pair{"abc", false}}) {
    cash.SetText(text);
    EXPECT_EQ(EnabledTabs(), accepted ? startup_tabs_only : none) << text;
  }
  EXPECT_TRUE(InfoMessages().empty());
}

TEST_F(SettingsTabsTest, ExpenseBoxesCopyToAndFromTheSharedSettings) {
  state::SharedState& state = state::State();
  state.ExpenseChargeNumber = "C-100";
  state.ExpenseCashAdvance = automation::Currency{125000};
  EXPECT_FALSE(form_->Expense().LoadExpenseReportValue());
  EXPECT_EQ(form_->Get<ui::TextBox>("txtCharge").Text(), "C-100");
  EXPECT_EQ(form_->Get<ui::TextBox>("txtCash").Text(), "12.5");

  form_->Get<ui::TextBox>("txtCharge").SetText("C-200");
  form_->Get<ui::TextBox>("txtCash").SetText("7.25");
  form_->SaveExpenseReportValue();
  EXPECT_EQ(state.ExpenseChargeNumber, "C-200");
  EXPECT_EQ(state.ExpenseCashAdvance, automation::Currency{72500});
  form_->Get<ui::TextBox>("txtCash").SetText("seven");
  EXPECT_THROW(form_->SaveExpenseReportValue(), automation::AutomationError);
}

}  // namespace
}  // namespace prefdesk::dialog::testing
