// The watch of a PostgreSQL server: LISTEN on the user's channel (or on the channel of every
// user), whose name it reads from the user's T_PCHANGE row, so that row security decides who
// may listen. Notifications arrive after their commit only; the ones of one transaction are
// reported together.
#ifdef PREFDESK_HAVE_POSTGRESQL

#include <libpq-fe.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "host/datacenter/preference_watch.h"
#include "platform/ado/types.h"
#include "platform/automation/error.h"
#include "src/storage/schema.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::datacenter {
namespace {

constexpr const char* kSource = "WatchPostgres";
constexpr auto kFirstBackoff = std::chrono::milliseconds(100);
constexpr auto kLongestBackoff = std::chrono::milliseconds(5000);

struct ResultDeleter {
  void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

unsigned KindBit(const std::string& name) {
  if (name == "settings") return kSettingsChanged;
  if (name == "layout") return kLayoutChanged;
  if (name == "queries") return kQueriesChanged;
  if (name == "schemes") return kSchemesChanged;
  return kAllKinds;
}

class PostgresWatch : public PreferenceWatch {
 public:
  PostgresWatch(const std::string& connection_string, const std::string& schema, int32_t user,
                ChangeCallback on_change, WatchNoticeCallback on_notice)
      : PreferenceWatch(std::move(on_change), std::move(on_notice)),
        connection_string_(connection_string), schema_(schema), user_(user) {
    const std::string failure = Connect();
    if (!failure.empty()) automation::Raise(ado::kErrProvider, kSource, failure);
  }

  ~PostgresWatch() override { Disconnect(); }

 private:
  // Connects, finds the channel and listens on it; a one-line message on failure.
  std::string Connect() {
    const char* keywords[] = {"connect_timeout", "keepalives", "keepalives_idle", "keepalives_interval",
                              "keepalives_count", "client_encoding", "dbname", nullptr};
    const char* values[] = {"4", "1", "10", "5", "3", "UTF8", connection_string_.c_str(), nullptr};
    conn_ = PQconnectdbParams(keywords, values, /*expand_dbname=*/1);
    if (PQstatus(conn_) != CONNECTION_OK) return Failed("cannot reach the server: ");
    // The server's own words when it drops the connection are said by Lost() in one line.
    PQsetNoticeProcessor(conn_, [](void*, const char*) {}, nullptr);
    const std::string schema = storage::SqlText(schema_);
    std::string sql = "SELECT set_config('search_path', quote_ident(" + schema + "), false); ";
    if (user_ != kAllUsers) sql += "SELECT PREFDESK_ADD_CHANGE_STAMP(" + std::to_string(user_) + "); ";
    sql += std::string("SELECT F_CHANNEL FROM ") + storage::schema::T_PCHANGE + " WHERE F_UID = " +
           std::to_string(user_);
    if (!PQsendQuery(conn_, sql.c_str())) return Failed("");
    std::string channel;
    std::string error;
    while (Result result{PQgetResult(conn_)}) {
      if (PQresultStatus(result.get()) == PGRES_FATAL_ERROR && error.empty()) {
        const char* state = PQresultErrorField(result.get(), PG_DIAG_SQLSTATE);
        const std::string sqlstate = state ? state : "";
        // No such table or function: a store made before the change stamps.
        error = sqlstate == "42P01" || sqlstate == "42883"
                    ? "schema " + schema_ + " has no change stamps (" + storage::schema::T_PCHANGE +
                          "); the store needs an upgrade"
                    : PQresultErrorMessage(result.get());
      } else if (PQresultStatus(result.get()) == PGRES_TUPLES_OK && PQntuples(result.get()) == 1 &&
                 std::string(PQfname(result.get(), 0)) == "f_channel") {
        channel = PQgetvalue(result.get(), 0, 0);
      }
    }
    if (!error.empty()) return Failed(error);
    if (channel.empty()) {
      Disconnect();
      return user_ == kAllUsers
                 ? "this login may not follow every user's changes (row security: only the administrator may)"
                 : "this login may not follow the changes of user " + std::to_string(user_) +
                       " (row security: a user's login reaches its own user alone)";
    }
    Result listen(PQexec(conn_, ("LISTEN " + std::string(Quoted(channel))).c_str()));
    if (PQresultStatus(listen.get()) != PGRES_COMMAND_OK) return Failed("");
    PQsetnonblocking(conn_, 1);
    socket_ = PQsocket(conn_);
    Watch(socket_);
    return {};
  }

  std::string Quoted(const std::string& name) const {
    char* quoted = PQescapeIdentifier(conn_, name.c_str(), name.size());
    std::string text = quoted ? quoted : name;
    PQfreemem(quoted);
    return text;
  }

  std::string Failed(const std::string& what) {
    std::string message = what.empty() || what.back() == ' ' ? what + PQerrorMessage(conn_) : what;
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
    std::replace(message.begin(), message.end(), '\n', ' ');
    Disconnect();
    return message;
  }

  void Disconnect() {
    if (socket_ >= 0) Unwatch(socket_);
    socket_ = -1;
    if (conn_) PQfinish(conn_);
    conn_ = nullptr;
  }

  void Ready(bool retry_due) override {
    if (!conn_) {
      if (retry_due) Reconnect();
      return;
    }
    if (!PQconsumeInput(conn_) || PQstatus(conn_) != CONNECTION_OK) {
      Lost();
      return;
    }
    // The notifications of one transaction arrive together: one report per user.
    std::map<int32_t, PreferenceChange> changes;
    while (PGnotify* notify = PQnotifies(conn_)) {
      std::istringstream payload(notify->extra);
      PQfreemem(notify);
      int32_t user = user_;
      std::string kind;
      int64_t stamp = 0;
      if (user_ == kAllUsers) payload >> user;
      payload >> kind >> stamp;
      PreferenceChange& change = changes[user];
      change.user = user;
      change.kinds |= KindBit(kind);
      change.stamp = std::max(change.stamp, stamp);
    }
    for (const auto& [user, change] : changes) Report(change);
  }

  void Lost() {
    Disconnect();
    Notice("the connection to the server was lost; reconnecting");
    backoff_ = kFirstBackoff;
    RetryAfter(backoff_);
  }

  void Reconnect() {
    const std::string failure = Connect();
    if (!failure.empty()) {
      backoff_ = std::min(backoff_ * 2, kLongestBackoff);
      RetryAfter(backoff_);
      return;
    }
    Notice("reconnected to the server");
    Report({{}, user_, kAllKinds, true, 0});
  }

  std::string connection_string_;
  std::string schema_;
  int32_t user_;
  PGconn* conn_ = nullptr;
  int socket_ = -1;
  std::chrono::milliseconds backoff_ = kFirstBackoff;
};

}  // namespace

std::unique_ptr<PreferenceWatch> WatchPostgres(const std::string& connection_string,
                                               const std::string& schema, int32_t user,
                                               ChangeCallback on_change, WatchNoticeCallback on_notice) {
  return std::make_unique<PostgresWatch>(connection_string, schema, user, std::move(on_change),
                                         std::move(on_notice));
}

}  // namespace prefdesk::datacenter

#endif  // PREFDESK_HAVE_POSTGRESQL
