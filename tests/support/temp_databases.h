// Test fixture: a fresh temporary folder holding local.db built from the SQL files of the data
// folder and an ADO connection to it, and a fresh server database with a data service on it:
// server.db in the folder (SQLite), or a schema of its own on the PostgreSQL server named by
// PREFDESK_PG_URL. Everything is removed when the fixture goes away.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/datacenter/sqlite_datacenter.h"
#include "platform/ado/connection.h"
#include "src/storage/datacenter.h"

namespace prefdesk::test_support {

using Rows = std::vector<std::vector<std::string>>;

class PgTestSchema;

enum class ServerBackend { kSqlite, kPostgres };

// kPostgres when PREFDESK_PG_URL is set and not empty, else kSqlite.
ServerBackend ServerBackendFromEnvironment();
// The value of PREFDESK_PG_URL; empty when unset.
std::string PostgresUrlFromEnvironment();

class TempDatabases {
 public:
  // uid is the data service's logged-in user (myinfo.uid). kPostgres needs PREFDESK_PG_URL.
  explicit TempDatabases(int32_t uid = 1, ServerBackend backend = ServerBackendFromEnvironment());
  ~TempDatabases();
  TempDatabases(const TempDatabases&) = delete;
  TempDatabases& operator=(const TempDatabases&) = delete;

  const std::filesystem::path& Folder() const { return folder_; }
  std::filesystem::path LocalPath() const { return folder_ / "local.db"; }
  // The SQLite server file; it exists only on the SQLite back end.
  std::filesystem::path ServerPath() const { return folder_ / "server.db"; }
  ServerBackend Backend() const { return backend_; }
  // The PostgreSQL connection string and schema of the server database; empty on SQLite.
  std::string PostgresUrl() const;
  std::string PostgresSchema() const;
  // "Data Source=<local.db>;", the form a host hands to ReadColumnsBar.
  std::string LocalConnectionString() const;

  const std::shared_ptr<ado::Connection>& Local() const { return local_; }
  const storage::DataCenterRef& Server() const { return server_; }
  // The SQLite data service; null on the PostgreSQL back end.
  std::shared_ptr<datacenter::SqliteDataCenter> SqliteServer() const;
  // Another client of the same server database, on a connection of its own.
  storage::DataCenterRef NewServerClient(int32_t uid) const;

  // Set-up and assertions, each on a short-lived connection of its own (never through the
  // code under test). They throw std::runtime_error with the engine's message on failure.
  void ExecLocal(const std::string& sql) const;
  void ExecServer(const std::string& sql) const;
  // The first column of the first row as a whole number; throws when it is not one.
  int64_t LocalInt(const std::string& sql) const;
  int64_t ServerInt(const std::string& sql) const;
  // Every row as texts; NULL reads "NULL".
  Rows LocalRows(const std::string& sql) const;
  Rows ServerRows(const std::string& sql) const;

  // The user's layout rows: T_PHBUTTON's, then T_PVBUTTON's, for comparisons before and after.
  Rows ServerLayout(int32_t uid) const;
  // Gives the user the whole catalogue as his layout: every title and list visible, in
  // catalogue order, first-level lists with F_PVBUTTONID 0, the first title primary and the
  // first list of each title its primary list.
  void SeedServerLayout(int32_t uid) const;

 private:
  std::filesystem::path folder_;
  ServerBackend backend_;
  std::unique_ptr<PgTestSchema> pg_;
  std::shared_ptr<ado::Connection> local_;
  storage::DataCenterRef server_;
};

}  // namespace prefdesk::test_support
