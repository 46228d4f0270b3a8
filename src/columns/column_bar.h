// The host's column bar built from the user's saved layout, and the user's primary title.
#pragma once

#include <memory>
#include <string>

#include "platform/ado/connection.h"
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

// The name of the current user's primary title and its caption in the current language; both
// empty when he has none or its local names are incomplete. True only when a failure
// occurred (shown).
[[nodiscard]] bool GetDefaultColumn(std::shared_ptr<ado::Connection> cn, storage::DataCenterRef dc,
                      std::string& name, std::string& caption);

}  // namespace prefdesk::columns
