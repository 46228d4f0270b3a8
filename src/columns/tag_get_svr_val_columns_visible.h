// The user's own column layout from the server, with captions from the local database.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "src/storage/datacenter.h"

namespace prefdesk::columns {

// Fills the title-list and list-son record sets (layout_recordsets.h) from the current user's
// saved layout and reports the position range of each level. True when it failed, silently,
// also when the user has no titles, no first-level or no second-level lists: the caller then
// takes the factory layout. Only a failure of the caption step has been shown.
[[nodiscard]] bool tagGetSvrValColumnsVisible(storage::DataCenterRef DataCenter,
                                std::shared_ptr<ado::Connection> BaseConn,
                                std::shared_ptr<ado::Recordset>& title_lists,
                                std::shared_ptr<ado::Recordset>& list_sons,
                                int32_t& min_title_order, int32_t& max_title_order,
                                int32_t& min_list_order, int32_t& max_list_order,
                                int32_t& min_son_order, int32_t& max_son_order);

}  // namespace prefdesk::columns
