// Building the local defaults database and the server database from the SQL files of the
// data folder: <kind>_schema.sql first, then every other <kind>_*.sql file by name; a server
// database then gets its change stamps (sqlite_change_stamps.sql).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace prefdesk::datacenter {

inline constexpr std::string_view kLocalDatabase = "local";
inline constexpr std::string_view kServerDatabase = "server";

// The text of a script; raises when it cannot be read.
std::string ReadScript(const std::filesystem::path& file);

// The scripts in the order they run; raises when the schema file is missing.
std::vector<std::filesystem::path> DatabaseScripts(const std::filesystem::path& data_dir,
                                                   std::string_view kind);

// Creates target anew (an existing file is replaced) from the scripts, in one transaction.
// Raises with the script's name and the engine's message when a statement fails; the
// half-built file is then removed.
void BuildDatabase(const std::filesystem::path& data_dir, std::string_view kind,
                   const std::filesystem::path& target);

// The change stamps of a SQLite server database: T_PCHANGE and the triggers on the per-user
// tables that keep it. The script may run again on a database that has them: it both makes
// them in an existing store and renews them.
inline constexpr std::string_view kSqliteChangeStampsScript = "sqlite_change_stamps.sql";

}  // namespace prefdesk::datacenter
