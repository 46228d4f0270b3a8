// prefdesk-host is built with SQLite alone, so that a command on SQLite loads no more than a
// small program does. A command that needs the Qt front end or a PostgreSQL server runs its
// whole command line again in prefdesk-host-full, built from the same sources with both.
#pragma once

#include <string>

namespace prefdesk::cli {

// Replaces this process with prefdesk-host-full on the same arguments (found beside this
// program, or in ../libexec/prefdesk when installed). Raises CliError(kExitUsage, missing)
// when this program is the full one or there is none. Call it before anything is written or
// read from stdin: the full program gets stdin as this one found it.
[[noreturn]] void RunInFullProgram(const std::string& missing);

// What the small program says of a PostgreSQL server when there is no full program.
inline constexpr char kBuiltWithoutPostgres[] = "this prefdesk-host was built without PostgreSQL support";

}  // namespace prefdesk::cli
