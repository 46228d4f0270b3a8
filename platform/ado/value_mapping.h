// How database values become automation values: a column's ADO type comes from its declared
// type, and each stored value is read according to that type.
#pragma once

#include <string_view>

#include "platform/automation/variant.h"

struct sqlite3_stmt;

namespace prefdesk::ado {

struct ColumnType {
  int type = 0;           // DataTypeEnum
  int defined_size = 0;   // n of VARCHAR(n) and the like; 0 otherwise
  bool declared = false;  // false: no declared type, values typed by their storage class
};

// "INTEGER", "VARCHAR(50)", "BOOLEAN", "DATETIME", ... (case-blind). An empty or unknown
// declaration gives an undeclared column.
ColumnType ColumnTypeFromDeclared(std::string_view declared);

// The value of column `column` of the current row of `statement`.
automation::Variant ColumnValue(sqlite3_stmt* statement, int column, const ColumnType& type);

// The ADO type of an undeclared column, from a value read from it.
int TypeOfValue(const automation::Variant& value);

}  // namespace prefdesk::ado
