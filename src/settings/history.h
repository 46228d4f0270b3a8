// Length of the history list: the user's F_MAXHISTORY, else the local default.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/ado/connection.h"
#include "src/storage/datacenter.h"

namespace prefdesk::settings {

// Takes the server value when it is one of 5, 10, 15, 20, 30, 50; otherwise, and on any
// server failure (silent), the result of GetDefValMaxHistoryRecords. False when a value was
// delivered.
[[nodiscard]] bool GetSvrValMaxHistoryRecords(const storage::DataCenterRef& dc,
                                const std::shared_ptr<ado::Connection>& cn,
                                int32_t& max_history_records);

// The local default of DefaultOtherStyle. A missing row or an invalid value is shown in the
// error window; the output is then 0 and the result true.
[[nodiscard]] bool GetDefValMaxHistoryRecords(const std::shared_ptr<ado::Connection>& cn,
                                int32_t& max_history_records);

}  // namespace prefdesk::settings
