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
  for (sqlite3_stmt* stmt : prepared_) sqlite3_finalize(stmt);
  sqlite3_close(server_);
  sqlite3_close(local_);
  sqlite3_close(kept_local_);
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

namespace {

// Steps a statement to its end, reading every column of every row once.
long StepAll(sqlite3* db, sqlite3_stmt* stmt, const std::string& sql) {
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
  if (rc != SQLITE_DONE) throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
  return values;
}

sqlite3_stmt* Prepare(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) !=
      SQLITE_OK) {
    throw std::runtime_error(sql + ": " + sqlite3_errmsg(db));
  }
  return stmt;
}

}  // namespace

long Floor::RunOn(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* stmt = Prepare(db, sql);
  try {
    const long values = StepAll(db, stmt, sql);
    sqlite3_finalize(stmt);
    return values;
  } catch (...) {
    sqlite3_finalize(stmt);
    throw;
  }
}

sqlite3* Floor::PreparedOn(const CapturedStatement& statement) {
  if (statement.target == Target::Server) return server_;
  if (!reopen_local_) return local_;
  if (kept_local_ == nullptr) kept_local_ = OpenFile(local_file_);
  return kept_local_;
}

long Floor::RunPrepared() {
  if (prepared_.empty()) {
    for (const CapturedStatement& statement : statements_) {
      prepared_.push_back(Prepare(PreparedOn(statement), statement.sql));
    }
  }
  long values = 0;
  for (size_t i = 0; i < statements_.size(); ++i) {
    sqlite3* db = PreparedOn(statements_[i]);
    const long read = StepAll(db, prepared_[i], statements_[i].sql);
    sqlite3_reset(prepared_[i]);
    values += read;
  }
  return values;
}

}  // namespace prefdesk::bench
