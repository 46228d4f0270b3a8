// How PostgreSQL result columns become ADO fields: the ADO type comes from the column's type
// OID and type modifier, and each value arrives as the server's text form (DateStyle ISO).
#pragma once

#include <string>
#include <string_view>

#include "platform/ado/recordset.h"
#include "platform/automation/variant.h"

namespace prefdesk::datacenter {

// Type OIDs of the built-in types the service maps.
namespace pg_oid {
inline constexpr unsigned kBool = 16, kName = 19, kInt8 = 20, kInt2 = 21, kInt4 = 23,
                          kText = 25, kOid = 26, kFloat4 = 700, kFloat8 = 701, kMoney = 790,
                          kBpchar = 1042, kVarchar = 1043, kDate = 1082, kTime = 1083,
                          kTimestamp = 1114, kTimestampTz = 1184, kTimeTz = 1266,
                          kNumeric = 1700;
}

// Integers -> adInteger; bool -> adBoolean; float4/8 and numeric -> adDouble, except money
// and numeric(19,4) -> adCurrency; date and time types -> adDate; everything else is text
// (adVarWChar), with DefinedSize n for varchar(n) and char(n).
ado::FieldDefinition FieldFromPg(std::string name, unsigned type_oid, int type_modifier);

// The value of a non-null column of the given ADO type. Text that does not read as the type
// stays text, so nothing is lost.
automation::Variant ValueFromPg(const ado::FieldDefinition& field, std::string_view text);

}  // namespace prefdesk::datacenter
