#ifdef PREFDESK_HAVE_POSTGRESQL

#include "host/datacenter/postgres_schema.h"

#include <chrono>
#include <fstream>
#include <sstream>

#include "host/datacenter/database_files.h"
#include "host/datacenter/postgres_connection.h"
#include "platform/ado/types.h"
#include "platform/automation/error.h"

namespace prefdesk::datacenter {
namespace {

constexpr const char* kSource = "BuildPostgresSchema";
constexpr int kConnectTimeoutS = 5;
constexpr std::chrono::seconds kScriptTimeout(60);

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) automation::Raise(ado::kErrProvider, kSource, "Cannot read " + file.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::unique_ptr<PgConnection> Connect(const std::string& connection_string, const char* source) {
  auto connection = std::make_unique<PgConnection>(connection_string, kConnectTimeoutS);
  if (!connection->Alive()) {
    automation::Raise(ado::kErrProvider, source, "Cannot connect: " + connection->Error());
  }
  return connection;
}

[[noreturn]] void RaiseOutcome(const char* source, const std::string& what, const PgOutcome& outcome) {
  std::string message = what + ": ";
  if (!outcome.sqlstate.empty()) message += "SQLSTATE " + outcome.sqlstate + ": ";
  automation::Raise(ado::kErrProvider, source, message + outcome.message);
}

}  // namespace

void BuildPostgresSchema(const std::filesystem::path& data_dir,
                         const std::string& connection_string, const std::string& schema) {
  std::vector<std::filesystem::path> scripts = DatabaseScripts(data_dir, kServerDatabase);
  scripts.insert(scripts.begin(), data_dir / "postgresql_types.sql");
  auto connection = Connect(connection_string, kSource);
  const std::string name = connection->QuoteIdentifier(schema);
  auto run = [&](const std::string& what, const std::string& sql) {
    PgOutcome outcome = connection->Exec(sql, kScriptTimeout);
    if (!outcome.ok) {
      if (connection->InTransactionBlock()) connection->Exec("ROLLBACK", kScriptTimeout);
      RaiseOutcome(kSource, what, outcome);
    }
  };
  run("BEGIN", "BEGIN; SET LOCAL client_min_messages = warning; CREATE SCHEMA " + name +
                   "; SET LOCAL search_path = " + name);
  for (const auto& script : scripts) run(script.filename().string(), ReadFile(script));
  run("COMMIT", "COMMIT");
}

void DropPostgresSchema(const std::string& connection_string, const std::string& schema) {
  constexpr const char* kDropSource = "DropPostgresSchema";
  auto connection = Connect(connection_string, kDropSource);
  PgOutcome outcome = connection->Exec(
      "SET client_min_messages = warning; SET lock_timeout = '5s'; DROP SCHEMA IF EXISTS " +
          connection->QuoteIdentifier(schema) + " CASCADE",
      kScriptTimeout);
  if (!outcome.ok) RaiseOutcome(kDropSource, "DROP SCHEMA " + schema, outcome);
}

}  // namespace prefdesk::datacenter

#endif  // PREFDESK_HAVE_POSTGRESQL
