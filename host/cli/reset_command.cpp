#include <iostream>
#include <string>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/confirm.h"
#include "host/cli/server_access.h"
#include "host/cli/session.h"
#include "host/cli/stored_preferences.h"

namespace prefdesk::cli {

int RunReset(const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.push_back({"user", true});
  for (const char* flag : {"yes", "layout", "settings", "schemes", "all"}) accepted.push_back({flag, false});
  const CommandLine line = CommandLine::Parse("reset", words, accepted);
  if (!line.Positional().empty()) throw CliError(kExitUsage, "reset takes no words: " + line.Positional()[0]);
  const int16_t user = UserOption(line);
  int kinds = (line.Has("layout") ? kKindLayout : 0) | (line.Has("settings") ? kKindSettings : 0) |
              (line.Has("schemes") ? kKindSchemes : 0) | (line.Has("all") ? kKindAll : 0);
  if (kinds == 0) kinds = kKindLayout;
  const storage::DataCenterRef server = OpenServerOnly(line);
  const StoredCounts stored = CountStored(*server, user);
  const std::string who = "user " + std::to_string(user);
  if (!stored.Any(kinds)) {
    std::cout << who << " has nothing of that stored (" << stored.Describe(kinds) << "): the defaults apply already\n";
    return kExitOk;
  }
  const std::string what = "the stored preferences of " + who + " (" + stored.Describe(kinds) + ")";
  if (!line.Has("yes") && !Confirmed("Remove " + what + "?")) {
    throw CliError(kExitRefused, "not confirmed; nothing removed (--yes skips the question)");
  }
  ServerTransaction transaction(*server);
  RemoveStored(*server, user, kinds);
  transaction.Commit();
  std::cout << "removed " << what << "\n";
  return kExitOk;
}

}  // namespace prefdesk::cli
