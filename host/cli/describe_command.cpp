// describe: what a setting is, read from the same tables the checks use, its factory default
// and, for a user, the value that user gets now and where it comes from.
#include <iostream>
#include <optional>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/json_output.h"
#include "host/cli/session.h"
#include "host/cli/translation.h"
#include "host/cli/user_settings.h"
#include "src/storage/schema.h"

namespace prefdesk::cli {

namespace {

// Columns on a terminal: a Chinese character takes two.
size_t Width(const std::string& text) {
  size_t width = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    width += byte < 0x80 ? 1 : (byte & 0xC0) == 0xC0 ? 2 : 0;
  }
  return width;
}

void Row(const std::string& label, const std::string& text) {
  const std::string shown = Translate(label);
  std::cout << "  " << shown << std::string(Width(shown) < 17 ? 17 - Width(shown) : 1, ' ') << text << "\n";
}

}  // namespace

int RunDescribe(const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.push_back({"user", true});
  accepted.push_back({"json", false});
  const CommandLine line = CommandLine::Parse("describe", words, accepted);
  if (line.Positional().size() != 1) {
    throw CliError(kExitUsage, "describe needs one KEY (see: prefdesk-host describe --help)");
  }
  const size_t index = SettingIndex(line.Positional()[0]);
  const SettingKey& key = SettingKeys()[index];
  std::optional<Session> session;
  if (line.Value("user")) session.emplace(line, UserOption(line));
  const SettingValue factory = FactoryDefaults(session ? session->Local() : OpenDefaultsOnly(line))[index];
  std::optional<SettingValue> now;
  if (session) now = ReadSettings(*session)[index];
  std::vector<std::string> set;
  for (const size_t i : SettingSet(index)) {
    if (i != index) set.push_back(SettingKeys()[i].name);
  }

  if (line.Has("json")) {
    Json out = {{"key", key.name},
                {"type", TypeName(key.kind)},
                {"accepted", AcceptedJson(key)},
                {"factory_default", SettingJson(key, factory.value)},
                {"factory_default_origin", OriginName(factory.origin)},
                {"column", std::string(storage::schema::T_PMISC) + "." + key.column},
                {"read_with", set}};
    if (now) {
      out["user"] = session->User();
      out["value"] = SettingJson(key, now->value);
      out["origin"] = OriginName(now->origin);
    }
    PrintJson(out);
    return kExitOk;
  }
  std::cout << key.name << "\n";
  Row("type", Translate(TypeName(key.kind)));
  Row("accepted", Translate(AcceptedText(key)));
  Row("factory default", SettingText(key, factory.value) + " (" + OriginLabel(factory.origin) + ")");
  Row("stored in", std::string(storage::schema::T_PMISC) + "." + key.column);
  if (!set.empty()) {
    std::string names;
    for (const std::string& name : set) names += (names.empty() ? "" : ", ") + name;
    Row("read with", names);
  }
  if (now) {
    Row("user " + std::to_string(session->User()), SettingText(key, now->value) + " (" + OriginLabel(now->origin) + ")");
  }
  return kExitOk;
}

}  // namespace prefdesk::cli
