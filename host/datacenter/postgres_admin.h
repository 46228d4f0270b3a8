// Administrative work on a PostgreSQL server (building a schema, adding users): a connection
// that raises when it cannot be made, and statements that raise when they fail, rolling back
// the transaction they were part of so that nothing is left half done.
#pragma once

#include <memory>
#include <string>

#include "host/datacenter/postgres_connection.h"

namespace prefdesk::datacenter {

// Raises kErrPgBrokenConnection with libpq's message when the connection cannot be made.
std::unique_ptr<PgConnection> ConnectOrRaise(const std::string& connection_string, const char* source);

// Runs sql and returns its outcome. On failure rolls back the open transaction and raises
// (kErrPgStatement, source) with what, the SQLSTATE and the server's message.
PgOutcome ExecOrRaise(PgConnection& connection, const char* source, const std::string& what,
                      const std::string& sql);

}  // namespace prefdesk::datacenter
