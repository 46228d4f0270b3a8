// prefdesk-host: runs the component for one user from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/error_report.h"
#include "host/cli/translation.h"
#include "host/cli/output_files.h"

using namespace prefdesk::cli;

namespace {

// Common options given before the command move after it, so that
// "prefdesk-host --lang zh bar --user 7" is "prefdesk-host bar --user 7 --lang zh".
std::vector<std::string> CommandFirst(const std::vector<std::string>& args) {
  std::vector<OptionSpec> common = DatabaseOptions();
  common.push_back({"user", true});
  common.push_back({"json", false});
  std::vector<std::string> leading;
  size_t i = 0;
  while (i < args.size()) {
    const OptionSpec* spec = FindOption(common, args[i]);
    if (spec == nullptr) break;
    const size_t count = OptionWords(*spec, args, i);
    leading.insert(leading.end(), args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i + count));
    i += count;
  }
  if (i >= args.size()) return args;
  std::vector<std::string> ordered = {args[i]};
  ordered.insert(ordered.end(), leading.begin(), leading.end());
  ordered.insert(ordered.end(), args.begin() + static_cast<long>(i) + 1, args.end());
  return ordered;
}

// "help" alone is the program's help; "help COMMAND" that command's.
int Help(const Words& words) {
  const CommandLine line = CommandLine::Parse("help", words, DatabaseOptions());
  if (line.Positional().empty()) {
    std::cout << ProgramHelp();
    return kExitOk;
  }
  for (const Command& command : Commands()) {
    if (line.Positional()[0] == command.name) {
      std::cout << CommandHelp(command);
      return kExitOk;
    }
  }
  throw CliError(kExitUsage, "unknown command '" + line.Positional()[0] + "' (see: prefdesk-host --help)");
}

// Runs the command the arguments name; its exit code.
int RunProgram(int argc, char** argv) {
  const std::vector<std::string> args = CommandFirst(std::vector<std::string>(argv + 1, argv + argc));
  LanguageFromArguments(args);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::cout << ProgramHelp();
    return args.empty() ? kExitUsage : kExitOk;
  }
  if (args[0] == "help") {
    try {
      return Help(Words(args.begin() + 1, args.end()));
    } catch (...) {
      return ReportError("help");
    }
  }
  if (args[0] == "--version") {
    std::cout << "prefdesk-host " PREFDESK_VERSION "\n"
                 "Licence: MIT. There is NO WARRANTY, to the extent permitted by law.\n";
    return kExitOk;
  }
  for (const Command& command : Commands()) {
    if (args[0] != command.name) continue;
    const Words words(args.begin() + 1, args.end());
    for (const std::string& word : words) {
      if (word == "--") break;
      if (word == "--help" || word == "-h") {
        std::cout << CommandHelp(command);
        return kExitOk;
      }
    }
    try {
      return command.run(words);
    } catch (...) {
      return ReportError(command.name);
    }
  }
  return ReportLine("", std::string(args[0].rfind("--", 0) == 0 ? "unknown option '" : "unknown command '") +
                            args[0] + "' (see: prefdesk-host --help)",
                    kExitUsage);
}

}  // namespace

// Output that did not reach stdout (a full disk, say) fails a command that succeeded
// otherwise: exit 1 and one line.
int main(int argc, char** argv) {
  CheckStandardOutput();
  const int code = RunProgram(argc, argv);
  const std::string unwritten = FinishStandardOutput();
  if (unwritten.empty() || code != kExitOk) return code;
  return ReportLine("", "cannot write the output: " + unwritten, kExitFailed);
}
