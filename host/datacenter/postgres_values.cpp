#include "host/datacenter/postgres_values.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

#include "platform/ado/types.h"
#include "platform/automation/date_text.h"
#include "platform/automation/numeric_text.h"

namespace prefdesk::datacenter {
namespace {

using automation::Variant;

// A numeric's type modifier holds ((precision << 16) | scale) + 4; -1 when unconstrained.
bool IsCurrencyNumeric(int type_modifier) {
  if (type_modifier < 4) return false;
  const int packed = type_modifier - 4;
  return (packed >> 16) == 19 && (packed & 0xffff) == 4;
}

std::optional<Variant> WholeNumber(std::string_view text) {
  int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max()) {
    return Variant(static_cast<int32_t>(value));
  }
  return Variant(static_cast<double>(value));
}

std::optional<Variant> Floating(std::string_view text) {
  if (text == "Infinity") return Variant(std::numeric_limits<double>::infinity());
  if (text == "-Infinity") return Variant(-std::numeric_limits<double>::infinity());
  if (text == "NaN") return Variant(std::numeric_limits<double>::quiet_NaN());
  if (auto decimal = automation::detail::ParseDecimalText(text)) {
    return Variant(automation::detail::DecimalToDouble(*decimal));
  }
  return std::nullopt;
}

// numeric(19,4) prints as "-12.3400"; money as "-$1,234.50" or "($1,234.50)".
std::optional<Variant> CurrencyValue(std::string_view text) {
  std::string plain;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || c == '.' || c == '-') plain += c;
    if (c == '(') plain += '-';
  }
  auto decimal = automation::detail::ParseDecimalText(plain);
  if (!decimal) return std::nullopt;
  auto currency = automation::detail::DecimalToCurrency(*decimal);
  if (!currency) return std::nullopt;
  return Variant(*currency);
}

// "08:30:00.25+02" -> "08:30:00": fractions of a second and zones are dropped, the time of
// day stays as the server wrote it.
std::string_view TimeOfDay(std::string_view text) {
  const size_t cut = text.find_first_of(".+-");
  return cut == std::string_view::npos ? text : text.substr(0, cut);
}

// date "2026-12-05", time "08:30:00", timestamp "2026-12-05 08:30:00".
std::optional<Variant> DateValue(std::string_view text) {
  std::string plain;
  if (const size_t space = text.find(' '); space != std::string_view::npos) {
    plain = std::string(text.substr(0, space)) + " " + std::string(TimeOfDay(text.substr(space + 1)));
  } else if (text.find(':') != std::string_view::npos) {
    plain = TimeOfDay(text);
  } else {
    plain = text;
  }
  if (auto date = automation::detail::ParseDateText(plain)) return Variant(*date);
  return std::nullopt;
}

}  // namespace

ado::FieldDefinition FieldFromPg(std::string name, unsigned type_oid, int type_modifier) {
  ado::FieldDefinition field{std::move(name), ado::adVarWChar, 0};
  switch (type_oid) {
    case pg_oid::kInt2:
    case pg_oid::kInt4:
    case pg_oid::kInt8:
    case pg_oid::kOid:
      field.type = ado::adInteger;
      break;
    case pg_oid::kBool:
      field.type = ado::adBoolean;
      break;
    case pg_oid::kFloat4:
    case pg_oid::kFloat8:
      field.type = ado::adDouble;
      break;
    case pg_oid::kNumeric:
      field.type = IsCurrencyNumeric(type_modifier) ? ado::adCurrency : ado::adDouble;
      break;
    case pg_oid::kMoney:
      field.type = ado::adCurrency;
      break;
    case pg_oid::kDate:
    case pg_oid::kTime:
    case pg_oid::kTimeTz:
    case pg_oid::kTimestamp:
    case pg_oid::kTimestampTz:
      field.type = ado::adDate;
      break;
    case pg_oid::kVarchar:
    case pg_oid::kBpchar:
      field.defined_size = type_modifier >= 4 ? type_modifier - 4 : 0;
      break;
    default:
      break;
  }
  return field;
}

automation::Variant ValueFromPg(const ado::FieldDefinition& field, std::string_view text) {
  std::optional<Variant> value;
  switch (field.type) {
    case ado::adInteger:
      value = WholeNumber(text);
      break;
    case ado::adBoolean:
      if (text == "t") value = Variant(true);
      if (text == "f") value = Variant(false);
      break;
    case ado::adDouble:
      value = Floating(text);
      break;
    case ado::adCurrency:
      value = CurrencyValue(text);
      break;
    case ado::adDate:
      value = DateValue(text);
      break;
    default:
      break;
  }
  return value ? *value : Variant(text);
}

}  // namespace prefdesk::datacenter
