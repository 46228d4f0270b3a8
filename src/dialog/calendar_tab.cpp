#include "src/dialog/calendar_tab.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/ui/combo_box.h"
#include "src/state/shared_state.h"
#include "src/resources/strings.h"
#include "src/settings/accepted_values.h"
#include "src/storage/show_err.h"

namespace prefdesk::dialog {
namespace {

using automation::Date;

Date TimeOf(const ui::ComboBox& hour, const ui::ComboBox& minute) {
  return automation::CDate(automation::Variant(hour.Text() + ":" + minute.Text()));
}

// The time as text through "yyyy-mm-dd hh:mm:ss" and back, as the settings store it.
Date StoredTimeOf(const ui::ComboBox& hour, const ui::ComboBox& minute) {
  return automation::CDate(
      automation::Variant(automation::Format(TimeOf(hour, minute), "yyyy-mm-dd hh:mm:ss")));
}

void ShowHour(ui::ComboBox& list, Date value) {
  const int hour = automation::Hour(value);
  list.SetText(std::to_string(hour >= 0 && hour <= 23 ? hour : 0));
}

void ShowMinute(ui::ComboBox& list, Date value) {
  const int minute = automation::Minute(value);
  list.SetText(std::to_string(minute >= 0 && minute <= 55 && minute % settings::kMinuteStep == 0 ? minute : 0));
}

void ShowTime(ui::ComboBox& hour, ui::ComboBox& minute, Date value) {
  hour.SetText(std::to_string(automation::Hour(value)));
  minute.SetText(std::to_string(automation::Minute(value)));
}

}  // namespace

CalendarTab::CalendarTab(const CalendarTabControls& controls) : controls_(controls) {
  controls_.cboAptDutHour->OnClick = [this] { touched_.AptDutHour = true; };
  controls_.cboAptDutMin->OnClick = [this] { touched_.AptDutMin = true; };
  controls_.cboAlarmHour->OnClick = [this] { touched_.AlarmHour = true; };
  controls_.cboAlarmMin->OnClick = [this] { touched_.AlarmMin = true; };
  controls_.cboStartHour->OnClick = [this] { StartEndClick(touched_.StartHour); };
  controls_.cboStartMin->OnClick = [this] { StartEndClick(touched_.StartMin); };
  controls_.cboEndHour->OnClick = [this] { StartEndClick(touched_.EndHour); };
  controls_.cboEndMin->OnClick = [this] { StartEndClick(touched_.EndMin); };
}

CalendarTab::~CalendarTab() {
  for (ui::ComboBox* list : {controls_.cboAptDutHour, controls_.cboAptDutMin,
                             controls_.cboAlarmHour, controls_.cboAlarmMin, controls_.cboStartHour,
                             controls_.cboStartMin, controls_.cboEndHour, controls_.cboEndMin}) {
    list->OnClick = nullptr;
  }
}

void CalendarTab::ClearTouched() { touched_ = Touched{}; }

void CalendarTab::GetCalendarValue() {
  const state::SharedState& state = state::State();
  duration_ = state.AppointmentDuration;
  start_ = state.AppointmentStartDayTime;
  end_ = state.AppointmentEndDayTime;
  last_start_ = state.AppointmentStartDayTime;
  last_end_ = state.AppointmentEndDayTime;
  alarm_ = state.AppointmentAlarmBeforeTime;
  interval_ = state.AppointTimeSlotInterval;
}

bool CalendarTab::LoadCalendarValue() {
  try {
    GetCalendarValue();
    const CalendarTabControls& c = controls_;
    c.cboTimeInterval->Clear();
    for (int32_t interval : settings::kTimeSlotIntervals) c.cboTimeInterval->AddItem(std::to_string(interval));
    const bool offered = settings::IsOneOf(settings::kTimeSlotIntervals, interval_);
    c.cboTimeInterval->SetText(std::to_string(offered ? interval_ : 15));

    const std::array<ui::ComboBox*, 4> hours{c.cboAptDutHour, c.cboStartHour, c.cboEndHour,
                                             c.cboAlarmHour};
    const std::array<ui::ComboBox*, 4> minutes{c.cboAptDutMin, c.cboStartMin, c.cboEndMin,
                                               c.cboAlarmMin};
    const std::array<Date, 4> values{duration_, start_, end_, alarm_};
    for (ui::ComboBox* list : hours) list->Clear();
    for (int hour = 0; hour <= 23; ++hour) {
      for (ui::ComboBox* list : hours) list->AddItem(std::to_string(hour));
    }
    for (size_t i = 0; i < hours.size(); ++i) ShowHour(*hours[i], values[i]);
    for (ui::ComboBox* list : minutes) list->Clear();
    for (int minute = 0; minute <= 55; minute += settings::kMinuteStep) {
      for (ui::ComboBox* list : minutes) list->AddItem(std::to_string(minute));
    }
    for (size_t i = 0; i < minutes.size(); ++i) ShowMinute(*minutes[i], values[i]);
    return false;
  } catch (const automation::AutomationError&) {
    return true;
  }
}

bool CalendarTab::IsEndAfterStart() const {
  const Date end = TimeOf(*controls_.cboEndHour, *controls_.cboEndMin);
  const Date start = TimeOf(*controls_.cboStartHour, *controls_.cboStartMin);
  return end > start;
}

void CalendarTab::StartEndClick(bool& touched) {
  if (!touched) {
    touched = true;
    return;
  }
  try {
    if (IsEndAfterStart()) {
      last_start_ = TimeOf(*controls_.cboStartHour, *controls_.cboStartMin);
      last_end_ = TimeOf(*controls_.cboEndHour, *controls_.cboEndMin);
      return;
    }
    int32_t number = 0;
    storage::ShowErr(resources::LoadResString(1), number, resources::LoadResString(2025));
    RestoreLastAccepted();
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
  }
}

void CalendarTab::RestoreLastAccepted() {
  touched_.StartHour = false;
  touched_.StartMin = false;
  touched_.EndHour = false;
  touched_.EndMin = false;
  ShowTime(*controls_.cboStartHour, *controls_.cboStartMin, last_start_);
  ShowTime(*controls_.cboEndHour, *controls_.cboEndMin, last_end_);
}

void CalendarTab::SaveCalendarValue() {
  state::SharedState& state = state::State();
  state.AppointmentDuration = StoredTimeOf(*controls_.cboAptDutHour, *controls_.cboAptDutMin);
  state.AppointmentStartDayTime = last_start_;
  state.AppointmentEndDayTime = last_end_;
  state.AppointmentAlarmBeforeTime = StoredTimeOf(*controls_.cboAlarmHour, *controls_.cboAlarmMin);
  state.AppointTimeSlotInterval =
      automation::CLng(automation::Variant(controls_.cboTimeInterval->Text()));
}

}  // namespace prefdesk::dialog
