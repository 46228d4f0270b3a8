#include "platform/automation/conversions.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/automation/date_text.h"
#include "platform/automation/dispatch.h"
#include "platform/automation/error.h"
#include "platform/automation/numeric_text.h"

namespace prefdesk::automation {
namespace {

// The number a value stands for in arithmetic; Null raises 94, a non-numeric text 13.
double NumberOf(const Variant& v, const char* source) {
  switch (v.Type()) {
    case VarType::Empty: return 0.0;
    case VarType::Null: Raise(kErrInvalidUseOfNull, source);
    case VarType::Boolean: return *v.Get<bool>() ? -1.0 : 0.0;
    case VarType::Integer: return *v.Get<int16_t>();
    case VarType::Long: return *v.Get<int32_t>();
    case VarType::Single: return *v.Get<float>();
    case VarType::Double: return *v.Get<double>();
    case VarType::Currency: return v.Get<Currency>()->ToDouble();
    case VarType::Date: return v.Get<Date>()->serial;
    case VarType::String: {
      const auto parsed = detail::ParseDecimalText(*v.Get<std::string>());
      if (!parsed) Raise(kErrTypeMismatch, source);
      const double number = detail::DecimalToDouble(*parsed);
      if (std::isinf(number)) Raise(kErrOverflow, source);
      return number;
    }
    case VarType::Object: Raise(kErrTypeMismatch, source);
  }
  Raise(kErrTypeMismatch, source);
}

// A currency rounded half to even to a whole number.
int64_t RoundCurrency(Currency c) {
  int64_t whole = c.scaled / 10000;
  const int64_t rest = c.scaled % 10000;  // same sign as scaled
  const int64_t half = rest < 0 ? -rest : rest;
  if (half > 5000 || (half == 5000 && whole % 2 != 0)) whole += rest < 0 ? -1 : 1;
  return whole;
}

// A value rounded half to even to a whole number within [low, high]; outside raises 6.
int64_t WholeNumber(const Variant& v, int64_t low, int64_t high, const char* source) {
  int64_t whole = 0;
  if (const Currency* c = v.Get<Currency>()) {
    whole = RoundCurrency(*c);
  } else {
    const double rounded = std::nearbyint(NumberOf(v, source));
    if (!(rounded >= static_cast<double>(low) && rounded <= static_cast<double>(high))) {
      Raise(kErrOverflow, source);
    }
    whole = static_cast<int64_t>(rounded);
  }
  if (whole < low || whole > high) Raise(kErrOverflow, source);
  return whole;
}

// Text of a binary floating number with at most `digits` significant digits, using the
// exponent form ("1.5E+16", "1E-05") only for very large or very small magnitudes.
std::string FloatText(double value, int digits) {
  if (value == 0.0) return "0";
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
  // buffer: [-]d.ddddde[+-]xx
  std::string text = buffer;
  const auto e_pos = text.find('e');
  const int exponent = std::atoi(text.c_str() + e_pos + 1);
  std::string mantissa = text.substr(0, e_pos);
  const bool negative = mantissa[0] == '-';
  std::string sig;
  for (char c : mantissa) {
    if (c >= '0' && c <= '9') sig.push_back(c);
  }
  while (sig.size() > 1 && sig.back() == '0') sig.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= digits || exponent < -4) {
    out += sig[0];
    if (sig.size() > 1) out += "." + sig.substr(1);
    char exp_text[16];
    std::snprintf(exp_text, sizeof exp_text, "E%c%02d", exponent < 0 ? '-' : '+',
                  exponent < 0 ? -exponent : exponent);
    return out + exp_text;
  }
  if (exponent < 0) {
    out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + sig;
    return out;
  }
  const size_t int_digits = static_cast<size_t>(exponent) + 1;
  if (sig.size() <= int_digits) return out + sig + std::string(int_digits - sig.size(), '0');
  return out + sig.substr(0, int_digits) + "." + sig.substr(int_digits);
}

bool TextToBool(const std::string& text, const char* source) {
  const std::string_view trimmed = detail::TrimBlanks(text);
  if (EqualsIgnoreCase(trimmed, "True")) return true;
  if (EqualsIgnoreCase(trimmed, "False")) return false;
  return NumberOf(Variant(text), source) != 0.0;
}

}  // namespace

