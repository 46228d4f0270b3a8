#include "bench/floor.h"

#include <sqlite3.h>

#include <stdexcept>

namespace prefdesk::bench {
namespace {

sqlite3* OpenFile(const std::filesystem::path& file) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
    const std::string message = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    throw std::runtime_error("open " + file.string() + ": " + message);
  }
  sqlite3_busy_timeout(db, 5000);
  return db;
}

}  // namespace

Floor::Floor(const std::filesystem::path& server_file, const std::filesystem::path& local_file,
             std::vector<CapturedStatement> statements, bool reopen_local)
    : local_file_(local_file), statements_(std::move(statements)), reopen_local_(reopen_local) {
  server_ = OpenFile(server_file);
  if (!reopen_local_) local_ = OpenFile(local_file);
}

Floor::~Floor() {
  sqlite3_close(server_);
  sqlite3_close(local_);
}

long Floor::Run() {
  sqlite3* local = reopen_local_ ? OpenFile(local_file_) : local_;
  long values = 0;
  try {
    for (const CapturedStatement& statement : statements_) {
      values += RunOn(statement.target == Target::Server ? server_ : local, statement.sql);
    }
  } catch (...) {
    if (reopen_local_) sqlite3_close(local);
    throw;
  }
  if (reopen_local_) sqlite3_close(local);
  return values;
}

long Floor::RunOn(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) !=
      SQLITE_OK) {
    throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
  }
  long values = 0;
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    const int columns = sqlite3_column_count(stmt);
    for (int i = 0; i < columns; ++i) {
      switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_INTEGER:
          values += sqlite3_column_int64(stmt, i) != 0;
          break;
        case SQLITE_FLOAT:
          values += sqlite3_column_double(stmt, i) != 0;
          break;
        case SQLITE_NULL:
          break;
        default:
          values += sqlite3_column_text(stmt, i) != nullptr;
          values += sqlite3_column_bytes(stmt, i) > 0;
      }
    }
  }
  sqlite3_finalize(stmt);
  if (rc != SQLITE_DONE) throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
  return values;
}

}  // namespace prefdesk::bench
