// The values a single setting may take: the readers reject everything else, the dialog's
// drop-down lists offer exactly these, and a host that writes a setting checks against them.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/automation/variant.h"

namespace prefdesk::settings {

inline constexpr std::array<int32_t, 6> kHistoryLengths = {5, 10, 15, 20, 30, 50};
inline constexpr std::array<int32_t, 7> kProductComparisonCounts = {0, 5, 10, 20, 30, 40, 50};
// The forecast lengths the General tab offers; the reader takes any number.
inline constexpr std::array<int32_t, 4> kForecastLengths = {3, 6, 9, 12};
// The fixed values the readers deliver when the user's row holds none (there is no local
// default for these two settings).
inline constexpr int32_t kFixedProductComparisonCount = 0;
inline constexpr int32_t kFixedForecastLength = 6;
inline constexpr std::array<int32_t, 6> kTimeSlotIntervals = {15, 30, 60, 120, 180, 240};
// The minute of every calendar time is a multiple of this.
inline constexpr int kMinuteStep = 5;

template <size_t N>
bool IsOneOf(const std::array<int32_t, N>& accepted, int32_t value) {
  return std::ranges::find(accepted, value) != accepted.end();
}

bool IsOnMinuteStep(automation::Date time);
inline bool StartsBeforeEnd(automation::Date day_start, automation::Date day_end) {
  return day_start.serial < day_end.serial;
}
// A set of calendar values (duration, day start, day end, alarm; the interval) is valid when
// each time is on the minute step, the interval is one of kTimeSlotIntervals and the day
// starts before it ends.
bool IsValidCalendar(const std::array<automation::Date, 4>& times, int32_t interval);

// A cash advance is usable when it is above zero.
inline bool IsValidCashAdvance(automation::Currency cash) { return cash.scaled > 0; }
// An amount every server gives back exactly as written: at most 15 significant digits, what
// a double (the SQLite server's REAL) keeps.
bool IsKeptExactly(automation::Currency cash);

// The expense charge number has 1 to kChargeNumberLength characters (the column's size), all
// of them printable: valid UTF-8 without control characters, so that it prints on one line
// and reads back as it was written.
inline constexpr size_t kChargeNumberLength = 50;
bool IsValidChargeNumber(std::string_view text);

}  // namespace prefdesk::settings
