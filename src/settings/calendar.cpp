#include "src/settings/calendar.h"

#include <array>
#include <string>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "src/settings/accepted_values.h"
#include "src/settings/default_errors.h"
#include "src/settings/server_row.h"
#include "src/storage/local_query.h"
#include "src/storage/schema.h"
#include "src/storage/show_err.h"

namespace prefdesk::settings {

namespace {

// Column names of the five values, in the order duration, day start, day end, alarm, interval.
using CalendarColumns = std::array<const char*, 5>;
constexpr CalendarColumns kServerColumns = {
    storage::schema::misc::F_DEFAPDUR, storage::schema::misc::F_DAYSTIME,
    storage::schema::misc::F_DAYETIME, storage::schema::misc::F_ALARMADV,
    storage::schema::misc::F_SOLEINTERVAL};
constexpr CalendarColumns kLocalColumns = {
    "AppointmentDuration", "AppointmentStartDayTime", "AppointmentEndDayTime",
    "AppointmentAlarmBeforeTime", "AppointmentTimeSlotInterval"};

struct CalendarValues {
  std::array<automation::Date, 4> times;  // duration, day start, day end, alarm
  int32_t interval = 0;
};

// The row's values when they form a valid set; false otherwise.
bool ReadValidRow(const ado::Recordset& rs, const CalendarColumns& columns, CalendarValues& out) {
  for (const char* column : columns) {
    if (rs[column].IsEmptyOrNull()) return false;
  }
  CalendarValues values;
  for (size_t i = 0; i < values.times.size(); ++i) {
    values.times[i] = automation::CDate(rs[columns[i]]);
    if (!IsOnMinuteStep(values.times[i])) return false;
  }
  values.interval = automation::CLng(rs[columns[4]]);
  if (!IsOneOf(kTimeSlotIntervals, values.interval)) return false;
  if (!StartsBeforeEnd(values.times[1], values.times[2])) return false;
  out = values;
  return true;
}

void Deliver(const CalendarValues& values, automation::Date& duration, automation::Date& day_start,
             automation::Date& day_end, automation::Date& alarm, int32_t& interval) {
  duration = values.times[0];
  day_start = values.times[1];
  day_end = values.times[2];
  alarm = values.times[3];
  interval = values.interval;
}

}  // namespace

bool GetSvrValsCalendar(const storage::DataCenterRef& dc,
                        const std::shared_ptr<ado::Connection>& cn,
                        automation::Date& appointment_duration,
                        automation::Date& appointment_start_day_time,
                        automation::Date& appointment_end_day_time,
                        automation::Date& appointment_alarm_before_time,
                        int32_t& appoint_time_slot_interval) {
  std::shared_ptr<ado::Recordset> rs;
  storage::RecordsetCloser closer(rs);
  try {
    CalendarValues values;
    bool valid = OpenServerRow(dc, rs,
                               "Select F_DEFAPDUR,F_DAYSTIME,F_DAYETIME,F_ALARMADV,F_SOLEINTERVAL "
                               "From T_PMISC Where F_UID= " + UserIdText(),
                               "GetSvrValsCalendar") &&
                 ReadValidRow(*rs, kServerColumns, values);
    storage::CloseIfOpen(rs);
    if (!valid) {
      return GetDefValsCalendar(cn, appointment_duration, appointment_start_day_time,
                                appointment_end_day_time, appointment_alarm_before_time,
                                appoint_time_slot_interval);
    }
    Deliver(values, appointment_duration, appointment_start_day_time, appointment_end_day_time,
            appointment_alarm_before_time, appoint_time_slot_interval);
    return false;
  } catch (const automation::AutomationError&) {
    return true;
  }
}

bool GetDefValsCalendar(const std::shared_ptr<ado::Connection>& cn,
                        automation::Date& appointment_duration,
                        automation::Date& appointment_start_day_time,
                        automation::Date& appointment_end_day_time,
                        automation::Date& appointment_alarm_before_time,
                        int32_t& appoint_time_slot_interval) {
  static const std::string kSource = "GetDefValsCalendar";
  std::shared_ptr<ado::Recordset> rs;
  storage::RecordsetCloser closer(rs);
  try {
    if (!cn) automation::Raise(automation::kErrObjectRequired, kSource);
    rs = cn->Execute(
        "Select AppointmentDuration,AppointmentStartDayTime,AppointmentEndDayTime,"
        "AppointmentAlarmBeforeTime,AppointmentTimeSlotInterval From DefaultOtherStyle");
    if (rs->IsEOF()) RaiseRecordNotFound(kSource);
    CalendarValues values;
    if (!ReadValidRow(*rs, kLocalColumns, values)) RaiseInvalidValue(kSource);
    Deliver(values, appointment_duration, appointment_start_day_time, appointment_end_day_time,
            appointment_alarm_before_time, appoint_time_slot_interval);
    return false;
  } catch (const automation::AutomationError& error) {
    storage::ShowErr(error);
    return true;
  }
}

}  // namespace prefdesk::settings
