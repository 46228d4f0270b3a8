// Reading query results into memory: the rows and typed fields a client-side static record
// set holds. Also usable by other SQLite code that wants ADO record sets of its statements.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/ado/recordset.h"
#include "platform/automation/variant.h"

struct sqlite3;
struct sqlite3_stmt;

namespace prefdesk::ado {

struct Snapshot {
  std::vector<FieldDefinition> fields;
  std::vector<std::vector<automation::Variant>> rows;
};

// Steps a prepared statement to its end (it is not finalized). Raises kErrProvider with the
// engine's message when a step fails.
Snapshot ReadSnapshot(sqlite3_stmt* statement);

// Runs every statement of `sql` in order. Returns the rows of the first statement that yields
// columns, or nothing when none does. Raises kErrProvider with the engine's message.
std::optional<Snapshot> RunStatements(sqlite3* db, std::string_view sql);

}  // namespace prefdesk::ado
