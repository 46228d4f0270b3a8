// Where the databases and the SQL that makes them are. Without --defaults and --server the
// program works in one folder: $PREFDESK_HOME, else $XDG_DATA_HOME/prefdesk, else
// ~/.local/share/prefdesk (the home folder from HOME, else from the password database),
// holding local.db (the local defaults) and server.db (the embedded server).
#pragma once

#include <filesystem>
#include <string>

#include "host/cli/command_line.h"

namespace prefdesk::cli {

struct ServerLocation {
  enum class Kind { kSqlite, kPostgres };
  Kind kind = Kind::kSqlite;
  std::filesystem::path path;    // kSqlite
  std::string connection_string; // kPostgres
  std::string schema;            // kPostgres: the schema that holds the server tables
  // kPostgres, optional: the connection string of the queries outside transactions (a hot
  // standby); empty when everything goes to connection_string.
  std::string read_connection_string;
  // For messages: "sqlite:PATH" or the connection string without its password.
  std::string Describe() const;
};

std::filesystem::path DefaultHome();
std::filesystem::path DefaultsPath(const CommandLine& line);
// --server sqlite:PATH | postgresql://... | postgres://...; a usage error for anything else.
// On PostgreSQL the tables live in the schema named by --schema (default kDefaultPgSchema),
// so that several server databases can share one PostgreSQL database. --read-server names a
// second PostgreSQL connection string for reads.
// A program built without PostgreSQL hands a postgresql:// server over to the full program
// here (full_program.h), before the command has read anything from stdin.
inline constexpr const char* kDefaultPgSchema = "prefdesk";
inline constexpr size_t kMaxPgNameBytes = 63;  // longer names the server would cut short
ServerLocation ServerOption(const CommandLine& line);
// The folder of data/*.sql: --data, else $PREFDESK_DATA_DIR, else the installed copy beside
// the program (PREFIX/share/prefdesk/data for PREFIX/bin/prefdesk-host).
std::filesystem::path DataFolder(const CommandLine& line);

}  // namespace prefdesk::cli
