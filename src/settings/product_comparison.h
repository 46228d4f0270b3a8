// Number of records of the automatic product comparison: the user's F_PRDACMPMAX, else 0.
#pragma once

#include <cstdint>

#include "src/storage/datacenter.h"

namespace prefdesk::settings {

// The server value when it is one of 0, 5, 10, 20, 30, 40, 50, else 0; false. An error on
// the way returns true, silently, with the output as it then stands.
[[nodiscard]] bool GetSvrValProductComparisonRecords(const storage::DataCenterRef& dc,
                                       int32_t& product_comparison_records);

}  // namespace prefdesk::settings
