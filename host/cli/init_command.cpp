#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/locations.h"
#include "host/datacenter/database_files.h"
#include "platform/automation/error.h"
#ifdef PREFDESK_HAVE_POSTGRESQL
#include "host/datacenter/postgres_data_center.h"
#include "host/datacenter/postgres_schema.h"
#include "platform/ado/recordset.h"
#include "src/storage/sql_literal.h"
#endif

namespace fs = std::filesystem;

namespace prefdesk::cli {

namespace {

// Builds the database beside its target and moves it into place, so that a failure leaves
// an existing file as it was.
void Build(const fs::path& data, std::string_view kind, const fs::path& target) {
  if (!target.parent_path().empty()) fs::create_directories(target.parent_path());
  const fs::path building = target.string() + ".building-" + std::to_string(getpid());
  try {
    datacenter::BuildDatabase(data, kind, building);
  } catch (const std::exception& error) {
    std::error_code ignored;
    fs::remove(building, ignored);
    throw CliError(kExitDatabase, "cannot create " + target.string() + ": " + error.what());
  }
  fs::rename(building, target);
}

#ifdef PREFDESK_HAVE_POSTGRESQL
bool SchemaExists(const ServerLocation& server) {
  datacenter::PostgresDataCenter probe(server.connection_string, 0);
  std::shared_ptr<ado::Recordset> rs;
  if (probe.OpenRecordsetByString(rs, "SELECT 1 AS one FROM pg_namespace WHERE nspname = " +
                                          storage::SqlText(server.schema)) < 0) {
    throw CliError(kExitUnreachable, "cannot reach the server " + server.Describe() + ": " +
                                         probe.GetErrInfo().Description);
  }
  const bool exists = !rs->IsEOF();
  rs->Close();
  return exists;
}

// The scripts run in one transaction, so a failure leaves no half-built schema behind.
void BuildSchema(const fs::path& data, const ServerLocation& server, bool replace) {
  try {
    if (replace) datacenter::DropPostgresSchema(server.connection_string, server.schema);
    datacenter::BuildPostgresSchema(data, server.connection_string, server.schema);
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
  const CommandLine line = CommandLine::Parse("init", words, accepted);
  if (!line.Positional().empty()) throw CliError(kExitUsage, "init takes no words: " + line.Positional()[0]);
  const fs::path local = DefaultsPath(line);
  const ServerLocation server = ServerOption(line);
  const fs::path data = DataFolder(line);
  if (!fs::is_regular_file(data / "local_schema.sql") || !fs::is_regular_file(data / "server_schema.sql")) {
    throw CliError(kExitDatabase, "no database scripts in " + data.string() + " (give --data DIR)");
  }
  const bool force = line.Has("force");
  std::vector<fs::path> targets = {local};
  if (server.kind == ServerLocation::Kind::kSqlite) targets.push_back(server.path);
  if (!force) {
    for (const fs::path& target : targets) {
      if (fs::exists(target)) {
        throw CliError(kExitRefused, target.string() + " already exists; nothing written (--force replaces it)");
      }
    }
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
    throw CliError(kExitUsage, "this prefdesk-host was built without PostgreSQL support");
  }
#endif
#ifdef PREFDESK_HAVE_POSTGRESQL
  // The schema first: it is the likelier to fail (rights on the server), and then no file
  // has been written yet.
  if (server.kind == ServerLocation::Kind::kPostgres) BuildSchema(data, server, schema_exists);
#endif
  Build(data, datacenter::kLocalDatabase, local);
  std::cout << "local defaults database: " << local.string() << "\n";
  if (server.kind == ServerLocation::Kind::kSqlite) {
    Build(data, datacenter::kServerDatabase, server.path);
    std::cout << "server database: " << server.path.string() << "\n";
  } else {
    std::cout << "server database: " << server.Describe() << "\n";
  }
  return kExitOk;
}

}  // namespace prefdesk::cli
