#include "support/temp_databases.h"

#include <sqlite3.h>
#include <stdlib.h>

#include <charconv>
#include <stdexcept>

#include "host/datacenter/database_files.h"
#include "support/pg_test_schema.h"
#ifdef PREFDESK_HAVE_POSTGRESQL
#include "host/datacenter/postgres_data_center.h"
#endif

namespace prefdesk::test_support {
namespace {

std::filesystem::path MakeTempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "prefdesk-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  return pattern;
}

// A connection of its own for set-up and assertions.
class RawDatabase {
 public:
  explicit RawDatabase(const std::filesystem::path& file) {
    if (sqlite3_open_v2(file.string().c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      Throw("open " + file.string());
    }
    sqlite3_busy_timeout(db_, 5000);
  }
  ~RawDatabase() { sqlite3_close(db_); }
  RawDatabase(const RawDatabase&) = delete;
  RawDatabase& operator=(const RawDatabase&) = delete;

  void Exec(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Throw(sql);
  }

  // Calls row(statement) for each result row.
  template <typename RowFn>
  void Query(const std::string& sql, RowFn row) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) Throw(sql);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) row(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) Throw(sql);
  }

 private:
  [[noreturn]] void Throw(const std::string& what) {
    throw std::runtime_error(what + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory"));
  }
  sqlite3* db_ = nullptr;
};

Rows AllRows(const std::filesystem::path& file, const std::string& sql) {
  Rows rows;
  RawDatabase(file).Query(sql, [&](sqlite3_stmt* stmt) {
    std::vector<std::string> row;
    for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
      const unsigned char* text = sqlite3_column_text(stmt, c);
      row.emplace_back(text ? reinterpret_cast<const char*>(text) : "NULL");
    }
    rows.push_back(std::move(row));
  });
  return rows;
}

// The first column of the first row as a whole number.
int64_t WholeNumber(const Rows& rows, const std::string& sql) {
  if (rows.empty() || rows[0].empty()) throw std::runtime_error("no row: " + sql);
  const std::string& text = rows[0][0];
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw std::runtime_error("not a whole number: " + sql);
  }
  return value;
}

}  // namespace

ServerBackend ServerBackendFromEnvironment() {
  return PostgresUrlFromEnvironment().empty() ? ServerBackend::kSqlite : ServerBackend::kPostgres;
}

std::string PostgresUrlFromEnvironment() {
  const char* url = getenv("PREFDESK_PG_URL");
  return url ? url : "";
}

TempDatabases::TempDatabases(int32_t uid, ServerBackend backend)
    : folder_(MakeTempFolder()), backend_(backend) {
  try {
    datacenter::BuildDatabase(PREFDESK_DATA_DIR, datacenter::kLocalDatabase, LocalPath());
    local_ = ado::Connection::Create();
    local_->Open(LocalConnectionString());
    if (backend_ == ServerBackend::kSqlite) {
      datacenter::BuildDatabase(PREFDESK_DATA_DIR, datacenter::kServerDatabase, ServerPath());
    } else {
      const std::string url = PostgresUrlFromEnvironment();
      if (url.empty()) throw std::runtime_error("PREFDESK_PG_URL is not set");
      pg_ = std::make_unique<PgTestSchema>(url);
    }
    server_ = NewServerClient(uid);
  } catch (...) {
    local_.reset();
    server_.reset();
    pg_.reset();
    std::filesystem::remove_all(folder_);
    throw;
  }
}

