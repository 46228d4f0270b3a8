#include "platform/ado/connection.h"

#include <sqlite3.h>

#include <filesystem>

#include "platform/ado/errors.h"
#include "platform/ado/recordset.h"
#include "platform/ado/snapshot.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"

namespace prefdesk::ado {
namespace {

constexpr int kBusyTimeoutMs = 5000;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string_view Unquote(std::string_view text) {
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front()) {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

[[noreturn]] void RaiseOpenFailure(const std::string& path, const std::string& why) {
  automation::Raise(kErrProvider, kConnectionSource,
                    "Cannot open the database file '" + path + "': " + why);
}

}  // namespace

Connection::Connection() = default;

Connection::~Connection() {
  if (db_) sqlite3_close_v2(db_);
}

std::shared_ptr<Connection> Connection::Create() { return std::make_shared<Connection>(); }

void Connection::SetConnectionString(std::string text) {
  if (db_) {
    automation::Raise(kErrObjectOpen, kConnectionSource,
                      "Operation is not allowed when the object is open.");
  }
  connection_string_ = std::move(text);
}

std::string Connection::DataSourceOf(const std::string& connection_string) {
  std::string_view text = Trim(connection_string);
  if (text.find('=') == std::string_view::npos) return std::string(Unquote(text));
  // key=value pairs separated by ';'; a quoted value may itself hold ';'.
  while (!text.empty()) {
    size_t eq = text.find('=');
    if (eq == std::string_view::npos) break;
    std::string_view key = Trim(text.substr(0, eq));
    text = Trim(text.substr(eq + 1));
    size_t end = text.find(';');
    if (!text.empty() && (text.front() == '"' || text.front() == '\'')) {
      size_t close = text.find(text.front(), 1);
      if (close != std::string_view::npos) end = text.find(';', close);
    }
    std::string_view value = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (automation::EqualsIgnoreCase(key, "Data Source")) return std::string(Unquote(value));
  }
  return "";
}

void Connection::Open(const std::string& connection_string) {
  if (!connection_string.empty()) SetConnectionString(connection_string);
  if (db_) {
    automation::Raise(kErrObjectOpen, kConnectionSource,
                      "Operation is not allowed when the object is open.");
  }
  const std::string path = DataSourceOf(connection_string_);
  if (path.empty()) {
    automation::Raise(kErrProvider, kConnectionSource,
                      "The connection string \"" + connection_string_ + "\" names no Data Source.");
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) RaiseOpenFailure(path, "the file does not exist.");
  sqlite3* db = nullptr;
  // A connection serves one thread at a time, as the component's state does, so the engine's
  // lock around every call (several for each value read) is left out.
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc == SQLITE_OK) {
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // The engine reads the file lazily; reading the schema proves it is a database.
    rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  }
  if (rc != SQLITE_OK) {
    std::string why = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close_v2(db);
    RaiseOpenFailure(path, why + ".");
  }
  db_ = db;
}

void Connection::Close() {
  if (!db_) RaiseClosed(kConnectionSource);
  sqlite3_close_v2(db_);
  db_ = nullptr;
}

int Connection::State() const { return db_ ? adStateOpen : adStateClosed; }

std::shared_ptr<Recordset> Connection::Execute(const std::string& command_text, int options) {
  if (!db_) RaiseClosed(kConnectionSource);
  auto snapshot = RunStatements(db_, command_text);
  if (!snapshot) return Recordset::Create();
  auto set = Recordset::FromRows(std::move(snapshot->fields), std::move(snapshot->rows));
  set->SetSource(command_text);
  set->SetActiveConnection(weak_from_this().lock());
  set->SetCursorLocation(adUseClient);
  set->SetCursorType(adOpenStatic);
  set->SetLockType(adLockReadOnly);
  return set;
}

}  // namespace prefdesk::ado
