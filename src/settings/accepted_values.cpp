#include "src/settings/accepted_values.h"

#include "platform/automation/conversions.h"

namespace prefdesk::settings {

bool IsOnMinuteStep(automation::Date time) { return automation::Minute(time) % kMinuteStep == 0; }

bool IsValidCalendar(const std::array<automation::Date, 4>& times, int32_t interval) {
  return std::ranges::all_of(times, IsOnMinuteStep) && IsOneOf(kTimeSlotIntervals, interval) &&
         StartsBeforeEnd(times[1], times[2]);
}

}  // namespace prefdesk::settings
