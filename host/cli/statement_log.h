// With $PREFDESK_STATEMENT_LOG naming a file, a command writes there, as it ends, the statements
// it ran on SQLite as a script for the sqlite3 program (bench/whole_process.sh replays it on the
// server database with the local defaults database attached): the data service's calls from a
// StatementRecorder, then the statements on the local defaults database from the engine's trace.
#pragma once

#include <filesystem>

#include "src/storage/datacenter.h"

namespace prefdesk::cli {

// The server wrapped in a recorder when the log is asked for, else the server itself.
storage::DataCenterRef LogStatements(storage::DataCenterRef server, const std::filesystem::path& local);

}  // namespace prefdesk::cli
