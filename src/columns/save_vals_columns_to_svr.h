// Writing the edited column layout to the server.
#pragma once

#include "src/columns/main_option_column.h"
#include "src/storage/datacenter.h"

namespace prefdesk::columns {

// Replaces the current user's whole layout: deletes his title and list rows, then inserts one
// row per title, first-level list and second-level list of the records, in collection order
// (the records of one title, and of one first-level list, are consecutive). Advances the save
// progress once per record. Runs inside the caller's transaction. True when it failed: the
// open transaction has been rolled back and the error shown.
[[nodiscard]] bool SaveValsColumnsToSvr(storage::DataCenterRef DataCenter, const clsMainOptionColumns& columns);

}  // namespace prefdesk::columns
