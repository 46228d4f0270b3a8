// The host's navigation column bar, built from the user's saved layout, and the user's
// primary title.
#pragma once

#include <memory>
#include <string>

#include "platform/ado/connection.h"
#include "src/storage/datacenter.h"

namespace prefdesk::columnsbar { class ColumnsBar; }

namespace prefdesk::columns {

// Opens its own local connection from the connection string, reads the user's titles and
// lists through the data service and their captions locally, and hands back a new column bar
// in `bar`. True when it failed; the error has been shown.
bool ReadColumnsBar(const std::string& connection_string, storage::DataCenterRef dc,
                    std::shared_ptr<columnsbar::ColumnsBar>& bar);

// The user's primary title: its name and its caption in the interface language. True when it
// failed; the error has been shown.
bool GetDefaultColumn(std::shared_ptr<ado::Connection> cn, storage::DataCenterRef dc,
                      std::string& name, std::string& caption);

}  // namespace prefdesk::columns
