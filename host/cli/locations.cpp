#include "host/cli/locations.h"

#include <cstdlib>
#include <regex>

#include "host/cli/cli_error.h"

namespace fs = std::filesystem;

namespace prefdesk::cli {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
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
  if (error) return PREFDESK_DATA_BESIDE_PROGRAM;
  return (program.parent_path() / PREFDESK_DATA_BESIDE_PROGRAM).lexically_normal();
}

}  // namespace prefdesk::cli
