// An ADO connection over a SQLite database file.
#pragma once

#include <memory>
#include <string>

#include "platform/ado/types.h"
#include "platform/automation/dispatch.h"

struct sqlite3;

namespace prefdesk::ado {

class Recordset;

class Connection : public automation::Dispatch,
                   public std::enable_shared_from_this<Connection> {
 public:
  Connection();
  ~Connection() override;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  static std::shared_ptr<Connection> Create();

  // "Data Source=PATH;" (other keys ignored) or a bare path.
  const std::string& ConnectionString() const { return connection_string_; }
  void SetConnectionString(std::string text);

  // Opens the database file; raises when it does not exist or cannot be read.
  void Open(const std::string& connection_string = "");
  void Close();
  int State() const;

  // Runs a statement; a query returns an open client-side static read-only record set,
  // anything else a closed one.
  std::shared_ptr<Recordset> Execute(const std::string& command_text, int options = -1);

  // The path named by a connection string.
  static std::string DataSourceOf(const std::string& connection_string);

  sqlite3* Handle() const { return db_; }

  const automation::MemberTable& Members() const override;
  std::string ClassName() const override { return "Connection"; }

 private:
  std::string connection_string_;
  sqlite3* db_ = nullptr;
  mutable std::unique_ptr<automation::MemberTable> members_;
};

}  // namespace prefdesk::ado
