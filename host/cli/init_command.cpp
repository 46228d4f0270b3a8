#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/locations.h"
#include "host/datacenter/database_files.h"

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
  std::vector<fs::path> targets = {local};
  if (server.kind == ServerLocation::Kind::kSqlite) targets.push_back(server.path);
  if (!line.Has("force")) {
    for (const fs::path& target : targets) {
      if (fs::exists(target)) {
        throw CliError(kExitRefused, target.string() + " already exists; nothing written (--force replaces it)");
      }
    }
  }
  Build(data, datacenter::kLocalDatabase, local);
  std::cout << "local defaults database: " << local.string() << "\n";
  if (server.kind == ServerLocation::Kind::kSqlite) {
    Build(data, datacenter::kServerDatabase, server.path);
    std::cout << "server database: " << server.path.string() << "\n";
  } else {
    std::cout << "server " << server.Describe() << " left alone: create its tables with "
              << (data / "postgresql_types.sql").string() << " and " << (data / "server_*.sql").string() << "\n";
  }
  return kExitOk;
}

}  // namespace prefdesk::cli
