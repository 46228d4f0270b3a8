// settings, get and set: the user's single settings as the component's readers deliver them,
// and writing one into the user's row of T_PMISC.
#include <iostream>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/json_output.h"
#include "host/cli/server_access.h"
#include "host/cli/session.h"
#include "host/cli/user_settings.h"

namespace prefdesk::cli {

namespace {

CommandLine SettingsLine(const std::string& command, const Words& words, size_t positional) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.push_back({"user", true});
  accepted.push_back({"json", false});
  accepted.push_back({"show-origin", false});
  CommandLine line = CommandLine::Parse(command, words, accepted);
  if (line.Positional().size() != positional) {
    throw CliError(kExitUsage, command + (positional == 0   ? " takes no words: " + line.Positional()[0]
                                          : positional == 1 ? " needs one KEY"
                                                            : " needs KEY VALUE") +
                                   " (see: prefdesk-host " + command + " --help)");
  }
  return line;
}

void PrintSettings(const std::array<SettingValue, kSettingCount>& values, const std::vector<size_t>& which,
                   const CommandLine& line) {
  const bool origin = line.Has("show-origin");
  if (line.Has("json")) {
    Json out = Json::object();
    for (const size_t i : which) {
      const SettingKey& key = SettingKeys()[i];
      if (origin) {
        out[key.name] = {{"value", SettingJson(key, values[i].value)}, {"origin", OriginName(values[i].origin)}};
      } else {
        out[key.name] = SettingJson(key, values[i].value);
      }
    }
    PrintJson(out);
    return;
  }
  for (const size_t i : which) {
    const SettingKey& key = SettingKeys()[i];
    const std::string name = key.name;
    std::string text = SettingText(key, values[i].value);
    if (which.size() > 1) text = name + std::string(30 - name.size(), ' ') + text;
    if (origin) {
      text += std::string(text.size() < 44 ? 44 - text.size() : 1, ' ') + "(" + OriginLabel(values[i].origin) + ")";
    }
    std::cout << text << "\n";
  }
}

}  // namespace

int RunSettings(const Words& words) {
  const CommandLine line = SettingsLine("settings", words, 0);
  Session session(line, UserOption(line));
  std::vector<size_t> all(kSettingCount);
  for (size_t i = 0; i < kSettingCount; ++i) all[i] = i;
  PrintSettings(ReadSettings(session), all, line);
  return kExitOk;
}

int RunGet(const Words& words) {
  const CommandLine line = SettingsLine("get", words, 1);
  const int16_t user = UserOption(line);
  const size_t index = SettingIndex(line.Positional()[0]);
  Session session(line, user);
  PrintSettings(ReadSettings(session), {index}, line);
  return kExitOk;
}

int RunSet(const Words& words) {
  const CommandLine line = SettingsLine("set", words, 2);
  const int16_t user = UserOption(line);
  const size_t index = SettingIndex(line.Positional()[0]);
  const SettingKey& key = SettingKeys()[index];
  const automation::Variant value = ParseSetting(key, line.Positional()[1]);
  Session session(line, user);
  storage::DataCenter& server = *session.Server();
  // The calendar values and the expense values are read as a set: the others of the set are
  // written with the values the user gets now, so that the row stays usable as a whole.
  std::vector<std::pair<size_t, automation::Variant>> written = {{index, value}};
  if (IsCalendar(key.kind) || IsExpense(key.kind)) {
    const std::array<SettingValue, kSettingCount> now = ReadSettings(session);
    std::array<automation::Variant, kSettingCount> values;
    for (size_t i = 0; i < kSettingCount; ++i) values[i] = i == index ? value : now[i].value;
    if (IsCalendar(key.kind)) CheckCalendar(values);
    written.clear();
    for (const size_t i : SettingSet(index)) written.emplace_back(i, values[i]);
  }
  ServerTransaction transaction(server);
  WriteMiscRow(server, user, ReadMiscRow(server, user).exists, written);
  transaction.Commit();
  if (line.Has("json")) {
    Json stored = Json::object();
    for (const auto& [i, v] : written) stored[SettingKeys()[i].name] = SettingJson(SettingKeys()[i], v);
    PrintJson({{"user", user}, {"key", key.name}, {"value", SettingJson(key, value)}, {"stored", stored}});
  } else {
    std::cout << key.name << " = " << SettingText(key, value) << " (user " << user << ")\n";
  }
  return kExitOk;
}

}  // namespace prefdesk::cli
