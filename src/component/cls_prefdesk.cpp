#include "src/component/cls_prefdesk.h"

#include "platform/automation/conversions.h"
#include "src/state/option_dialog.h"
#include "src/state/shared_state.h"

namespace prefdesk::component {

ClsPrefdesk::ClsPrefdesk() : members_(BuildMembers(this)) {}

std::shared_ptr<ClsPrefdesk> ClsPrefdesk::Create() {
  std::shared_ptr<ClsPrefdesk> instance(new ClsPrefdesk());
  state::SharedState& state = state::State();
  state.Instance = instance;
  state.OutcomeFlag = 0;
  return instance;
}

ClsPrefdesk::~ClsPrefdesk() { state::State().Instance.reset(); }

automation::MemberTable ClsPrefdesk::DescribeMembers() { return BuildMembers(nullptr); }

void ClsPrefdesk::SetUserID(int16_t user_id) {
  if (user_id == 0) {
    int32_t uid = storage::Require(state::State().DataCenter, "UserID").myinfo().uid;
    user_id = automation::CInt(automation::Variant(uid));
  }
  state::State().UserID = user_id;
}

std::shared_ptr<ui::Picture> ClsPrefdesk::OptionIcon() { return state::LoadedOptionDialog()->Icon(); }

void ClsPrefdesk::SetOptionIcon(std::shared_ptr<ui::Picture> icon) {
  state::LoadedOptionDialog()->SetIcon(std::move(icon));
}

int32_t ClsPrefdesk::MaxHistoricalRecords() const { return state::State().MaxHistoricalRecords; }
void ClsPrefdesk::SetMaxHistoricalRecords(int32_t value) { state::State().MaxHistoricalRecords = value; }

int32_t ClsPrefdesk::DisplayProductComparisonsRecords() const {
  return state::State().DisplayProductComparisonsRecords;
}
void ClsPrefdesk::SetDisplayProductComparisonsRecords(int32_t value) {
  state::State().DisplayProductComparisonsRecords = value;
}

int32_t ClsPrefdesk::MonthLength() const { return state::State().MonthLength; }
void ClsPrefdesk::SetMonthLength(int32_t value) { state::State().MonthLength = value; }

int32_t ClsPrefdesk::QuarterLength() const { return state::State().QuarterLength; }
void ClsPrefdesk::SetQuarterLength(int32_t value) { state::State().QuarterLength = value; }

int32_t ClsPrefdesk::YearLength() const { return state::State().YearLength; }
void ClsPrefdesk::SetYearLength(int32_t value) { state::State().YearLength = value; }

automation::Date ClsPrefdesk::AppointmentDuration() const { return state::State().AppointmentDuration; }
void ClsPrefdesk::SetAppointmentDuration(automation::Date value) {
  state::State().AppointmentDuration = value;
}

automation::Date ClsPrefdesk::AppointmentStartDayTime() const {
  return state::State().AppointmentStartDayTime;
}
void ClsPrefdesk::SetAppointmentStartDayTime(automation::Date value) {
  state::State().AppointmentStartDayTime = value;
}

automation::Date ClsPrefdesk::AppointmentEndDayTime() const { return state::State().AppointmentEndDayTime; }
void ClsPrefdesk::SetAppointmentEndDayTime(automation::Date value) {
  state::State().AppointmentEndDayTime = value;
}

automation::Date ClsPrefdesk::AppointmentAlarmBeforeTime() const {
  return state::State().AppointmentAlarmBeforeTime;
}
void ClsPrefdesk::SetAppointmentAlarmBeforeTime(automation::Date value) {
  state::State().AppointmentAlarmBeforeTime = value;
}

int32_t ClsPrefdesk::AppointTimeSlotInterval() const { return state::State().AppointTimeSlotInterval; }
void ClsPrefdesk::SetAppointTimeSlotInterval(int32_t value) {
  state::State().AppointTimeSlotInterval = value;
}

std::string ClsPrefdesk::ExpenseChargeNumber() const { return state::State().ExpenseChargeNumber; }
void ClsPrefdesk::SetExpenseChargeNumber(const std::string& value) {
  state::State().ExpenseChargeNumber = value;
}

automation::Currency ClsPrefdesk::ExpenseCashAdvance() const { return state::State().ExpenseCashAdvance; }
void ClsPrefdesk::SetExpenseCashAdvance(automation::Currency value) {
  state::State().ExpenseCashAdvance = value;
}

std::string ClsPrefdesk::DefaultTitle() const { return state::State().DefaultTitle; }
void ClsPrefdesk::SetDefaultTitle(const std::string& value) { state::State().DefaultTitle = value; }
bool ClsPrefdesk::EnableAppearanceTab() const { return state::State().AppearanceTabEnabled; }
void ClsPrefdesk::SetEnableAppearanceTab(bool value) { state::State().AppearanceTabEnabled = value; }

std::shared_ptr<ado::Connection> ClsPrefdesk::BaseConn() const { return state::State().BaseConn; }
void ClsPrefdesk::SetBaseConn(std::shared_ptr<ado::Connection> value) {
  state::State().BaseConn = std::move(value);
}

storage::DataCenterRef ClsPrefdesk::DataCenter() const { return state::State().DataCenter; }
void ClsPrefdesk::SetDataCenter(storage::DataCenterRef value) {
  state::State().DataCenter = std::move(value);
}

}  // namespace prefdesk::component
