#include "host/cli/database_checks.h"

#include <array>
#include <cstring>
#include <fstream>

#include "host/cli/cli_error.h"

namespace fs = std::filesystem;

namespace prefdesk::cli {

void CheckDatabaseFile(const fs::path& path, const std::string& role) {
  const std::string where = role + " " + path.string();
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status)) {
    throw CliError(kExitDatabase, where + " does not exist (create it with: prefdesk-host init)");
  }
  if (!fs::is_regular_file(status)) throw CliError(kExitDatabase, where + " is not a file");
  std::ifstream file(path, std::ios::binary);
  if (!file) throw CliError(kExitDatabase, where + " cannot be read (check its permissions)");
  static constexpr char kMagic[] = "SQLite format 3";  // with its terminating zero: 16 bytes
  std::array<char, sizeof(kMagic)> header{};
  file.read(header.data(), header.size());
  if (file.gcount() != static_cast<std::streamsize>(header.size()) ||
      std::memcmp(header.data(), kMagic, sizeof(kMagic)) != 0) {
    throw CliError(kExitDatabase, where + " is not a SQLite database");
  }
}

}  // namespace prefdesk::cli
