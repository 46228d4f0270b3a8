// One libpq connection, opened in the constructor and closed in the destructor. Statements
// are sent asynchronously and awaited against a deadline, so a server that stops answering
// makes the call fail in time instead of hanging it.
#pragma once

#include <chrono>
#include <memory>
#include <string>

struct pg_conn;
struct pg_result;

namespace prefdesk::datacenter {

struct PgResultDeleter {
  void operator()(pg_result* result) const;
};
using PgResultPtr = std::unique_ptr<pg_result, PgResultDeleter>;

struct PgOutcome {
  PgResultPtr result;      // the last result of the text; null on failure
  bool ok = false;
  bool timed_out = false;  // no answer before the deadline
  std::string sqlstate;    // of the failure; empty for libpq's own failures
  std::string message;
};

class PgConnection {
 public:
  // connection_string: a libpq URI or key=value text. connect_timeout applies unless the
  // text names its own. Check Alive() and Error() afterwards.
  PgConnection(const std::string& connection_string, int connect_timeout_s);
  ~PgConnection();
  PgConnection(const PgConnection&) = delete;
  PgConnection& operator=(const PgConnection&) = delete;

  bool Alive() const;
  // libpq's message for the connection, e.g. why it could not be made.
  std::string Error() const;
  // In a transaction block, or in a failed one waiting for ROLLBACK.
  bool InTransactionBlock() const;
  // Reads what the server sent while the connection was idle, without waiting: false when the
  // server has closed it meanwhile (a restart, a failover, an ended session).
  bool StillOpen();
  // The server reached, "HOST:PORT" (HOST a name, an address or a socket folder), followed by
  // " (standby)" when it is a hot standby, which accepts reads only.
  std::string Server() const;

  // Runs the statements of sql. On failure ok is false and the outcome carries the first
  // error; after a time-out the connection is closed.
  PgOutcome Exec(const std::string& sql, std::chrono::milliseconds timeout);


 private:
  // Waits until the socket is readable (and writable when asked) or the deadline passes.
  bool Wait(bool for_write, std::chrono::steady_clock::time_point deadline);
  void Drop();

  pg_conn* conn_ = nullptr;
};

}  // namespace prefdesk::datacenter
