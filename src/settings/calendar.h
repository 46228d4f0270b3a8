// Calendar defaults: the user's T_PMISC row, else the row of DefaultOtherStyle.
//
// A set of calendar values is valid when no field is empty or null, the interval is one of
// 15, 30, 60, 120, 180, 240, the minute of each of the four times is a multiple of 5, and
// the day starts before it ends.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/ado/connection.h"
#include "platform/automation/variant.h"
#include "src/storage/datacenter.h"

namespace prefdesk::settings {

// The server row when it is valid, else (also when the query fails or finds no row) the
// result of GetDefValsCalendar. An error on the way returns true, silently, without fallback.
[[nodiscard]] bool GetSvrValsCalendar(const storage::DataCenterRef& dc,
                        const std::shared_ptr<ado::Connection>& cn,
                        automation::Date& appointment_duration,
                        automation::Date& appointment_start_day_time,
                        automation::Date& appointment_end_day_time,
                        automation::Date& appointment_alarm_before_time,
                        int32_t& appoint_time_slot_interval);

// The local row. A missing or invalid row is shown in the error window and returns true with
// the outputs unchanged.
[[nodiscard]] bool GetDefValsCalendar(const std::shared_ptr<ado::Connection>& cn,
                        automation::Date& appointment_duration,
                        automation::Date& appointment_start_day_time,
                        automation::Date& appointment_end_day_time,
                        automation::Date& appointment_alarm_before_time,
                        int32_t& appoint_time_slot_interval);

}  // namespace prefdesk::settings
