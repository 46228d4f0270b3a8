// One user's preferences as one JSON document, for export, import and copy-user:
//   {"format": "prefdesk-preferences", "version": 1, "user": N,
//    "settings": null | {"MaxHistoryRecords": 30, ...}          (the stored columns only)
//    "layout": {"titles": [{"name", "position", "visible", "primary"}],
//               "lists": [{"title", "name", "parent", "position", "visible",
//                          "default_visible", "primary", "default_query"}]},
//    "schemes": [{"name": "Default", "values": {"ColorFormBack": 16777215, ...}}]}
// Titles and lists are named as in the server's button catalogue; a first-level list has
// parent null. Rows come in a fixed order, so exporting the same rows gives the same text.
#pragma once

#include <cstdint>

#include "host/cli/json_output.h"
#include "src/storage/datacenter.h"

namespace prefdesk::cli {

inline constexpr int kDocumentVersion = 1;

Json ExportPreferences(storage::DataCenter& dc, int16_t user);

// The rows a checked document writes, as SQL value lists.
struct PreferenceRows {
  std::string settings_columns;  // empty: no settings row
  std::string settings_values;
  std::vector<std::string> titles;   // values of T_PHBUTTON rows
  std::vector<std::string> lists;    // values of T_PVBUTTON rows
  std::vector<std::string> schemes;  // values of T_PSCREENSTYLE rows
};

// Checks the whole document against the server's catalogue and the user's saved queries;
// the first fault raises CliError(kExitUsage) naming it. Nothing is written.
PreferenceRows CheckPreferences(storage::DataCenter& dc, int16_t user, const Json& document);

// Replaces everything the user has stored with the rows; the caller holds the transaction.
void WritePreferences(storage::DataCenter& dc, int16_t user, const PreferenceRows& rows);

}  // namespace prefdesk::cli
