// The public enumerations of the component (32-bit signed constants).
#pragma once

#include <cstdint>

namespace prefdesk::component {

// Calendar time-slot interval in minutes.
enum Enum_TimeSlotInterval : int32_t {
  E_Time15 = 15,
  E_Time30 = 30,
  E_Time60 = 60,
  E_Time120 = 120,
  E_Time180 = 180,
  E_Time240 = 240,
};

// Outcome of the options dialog, carried by the OptionSuccess event.
enum Enum_OpitonSuccess : int32_t {
  E_OptionSuccess = 0,
  E_OptionFail = 1,
  E_OptionCancel = 2,
};

}  // namespace prefdesk::component