bool CBool(const Variant& v) {
  if (const std::string* text = v.Get<std::string>()) return TextToBool(*text, "CBool");
  if (const bool* b = v.Get<bool>()) return *b;
  if (const Currency* c = v.Get<Currency>()) return c->scaled != 0;
  return NumberOf(v, "CBool") != 0.0;
}

int16_t CInt(const Variant& v) {
  return static_cast<int16_t>(WholeNumber(v, std::numeric_limits<int16_t>::min(),
                                          std::numeric_limits<int16_t>::max(), "CInt"));
}

int32_t CLng(const Variant& v) {
  return static_cast<int32_t>(WholeNumber(v, std::numeric_limits<int32_t>::min(),
                                          std::numeric_limits<int32_t>::max(), "CLng"));
}

float CSng(const Variant& v) {
  if (const float* f = v.Get<float>()) return *f;
  const double number = NumberOf(v, "CSng");
  if (std::isfinite(number) && std::fabs(number) > FLT_MAX) Raise(kErrOverflow, "CSng");
  return static_cast<float>(number);
}

double CDbl(const Variant& v) { return NumberOf(v, "CDbl"); }

Currency CCur(const Variant& v) {
  if (const Currency* c = v.Get<Currency>()) return *c;
  if (const std::string* text = v.Get<std::string>()) {
    const auto parsed = detail::ParseDecimalText(*text);
    if (!parsed) Raise(kErrTypeMismatch, "CCur");
    const auto currency = detail::DecimalToCurrency(*parsed);
    if (!currency) Raise(kErrOverflow, "CCur");
    return *currency;
  }
  if (const int32_t* l = v.Get<int32_t>()) return Currency{int64_t{*l} * 10000};
  return Currency::FromDouble(NumberOf(v, "CCur"));
}

Date CDate(const Variant& v) {
  if (const Date* d = v.Get<Date>()) return *d;
  if (const std::string* text = v.Get<std::string>()) {
    if (const auto date = detail::ParseDateText(*text)) return *date;
    // A number written as text is taken as a serial, as a stored date column may hold one.
    if (!detail::ParseDecimalText(*text)) Raise(kErrTypeMismatch, "CDate");
  }
  const double serial = NumberOf(v, "CDate");
  if (!detail::IsValidSerial(serial)) Raise(kErrOverflow, "CDate");
  return Date{serial};
}

std::string CStr(const Variant& v) {
  switch (v.Type()) {
    case VarType::Empty: return "";
    case VarType::Null: Raise(kErrInvalidUseOfNull, "CStr");
    case VarType::Boolean: return *v.Get<bool>() ? "True" : "False";
    case VarType::Integer: return std::to_string(*v.Get<int16_t>());
    case VarType::Long: return std::to_string(*v.Get<int32_t>());
    case VarType::Single: return FloatText(*v.Get<float>(), 7);
    case VarType::Double: return FloatText(*v.Get<double>(), 15);
    case VarType::Currency: return CurrencyToText(*v.Get<Currency>());
    case VarType::Date: return detail::DateText(*v.Get<Date>());
    case VarType::String: return *v.Get<std::string>();
    case VarType::Object: Raise(kErrTypeMismatch, "CStr");
  }
  Raise(kErrTypeMismatch, "CStr");
}

ObjectRef CObj(const Variant& v) {
  const ObjectRef* object = v.Get<ObjectRef>();
  if (object == nullptr) Raise(kErrTypeMismatch, "CObj");
  if (*object == nullptr) Raise(kErrObjectRequired, "CObj");
  return *object;
}

bool IsNumeric(const Variant& v) {
  switch (v.Type()) {
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
      return true;
    case VarType::String:
      return detail::ParseDecimalText(*v.Get<std::string>()).has_value();
    case VarType::Null:
    case VarType::Date:
    case VarType::Object:
      return false;
  }
  return false;
}

std::string CurrencyToText(Currency c) {
  const bool negative = c.scaled < 0;
  const uint64_t magnitude =
      negative ? uint64_t{0} - static_cast<uint64_t>(c.scaled) : static_cast<uint64_t>(c.scaled);
  std::string text = negative ? "-" : "";
  text += std::to_string(magnitude / 10000);
  uint64_t fraction = magnitude % 10000;
  if (fraction != 0) {
    std::string digits = std::to_string(fraction);
    digits.insert(0, 4 - digits.size(), '0');
    while (digits.back() == '0') digits.pop_back();
    text += "." + digits;
  }
  return text;
}

std::string UCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace prefdesk::automation
