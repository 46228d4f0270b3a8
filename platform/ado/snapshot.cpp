#include "platform/ado/snapshot.h"

#include <sqlite3.h>

#include <memory>

#include "platform/ado/errors.h"
#include "platform/ado/types.h"
#include "platform/ado/value_mapping.h"
#include "platform/automation/error.h"

namespace prefdesk::ado {
namespace {

[[noreturn]] void RaiseEngine(sqlite3* db) {
  automation::Raise(kErrProvider, kConnectionSource, sqlite3_errmsg(db));
}

struct Finalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using StatementPtr = std::unique_ptr<sqlite3_stmt, Finalizer>;

// Steps a prepared statement to its end, keeping every row.
Snapshot ReadSnapshot(sqlite3_stmt* statement) {
  Snapshot result;
  const int count = sqlite3_column_count(statement);
  std::vector<ColumnType> types;
  for (int i = 0; i < count; ++i) {
    const char* declared = sqlite3_column_decltype(statement, i);
    types.push_back(ColumnTypeFromDeclared(declared ? declared : ""));
    result.fields.push_back({sqlite3_column_name(statement, i), types.back().type,
                             types.back().defined_size});
  }
  int rc;
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    std::vector<automation::Variant> row;
    row.reserve(count);
    for (int i = 0; i < count; ++i) row.push_back(ColumnValue(statement, i, types[i]));
    result.rows.push_back(std::move(row));
  }
  if (rc != SQLITE_DONE) RaiseEngine(sqlite3_db_handle(statement));
  // Undeclared columns take the type of their first non-null value.
  for (int i = 0; i < count; ++i) {
    if (types[i].declared) continue;
    result.fields[i].type = adVarWChar;
    for (const auto& row : result.rows) {
      if (!row[i].IsNull()) {
        result.fields[i].type = TypeOfValue(row[i]);
        break;
      }
    }
  }
  return result;
}

}  // namespace

std::optional<Snapshot> RunStatements(sqlite3* db, std::string_view sql) {
  std::optional<Snapshot> result;
  const char* next = sql.data();
  const char* end = sql.data() + sql.size();
  while (next < end) {
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, next, static_cast<int>(end - next), &raw, &tail) != SQLITE_OK) {
      RaiseEngine(db);
    }
    StatementPtr statement(raw);
    next = tail;
    if (!statement) continue;  // only blanks or a comment were left
    if (sqlite3_column_count(statement.get()) > 0 && !result) {
      result = ReadSnapshot(statement.get());
      continue;
    }
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) RaiseEngine(db);
  }
  return result;
}

}  // namespace prefdesk::ado
