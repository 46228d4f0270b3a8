#ifdef PREFDESK_HAVE_POSTGRESQL

#include "host/datacenter/postgres_users.h"

#include <libpq-fe.h>

#include <memory>
#include <optional>

#include "host/datacenter/postgres_admin.h"
#include "platform/ado/quote_identifier.h"
#include "src/storage/schema.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::datacenter {
namespace {

constexpr const char* kAddSource = "AddPgUser";
constexpr const char* kRemoveSource = "RemovePgUser";
namespace schema = storage::schema;

// The tables a role reads and writes (its own rows), and those it only reads (its own change
// stamp among them: row security narrows it).
const std::string kUserTables = std::string(schema::T_PMISC) + ", " + schema::T_PSCREENSTYLE + ", " +
                                schema::T_PHBUTTON + ", " + schema::T_PVBUTTON + ", " + schema::T_PQUERY + ", " +
                                schema::T_PSAVELOCK;
const std::string kReadTables =
    std::string(schema::T_PUSERROLE) + ", " + schema::SYSTBLHBUTTON + ", " + schema::SYSTBLVBUTTON + ", " +
    schema::T_PCHANGE;
const std::string kUserRoles = schema::T_PUSERROLE;  // which role is which user

// A table's object id for the catalogue's look-ups: to_regclass('NAME').
std::string RegClass(const char* table) { return "to_regclass(" + storage::SqlText(table) + ")"; }

// The first column of the first row; nullopt when there is none.
std::optional<std::string> FirstValue(const PgOutcome& outcome) {
  pg_result* result = outcome.result.get();
  if (result == nullptr || PQntuples(result) == 0 || PQgetisnull(result, 0, 0)) return std::nullopt;
  return std::string(PQgetvalue(result, 0, 0));
}

// A connection inside a transaction whose search path is the schema.
std::unique_ptr<PgConnection> Begin(const std::string& connection_string, const std::string& schema,
                                    const char* source) {
  auto connection = ConnectOrRaise(connection_string, source);
  ExecOrRaise(*connection, source, "BEGIN",
              "BEGIN; SET LOCAL search_path = " + ado::QuoteIdentifier(schema));
  return connection;
}

PgUserChange Refuse(PgConnection& connection, int32_t uid, std::string message) {
  ExecOrRaise(connection, "PgUsers", "ROLLBACK", "ROLLBACK");
  return {true, std::move(message), uid};
}

std::optional<int32_t> MappedUser(PgConnection& connection, const char* source, const std::string& role) {
  const auto uid = FirstValue(ExecOrRaise(connection, source, "reading " + kUserRoles,
                                          "SELECT F_UID FROM " + kUserRoles + " WHERE F_ROLE = " +
                                              storage::SqlText(role)));
  if (!uid) return std::nullopt;
  return std::stoi(*uid);
}

}  // namespace

