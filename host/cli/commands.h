// The subcommands of prefdesk-host. Each takes the words after its name and returns the exit
// code; failures a person can act on are raised as CliError.
#pragma once

#include <string>
#include <vector>

namespace prefdesk::cli {

using Words = std::vector<std::string>;

struct Command {
  const char* name;
  const char* summary;
  const char* help;  // the --help text of the command, before the common options
  int (*run)(const Words& words);
};

const std::vector<Command>& Commands();
// The --help of the program: commands, common options, environment, exit codes; and of one
// command. Both in the interface language.
std::string ProgramHelp();
std::string CommandHelp(const Command& command);

int RunInit(const Words& words);
int RunOptions(const Words& words);
int RunBar(const Words& words);
int RunSettings(const Words& words);
int RunDefaultColumn(const Words& words);
int RunInvoke(const Words& words);
int RunReset(const Words& words);
int RunGet(const Words& words);
int RunSet(const Words& words);
int RunDescribe(const Words& words);
int RunExport(const Words& words);
int RunImport(const Words& words);
int RunCopyUser(const Words& words);
int RunListUsers(const Words& words);
int RunAddUser(const Words& words);
int RunRemoveUser(const Words& words);
int RunMonitor(const Words& words);
int RunCompletion(const Words& words);

}  // namespace prefdesk::cli
