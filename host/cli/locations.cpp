#include "host/cli/locations.h"

#include <pwd.h>
#include <unistd.h>

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

bool IsPostgresUrl(const std::string& text) {
  return text.rfind("postgresql://", 0) == 0 || text.rfind("postgres://", 0) == 0;
}

}  // namespace

std::string ServerLocation::Describe() const {
  if (kind == Kind::kSqlite) return "sqlite:" + path.string();
  // user:password@ of a URI (host:port,host:port holds no '@') and password=... of key=value.
  static const std::regex uri_password(R"((://[^:/@]*:)[^@/ ]*@)");
  static const std::regex keyword_password(R"((password=)[^ ]*)");
  const std::string hidden = std::regex_replace(connection_string, uri_password, "$1***@");
  return std::regex_replace(hidden, keyword_password, "$1***") + " schema " + schema;
}

fs::path DefaultHome() {
  if (const std::string home = Environment("PREFDESK_HOME"); !home.empty()) return home;
  if (const std::string xdg = Environment("XDG_DATA_HOME"); !xdg.empty()) return fs::path(xdg) / "prefdesk";
  std::string user_home = Environment("HOME");
  // Without HOME (a service, cron, env -i) the home folder is the password database's, as
  // other programs find it; never the current folder.
  if (user_home.empty()) {
    const passwd* entry = getpwuid(getuid());
    if (entry != nullptr && entry->pw_dir != nullptr) user_home = entry->pw_dir;
  }
  if (user_home.empty() || fs::path(user_home).is_relative()) {
    throw CliError(kExitUsage, "cannot tell where the databases live: HOME is not set and this user has no home "
                               "folder; set PREFDESK_HOME or give --defaults and --server");
  }
  return fs::path(user_home) / ".local" / "share" / "prefdesk";
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
  const std::optional<std::string> reads = line.Value("read-server");
  const bool postgres = text && IsPostgresUrl(*text);
  if (schema && !postgres) throw CliError(kExitUsage, "--schema applies to a postgresql:// server only");
  if (reads && !postgres) throw CliError(kExitUsage, "--read-server applies to a postgresql:// server only");
  if (reads && !IsPostgresUrl(*reads)) {
    throw CliError(kExitUsage, "--read-server '" + *reads + "': use postgresql://USER@HOST/DB");
  }
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
    server.read_connection_string = reads.value_or("");
    if (server.schema.size() > kMaxPgNameBytes) {
      throw CliError(kExitUsage, "--schema '" + server.schema + "': a schema name has at most " +
                                     std::to_string(kMaxPgNameBytes) + " bytes");
    }
#ifndef PREFDESK_HAVE_POSTGRESQL
    RunInFullProgram(kBuiltWithoutPostgres);
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
  if (error) return PREFDESK_DATA_BESIDE_PROGRAM;
  return (program.parent_path() / PREFDESK_DATA_BESIDE_PROGRAM).lexically_normal();
}

}  // namespace prefdesk::cli