PgUserChange AddPgUser(const std::string& connection_string, const std::string& schema,
                       int32_t uid, const std::string& role,
                       const std::function<bool(const std::string& roles)>& allow_another_role) {
  auto connection = Begin(connection_string, schema, kAddSource);
  PgConnection& c = *connection;
  const std::string quoted_role = ado::QuoteIdentifier(role);
  // 't': row security is on; 'f': off, or the schema predates the users' table.
  const auto guarded = FirstValue(ExecOrRaise(
      c, kAddSource, "reading the tables",
      "SELECT c.relrowsecurity AND " + RegClass(schema::T_PUSERROLE) + " IS NOT NULL FROM pg_class c WHERE c.oid = " +
          RegClass(schema::T_PHBUTTON)));
  if (!guarded) {
    return Refuse(c, uid, "schema " + schema + " has no server tables (create them with prefdesk-host init)");
  }
  if (*guarded != "t") {
    return Refuse(c, uid, "row security is off in schema " + schema +
                              ", so the role would reach every user's rows (create the schema with "
                              "prefdesk-host init --row-security)");
  }
  // The server reserves the prefix for its own roles, whose members are other roles.
  if (role.rfind("pg_", 0) == 0) {
    return Refuse(c, uid, "role " + role + " is one of the server's predefined roles; a user needs a login role of "
                                           "his own");
  }
  const auto unrestricted = FirstValue(ExecOrRaise(
      c, kAddSource, "reading the role",
      "SELECT r.rolsuper OR r.rolbypassrls OR pg_has_role(r.oid, c.relowner, 'MEMBER') "
      "FROM pg_roles r, pg_class c WHERE c.oid = " + RegClass(schema::T_PHBUTTON) + " AND r.rolname = " +
          storage::SqlText(role)));
  if (!unrestricted) {
    return Refuse(c, uid, "no role " + role + " on the server (create it first: CREATE ROLE " +
                              quoted_role + " LOGIN PASSWORD '...')");
  }
  if (*unrestricted == "t") {
    return Refuse(c, uid, "role " + role + " is a superuser, may bypass row security or owns the "
                                           "tables: it would reach every user's rows");
  }
  const std::optional<int32_t> mapped = MappedUser(c, kAddSource, role);
  if (mapped && *mapped != uid) {
    return Refuse(c, *mapped, "role " + role + " is user " + std::to_string(*mapped) +
                                  " already (prefdesk-host remove-user --role " + role + " first)");
  }
  const auto others = FirstValue(ExecOrRaise(c, kAddSource, "reading " + kUserRoles,
                                             "SELECT string_agg(F_ROLE, ', ' ORDER BY F_ROLE) FROM " + kUserRoles +
                                                 " WHERE F_UID = " + storage::SqlInt(uid) +
                                                 " AND F_ROLE <> " + storage::SqlText(role)));
  if (others && !allow_another_role(*others)) {
    return Refuse(c, uid, "user " + std::to_string(uid) + " is role " + *others +
                              " already; nothing changed (--yes makes another role the same user)");
  }
  if (!mapped) {
    ExecOrRaise(c, kAddSource, "adding to " + kUserRoles,
                "INSERT INTO " + kUserRoles + " (F_ROLE, F_UID) VALUES (" + storage::SqlText(role) + ", " +
                    storage::SqlInt(uid) + ")");
  }
  ExecOrRaise(c, kAddSource, "granting the rights",
              "GRANT USAGE ON SCHEMA " + ado::QuoteIdentifier(schema) + " TO " + quoted_role +
                  "; GRANT SELECT ON " + kReadTables + " TO " + quoted_role +
                  "; GRANT SELECT, INSERT, UPDATE, DELETE ON " + kUserTables + " TO " + quoted_role);
  ExecOrRaise(c, kAddSource, "COMMIT", "COMMIT");
  return {false, "", uid};
}

PgUserChange RemovePgUser(const std::string& connection_string, const std::string& schema,
                          const std::string& role) {
  auto connection = Begin(connection_string, schema, kRemoveSource);
  PgConnection& c = *connection;
  const std::optional<int32_t> mapped = MappedUser(c, kRemoveSource, role);
  if (!mapped) return Refuse(c, 0, "role " + role + " is no user of schema " + schema + "; nothing changed");
  ExecOrRaise(c, kRemoveSource, "removing from " + kUserRoles,
              "DELETE FROM " + kUserRoles + " WHERE F_ROLE = " + storage::SqlText(role));
  // A role dropped on the server since it was added has no rights left to take back.
  const bool exists = FirstValue(ExecOrRaise(c, kRemoveSource, "reading the role",
                                             "SELECT 1 FROM pg_roles WHERE rolname = " +
                                                 storage::SqlText(role))).has_value();
  if (exists) {
    const std::string quoted_role = ado::QuoteIdentifier(role);
    ExecOrRaise(c, kRemoveSource, "revoking the rights",
                std::string("REVOKE ALL ON ") + kUserTables + ", " + kReadTables + " FROM " +
                    quoted_role + "; REVOKE USAGE ON SCHEMA " + ado::QuoteIdentifier(schema) +
                    " FROM " + quoted_role);
  }
  ExecOrRaise(c, kRemoveSource, "COMMIT", "COMMIT");
  return {false, "", *mapped};
}

}  // namespace prefdesk::datacenter

#endif  // PREFDESK_HAVE_POSTGRESQL
