// GetDefaultColumn: the user's primary title.
#pragma once

#include <memory>
#include <string>

#include "platform/ado/connection.h"
#include "src/storage/datacenter.h"

namespace prefdesk::columns {

// The name of the current user's primary title and its caption in the current language; both
// empty when he has none or its local names are incomplete. True only when a failure
// occurred (shown).
[[nodiscard]] bool GetDefaultColumn(std::shared_ptr<ado::Connection> cn, storage::DataCenterRef dc,
                      std::string& name, std::string& caption);

}  // namespace prefdesk::columns
