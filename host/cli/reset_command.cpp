#include <iostream>
#include <set>
#include <string>

#include "host/cli/cli_error.h"
#include "host/cli/command_line.h"
#include "host/cli/commands.h"
#include "host/cli/confirm.h"
#include "host/cli/server_access.h"
#include "host/cli/session.h"
#include "host/cli/stored_preferences.h"
#include "host/cli/translation.h"
#include "host/cli/user_settings.h"
#include "src/storage/schema.h"

namespace prefdesk::cli {

namespace {

// Single settings back to their defaults: their columns of the user's row become NULL, so the
// readers fall back; a key of a set takes its whole set along, as the readers take the set
// from the row or not at all. A row left with no value is removed.
int ResetSettings(const CommandLine& line, int16_t user) {
  std::set<size_t> keys;
  for (const std::string& word : line.Positional()) {
    for (const size_t i : SettingSet(SettingIndex(word))) keys.insert(i);
  }
  std::string names;
  for (const size_t i : keys) names += (names.empty() ? "" : ", ") + std::string(SettingKeys()[i].name);
  const storage::DataCenterRef server = OpenServerOnly(line);
  const MiscRow row = ReadMiscRow(*server, user);
  bool stored = false, others = false;
  for (size_t i = 0; i < kSettingCount; ++i) {
    const bool present = row.exists && !row.values[i].IsEmptyOrNull();
    (keys.count(i) ? stored : others) |= present;
  }
  const std::string who = "user " + std::to_string(user);
  if (!stored) {
    std::cout << Translate(who + " has none of " + names + " stored: the defaults apply already") << "\n";
    return kExitOk;
  }
  if (!line.Has("yes") && !Confirmed("Reset " + names + " of " + who + " to the defaults?")) {
    throw CliError(kExitRefused, "not confirmed; nothing removed (--yes skips the question)");
  }
  ServerTransaction transaction(*server);
  if (others) {
    std::string assignments;
    for (const size_t i : keys) {
      assignments += (assignments.empty() ? "" : ",") + std::string(SettingKeys()[i].column) + "=NULL";
    }
    UpdateRows(*server, storage::schema::T_PMISC, assignments, UserCondition(user));
  } else {
    RemoveStored(*server, user, kKindSettings);
  }
  transaction.Commit();
  std::cout << Translate("reset " + names + " of " + who + ": the defaults apply") << "\n";
  return kExitOk;
}

}  // namespace

int RunReset(const Words& words) {
  std::vector<OptionSpec> accepted = DatabaseOptions();
  accepted.push_back({"user", true});
  for (const char* flag : {"yes", "layout", "settings", "schemes", "all"}) accepted.push_back({flag, false});
  const CommandLine line = CommandLine::Parse("reset", words, accepted);
  const int16_t user = UserOption(line);
  int kinds = (line.Has("layout") ? kKindLayout : 0) | (line.Has("settings") ? kKindSettings : 0) |
              (line.Has("schemes") ? kKindSchemes : 0) | (line.Has("all") ? kKindAll : 0);
  if (!line.Positional().empty()) {
    if (kinds != 0) throw CliError(kExitUsage, "reset takes KEYs or --layout, --settings, --schemes, --all; not both");
    return ResetSettings(line, user);
  }
  if (kinds == 0) kinds = kKindLayout;
  const storage::DataCenterRef server = OpenServerOnly(line);
  const StoredCounts stored = CountStored(*server, user);
  const std::string who = "user " + std::to_string(user);
  if (!stored.Any(kinds)) {
    std::cout << Translate(who + " has nothing of that stored (" + stored.Describe(kinds) + "): the defaults apply already")
              << "\n";
    return kExitOk;
  }
  const std::string what = "the stored preferences of " + who + " (" + stored.Describe(kinds) + ")";
  if (!line.Has("yes") && !Confirmed("Remove " + what + "?")) {
    throw CliError(kExitRefused, "not confirmed; nothing removed (--yes skips the question)");
  }
  ServerTransaction transaction(*server);
  RemoveStored(*server, user, kinds);
  transaction.Commit();
  std::cout << Translate("removed " + what) << "\n";
  return kExitOk;
}

}  // namespace prefdesk::cli
