#include <cctype>

#include "platform/automation/conversions.h"
#include "platform/automation/date_text.h"
#include "platform/automation/numeric_text.h"

namespace prefdesk::automation::detail {
namespace {

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool Take(char c) {
    if (Peek() != c) return false;
    ++pos_;
    return true;
  }
  // Reads 1 to max_digits digits; false when none.
  bool Number(int max_digits, int& value, int* count = nullptr) {
    int digits = 0;
    value = 0;
    while (digits < max_digits && std::isdigit(static_cast<unsigned char>(Peek()))) {
      value = value * 10 + (text_[pos_++] - '0');
      ++digits;
    }
    if (count != nullptr) *count = digits;
    return digits > 0 && !std::isdigit(static_cast<unsigned char>(Peek()));
  }
  void SkipBlanks() {
    while (Peek() == ' ' || Peek() == '\t') ++pos_;
  }
  std::string_view Rest() const { return text_.substr(pos_); }
  void Advance(size_t n) { pos_ += n; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

// yyyy-mm-dd or yyyy/mm/dd.
bool ReadDate(Cursor& in, int64_t& day_index) {
  int year = 0;
  int month = 0;
  int day = 0;
  int year_digits = 0;
  if (!in.Number(4, year, &year_digits) || year_digits != 4) return false;
  const char separator = in.Peek();
  if (separator != '-' && separator != '/') return false;
  in.Take(separator);
  if (!in.Number(2, month) || !in.Take(separator) || !in.Number(2, day)) return false;
  if (year < 100 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    return false;
  }
  day_index = DayIndexFromCivil(year, month, day);
  return true;
}

// h:mm, h:mm:ss, optionally followed by AM/PM (or A/P).
bool ReadTime(Cursor& in, int64_t& second_of_day) {
  int hour = 0;
  int minute = 0;
  int second = 0;
  if (!in.Number(2, hour) || !in.Take(':') || !in.Number(2, minute)) return false;
  if (in.Take(':') && !in.Number(2, second)) return false;
  in.SkipBlanks();
  const std::string rest = UCase(in.Rest());
  int meridiem = 0;  // 1 AM, 2 PM
  for (const auto& [word, value] : {std::pair{"AM", 1}, {"PM", 2}, {"A", 1}, {"P", 2}}) {
    if (rest.rfind(word, 0) == 0) {
      meridiem = value;
      in.Advance(std::string_view(word).size());
      break;
    }
  }
  if (meridiem != 0) {
    if (hour < 1 || hour > 12) return false;
    hour = hour % 12 + (meridiem == 2 ? 12 : 0);
  }
  if (hour > 23 || minute > 59 || second > 59) return false;
  second_of_day = int64_t{hour} * 3600 + minute * 60 + second;
  return true;
}

}  // namespace

std::optional<Date> ParseDateText(std::string_view text) {
  Cursor in(TrimBlanks(text));
  int64_t day_index = 0;
  int64_t second_of_day = 0;
  Cursor probe = in;
  if (ReadDate(probe, day_index)) {
    in = probe;
    if (in.AtEnd()) return Date{SerialFromDays(day_index, 0)};
    if (!in.Take('T')) {
      if (in.Peek() != ' ' && in.Peek() != '\t') return std::nullopt;
      in.SkipBlanks();
    }
  }
  if (!ReadTime(in, second_of_day) || !in.AtEnd()) return std::nullopt;
  return Date{SerialFromDays(day_index, second_of_day)};
}

}  // namespace prefdesk::automation::detail
