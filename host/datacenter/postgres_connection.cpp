#ifdef PREFDESK_HAVE_POSTGRESQL

#include "host/datacenter/postgres_connection.h"

#include <libpq-fe.h>
#include <poll.h>

#include <cerrno>
#include <string_view>

namespace prefdesk::datacenter {
namespace {

PgOutcome Failure(std::string sqlstate, std::string message) {
  PgOutcome outcome;
  outcome.sqlstate = std::move(sqlstate);
  outcome.message = std::move(message);
  return outcome;
}

}  // namespace

void PgResultDeleter::operator()(pg_result* result) const { PQclear(result); }

PgConnection::PgConnection(const std::string& connection_string, int connect_timeout_s) {
  const std::string timeout = std::to_string(connect_timeout_s);
  // Later keywords win, and the expanded dbname text comes last: its own settings hold.
  const char* keywords[] = {"connect_timeout", "client_encoding", "dbname", nullptr};
  const char* values[] = {timeout.c_str(), "UTF8", connection_string.c_str(), nullptr};
  conn_ = PQconnectdbParams(keywords, values, /*expand_dbname=*/1);
  // libpq prints what the server says outside a result (a notice, the FATAL line of a
  // connection it ends) on stderr; a failure reaches the caller through the error message,
  // which holds that text, so nothing is printed beside it.
  if (conn_) PQsetNoticeProcessor(conn_, [](void*, const char*) {}, nullptr);
}

PgConnection::~PgConnection() { Drop(); }

void PgConnection::Drop() {
  if (conn_) PQfinish(conn_);
  conn_ = nullptr;
}

bool PgConnection::Alive() const { return conn_ && PQstatus(conn_) == CONNECTION_OK; }

std::string PgConnection::Error() const {
  if (!conn_) return "The connection is closed.";
  const char* message = PQerrorMessage(conn_);
  return message ? message : "";
}

bool PgConnection::InTransactionBlock() const {
  if (!Alive()) return false;
  const PGTransactionStatusType status = PQtransactionStatus(conn_);
  return status == PQTRANS_INTRANS || status == PQTRANS_INERROR;
}

bool PgConnection::StillOpen() {
  // A server that ends a session sends its FATAL message, then closes: the second read meets
  // the end of the stream. A few rounds, so that a server talking while idle cannot hold us.
  for (int round = 0; round < 4 && Alive(); ++round) {
    pollfd fd{PQsocket(conn_), POLLIN, 0};
    if (poll(&fd, 1, 0) <= 0) break;
    if (!PQconsumeInput(conn_)) return false;
    PQisBusy(conn_);  // parses what arrived
  }
  return Alive();
}

std::string PgConnection::Server() const {
  if (!Alive()) return {};
  const char* standby = PQparameterStatus(conn_, "in_hot_standby");
  return std::string(PQhost(conn_)) + ":" + PQport(conn_) +
         (standby && std::string_view(standby) == "on" ? " (standby)" : "");
}

bool PgConnection::Wait(bool for_write, std::chrono::steady_clock::time_point deadline) {
  pollfd fd{PQsocket(conn_), static_cast<short>(POLLIN | (for_write ? POLLOUT : 0)), 0};
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    const int ready = poll(&fd, 1, static_cast<int>(left.count()));
    if (ready > 0) return true;
    if (ready == 0) return false;
    if (errno != EINTR) return true;  // let libpq meet the socket's error itself
  }
}

PgOutcome PgConnection::Exec(const std::string& sql, std::chrono::milliseconds timeout) {
  if (!Alive()) return Failure("", Error());
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  auto timed_out = [this] {
    PgOutcome outcome = Failure("", "No answer from the server in time.");
    outcome.timed_out = true;
    Drop();
    return outcome;
  };
  if (!PQsendQuery(conn_, sql.c_str())) return Failure("", Error());
  for (int flushed; (flushed = PQflush(conn_)) != 0;) {
    if (flushed < 0) return Failure("", Error());
    if (!Wait(true, deadline)) return timed_out();
    if (!PQconsumeInput(conn_)) return Failure("", Error());
  }
  PgOutcome outcome;
  outcome.ok = true;
  for (;;) {
    while (PQisBusy(conn_)) {
      if (!Wait(false, deadline)) return timed_out();
      if (!PQconsumeInput(conn_)) return Failure("", Error());
    }
    PgResultPtr result(PQgetResult(conn_));
    if (!result) break;
    const ExecStatusType status = PQresultStatus(result.get());
    const bool failed = status == PGRES_FATAL_ERROR || status == PGRES_BAD_RESPONSE;
    if (failed && outcome.ok) {
      const char* state = PQresultErrorField(result.get(), PG_DIAG_SQLSTATE);
      const char* primary = PQresultErrorField(result.get(), PG_DIAG_MESSAGE_PRIMARY);
      const char* detail = PQresultErrorField(result.get(), PG_DIAG_MESSAGE_DETAIL);
      outcome.ok = false;
      outcome.sqlstate = state ? state : "";
      outcome.message = primary ? primary : Error();
      if (detail) outcome.message += std::string(" (") + detail + ")";
      outcome.result.reset();
    } else if (outcome.ok) {
      outcome.result = std::move(result);
    }
  }
  if (outcome.ok && !Alive()) return Failure("", Error());
  return outcome;
}

}  // namespace prefdesk::datacenter

#endif  // PREFDESK_HAVE_POSTGRESQL
