#include "src/component/cls_prefdesk.h"

#include "platform/automation/conversions.h"
#include "src/component/option_dialog.h"
#include "src/component/shared_state.h"

namespace prefdesk::component {

ClsPrefdesk::ClsPrefdesk() : members_(BuildMembers(this)) {}

std::shared_ptr<ClsPrefdesk> ClsPrefdesk::Create() {
  std::shared_ptr<ClsPrefdesk> instance(new ClsPrefdesk());
  SharedState& state = State();
  state.Instance = instance;
  state.OutcomeFlag = 0;
  return instance;
}

ClsPrefdesk::~ClsPrefdesk() { State().Instance.reset(); }

automation::MemberTable ClsPrefdesk::DescribeMembers() { return BuildMembers(nullptr); }

void ClsPrefdesk::SetUserID(int16_t user_id) {
  if (user_id == 0) {
    int32_t uid = storage::Require(State().DataCenter, "UserID").myinfo().uid;
    user_id = automation::CInt(automation::Variant(uid));
  }
  State().UserID = user_id;
}

std::shared_ptr<ui::Picture> ClsPrefdesk::OptionIcon() { return LoadedOptionDialog()->Icon(); }

void ClsPrefdesk::SetOptionIcon(std::shared_ptr<ui::Picture> icon) {
  LoadedOptionDialog()->SetIcon(std::move(icon));
}

int32_t ClsPrefdesk::MaxHistoricalRecords() const { return State().MaxHistoricalRecords; }
void ClsPrefdesk::SetMaxHistoricalRecords(int32_t value) { State().MaxHistoricalRecords = value; }

int32_t ClsPrefdesk::DisplayProductComparisonsRecords() const {
  return State().DisplayProductComparisonsRecords;
}
void ClsPrefdesk::SetDisplayProductComparisonsRecords(int32_t value) {
  State().DisplayProductComparisonsRecords = value;
}

int32_t ClsPrefdesk::MonthLength() const { return State().MonthLength; }
void ClsPrefdesk::SetMonthLength(int32_t value) { State().MonthLength = value; }

int32_t ClsPrefdesk::QuarterLength() const { return State().QuarterLength; }
void ClsPrefdesk::SetQuarterLength(int32_t value) { State().QuarterLength = value; }

int32_t ClsPrefdesk::YearLength() const { return State().YearLength; }
void ClsPrefdesk::SetYearLength(int32_t value) { State().YearLength = value; }

automation::Date ClsPrefdesk::AppointmentDuration() const { return State().AppointmentDuration; }
void ClsPrefdesk::SetAppointmentDuration(automation::Date value) {
  State().AppointmentDuration = value;
}

automation::Date ClsPrefdesk::AppointmentStartDayTime() const {
  return State().AppointmentStartDayTime;
}
void ClsPrefdesk::SetAppointmentStartDayTime(automation::Date value) {
  State().AppointmentStartDayTime = value;
}

automation::Date ClsPrefdesk::AppointmentEndDayTime() const { return State().AppointmentEndDayTime; }
void ClsPrefdesk::SetAppointmentEndDayTime(automation::Date value) {
  State().AppointmentEndDayTime = value;
}

automation::Date ClsPrefdesk::AppointmentAlarmBeforeTime() const {
  return State().AppointmentAlarmBeforeTime;
}
void ClsPrefdesk::SetAppointmentAlarmBeforeTime(automation::Date value) {
  State().AppointmentAlarmBeforeTime = value;
}

int32_t ClsPrefdesk::AppointTimeSlotInterval() const { return State().AppointTimeSlotInterval; }
void ClsPrefdesk::SetAppointTimeSlotInterval(int32_t value) {
  State().AppointTimeSlotInterval = value;
}

std::string ClsPrefdesk::ExpenseChargeNumber() const { return State().ExpenseChargeNumber; }
void ClsPrefdesk::SetExpenseChargeNumber(const std::string& value) {
  State().ExpenseChargeNumber = value;
}

automation::Currency ClsPrefdesk::ExpenseCashAdvance() const { return State().ExpenseCashAdvance; }
void ClsPrefdesk::SetExpenseCashAdvance(automation::Currency value) {
  State().ExpenseCashAdvance = value;
}

std::string ClsPrefdesk::DefaultTitle() const { return State().DefaultTitle; }
void ClsPrefdesk::SetDefaultTitle(const std::string& value) { State().DefaultTitle = value; }
bool ClsPrefdesk::EnableAppearanceTab() const { return State().AppearanceTabEnabled; }
void ClsPrefdesk::SetEnableAppearanceTab(bool value) { State().AppearanceTabEnabled = value; }

std::shared_ptr<ado::Connection> ClsPrefdesk::BaseConn() const { return State().BaseConn; }
void ClsPrefdesk::SetBaseConn(std::shared_ptr<ado::Connection> value) {
  State().BaseConn = std::move(value);
}

storage::DataCenterRef ClsPrefdesk::DataCenter() const { return State().DataCenter; }
void ClsPrefdesk::SetDataCenter(storage::DataCenterRef value) {
  State().DataCenter = std::move(value);
}

}  // namespace prefdesk::component
