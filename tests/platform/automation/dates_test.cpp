#include <gtest/gtest.h>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "support/raised_number.h"

namespace prefdesk::automation {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

TEST(CDate, ReadsTimesAndDates) {
  EXPECT_NEAR(CDate("8:30").serial, 8.5 / 24.0, 1e-12);
  EXPECT_EQ(CDate("08:30"), CDate("8:30"));
  EXPECT_NEAR(CDate("8:30:15").serial, (8 * 3600 + 30 * 60 + 15) * kSecond, 1e-12);
  EXPECT_NEAR(CDate("8:30 PM").serial, 20.5 / 24.0, 1e-12);
  EXPECT_NEAR(CDate("12:00 am").serial, 0.0, 1e-12);
  EXPECT_EQ(CDate("1899-12-30").serial, 0.0);
  EXPECT_EQ(CDate("1900-01-01").serial, 2.0);
  EXPECT_EQ(CDate("2026-12-05").serial, 46361.0);
  EXPECT_EQ(CDate("2026/12/05"), CDate("2026-12-05"));
  EXPECT_NEAR(CDate(" 2026-12-05 08:30:00 ").serial, 46361.0 + 8.5 / 24.0, 1e-9);
  EXPECT_EQ(CDate("2026-12-05T08:30:00"), CDate("2026-12-05 08:30:00"));
  EXPECT_EQ(CDate(2.25).serial, 2.25);
  EXPECT_EQ(CDate("0.5").serial, 0.5);
}

TEST(CDate, RejectsImpossibleText) {
  for (const char* text : {"24:00", "8:60", "8:30:60", "13:00 PM", "2026-02-29", "2024-13-01",
                           "2026-12-05 8", "8:30 x", "8:", "2026-12-05x"}) {
    EXPECT_EQ(test_support::RaisedNumber([&] { CDate(text); }), kErrTypeMismatch) << text;
  }
  EXPECT_EQ(CDate("2024-02-29").serial, CDate("2024-03-01").serial - 1);
  EXPECT_EQ(test_support::RaisedNumber([] { CDate(3e6); }), kErrOverflow) << "a serial beyond 9999";
}

TEST(DateParts, RoundToTheNearestSecondFirst) {
  // 08:29:59.9999 reads as 08:30:00; a sum of floating parts does not lose a minute.
  const Date almost{8.5 / 24.0 - 0.0001 * kSecond};
  EXPECT_EQ(Hour(almost), 8);
  EXPECT_EQ(Minute(almost), 30);
  EXPECT_EQ(Second(almost), 0);
  const Date sum{TimeSerial(0, 10, 0).serial * 3};
  EXPECT_EQ(Minute(sum), 30);
  // Just before midnight rounds into the next day.
  EXPECT_EQ(Format(Date{1.0 - 0.2 * kSecond}, "yyyy-mm-dd hh:nn:ss"), "1899-12-31 00:00:00");
  // Days before 1899-12-30 keep the time as a positive fraction.
  EXPECT_EQ(Format(Date{-1.25}, "yyyy-mm-dd hh:nn"), "1899-12-29 06:00");
}

TEST(Format, Patterns) {
  const Date d = CDate("2026-12-05 08:03:09");
  EXPECT_EQ(Format(d, "yyyy-mm-dd hh:mm:ss"), "2026-12-05 08:03:09");
  EXPECT_EQ(Format(d, "yyyy-mm-dd hh:nn:ss"), "2026-12-05 08:03:09");
  EXPECT_EQ(Format(d, "mm/dd/yy"), "12/05/26");
  EXPECT_EQ(Format(d, "m/d/yyyy h:m"), "12/5/2026 8:3");
  EXPECT_EQ(Format(d, "mm:ss"), "03:09");  // m before s is minutes
  EXPECT_EQ(Format(d, "dddd, mmmm d"), "Saturday, December 5");
  EXPECT_EQ(Format(d, "ddd mmm"), "Sat Dec");
  EXPECT_EQ(Format(d, "h:nn AM/PM"), "8:03 AM");
  EXPECT_EQ(Format(CDate("20:15"), "hh:nn am/pm"), "08:15 pm");
  EXPECT_EQ(Format(CDate("12:00"), "h A/P"), "12 P");
  EXPECT_EQ(Format(d, "\"at\" hh\\h"), "at 08h");
  EXPECT_EQ(Format(d, "HH:MM"), "08:03");
  // A time built from its parts and formatted this way reads back as the same time.
  EXPECT_EQ(Format(CDate("8:30"), "yyyy-mm-dd hh:mm:ss"), "1899-12-30 08:30:00");
  EXPECT_EQ(CDate(Format(CDate("8:30"), "yyyy-mm-dd hh:mm:ss")), CDate("8:30"));
}

TEST(CStr, DatesShowOnlyTheirMeaningfulParts) {
  EXPECT_EQ(CStr(CDate("8:30")), "08:30:00");
  EXPECT_EQ(CStr(Date{0.0}), "00:00:00");
  EXPECT_EQ(CStr(CDate("2026-12-05")), "2026-12-05");
  EXPECT_EQ(CStr(CDate("2026-12-05 17:45:01")), "2026-12-05 17:45:01");
  for (const char* text : {"08:30:00", "2026-12-05", "2026-12-05 17:45:01"}) {
    EXPECT_EQ(CStr(CDate(CStr(CDate(text)))), text);
  }
}

}  // namespace
}  // namespace prefdesk::automation
