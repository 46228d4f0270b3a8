// A server database of its own for one test on a PostgreSQL server: a new schema with a name
// no other test process uses, built from the data folder, and dropped again at the end. Its
// set-up and assertion statements run on a connection of their own.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct pg_conn;

namespace prefdesk::test_support {

// A query's rows as texts (nullopt for NULL).
struct PgRows {
  std::vector<std::vector<std::optional<std::string>>> rows;
};

class PgTestSchema {
 public:
  // url: a libpq connection string, e.g. the value of PREFDESK_PG_URL. Throws
  // std::runtime_error when the server cannot be reached or the scripts fail. row_security:
  // built as init --row-security builds it.
  explicit PgTestSchema(std::string url, bool row_security = false);
  // Takes charge of a schema made elsewhere (by prefdesk-host init, say): it is dropped at
  // the end like one of its own.
  static std::unique_ptr<PgTestSchema> Adopt(std::string url, std::string schema);
  ~PgTestSchema();
  PgTestSchema(const PgTestSchema&) = delete;
  PgTestSchema& operator=(const PgTestSchema&) = delete;

  const std::string& Url() const { return url_; }
  const std::string& Schema() const { return schema_; }

  // Both throw std::runtime_error with the server's message on failure.
  void Exec(const std::string& sql) const;
  PgRows Query(const std::string& sql) const;

  // Creates a login role with a name no other test uses (ending in suffix); it is dropped
  // after the schema. UrlAs gives the connection string that logs in as a role.
  std::string NewRole(const std::string& suffix);
  std::string UrlAs(const std::string& role) const;

 private:
  PgTestSchema(std::string url, std::string schema);
  pg_conn* Connection() const;

  std::string url_;
  std::string schema_;
  std::vector<std::string> roles_;
  mutable pg_conn* conn_ = nullptr;
};

}  // namespace prefdesk::test_support
