// The single settings of one user: the stored row of T_PMISC, the values the component's
// readers deliver, and where each came from.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "host/cli/session.h"
#include "host/cli/setting_keys.h"

namespace prefdesk::cli {

enum class Origin { kServer, kLocalDefault, kFixed };
const char* OriginName(Origin origin);  // "server", "local default", "fixed"
// The origin as text output shows it: the name in the interface language.
std::string OriginLabel(Origin origin);

struct SettingValue {
  automation::Variant value;
  Origin origin = Origin::kServer;
};

// The user's row of T_PMISC, each column in the order of SettingKeys (Empty when missing).
struct MiscRow {
  bool exists = false;
  std::array<automation::Variant, kSettingCount> values;
};
MiscRow ReadMiscRow(storage::DataCenter& dc, int16_t user);

// Every setting through the component's GetVal readers; a reader that fails raises
// CliError(kExitFailed) with the message the component showed.
std::array<SettingValue, kSettingCount> ReadSettings(Session& session);

// What each setting is for a user with nothing stored: the local default, read by the
// component's own readers, or the value fixed in the reader.
std::array<SettingValue, kSettingCount> FactoryDefaults(const std::shared_ptr<ado::Connection>& local);

// The keys read as one set with the key (itself included); the key alone for the others.
std::vector<size_t> SettingSet(size_t index);

// Puts the values (index into SettingKeys, stored value) into the user's row: an Update when
// the row exists, else an Insert.
void WriteMiscRow(storage::DataCenter& dc, int16_t user, bool exists,
                  const std::vector<std::pair<size_t, automation::Variant>>& values);

}  // namespace prefdesk::cli
