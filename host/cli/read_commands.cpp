// bar and default-column: what the host reads from the component for one user.
#include <iostream>
#include <memory>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/session.h"
#include "host/cli/json_output.h"
#include "host/cli/translation.h"
#include "platform/columnsbar/columns_bar.h"
#include "src/columns/read_columns_bar.h"

namespace prefdesk::cli {

namespace {

CommandLine ReadLine(const std::string& command, const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.push_back({"user", true});
  accepted.push_back({"json", false});
  CommandLine line = CommandLine::Parse(command, words, accepted);
  if (!line.Positional().empty()) {
    throw CliError(kExitUsage, command + " takes no words: " + line.Positional()[0]);
  }
  return line;
}

}  // namespace

int RunBar(const Words& words) {
  const CommandLine line = ReadLine("bar", words);
  Session session(line, UserOption(line), Shows::kLayout);
  std::shared_ptr<columnsbar::ColumnsBar> bar;
  const columns::BarReading reading =
      columns::ReadSavedColumnsBar(session.LocalConnectionString(), session.Server(), bar);
  if (reading == columns::BarReading::kFailed || !bar) session.Failed("reading the column bar");
  // Without a saved layout the client shows its factory layout.
  const bool saved = reading == columns::BarReading::kBuilt;
  if (line.Has("json")) {
    Json out = {{"user", session.User()}, {"saved_layout", saved}};
    out["titles"] = Json::parse(bar->ToJson())["titles"];
    PrintJson(out);
  } else if (!saved) {
    std::cout << Translate("(user " + std::to_string(session.User()) + " has no saved layout; the factory layout applies)")
              << "\n";
  } else {
    std::cout << bar->ToText();
  }
  return kExitOk;
}

int RunDefaultColumn(const Words& words) {
  const CommandLine line = ReadLine("default-column", words);
  Session session(line, UserOption(line));
  std::string name, caption;
  if (session.Prefdesk().GetDefaultColumn(session.Local(), session.Server(), name, caption)) {
    session.Failed("GetDefaultColumn");
  }
  if (line.Has("json")) {
    PrintJson({{"name", name}, {"caption", caption}});
  } else {
    std::cout << "name     " << name << "\ncaption  " << caption << "\n";
  }
  return kExitOk;
}

}  // namespace prefdesk::cli
