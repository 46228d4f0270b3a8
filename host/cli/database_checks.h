// Checks made before a database is used, so that a wrong path gives one clear line instead of
// an engine error, and no empty database file is created where none was.
#pragma once

#include <filesystem>
#include <string>

namespace prefdesk::cli {

// Raises CliError(kExitDatabase) unless path is a readable SQLite database file. role names
// the file in the message ("local defaults database", "server database").
void CheckDatabaseFile(const std::filesystem::path& path, const std::string& role);

}  // namespace prefdesk::cli
