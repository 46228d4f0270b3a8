#ifdef PREFDESK_HAVE_POSTGRESQL

#include "host/datacenter/postgres_admin.h"

#include <chrono>

#include "host/datacenter/postgres_errors.h"
#include "platform/automation/error.h"

namespace prefdesk::datacenter {
namespace {

constexpr int kConnectTimeoutS = 5;
constexpr std::chrono::seconds kStatementTimeout(60);

}  // namespace

std::unique_ptr<PgConnection> ConnectOrRaise(const std::string& connection_string, const char* source) {
  auto connection = std::make_unique<PgConnection>(connection_string, kConnectTimeoutS);
  if (!connection->Alive()) {
    automation::Raise(kErrPgBrokenConnection, source, "Cannot connect: " + connection->Error());
  }
  return connection;
}

PgOutcome ExecOrRaise(PgConnection& connection, const char* source, const std::string& what,
                      const std::string& sql) {
  PgOutcome outcome = connection.Exec(sql, kStatementTimeout);
  if (outcome.ok) return outcome;
  if (connection.InTransactionBlock()) connection.Exec("ROLLBACK", kStatementTimeout);
  std::string message = what + ": ";
  if (!outcome.sqlstate.empty()) message += "SQLSTATE " + outcome.sqlstate + ": ";
  automation::Raise(kErrPgStatement, source, message + outcome.message);
}

}  // namespace prefdesk::datacenter

#endif  // PREFDESK_HAVE_POSTGRESQL
