// GetDefValColumnsCaption: the local captions of a layout read from the server.
#pragma once

#include <memory>

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"

namespace prefdesk::columns {

// Copies the server layout sets, from their current rows to their ends, into new title-list
// and list-son sets whose captions come from the local database (empty when no local row).
// True when it failed; the error has been shown.
[[nodiscard]] bool GetDefValColumnsCaption(std::shared_ptr<ado::Connection> BaseConn,
                             const std::shared_ptr<ado::Recordset>& server_title_lists,
                             const std::shared_ptr<ado::Recordset>& server_list_sons,
                             std::shared_ptr<ado::Recordset>& title_lists,
                             std::shared_ptr<ado::Recordset>& list_sons);

}  // namespace prefdesk::columns
