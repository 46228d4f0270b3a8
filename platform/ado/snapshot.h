// Running SQL text and reading query results into memory: the rows and typed fields a
// client-side static record set holds.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/ado/recordset.h"
#include "platform/automation/variant.h"

struct sqlite3;

namespace prefdesk::ado {

struct Snapshot {
  std::vector<FieldDefinition> fields;
  std::vector<std::vector<automation::Variant>> rows;
};

// Runs every statement of `sql` in order. Returns the rows of the first statement that yields
// columns, or nothing when none does. Raises kErrProvider with the engine's message.
std::optional<Snapshot> RunStatements(sqlite3* db, std::string_view sql);

}  // namespace prefdesk::ado
