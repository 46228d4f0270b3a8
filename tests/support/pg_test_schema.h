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

// A query's rows as texts (nullopt for NULL), with each column's type OID.
struct PgRows {
  std::vector<unsigned> types;
  std::vector<std::vector<std::optional<std::string>>> rows;
};

class PgTestSchema {
 public:
  // url: a libpq connection string, e.g. the value of PREFDESK_PG_URL. Throws
  // std::runtime_error when the server cannot be reached or the scripts fail.
  explicit PgTestSchema(std::string url);
  ~PgTestSchema();
  PgTestSchema(const PgTestSchema&) = delete;
  PgTestSchema& operator=(const PgTestSchema&) = delete;

  const std::string& Url() const { return url_; }
  const std::string& Schema() const { return schema_; }

  // Both throw std::runtime_error with the server's message on failure.
  void Exec(const std::string& sql) const;
  PgRows Query(const std::string& sql) const;

 private:
  pg_conn* Connection() const;

  std::string url_;
  std::string schema_;
  mutable pg_conn* conn_ = nullptr;
};

}  // namespace prefdesk::test_support
