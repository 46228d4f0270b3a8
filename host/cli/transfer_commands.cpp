// export, import, copy-user and list-users: a user's preferences as one document, moved
// between users or servers in one transaction.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/confirm.h"
#include "host/cli/json_output.h"
#include "host/cli/output_files.h"
#include "host/cli/preferences_document.h"
#include "host/cli/server_access.h"
#include "host/cli/session.h"
#include "host/cli/stored_preferences.h"
#include "host/cli/translation.h"

namespace fs = std::filesystem;

namespace prefdesk::cli {

namespace {

constexpr std::streamsize kMaxDocumentBytes = 64 << 20;

CommandLine TransferLine(const std::string& command, const Words& words, std::vector<OptionSpec> extra) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.insert(accepted.end(), extra.begin(), extra.end());
  CommandLine line = CommandLine::Parse(command, words, accepted);
  if (!line.Positional().empty()) throw CliError(kExitUsage, command + " takes no words: " + line.Positional()[0]);
  return line;
}

int16_t UserNamed(const CommandLine& line, const std::string& option) {
  const std::optional<std::string> text = line.Value(option);
  if (!text) throw CliError(kExitUsage, "'" + line.Command() + "' needs --" + option + " N");
  return UserOption(CommandLine::Parse(line.Command(), {"--user", *text}, {{"user", true}}));
}

Json ReadDocument(const std::optional<std::string>& file) {
  std::string text;
  const std::string name = file.value_or("stdin");
  if (file) {
    std::error_code error;
    if (fs::is_directory(*file, error)) throw CliError(kExitUsage, name + " is a folder, not a document");
    std::ifstream in(*file, std::ios::binary);
    if (!in) throw CliError(kExitUsage, "cannot read " + name);
    text.resize(static_cast<size_t>(kMaxDocumentBytes) + 1);
    in.read(text.data(), kMaxDocumentBytes + 1);
    text.resize(static_cast<size_t>(in.gcount()));
  } else {
    text.resize(static_cast<size_t>(kMaxDocumentBytes) + 1);
    std::cin.read(text.data(), kMaxDocumentBytes + 1);
    text.resize(static_cast<size_t>(std::cin.gcount()));
  }
  if (text.size() > static_cast<size_t>(kMaxDocumentBytes)) throw CliError(kExitUsage, name + " is larger than 64 MB");
  return ParseDocument(text, name);
}

void Replace(storage::DataCenter& server, int16_t user, const PreferenceRows& rows) {
  ServerTransaction transaction(server);
  WritePreferences(server, user, rows);
  transaction.Commit();
}

}  // namespace

int RunExport(const Words& words) {
  const CommandLine line = TransferLine("export", words, {{"user", true}, {"file", true}});
  const int16_t user = UserOption(line);
  const storage::DataCenterRef server = OpenServerOnly(line);
  const std::string text = IndentedJson(ExportPreferences(*server, user));
  if (const auto file = line.Value("file")) {
    WriteOutputFile(*file, text);
    std::cout << "exported user " << user << " to " << *file << "\n";
  } else {
    std::cout << text;
  }
  return kExitOk;
}

int RunImport(const Words& words) {
  const CommandLine line = TransferLine("import", words, {{"user", true}, {"file", true}});
  const int16_t user = UserOption(line);
  // Opened first: a server this program does not serve hands the command over to the full
  // program before stdin is read, so that the document reaches it.
  const storage::DataCenterRef server = OpenServerOnly(line);
  const Json document = ReadDocument(line.Value("file"));
  const PreferenceRows rows = CheckPreferences(*server, user, document);
  Replace(*server, user, rows);
  const std::string stored = CountStored(*server, user).Describe();
  std::cout << Translate("imported into user " + std::to_string(user) + ": " + stored) << "\n";
  return kExitOk;
}

int RunCopyUser(const Words& words) {
  const CommandLine line = TransferLine("copy-user", words, {{"from", true}, {"to", true}, {"yes", false}});
  const int16_t from = UserNamed(line, "from");
  const int16_t to = UserNamed(line, "to");
  if (from == to) throw CliError(kExitUsage, "--from and --to name the same user");
  const storage::DataCenterRef server = OpenServerOnly(line);
  // Copying nothing would empty the target: a mistyped source must not do that.
  if (!CountStored(*server, from).Any()) {
    throw CliError(kExitUsage, "user " + std::to_string(from) + " has nothing stored; nothing written (reset --user " +
                                   std::to_string(to) + " empties a user)");
  }
  Json document = ExportPreferences(*server, from);
  // A default query names a saved query of its owner: the copy gets none.
  int dropped = 0;
  for (Json& list : document["layout"]["lists"]) {
    if (!list["default_query"].is_null()) ++dropped;
    list["default_query"] = nullptr;
  }
  const PreferenceRows rows = CheckPreferences(*server, to, document);
  const StoredCounts before = CountStored(*server, to);
  if (before.Any() && !line.Has("yes") &&
      !Confirmed("Replace the stored preferences of user " + std::to_string(to) + " (" + before.Describe() + ")?")) {
    throw CliError(kExitRefused, "not confirmed; nothing written (--yes skips the question)");
  }
  Replace(*server, to, rows);
  std::cout << Translate("copied user " + std::to_string(from) + " to user " + std::to_string(to) + ": " +
                         CountStored(*server, to).Describe())
            << "\n";
  if (dropped > 0) {
    std::cout << dropped << " default quer" << (dropped == 1 ? "y was" : "ies were")
              << " not copied: a saved query belongs to its user\n";
  }
  return kExitOk;
}

int RunListUsers(const Words& words) {
  const CommandLine line = TransferLine("list-users", words, {{"json", false}});
  const storage::DataCenterRef server = OpenServerOnly(line);
  const std::map<int32_t, StoredCounts> users = CountStoredByUser(*server);
  if (line.Has("json")) {
    Json out = Json::array();
    for (const auto& [user, c] : users) {
      out.push_back({{"user", user}, {"settings", c.settings > 0}, {"titles", c.titles}, {"lists", c.lists},
                     {"default_queries", c.default_queries}, {"schemes", c.schemes}});
    }
    PrintJson(out);
    return kExitOk;
  }
  if (users.empty()) std::cout << "(no user has stored preferences)\n";
  for (const auto& [user, counts] : users) {
    std::cout << Translate("user " + std::to_string(user) + ": " + counts.Describe()) << "\n";
  }
  return kExitOk;
}

}  // namespace prefdesk::cli
