// The users of a shared PostgreSQL server. Each person logs in with a database role of his
// own; T_PUSERROLE (data/postgresql_users.sql) maps the role to the user id whose rows it
// reaches, and the role gets the rights a client needs on the schema's tables: read the
// catalogue, read and write the per-user tables, where row security narrows every statement
// to that user's rows. The administrator (the role that ran init and owns the tables) is not
// narrowed and may act on any user.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "src/storage/schema.h"

namespace prefdesk::datacenter {

// The user id the session's role is mapped to: one row, or none.
inline const std::string kMappedUserQuery =
    std::string("SELECT F_UID FROM ") + storage::schema::T_PUSERROLE + " WHERE F_ROLE = current_user";

// What a change of the users did. When refused, nothing was changed and message says why.
struct PgUserChange {
  bool refused = false;
  std::string message;
  int32_t uid = 0;  // the user the role is (or was) mapped to
};

// Maps role to uid and grants it its rights, in one transaction. Refused when the schema's
// tables have no row security (the role would reach every user's rows), when the role does
// not exist, is one of the server's predefined pg_* roles, is a superuser, may bypass row
// security or owns the tables, or is mapped to another user already. When other roles are
// the user already, allow_another_role is asked (with their names, comma-separated) and a
// false answer refuses. Mapping a role to its own user again only grants the rights again.
PgUserChange AddPgUser(const std::string& connection_string, const std::string& schema,
                       int32_t uid, const std::string& role,
                       const std::function<bool(const std::string& roles)>& allow_another_role);

// Removes the role's mapping and takes back its rights on the schema, in one transaction; the
// user's rows stay. Refused when the role is mapped to no user.
PgUserChange RemovePgUser(const std::string& connection_string, const std::string& schema,
                          const std::string& role);

// Both raise (AutomationError) when the server cannot be reached (kErrPgBrokenConnection) or
// a statement fails (kErrPgStatement).

}  // namespace prefdesk::datacenter
