#include "platform/automation/date_text.h"

#include <cmath>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

namespace prefdesk::automation {
namespace detail {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kFirstDay = -657434;  // 100-01-01
constexpr int64_t kLastDay = 2958465;   // 9999-12-31

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days since 1970-01-01 of a civil date, and back (the era-based Gregorian algorithm).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, DateParts& parts) {
  z += 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  parts.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  parts.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  parts.year = static_cast<int>(yoe + era * 400 + (parts.month <= 2));
}

constexpr int64_t kUnixDayOfSerialZero = -25569;  // 1899-12-30

std::string TwoDigits(int value) {
  return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

int64_t DayIndexFromCivil(int64_t year, int month, int day) {
  return DaysFromCivil(year, month, 1) + (day - 1) - kUnixDayOfSerialZero;
}

double SerialFromDays(int64_t day_index, int64_t second_of_day) {
  const double fraction = static_cast<double>(second_of_day) / kSecondsPerDay;
  const double days = static_cast<double>(day_index);
  return day_index >= 0 ? days + fraction : days - fraction;
}

bool IsValidSerial(double serial) {
  return serial > static_cast<double>(kFirstDay - 1) && serial < static_cast<double>(kLastDay + 1);
}

DateParts SplitDate(Date d) {
  if (!IsValidSerial(d.serial)) Raise(kErrOverflow, "Date");
  DateParts parts;
  const double whole = std::trunc(d.serial);
  int64_t seconds = std::llround(std::fabs(d.serial - whole) * kSecondsPerDay);
  parts.day_index = static_cast<int64_t>(whole);
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++parts.day_index;
  }
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  CivilFromDays(parts.day_index + kUnixDayOfSerialZero, parts);
  parts.weekday = static_cast<int>(((parts.day_index + 6) % 7 + 7) % 7);
  return parts;
}

std::string DateText(Date d) {
  const DateParts p = SplitDate(d);
  const std::string time = TwoDigits(p.hour) + ":" + TwoDigits(p.minute) + ":" + TwoDigits(p.second);
  if (p.day_index == 0) return time;
  std::string date = std::to_string(p.year);
  date.insert(0, date.size() < 4 ? 4 - date.size() : 0, '0');
  date += "-" + TwoDigits(p.month) + "-" + TwoDigits(p.day);
  if (p.hour == 0 && p.minute == 0 && p.second == 0) return date;
  return date + " " + time;
}

}  // namespace detail

Date DateFromParts(int year, int month, int day, int hour, int minute, int second) {
  // Months and days outside their ranges carry over, as the classic date serial does.
  const int64_t months = int64_t{year} * 12 + (month - 1);
  const int64_t y = detail::FloorDiv(months, 12);
  const int m = static_cast<int>(months - y * 12) + 1;
  const int64_t seconds = int64_t{hour} * 3600 + int64_t{minute} * 60 + second;
  const int64_t day_carry = detail::FloorDiv(seconds, detail::kSecondsPerDay);
  if (y < 0 || y > 20000) Raise(kErrOverflow, "DateFromParts");
  const int64_t day_index = detail::DayIndexFromCivil(y, m, 1) + (int64_t{day} - 1) + day_carry;
  if (day_index < detail::kFirstDay || day_index > detail::kLastDay) {
    Raise(kErrOverflow, "DateFromParts");
  }
  return Date{detail::SerialFromDays(day_index, seconds - day_carry * detail::kSecondsPerDay)};
}

Date TimeSerial(int hour, int minute, int second) {
  return DateFromParts(1899, 12, 30, hour, minute, second);
}

int Hour(Date d) { return detail::SplitDate(d).hour; }
int Minute(Date d) { return detail::SplitDate(d).minute; }
int Second(Date d) { return detail::SplitDate(d).second; }

}  // namespace prefdesk::automation
