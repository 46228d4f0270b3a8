// ReadColumnsBar: the host's column bar built from the user's saved layout.
#pragma once

#include <memory>
#include <string>

#include "platform/columnsbar/columns_bar.h"
#include "src/storage/datacenter.h"

namespace prefdesk::columns {

// Stores a new bar in bar and fills it with the current user's titles, lists and second-level
// lists, hidden ones included, in his order and with local captions in the current language;
// each title's primary lists become its default list. Opens and closes its own connection to
// the local database. True when no bar was built: the user has no titles (no message, the bar
// stays empty) or a failure occurred (shown; the bar keeps what was added).
[[nodiscard]] bool ReadColumnsBar(const std::string& connection_string, storage::DataCenterRef dc,
                    std::shared_ptr<columnsbar::ColumnsBar>& bar);

// What reading the bar came to: built, the user has no titles, or a failure (shown).
enum class BarReading { kBuilt, kNoLayout, kFailed };
// ReadColumnsBar telling its two cases of "no bar" apart, for hosts that treat them differently.
[[nodiscard]] BarReading ReadSavedColumnsBar(const std::string& connection_string,
                                             storage::DataCenterRef dc,
                                             std::shared_ptr<columnsbar::ColumnsBar>& bar);

}  // namespace prefdesk::columns
