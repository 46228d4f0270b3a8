// The table of subcommands and the help built from it, in the interface language.
#include <string>

#include "host/cli/commands.h"
#include "host/cli/help_texts.h"
#include "host/cli/translation.h"

namespace prefdesk::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"init", "create the local defaults and embedded server databases", kInitHelp, RunInit},
      {"options", "open the options dialog (Qt, or headless with a script)", kOptionsHelp, RunOptions},
      {"bar", "print the user's navigation column bar", kBarHelp, RunBar},
      {"settings", "print the user's single settings", kSettingsHelp, RunSettings},
      {"get", "print one setting", kGetHelp, RunGet},
      {"set", "store one setting, checked as the reader checks it", kSetHelp, RunSet},
      {"describe", "describe a setting: type, accepted values, factory default", kDescribeHelp, RunDescribe},
      {"default-column", "print the user's primary title", kDefaultColumnHelp, RunDefaultColumn},
      {"invoke", "call a member of ClsPrefdesk by name", kInvokeHelp, RunInvoke},
      {"reset", "remove the user's stored layout, settings, schemes or single settings", kResetHelp, RunReset},
      {"export", "write the user's preferences as a JSON document", kExportHelp, RunExport},
      {"import", "replace the user's preferences with a document's", kImportHelp, RunImport},
      {"copy-user", "give a user another user's preferences", kCopyUserHelp, RunCopyUser},
      {"list-users", "list the users with stored preferences", kListUsersHelp, RunListUsers},
      {"add-user", "let a server role reach one user's rows", kAddUserHelp, RunAddUser},
      {"remove-user", "take back what add-user gave a role", kRemoveUserHelp, RunRemoveUser},
      {"monitor", "print each change of a user's stored preferences", kMonitorHelp, RunMonitor},
      {"completion", "print the bash completion script", kCompletionHelp, RunCompletion},
  };
  return commands;
}

std::string CommandHelp(const Command& command) {
  return Translate(command.help) + Translate(kDatabaseOptions);
}

std::string ProgramHelp() {
  std::string help = Translate(kProgramUsage);
  for (const Command& command : Commands()) {
    help += "  " + std::string(command.name) + std::string(16 - std::string(command.name).size(), ' ') +
            Translate(command.summary) + "\n";
  }
  help += Translate(kCommonOptionsHeading) + Translate(kDatabaseOptions) +
          Translate(kEnvironment) + Translate(kExitCodes);
  return help;
}

}  // namespace prefdesk::cli
