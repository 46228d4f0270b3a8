#include <filesystem>
#include <iostream>
#include <set>
#include <unistd.h>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/full_program.h"
#include "host/cli/commands.h"
#include "host/cli/locations.h"
#include "host/cli/output_files.h"
#include "host/cli/upgrade_command.h"
#include "host/datacenter/database_files.h"
#include "platform/automation/error.h"
#ifdef PREFDESK_HAVE_POSTGRESQL
#include "host/datacenter/postgres_data_center.h"
#include "host/datacenter/postgres_schema.h"
#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "src/storage/for_each_row.h"
#include "src/storage/local_query.h"
#include "src/storage/sql_literal.h"
#endif

namespace fs = std::filesystem;

namespace prefdesk::cli {

namespace {

// The databases are built beside their targets and moved into place only when all are built,
// so that a failure leaves no half-made file and the existing files as they were.
class Building {
 public:
  ~Building() {
    std::error_code ignored;
    for (const auto& [building, target] : files_) fs::remove(building, ignored);
  }
  void Build(const fs::path& data, std::string_view kind, const fs::path& target) {
    std::error_code error;
    if (!target.parent_path().empty()) fs::create_directories(target.parent_path(), error);
    const fs::path building = target.string() + ".building-" + std::to_string(getpid());
    files_.emplace_back(building, target);
    try {
      datacenter::BuildDatabase(data, kind, building);
    } catch (const std::exception& failure) {
      throw CliError(kExitDatabase, "cannot create " + target.string() + ": " + failure.what() + "; nothing written");
    }
  }
  void MoveIntoPlace() {
    for (const auto& [building, target] : files_) {
      std::error_code error;
      fs::rename(building, target, error);
      if (error) throw CliError(kExitDatabase, "cannot create " + target.string() + ": " + error.message());
    }
    files_.clear();
  }

