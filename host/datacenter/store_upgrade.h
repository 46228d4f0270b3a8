// Bringing an existing server database up to what init makes today: a list of steps, each
// with a name, a test of whether the store already has it and what adds it. Every step is
// idempotent and runs in a transaction of its own, and says in one line what it found and did.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace prefdesk::datacenter {

// The statements of an upgrade on one store: a SQLite file or a PostgreSQL schema. Every
// member raises (AutomationError) with the engine's message when a statement fails.
class UpgradeStore {
 public:
  virtual ~UpgradeStore() = default;
  // The column that tells rows of a table apart, in the order they were stored.
  virtual const char* RowIdentity() const = 0;
  // The rows of a query as texts; NULL reads "NULL".
  virtual std::vector<std::vector<std::string>> Query(const std::string& sql) = 0;
  // Runs the statements of sql.
  virtual void Exec(const std::string& sql) = 0;
  virtual bool HasIndex(const std::string& name) = 0;
  // Whether the change-stamp table and its triggers are all there, and the data folder's
  // script that adds them on this engine.
  virtual bool HasChangeStamps() = 0;
  virtual std::string ChangeStampsScript() const = 0;
  // The script that adds the rows a PostgreSQL save locks; empty on an engine whose saves lock
  // the whole file.
  virtual std::string SaveLockScript() const = 0;
};

// The server database file; raises when it cannot be opened.
std::unique_ptr<UpgradeStore> OpenSqliteUpgradeStore(const std::filesystem::path& file);
#ifdef PREFDESK_HAVE_POSTGRESQL
// The schema's tables, as the role of the connection (the one that ran init) sees them.
std::unique_ptr<UpgradeStore> OpenPostgresUpgradeStore(const std::string& connection_string,
                                                       const std::string& schema);
#endif

struct UpgradeStep {
  std::string name;
  std::function<bool(UpgradeStore&)> present;
  // Adds it with the scripts of the data folder; returns what it found and did.
  std::function<std::string(UpgradeStore&, const std::filesystem::path& data_dir)> add;
};

// The steps in the order they run.
const std::vector<UpgradeStep>& UpgradeSteps();

// Runs every step, each in a transaction of its own, and calls say with its line: the step's
// name, then "already there" or what it found and did. A step that fails raises after its
// transaction was rolled back; the steps before it stay done.
void UpgradeServerStore(UpgradeStore& store, const std::filesystem::path& data_dir,
                        const std::function<void(const std::string&)>& say);

}  // namespace prefdesk::datacenter