TempDatabases::~TempDatabases() {
  server_.reset();
  local_.reset();
  pg_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string TempDatabases::PostgresUrl() const { return pg_ ? pg_->Url() : std::string(); }
std::string TempDatabases::PostgresSchema() const { return pg_ ? pg_->Schema() : std::string(); }

std::shared_ptr<datacenter::SqliteDataCenter> TempDatabases::SqliteServer() const {
  return std::dynamic_pointer_cast<datacenter::SqliteDataCenter>(server_);
}

std::string TempDatabases::LocalConnectionString() const {
  return "Data Source=" + LocalPath().string() + ";";
}

storage::DataCenterRef TempDatabases::NewServerClient(int32_t uid) const {
#ifdef PREFDESK_HAVE_POSTGRESQL
  if (pg_) {
    datacenter::PostgresSettings settings;
    settings.schema = pg_->Schema();
    return std::make_shared<datacenter::PostgresDataCenter>(pg_->Url(), uid, settings);
  }
#endif
  return std::make_shared<datacenter::SqliteDataCenter>(ServerPath().string(), uid);
}

void TempDatabases::ExecLocal(const std::string& sql) const { RawDatabase(LocalPath()).Exec(sql); }
void TempDatabases::ExecServer(const std::string& sql) const {
  if (pg_) return pg_->Exec(sql);
  RawDatabase(ServerPath()).Exec(sql);
}

Rows TempDatabases::LocalRows(const std::string& sql) const { return AllRows(LocalPath(), sql); }
Rows TempDatabases::ServerRows(const std::string& sql) const {
  if (pg_) {
    Rows rows;
    for (const auto& row : pg_->Query(sql).rows) {
      std::vector<std::string> texts;
      for (const auto& value : row) texts.push_back(value.value_or("NULL"));
      rows.push_back(std::move(texts));
    }
    return rows;
  }
  return AllRows(ServerPath(), sql);
}
int64_t TempDatabases::LocalInt(const std::string& sql) const { return WholeNumber(LocalRows(sql), sql); }
int64_t TempDatabases::ServerInt(const std::string& sql) const { return WholeNumber(ServerRows(sql), sql); }

Rows TempDatabases::ServerLayout(int32_t uid) const {
  const std::string user = " WHERE F_UID = " + std::to_string(uid) + " ORDER BY ";
  Rows rows = ServerRows("SELECT * FROM T_PHBUTTON" + user + "F_HBUTTONID, F_SEQUENCENO");
  for (auto& row : ServerRows("SELECT * FROM T_PVBUTTON" + user + "F_VBUTTONID, F_HBUTTONID, F_SEQUENCENO")) {
    rows.push_back(std::move(row));
  }
  return rows;
}

void TempDatabases::SeedServerLayout(int32_t uid) const {
  const std::string id = std::to_string(uid);
  ExecServer(
      "INSERT INTO T_PHBUTTON (F_UID, F_HBUTTONID, F_SEQUENCENO, F_ISVISIBLE, F_ISPRIMARY) "
      "SELECT " + id + ", F_HBUTTONID, F_SEQUENCENO, 1, "
      "CASE WHEN F_SEQUENCENO = 1 THEN 1 ELSE 0 END FROM SYSTBLHBUTTON;"
      "INSERT INTO T_PVBUTTON (F_UID, F_VBUTTONID, F_HBUTTONID, F_PVBUTTONID, F_SEQUENCENO, "
      "F_ISVISIBLE, F_DEFAULTVISIBLE, F_ISPRIMARY, F_DEFQUERYID) "
      "SELECT " + id + ", v.F_VBUTTONID, v.F_HBUTTONID, COALESCE(v.F_PVBUTTONID, 0), "
      "(SELECT COUNT(*) FROM SYSTBLVBUTTON s WHERE s.F_HBUTTONID = v.F_HBUTTONID "
      "AND COALESCE(s.F_PVBUTTONID, 0) = COALESCE(v.F_PVBUTTONID, 0) "
      "AND s.F_VBUTTONID <= v.F_VBUTTONID), 1, 1, 0, NULL FROM SYSTBLVBUTTON v;"
      "UPDATE T_PVBUTTON SET F_ISPRIMARY = 1 WHERE F_UID = " + id +
      " AND F_PVBUTTONID = 0 AND F_SEQUENCENO = 1;");
}

}  // namespace prefdesk::test_support
