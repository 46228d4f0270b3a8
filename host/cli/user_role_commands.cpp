// add-user and remove-user: which database role of a shared PostgreSQL server is which user.
#include <iostream>
#include <string>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/confirm.h"
#include "host/cli/full_program.h"
#include "host/cli/locations.h"
#include "platform/automation/error.h"
#ifdef PREFDESK_HAVE_POSTGRESQL
#include "host/datacenter/postgres_errors.h"
#include "host/datacenter/postgres_users.h"
#endif

namespace prefdesk::cli {

namespace {

struct RoleLine {
  CommandLine line;
  ServerLocation server;
  std::string role;
};

RoleLine ParseRoleLine(const std::string& command, const Words& words, bool with_user) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.push_back({"role", true});
  if (with_user) {
    accepted.push_back({"user", true});
    accepted.push_back({"yes", false});
  }
  RoleLine parsed{CommandLine::Parse(command, words, accepted), {}, {}};
  if (!parsed.line.Positional().empty()) {
    throw CliError(kExitUsage, command + " takes no words: " + parsed.line.Positional()[0]);
  }
  parsed.role = parsed.line.ValueOr("role", "");
  if (parsed.role.empty()) throw CliError(kExitUsage, "'" + command + "' needs --role NAME (a role of the server)");
  parsed.server = ServerOption(parsed.line);
  if (parsed.server.kind != ServerLocation::Kind::kPostgres) {
    throw CliError(kExitUsage, command + " needs a postgresql:// server: a SQLite server database serves "
                                         "one machine and has no users of its own");
  }
  return parsed;
}

#ifdef PREFDESK_HAVE_POSTGRESQL
template <typename Change>
datacenter::PgUserChange Apply(const ServerLocation& server, Change change) {
  datacenter::PgUserChange result;
  try {
    result = change();
  } catch (const automation::AutomationError& error) {
    if (error.Number() == datacenter::kErrPgBrokenConnection) {
      throw CliError(kExitUnreachable, "cannot reach the server " + server.Describe() + ": " + error.Description());
    }
    throw CliError(kExitFailed, server.Describe() + ": " + error.Description() + "; nothing changed");
  }
  if (result.refused) throw CliError(kExitRefused, result.message);
  return result;
}
#endif

}  // namespace

int RunAddUser(const Words& words) {
  const RoleLine parsed = ParseRoleLine("add-user", words, true);
  [[maybe_unused]] const int16_t user = UserOption(parsed.line);
#ifdef PREFDESK_HAVE_POSTGRESQL
  Apply(parsed.server, [&] {
    return datacenter::AddPgUser(parsed.server.connection_string, parsed.server.schema, user, parsed.role,
                                 [&](const std::string& roles) {
                                   return parsed.line.Has("yes") ||
                                          Confirmed("User " + std::to_string(user) + " is role " + roles +
                                                    " already. Make role " + parsed.role + " user " +
                                                    std::to_string(user) + " too?");
                                 });
  });
  std::cout << "role " << parsed.role << " is user " << user << " of " << parsed.server.Describe()
            << ": it reaches that user's rows alone\n";
  return kExitOk;
#else
  RunInFullProgram(kBuiltWithoutPostgres);
#endif
}

int RunRemoveUser(const Words& words) {
  const RoleLine parsed = ParseRoleLine("remove-user", words, false);
#ifdef PREFDESK_HAVE_POSTGRESQL
  const datacenter::PgUserChange removed = Apply(parsed.server, [&] {
    return datacenter::RemovePgUser(parsed.server.connection_string, parsed.server.schema, parsed.role);
  });
  std::cout << "role " << parsed.role << " is no longer user " << removed.uid << " of "
            << parsed.server.Describe() << "; the user's rows stay\n";
  return kExitOk;
#else
  RunInFullProgram(kBuiltWithoutPostgres);
#endif
}

}  // namespace prefdesk::cli
