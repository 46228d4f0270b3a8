// Conversions between automation values, as the automation layer defines them.
// Whole-number conversions round half to even; Null raises 94, Empty converts to zero or "";
// a text that is not a number raises 13; a value out of range raises 6.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/variant.h"

namespace prefdesk::automation {

bool CBool(const Variant& v);
int16_t CInt(const Variant& v);
int32_t CLng(const Variant& v);
float CSng(const Variant& v);
double CDbl(const Variant& v);
Currency CCur(const Variant& v);
// Texts: "8:30", "08:30:00", "8:30 PM", "2026-12-05", "2026-12-05 08:30:00"; a numeric text and
// a number are taken as the serial itself. Outside the years 100 to 9999 raises 6.
Date CDate(const Variant& v);
// Booleans "True"/"False"; doubles with up to 15 significant digits and singles with up to 7
// ("12.5", "3", "1E+15", "1E-05"); currency as CurrencyToText; dates as "yyyy-mm-dd hh:mm:ss",
// shortened to "hh:mm:ss" when the date part is 1899-12-30 and to "yyyy-mm-dd" at midnight.
std::string CStr(const Variant& v);
ObjectRef CObj(const Variant& v);    // raises 13 unless an object (a missing object raises 91)

// True when the value is a number or a text that reads as one (the platform's numeric test):
// Empty and booleans are numeric, Null, dates, objects and "" are not.
bool IsNumeric(const Variant& v);

// Date parts and construction. Months, days, hours, minutes and seconds outside their ranges
// carry over (month 13 is January of the next year); a result outside the years 100 to 9999
// raises 6. The part readers round to the nearest second first.
Date DateFromParts(int year, int month, int day, int hour, int minute, int second);
Date TimeSerial(int hour, int minute, int second);
int Hour(Date d);
int Minute(Date d);
int Second(Date d);

// Format of a date by a pattern made of yyyy, yy, m/mm (month; minutes right after h/hh or right
// before s/ss), mmm/mmmm (month name), d/dd, ddd/dddd (weekday name), h/hh, n/nn, s/ss and
// AM/PM or A/P (12-hour clock). Quoted text and a character after \ are copied as they are.
std::string Format(Date d, std::string_view pattern);

// Text of a currency as the platform writes it: no thousands separator, up to four decimals,
// trailing zeros dropped ("12.5", "100", "-3.25").
std::string CurrencyToText(Currency c);

// Upper case of ASCII letters (the language test compares with "CHINESE").
std::string UCase(std::string_view text);

// Case-blind comparison of ASCII text (field names, member names).
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace prefdesk::automation
