#include "platform/ado/value_mapping.h"

#include <sqlite3.h>

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "platform/automation/date_text.h"
#include "platform/automation/numeric_text.h"
#include "platform/ado/types.h"
#include "platform/automation/conversions.h"

namespace prefdesk::ado {
namespace {

using automation::Variant;

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  for (auto n : names) {
    if (name == n) return true;
  }
  return false;
}

bool Contains(std::string_view name, std::string_view part) {
  return name.find(part) != std::string_view::npos;
}

Variant WholeNumber(sqlite3_int64 v) {
  if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max()) {
    return Variant(static_cast<int32_t>(v));
  }
  return Variant(static_cast<double>(v));
}

std::string_view Text(sqlite3_stmt* statement, int column) {
  auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text ? std::string_view(text, sqlite3_column_bytes(statement, column)) : std::string_view();
}

// Each call into the engine for a column takes the connection's lock, so the storage class
// is asked for once per value and handed on.
Variant ByStorageClass(sqlite3_stmt* statement, int column, int storage) {
  switch (storage) {
    case SQLITE_INTEGER:
      return WholeNumber(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
      return Variant(sqlite3_column_double(statement, column));
    case SQLITE_NULL:
      return Variant::Null();
    default:
      return Variant(Text(statement, column));
  }
}

bool IsNumber(int storage) { return storage == SQLITE_INTEGER || storage == SQLITE_FLOAT; }

Variant AsBoolean(sqlite3_stmt* statement, int column, int storage) {
  if (IsNumber(storage)) return Variant(sqlite3_column_double(statement, column) != 0);
  std::string_view text = Text(statement, column);
  if (automation::EqualsIgnoreCase(text, "true")) return Variant(true);
  if (automation::EqualsIgnoreCase(text, "false")) return Variant(false);
  return Variant(text);
}

Variant AsCurrency(sqlite3_stmt* statement, int column, int storage) {
  if (storage == SQLITE_INTEGER) {
    return Variant(automation::Currency{sqlite3_column_int64(statement, column) * 10000});
  }
  if (IsNumber(storage)) {
    return Variant(automation::Currency::FromDouble(sqlite3_column_double(statement, column)));
  }
  std::string_view text = Text(statement, column);
  if (auto decimal = automation::detail::ParseDecimalText(text)) {
    if (auto currency = automation::detail::DecimalToCurrency(*decimal)) return Variant(*currency);
  }
  return Variant(text);
}

Variant AsDate(sqlite3_stmt* statement, int column, int storage) {
  if (IsNumber(storage)) {
    return Variant(automation::Date{sqlite3_column_double(statement, column)});
  }
  std::string_view text = Text(statement, column);
  if (auto date = automation::detail::ParseDateText(text)) return Variant(*date);
  return Variant(text);
}

}  // namespace

ColumnType ColumnTypeFromDeclared(std::string_view declared) {
  std::string name = automation::UCase(declared);
  ColumnType result;
  if (auto open = name.find('('); open != std::string::npos) {
    auto close = name.find(')', open);
    std::string_view size(name.data() + open + 1,
                          (close == std::string::npos ? name.size() : close) - open - 1);
    while (!size.empty() && size.front() == ' ') size.remove_prefix(1);
    std::from_chars(size.data(), size.data() + size.size(), result.defined_size);
    name.erase(open);
  }
  while (!name.empty() && name.back() == ' ') name.pop_back();
  result.declared = true;
  if (IsOneOf(name, {"BOOLEAN", "BOOL", "BIT", "YESNO", "LOGICAL"})) {
    result.type = adBoolean;
  } else if (IsOneOf(name, {"CURRENCY", "MONEY", "SMALLMONEY"})) {
    result.type = adCurrency;
  } else if (Contains(name, "DATE") || Contains(name, "TIME")) {
    result.type = adDate;
  } else if (Contains(name, "INT") || name == "LONG" || name == "COUNTER" || name == "AUTOINCREMENT") {
    result.type = adInteger;
  } else if (Contains(name, "CHAR") || Contains(name, "TEXT") || Contains(name, "CLOB") ||
             name == "STRING" || name == "MEMO") {
    result.type = adVarWChar;
  } else if (Contains(name, "REAL") || Contains(name, "DOUB") || Contains(name, "FLOA") ||
             IsOneOf(name, {"SINGLE", "NUMERIC", "DECIMAL", "NUMBER"})) {
    result.type = adDouble;
  } else {
    result = ColumnType{};
  }
  if (result.type != adVarWChar) result.defined_size = 0;
  return result;
}

Variant ColumnValue(sqlite3_stmt* statement, int column, const ColumnType& type) {
  const int storage = sqlite3_column_type(statement, column);
  if (storage == SQLITE_NULL) return Variant::Null();
  if (!type.declared) return ByStorageClass(statement, column, storage);
  switch (type.type) {
    case adBoolean:
      return AsBoolean(statement, column, storage);
    case adCurrency:
      return AsCurrency(statement, column, storage);
    case adDate:
      return AsDate(statement, column, storage);
    case adVarWChar:
      return Variant(Text(statement, column));
    case adDouble:
      if (IsNumber(storage)) return Variant(sqlite3_column_double(statement, column));
      return Variant(Text(statement, column));
    default:  // integer and double columns keep text that is not a number as text
      return ByStorageClass(statement, column, storage);
  }
}

int TypeOfValue(const Variant& value) {
  switch (value.Type()) {
    case automation::VarType::Long:
    case automation::VarType::Integer:
      return adInteger;
    case automation::VarType::Double:
    case automation::VarType::Single:
      return adDouble;
    default:
      return adVarWChar;
  }
}

}  // namespace prefdesk::ado