 private:
  std::vector<std::pair<fs::path, fs::path>> files_;  // building, target
};

#ifdef PREFDESK_HAVE_POSTGRESQL
// The column "name" of each row of the query, run outside any schema.
std::set<std::string> ServerTexts(const ServerLocation& server, const std::string& sql) {
  datacenter::PostgresDataCenter probe(server.connection_string, 0);
  std::shared_ptr<ado::Recordset> rs;
  if (probe.OpenRecordsetByString(rs, sql) < 0) {
    throw CliError(kExitUnreachable, "cannot reach the server " + server.Describe() + ": " +
                                         probe.GetErrInfo().Description);
  }
  storage::RecordsetCloser closer(rs);
  std::set<std::string> texts;
  storage::ForEachRow(*rs, [&] { texts.insert(automation::CStr((*rs)["name"])); });
  return texts;
}

bool SchemaExists(const ServerLocation& server) {
  return !ServerTexts(server, "SELECT nspname AS name FROM pg_namespace WHERE nspname = " + storage::SqlText(server.schema)).empty();
}

// The tables and views of a schema.
std::set<std::string> Tables(const ServerLocation& server, const std::string& schema) {
  return ServerTexts(server, "SELECT c.relname AS name FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
                             "WHERE c.relkind IN ('r', 'p', 'v', 'm', 'f') AND n.nspname = " + storage::SqlText(schema));
}

// The scripts run in one transaction, so a failure leaves no half-built schema behind. Before
// an existing schema is dropped the scripts are tried in a schema of their own, so that
// scripts that fail leave the existing one as it was.
void BuildSchema(const fs::path& data, const ServerLocation& server, bool replace, bool row_security) {
  try {
    if (replace) {
      // The trial's tables are those this program makes: a schema holding any other is
      // shared with something else and is not dropped.
      const std::string trial = "prefdesk_trial_" + std::to_string(getpid());
      datacenter::BuildPostgresSchema(data, server.connection_string, trial, row_security);
      const std::set<std::string> ours = Tables(server, trial);
      datacenter::DropPostgresSchema(server.connection_string, trial);
      std::string foreign;
      for (const std::string& table : Tables(server, server.schema)) {
        if (!ours.count(table)) foreign += (foreign.empty() ? "" : ", ") + table;
      }
      if (!foreign.empty()) {
        throw CliError(kExitRefused, server.Describe() + " holds tables this program did not create (" + foreign +
                                         "); nothing written (--force replaces only a schema of its own)");
      }
      datacenter::DropPostgresSchema(server.connection_string, server.schema);
    }
    datacenter::BuildPostgresSchema(data, server.connection_string, server.schema, row_security);
  } catch (const automation::AutomationError& error) {
    throw CliError(kExitDatabase, "cannot create " + server.Describe() + ": " + error.Description());
  }
}
#endif

}  // namespace

int RunInit(const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.push_back({"force", false});
  accepted.push_back({"data", true});
  accepted.push_back({"row-security", false});
  accepted.push_back({"upgrade", false});
  const CommandLine line = CommandLine::Parse("init", words, accepted);
  if (!line.Positional().empty()) throw CliError(kExitUsage, "init takes no words: " + line.Positional()[0]);
  if (line.Has("upgrade")) return RunUpgrade(line);
  const fs::path local = DefaultsPath(line);
  const ServerLocation server = ServerOption(line);
  const fs::path data = DataFolder(line);
  if (!fs::is_regular_file(data / "local_schema.sql") || !fs::is_regular_file(data / "server_schema.sql")) {
    throw CliError(kExitDatabase, "no database scripts in " + data.string() + " (give --data DIR)");
  }
  const bool force = line.Has("force");
  const bool row_security = line.Has("row-security");
  if (row_security && server.kind != ServerLocation::Kind::kPostgres) {
    throw CliError(kExitUsage, "--row-security applies to a postgresql:// server only (a SQLite server "
                               "database serves one machine)");
  }
  std::vector<fs::path> targets = {local};
  if (server.kind == ServerLocation::Kind::kSqlite) {
    std::error_code ignored;
    if (fs::weakly_canonical(local) == fs::weakly_canonical(server.path) || fs::equivalent(local, server.path, ignored)) {
      throw CliError(kExitUsage, "--defaults and --server name one file, " + local.string() +
                                     "; the two databases need a file each; nothing written");
    }
    targets.push_back(server.path);
  }
  for (const fs::path& target : targets) {
    if (!force && fs::exists(fs::symlink_status(target))) {
      throw CliError(kExitRefused, target.string() + " already exists; nothing written (--force replaces it)");
    }
    CheckReplaceable(target);
  }
#ifdef PREFDESK_HAVE_POSTGRESQL
  const bool schema_exists = server.kind == ServerLocation::Kind::kPostgres && SchemaExists(server);
  if (schema_exists && !force) {
    throw CliError(kExitRefused, server.Describe() + " already exists; nothing written (--force replaces it)");
  }
  // Replacing drops the whole schema; the shared public schema holds more than ours.
  if (schema_exists && server.schema == "public") {
    throw CliError(kExitRefused, "--force would drop the public schema and everything in it; "
                                 "nothing written (choose another --schema)");
  }
#else
  if (server.kind == ServerLocation::Kind::kPostgres) {
    RunInFullProgram(kBuiltWithoutPostgres);
  }
#endif
  Building files;
  files.Build(data, datacenter::kLocalDatabase, local);
  if (server.kind == ServerLocation::Kind::kSqlite) files.Build(data, datacenter::kServerDatabase, server.path);
#ifdef PREFDESK_HAVE_POSTGRESQL
  if (server.kind == ServerLocation::Kind::kPostgres) BuildSchema(data, server, schema_exists, row_security);
#endif
  files.MoveIntoPlace();
  std::cout << "made from: " << data.string() << "\n";
  std::cout << "local defaults database: " << local.string() << "\n";
  std::cout << "server database: " << (server.kind == ServerLocation::Kind::kSqlite ? server.path.string() : server.Describe())
            << (row_security ? " (row security: each user's role reaches that user's rows alone)" : "") << "\n";
  return kExitOk;
}

}  // namespace prefdesk::cli
