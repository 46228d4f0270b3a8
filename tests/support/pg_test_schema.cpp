#include "support/pg_test_schema.h"

#ifdef PREFDESK_HAVE_POSTGRESQL

#include <libpq-fe.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <random>
#include <stdexcept>

#include "host/datacenter/postgres_schema.h"
#include "platform/automation/error.h"

namespace prefdesk::test_support {
namespace {

// Unique across the test processes that run at once and across runs on the same server.
std::string NewSchemaName() {
  static std::atomic<int> counter{0};
  std::random_device random;
  return "prefdesk_t" + std::to_string(getpid()) + "_" + std::to_string(++counter) + "_" +
         std::to_string(random() % 1000000);
}

struct ResultDeleter {
  void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

}  // namespace

PgTestSchema::PgTestSchema(std::string url, bool row_security)
    : url_(std::move(url)), schema_(NewSchemaName()) {
  try {
    datacenter::BuildPostgresSchema(PREFDESK_DATA_DIR, url_, schema_, row_security);
  } catch (const automation::AutomationError& e) {
    throw std::runtime_error(e.Description());
  }
}

PgTestSchema::PgTestSchema(std::string url, std::string schema)
    : url_(std::move(url)), schema_(std::move(schema)) {}

std::unique_ptr<PgTestSchema> PgTestSchema::Adopt(std::string url, std::string schema) {
  return std::unique_ptr<PgTestSchema>(new PgTestSchema(std::move(url), std::move(schema)));
}

PgTestSchema::~PgTestSchema() {
  // Roles and schemas that cannot be dropped only cost space on a throw-away server.
  try {
    datacenter::DropPostgresSchema(url_, schema_);
  } catch (const automation::AutomationError&) {
  }
  for (const std::string& role : roles_) {
    try {
      Exec("DROP ROLE IF EXISTS \"" + role + "\"");
    } catch (const std::runtime_error&) {
    }
  }
  if (conn_) PQfinish(conn_);
}

std::string PgTestSchema::NewRole(const std::string& suffix) {
  std::string role = schema_ + "_" + suffix;
  Exec("CREATE ROLE \"" + role + "\" LOGIN");
  roles_.push_back(role);
  return role;
}

std::string PgTestSchema::UrlAs(const std::string& role) const {
  if (url_.rfind("postgres", 0) != 0) return url_ + " user=" + role;  // key=value form
  return url_ + (url_.find('?') == std::string::npos ? "?" : "&") + "user=" + role;
}

pg_conn* PgTestSchema::Connection() const {
  if (conn_ && PQstatus(conn_) == CONNECTION_OK) return conn_;
  if (conn_) PQfinish(conn_);
  const char* keywords[] = {"connect_timeout", "dbname", nullptr};
  const char* values[] = {"5", url_.c_str(), nullptr};
  conn_ = PQconnectdbParams(keywords, values, 1);
  if (PQstatus(conn_) != CONNECTION_OK) {
    const std::string message = PQerrorMessage(conn_);
    PQfinish(conn_);
    conn_ = nullptr;
    throw std::runtime_error("cannot connect to " + url_ + ": " + message);
  }
  Result set(PQexec(conn_, ("SET search_path = \"" + schema_ + "\"; SET DateStyle = 'ISO, YMD'").c_str()));
  if (PQresultStatus(set.get()) != PGRES_COMMAND_OK) {
    throw std::runtime_error(std::string("cannot set the search path: ") + PQerrorMessage(conn_));
  }
  return conn_;
}

void PgTestSchema::Exec(const std::string& sql) const {
  pg_conn* conn = Connection();
  Result result(PQexec(conn, sql.c_str()));
  const ExecStatusType status = PQresultStatus(result.get());
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
    throw std::runtime_error(sql + ": " + PQerrorMessage(conn));
  }
}

PgRows PgTestSchema::Query(const std::string& sql) const {
  pg_conn* conn = Connection();
  Result result(PQexec(conn, sql.c_str()));
  if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) {
    throw std::runtime_error(sql + ": " + PQerrorMessage(conn));
  }
  PgRows rows;
  const int columns = PQnfields(result.get());
  for (int r = 0; r < PQntuples(result.get()); ++r) {
    std::vector<std::optional<std::string>> row;
    for (int c = 0; c < columns; ++c) {
      if (PQgetisnull(result.get(), r, c)) {
        row.emplace_back();
      } else {
        row.emplace_back(std::string(PQgetvalue(result.get(), r, c),
                                     static_cast<size_t>(PQgetlength(result.get(), r, c))));
      }
    }
    rows.rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace prefdesk::test_support

#else  // built without PostgreSQL: asking for a server database there fails clearly

#include <stdexcept>

namespace prefdesk::test_support {

PgTestSchema::PgTestSchema(std::string url, bool) : url_(std::move(url)) {
  throw std::runtime_error("this build has no PostgreSQL support; unset PREFDESK_PG_URL");
}
PgTestSchema::PgTestSchema(std::string url, std::string schema)
    : url_(std::move(url)), schema_(std::move(schema)) {}
std::unique_ptr<PgTestSchema> PgTestSchema::Adopt(std::string url, std::string schema) {
  return std::unique_ptr<PgTestSchema>(new PgTestSchema(std::move(url), std::move(schema)));
}
PgTestSchema::~PgTestSchema() = default;
void PgTestSchema::Exec(const std::string&) const {}
PgRows PgTestSchema::Query(const std::string&) const { return {}; }
std::string PgTestSchema::NewRole(const std::string&) { return {}; }
std::string PgTestSchema::UrlAs(const std::string&) const { return {}; }

}  // namespace prefdesk::test_support

#endif  // PREFDESK_HAVE_POSTGRESQL
