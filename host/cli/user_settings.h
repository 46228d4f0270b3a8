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

// Puts the values (index into SettingKeys, stored value) into the user's row: an Update when
// the row exists, else an Insert.
void WriteMiscRow(storage::DataCenter& dc, int16_t user, bool exists,
                  const std::vector<std::pair<size_t, automation::Variant>>& values);

}  // namespace prefdesk::cli
