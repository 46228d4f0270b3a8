#include "platform/automation/numeric_text.h"

#include <cstdlib>
#include <limits>

namespace prefdesk::automation::detail {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Large enough to overflow any double, small enough to never overflow int64 arithmetic.
constexpr int64_t kExponentCap = 100000;

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

std::optional<DecimalText> ParseDecimalText(std::string_view text) {
  text = TrimBlanks(text);
  DecimalText result;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    result.negative = text[i] == '-';
    ++i;
  }
  bool any_digit = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    any_digit = true;
    if (!result.digits.empty() || text[i] != '0') result.digits.push_back(text[i]);
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) {
      any_digit = true;
      if (!result.digits.empty() || text[i] != '0') result.digits.push_back(text[i]);
      --result.exponent;
    }
  }
  if (!any_digit) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool exponent_negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      exponent_negative = text[i] == '-';
      ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
    int64_t exponent = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (text[i] - '0');
    }
    result.exponent += exponent_negative ? -exponent : exponent;
  }
  if (i != text.size()) return std::nullopt;
  if (result.digits.empty()) result.exponent = 0;
  return result;
}

double DecimalToDouble(const DecimalText& value) {
  if (value.digits.empty()) return value.negative ? -0.0 : 0.0;
  // No decimal point in this text, so strtod reads it the same in every locale.
  std::string text = value.negative ? "-" : "";
  text += value.digits;
  text += 'e';
  text += std::to_string(value.exponent);
  return std::strtod(text.c_str(), nullptr);
}

std::optional<Currency> DecimalToCurrency(const DecimalText& value) {
  if (value.digits.empty()) return Currency{};
  // Magnitude limit: 2^63 - 1 for positives, 2^63 for negatives.
  const unsigned __int128 limit =
      static_cast<unsigned __int128>(std::numeric_limits<int64_t>::max()) + (value.negative ? 1 : 0);
  const int64_t shift = value.exponent + 4;  // position of the last digit relative to 1/10000
  const int64_t n = static_cast<int64_t>(value.digits.size());
  const int64_t kept_count = shift >= 0 ? n : n + shift;
  if (kept_count + (shift > 0 ? shift : 0) > 20) return std::nullopt;

  unsigned __int128 magnitude = 0;
  for (int64_t k = 0; k < kept_count; ++k) magnitude = magnitude * 10 + (value.digits[k] - '0');
  for (int64_t k = 0; k < shift; ++k) magnitude *= 10;
  if (kept_count < n) {
    // Round the dropped digits half to even.
    const int64_t first_dropped = kept_count < 0 ? -1 : kept_count;
    const int first_digit = first_dropped >= 0 ? value.digits[first_dropped] - '0' : 0;
    bool rest_nonzero = false;
    for (int64_t k = first_dropped + 1; k < n; ++k) rest_nonzero |= value.digits[k] != '0';
    const bool round_up =
        first_digit > 5 || (first_digit == 5 && (rest_nonzero || (magnitude & 1) != 0));
    if (round_up) ++magnitude;
  }
  if (magnitude > limit) return std::nullopt;
  const int64_t scaled = value.negative
                             ? static_cast<int64_t>(-static_cast<__int128>(magnitude))
                             : static_cast<int64_t>(magnitude);
  return Currency{scaled};
}

}  // namespace prefdesk::automation::detail
