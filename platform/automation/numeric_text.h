// Reading numbers from text, shared by the numeric conversions and IsNumeric.
// A numeric text is: blanks, an optional sign, digits with an optional decimal point
// (at least one digit), an optional exponent (e or E, optional sign, digits), blanks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/automation/variant.h"

namespace prefdesk::automation::detail {

// The exact decimal value of a numeric text: digits * 10^exponent.
struct DecimalText {
  bool negative = false;
  std::string digits;  // no leading zeros; empty for zero
  int64_t exponent = 0;
};

std::optional<DecimalText> ParseDecimalText(std::string_view text);

// The nearest double (may be infinite when the text is out of range).
double DecimalToDouble(const DecimalText& value);

// The value scaled by 10 000 and rounded half to even; nullopt when it does not fit.
std::optional<Currency> DecimalToCurrency(const DecimalText& value);

// Trims the blanks (space, tab, CR, LF) around a text.
std::string_view TrimBlanks(std::string_view text);

}  // namespace prefdesk::automation::detail
