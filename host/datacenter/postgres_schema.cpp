#ifdef PREFDESK_HAVE_POSTGRESQL

#include "host/datacenter/postgres_schema.h"

#include "host/datacenter/database_files.h"
#include "host/datacenter/postgres_admin.h"
#include "platform/ado/quote_identifier.h"
#include "platform/ado/types.h"
#include "platform/automation/error.h"

namespace prefdesk::datacenter {
namespace {

constexpr const char* kSource = "BuildPostgresSchema";

}  // namespace

void BuildPostgresSchema(const std::filesystem::path& data_dir,
                         const std::string& connection_string, const std::string& schema,
                         bool row_security) {
  std::vector<std::filesystem::path> scripts = DatabaseScripts(data_dir, kServerDatabase);
  scripts.insert(scripts.begin(), data_dir / "postgresql_types.sql");
  scripts.push_back(data_dir / "postgresql_users.sql");
  scripts.push_back(data_dir / "postgresql_save_lock.sql");
  scripts.push_back(data_dir / kPostgresChangeStampsScript);
  if (row_security) scripts.push_back(data_dir / "postgresql_row_security.sql");
  auto connection = ConnectOrRaise(connection_string, kSource);
  const std::string name = ado::QuoteIdentifier(schema);
  ExecOrRaise(*connection, kSource, "BEGIN",
              "BEGIN; SET LOCAL client_min_messages = warning; CREATE SCHEMA " + name +
                  "; SET LOCAL search_path = " + name);
  for (const auto& script : scripts) {
    ExecOrRaise(*connection, kSource, script.filename().string(), ReadScript(script));
  }
  ExecOrRaise(*connection, kSource, "COMMIT", "COMMIT");
}

void DropPostgresSchema(const std::string& connection_string, const std::string& schema) {
  constexpr const char* kDropSource = "DropPostgresSchema";
  auto connection = ConnectOrRaise(connection_string, kDropSource);
  ExecOrRaise(*connection, kDropSource, "DROP SCHEMA " + schema,
              "SET client_min_messages = warning; SET lock_timeout = '5s'; DROP SCHEMA IF EXISTS " +
                  ado::QuoteIdentifier(schema) + " CASCADE");
}

}  // namespace prefdesk::datacenter

#endif  // PREFDESK_HAVE_POSTGRESQL
