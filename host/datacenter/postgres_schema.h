// Building the server database in a schema of a PostgreSQL database from the SQL files of
// the data folder: postgresql_types.sql (the column types the portable schema names), then
// the same server_*.sql files the SQLite file is made of, then postgresql_users.sql (which
// role is which user), postgresql_save_lock.sql (the rows a save locks),
// postgresql_change_stamps.sql and, with row security, postgresql_row_security.sql. Several server
// databases can so live side by side in one PostgreSQL database, one per schema.
#pragma once

#include <filesystem>
#include <string>

namespace prefdesk::datacenter {

// Creates the schema (it must not exist yet) and runs the scripts in it, in one transaction.
// row_security: each user's role reaches only that user's rows (see add-user).
// Raises with the script's name and the server's message when a statement fails; nothing is
// then left behind.
void BuildPostgresSchema(const std::filesystem::path& data_dir,
                         const std::string& connection_string, const std::string& schema,
                         bool row_security = false);

// Drops the schema and everything in it; a missing schema is no failure. Raises when the
// server cannot be reached or the schema's tables stay locked by another session.
void DropPostgresSchema(const std::string& connection_string, const std::string& schema);

// The change stamps of a schema: T_PCHANGE, the triggers on the per-user tables that keep it
// and notify the watchers. The script may run again on a schema that has them: it both makes
// them in an existing store (following its row security) and renews them.
inline constexpr const char* kPostgresChangeStampsScript = "postgresql_change_stamps.sql";

}  // namespace prefdesk::datacenter
