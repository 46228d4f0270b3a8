// Forecast lengths in months, quarters and years: the user's row, 6 for each missing value.
#pragma once

#include <cstdint>

#include "src/storage/datacenter.h"

namespace prefdesk::settings {

// Each output takes its server value (not range-checked), or 6 when the value is empty or null
// or there is no row; false. An error on the way returns true, silently; outputs already
// written keep their values.
[[nodiscard]] bool GetSvrValForecast(const storage::DataCenterRef& dc, int32_t& month_length,
                       int32_t& quarter_length, int32_t& year_length);

}  // namespace prefdesk::settings
