// Date serials: splitting into calendar parts, reading dates and times from text, and the
// text CStr gives a date. Serial: days since 1899-12-30; the fraction is the time of day,
// taken as an absolute value for days before 1899-12-30 (-1.25 is 1899-12-29 06:00).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/automation/variant.h"

namespace prefdesk::automation::detail {

struct DateParts {
  int64_t day_index = 0;  // whole days since 1899-12-30
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int weekday = 6;  // 0 Sunday ... 6 Saturday
};

// The parts of a serial, rounded to the nearest second first.
DateParts SplitDate(Date d);

// The serial of a calendar day and a second of that day (0 to 86 399).
double SerialFromDays(int64_t day_index, int64_t second_of_day);

// Whole days since 1899-12-30 of a proleptic Gregorian date (month 1 to 12, any day).
int64_t DayIndexFromCivil(int64_t year, int month, int day);

// True for the serials of years 100 to 9999.
bool IsValidSerial(double serial);

// Reads "8:30", "08:30:15", "8:30 PM", "2026-12-05", "2026/12/05", "2026-12-05 08:30:00"
// and "2026-12-05T08:30:00"; nullopt for anything else or an impossible date or time.
std::optional<Date> ParseDateText(std::string_view text);

// "hh:mm:ss" when the date part is 1899-12-30, "yyyy-mm-dd" at midnight of any other day,
// else "yyyy-mm-dd hh:mm:ss".
std::string DateText(Date d);

}  // namespace prefdesk::automation::detail
