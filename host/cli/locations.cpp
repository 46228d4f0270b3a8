#include "host/cli/locations.h"

#include <cstdlib>
#include <regex>

#include "host/cli/cli_error.h"
#include "host/cli/full_program.h"

namespace fs = std::filesystem;

namespace prefdesk::cli {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

bool HasSchema(const fs::path& folder) {
  std::error_code ignored;
  return fs::is_regular_file(folder / "local_schema.sql", ignored);
}

}  // namespace

std::string ServerLocation::Describe() const {
  if (kind == Kind::kSqlite) return "sqlite:" + path.string();
  static const std::regex password(R"(((?:://[^:/@]*:)|(?:password=))[^@ ]*)");
  return std::regex_replace(connection_string, password, "$1***") + " schema " + schema;
}

fs::path DefaultHome() {
  if (const std::string home = Environment("PREFDESK_HOME"); !home.empty()) return home;
  if (const std::string xdg = Environment("XDG_DATA_HOME"); !xdg.empty()) return fs::path(xdg) / "prefdesk";
  if (const std::string user_home = Environment("HOME"); !user_home.empty()) {
    return fs::path(user_home) / ".local" / "share" / "prefdesk";
  }
  return fs::current_path() / "prefdesk";
}

fs::path DefaultsPath(const CommandLine& line) {
  if (const auto path = line.Value("defaults")) {
    if (path->empty()) throw CliError(kExitUsage, "--defaults needs a file path");
    return *path;
  }
  return DefaultHome() / "local.db";
}

ServerLocation ServerOption(const CommandLine& line) {
  ServerLocation server;
  const std::optional<std::string> text = line.Value("server");
  const std::optional<std::string> schema = line.Value("schema");
  const bool postgres = text && (text->rfind("postgresql://", 0) == 0 || text->rfind("postgres://", 0) == 0);
  if (schema && !postgres) throw CliError(kExitUsage, "--schema applies to a postgresql:// server only");
  if (schema && schema->empty()) throw CliError(kExitUsage, "--schema needs a name");
  if (!text) {
    server.path = DefaultHome() / "server.db";
    return server;
  }
  if (text->rfind("sqlite:", 0) == 0 && text->size() > 7) {
    server.path = text->substr(7);
    return server;
  }
  if (postgres) {
    server.kind = ServerLocation::Kind::kPostgres;
    server.connection_string = *text;
    server.schema = schema.value_or(kDefaultPgSchema);
    if (server.schema.size() > kMaxPgNameBytes) {
      throw CliError(kExitUsage, "--schema '" + server.schema + "': a schema name has at most " +
                                     std::to_string(kMaxPgNameBytes) + " bytes");
    }
#ifndef PREFDESK_HAVE_POSTGRESQL
    RunInFullProgram("this prefdesk-host was built without PostgreSQL support");
#endif
    return server;
  }
  throw CliError(kExitUsage, "--server '" + *text + "': use sqlite:PATH or postgresql://USER@HOST/DB");
}

fs::path DataFolder(const CommandLine& line) {
  if (const auto folder = line.Value("data")) return *folder;
  if (const std::string folder = Environment("PREFDESK_DATA_DIR"); !folder.empty()) return folder;
  // Found from where the program is, so that an installed tree works wherever it is moved.
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (!error) {
    const fs::path installed = (program.parent_path() / PREFDESK_DATA_BESIDE_PROGRAM).lexically_normal();
    if (HasSchema(installed)) return installed;
  }
  return PREFDESK_SOURCE_DATA_DIR;
}

}  // namespace prefdesk::cli
