// GetDefValColumnsVisible: the factory column layout from the local defaults database,
// completed with the server ids of the buttons.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "src/storage/datacenter.h"

namespace prefdesk::columns {

// Builds the title-list and list-son record sets (layout_recordsets.h) of the factory layout
// and reports the order range of each level. Sets ColumnsFromLocalDefaults on success. The
// output sets are left on their last row. True when it failed; the error has been shown.
[[nodiscard]] bool GetDefValColumnsVisible(storage::DataCenterRef DataCenter,
                             std::shared_ptr<ado::Connection> BaseConn,
                             std::shared_ptr<ado::Recordset>& title_lists,
                             std::shared_ptr<ado::Recordset>& list_sons,
                             int32_t& min_title_order, int32_t& max_title_order,
                             int32_t& min_list_order, int32_t& max_list_order,
                             int32_t& min_son_order, int32_t& max_son_order);

}  // namespace prefdesk::columns
