#include "src/settings/accepted_values.h"

#include "platform/automation/conversions.h"

namespace prefdesk::settings {

bool IsOnMinuteStep(automation::Date time) { return automation::Minute(time) % kMinuteStep == 0; }

bool IsValidCalendar(const std::array<automation::Date, 4>& times, int32_t interval) {
  return std::ranges::all_of(times, IsOnMinuteStep) && IsOneOf(kTimeSlotIntervals, interval) &&
         StartsBeforeEnd(times[1], times[2]);
}

bool IsKeptExactly(automation::Currency cash) {
  constexpr int64_t kFifteenDigits = 1'000'000'000'000'000;
  int64_t digits = cash.scaled < 0 ? -cash.scaled : cash.scaled;
  while (digits != 0 && digits % 10 == 0) digits /= 10;
  return digits < kFifteenDigits;
}

bool IsValidChargeNumber(std::string_view text) {
  size_t characters = 0;
  for (size_t i = 0; i < text.size(); ++characters) {
    const auto byte = [&](size_t at) { return at < text.size() ? static_cast<unsigned char>(text[at]) : 0u; };
    const unsigned lead = byte(i);
    const size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0) return false;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return false;
      code = (code << 6) | (byte(i + k) & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool overlong = code < kLeast[length];
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    const bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F);
    if (overlong || surrogate || control || code > 0x10FFFF) return false;
    i += length;
  }
  return characters >= 1 && characters <= kChargeNumberLength;
}

}  // namespace prefdesk::settings
