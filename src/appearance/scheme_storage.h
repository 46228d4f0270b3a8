// Storage of appearance schemes: the system schemes of the local table DefaultScreenStyle
// and the user's own schemes in T_PSCREENSTYLE, one row per user and name. The row named
// 'Default' holds the user's current appearance and is never listed as a scheme. Every
// routine shows its own failure in a message box and returns true for it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ado/recordset.h"
#include "platform/appearancelib/appearance_value_set.h"
#include "platform/appearancelib/scheme_collection.h"
#include "src/storage/datacenter.h"

namespace prefdesk::appearance {

// The critical message box of a failed scheme step: "Error number: " and the number, a line
// break and the description, under the routine's name as title.
void ShowSchemeError(const std::string& title, int32_t number, const std::string& description);

// Adds a scheme for every row of DefaultScreenStyle (in table order) under its Name.
[[nodiscard]] bool GetDefaultSchemes(appearancelib::SchemeCollection& schemes);
// On success rs holds the user's schemes but 'Default'; the caller closes it.
[[nodiscard]] bool LoadUserScheme(storage::DataCenter& dc, std::shared_ptr<ado::Recordset>& rs);
// Asks for a name and stores the value set's current values under it for the user, asking
// first before it overwrites a scheme of that name. An empty answer changes nothing.
[[nodiscard]] bool SaveAsScheme(storage::DataCenter& dc, appearancelib::AppearanceValueSet& value_set);
// Stores the value set's current values as the 'Default' row of the data service's user.
// On failure an open transaction of the data service is rolled back.
[[nodiscard]] bool SaveToDefaultScheme(storage::DataCenter& dc, appearancelib::AppearanceValueSet& value_set);

}  // namespace prefdesk::appearance
