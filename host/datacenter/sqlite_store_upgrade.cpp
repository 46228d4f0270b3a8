// The upgrade of a SQLite server database file.
#include <sqlite3.h>

#include "host/datacenter/database_files.h"
#include "host/datacenter/store_upgrade.h"
#include "platform/ado/types.h"
#include "platform/automation/error.h"
#include "src/storage/schema.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::datacenter {
namespace {

constexpr const char* kSource = "UpgradeSqliteStore";
// Another client's write lock is waited for this long before a statement fails.
constexpr int kBusyTimeoutMs = 5000;

class SqliteUpgradeStore : public UpgradeStore {
 public:
  explicit SqliteUpgradeStore(const std::filesystem::path& file) {
    if (sqlite3_open_v2(file.string().c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
      sqlite3_close(db_);
      db_ = nullptr;
      automation::Raise(ado::kErrProvider, kSource, "Cannot open " + file.string() + ": " + message);
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
  }
  ~SqliteUpgradeStore() override { sqlite3_close(db_); }
  SqliteUpgradeStore(const SqliteUpgradeStore&) = delete;
  SqliteUpgradeStore& operator=(const SqliteUpgradeStore&) = delete;

  const char* RowIdentity() const override { return "rowid"; }

  std::vector<std::vector<std::string>> Query(const std::string& sql) override {
    std::vector<std::vector<std::string>> rows;
    Run(sql, [](void* into, int count, char** values, char**) {
      auto& rows = *static_cast<std::vector<std::vector<std::string>>*>(into);
      rows.emplace_back();
      for (int i = 0; i < count; ++i) rows.back().emplace_back(values[i] ? values[i] : "NULL");
      return 0;
    }, &rows);
    return rows;
  }

  void Exec(const std::string& sql) override {
    Run(sql == "BEGIN" ? "BEGIN IMMEDIATE" : sql, nullptr, nullptr);
  }

  bool HasIndex(const std::string& name) override {
    return !Query("SELECT 1 FROM sqlite_master WHERE type = 'index' AND lower(name) = lower(" +
                  storage::SqlText(name) + ")")
                .empty();
  }

  // The table and its twenty triggers (five tables: insert, update, update of F_UID, delete).
  bool HasChangeStamps() override {
    return Query("SELECT count(*) FROM sqlite_master WHERE (type = 'table' AND name = " +
                 storage::SqlText(storage::schema::T_PCHANGE) + ") OR "
                 "(type = 'trigger' AND name LIKE '%\\_STAMP\\_%' ESCAPE '\\')")[0][0] == "21";
  }
  std::string ChangeStampsScript() const override { return std::string(kSqliteChangeStampsScript); }
  std::string SaveLockScript() const override { return ""; }

 private:
  void Run(const std::string& sql, int (*callback)(void*, int, char**, char**), void* into) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), callback, into, &message) == SQLITE_OK) return;
    const std::string error = message ? message : sqlite3_errmsg(db_);
    sqlite3_free(message);
    automation::Raise(ado::kErrProvider, kSource, error);
  }

  sqlite3* db_ = nullptr;
};

}  // namespace

std::unique_ptr<UpgradeStore> OpenSqliteUpgradeStore(const std::filesystem::path& file) {
  return std::make_unique<SqliteUpgradeStore>(file);
}

}  // namespace prefdesk::datacenter
