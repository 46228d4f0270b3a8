#include "host/cli/upgrade_command.h"

#include <iostream>

#include "host/cli/cli_error.h"
#include "host/cli/locations.h"
#include "host/cli/session.h"
#include "host/datacenter/store_upgrade.h"
#include "platform/automation/error.h"

namespace prefdesk::cli {

int RunUpgrade(const CommandLine& line) {
  if (line.Has("force") || line.Has("row-security")) {
    throw CliError(kExitUsage, "--upgrade keeps the existing store; it takes neither --force nor --row-security");
  }
  const ServerLocation server = ServerOption(line);
  const std::filesystem::path data = DataFolder(line);
  // The store must exist and be one of this program's; on PostgreSQL this also hands over to
  // the full program.
  OpenServerOnly(line);
  const std::string where = server.kind == ServerLocation::Kind::kSqlite ? server.path.string() : server.Describe();
  std::cout << "upgrading server database: " << where << std::endl;
  try {
#ifdef PREFDESK_HAVE_POSTGRESQL
    const auto store = server.kind == ServerLocation::Kind::kSqlite
                           ? datacenter::OpenSqliteUpgradeStore(server.path)
                           : datacenter::OpenPostgresUpgradeStore(server.connection_string, server.schema);
#else
    const auto store = datacenter::OpenSqliteUpgradeStore(server.path);
#endif
    datacenter::UpgradeServerStore(*store, data, [](const std::string& said) { std::cout << said << std::endl; });
  } catch (const automation::AutomationError& error) {
    throw CliError(kExitFailed, "cannot upgrade " + where + ": " + error.Description() +
                                    " (the steps above are done; this one changed nothing)");
  }
  return kExitOk;
}

}  // namespace prefdesk::cli
