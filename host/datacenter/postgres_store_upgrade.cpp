// The upgrade of a server database in a PostgreSQL schema.
#ifdef PREFDESK_HAVE_POSTGRESQL

#include <libpq-fe.h>

#include "host/datacenter/postgres_admin.h"
#include "host/datacenter/postgres_schema.h"
#include "host/datacenter/store_upgrade.h"
#include "platform/ado/quote_identifier.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::datacenter {
namespace {

constexpr const char* kSource = "UpgradePostgresStore";

class PostgresUpgradeStore : public UpgradeStore {
 public:
  PostgresUpgradeStore(const std::string& connection_string, const std::string& schema)
      : connection_(ConnectOrRaise(connection_string, kSource)), schema_(schema) {
    ExecOrRaise(*connection_, kSource, "SET search_path",
                "SET search_path = " + ado::QuoteIdentifier(schema) +
                    "; SET lock_timeout = '5s'; SET client_min_messages = warning");
  }

  const char* RowIdentity() const override { return "ctid"; }
  // The three triggers on each of the five per-user tables.
  bool HasChangeStamps() override {
    return Query("SELECT count(*) = 15 FROM pg_trigger t JOIN pg_class c ON c.oid = t.tgrelid "
                 "JOIN pg_namespace n ON n.oid = c.relnamespace WHERE n.nspname = " +
                 storage::SqlText(schema_) +
                 " AND t.tgname IN ('stamp_insert', 'stamp_update', 'stamp_delete')")[0][0] == "t";
  }
  std::string ChangeStampsScript() const override { return kPostgresChangeStampsScript; }
  std::string SaveLockScript() const override { return "postgresql_save_lock.sql"; }

  std::vector<std::vector<std::string>> Query(const std::string& sql) override {
    const PgOutcome outcome = ExecOrRaise(*connection_, kSource, "upgrade", sql);
    std::vector<std::vector<std::string>> rows;
    pg_result* result = outcome.result.get();
    for (int r = 0; result != nullptr && r < PQntuples(result); ++r) {
      rows.emplace_back();
      for (int c = 0; c < PQnfields(result); ++c) {
        rows.back().emplace_back(PQgetisnull(result, r, c) ? "NULL" : PQgetvalue(result, r, c));
      }
    }
    return rows;
  }

  void Exec(const std::string& sql) override { ExecOrRaise(*connection_, kSource, "upgrade", sql); }

  bool HasIndex(const std::string& name) override {
    return !Query("SELECT 1 FROM pg_indexes WHERE schemaname = current_schema() AND indexname = "
                  "lower(" + storage::SqlText(name) + ")")
                .empty();
  }

 private:
  std::unique_ptr<PgConnection> connection_;
  std::string schema_;
};

}  // namespace

std::unique_ptr<UpgradeStore> OpenPostgresUpgradeStore(const std::string& connection_string,
                                                       const std::string& schema) {
  return std::make_unique<PostgresUpgradeStore>(connection_string, schema);
}

}  // namespace prefdesk::datacenter

#endif  // PREFDESK_HAVE_POSTGRESQL
