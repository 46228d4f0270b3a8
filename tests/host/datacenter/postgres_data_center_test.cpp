// The PostgreSQL data service against a real server: the one named by PREFDESK_PG_URL (see
// tests/pg/start-postgres.sh). Without it these tests are skipped.
#ifdef PREFDESK_HAVE_POSTGRESQL

#include "host/datacenter/postgres_data_center.h"

#include <gtest/gtest.h>

#include <memory>

#include "host/datacenter/fault_injector.h"
#include "host/datacenter/postgres_standby_reads.h"
#include "host/datacenter/postgres_users.h"
#include "platform/ado/types.h"
#include "platform/automation/conversions.h"
#include "src/component/cls_prefdesk.h"
#include "src/state/shared_state.h"
#include "support/pg_test_schema.h"
#include "support/temp_databases.h"

namespace prefdesk::datacenter {
namespace {

using automation::Variant;
using test_support::ServerBackend;
using test_support::TempDatabases;

class PostgresDataCenterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (test_support::PostgresUrlFromEnvironment().empty()) {
      GTEST_SKIP() << "PREFDESK_PG_URL is not set";
    }
    db_ = std::make_unique<TempDatabases>(5, ServerBackend::kPostgres);
    dc_ = Client(5);
  }

  std::shared_ptr<PostgresDataCenter> Client(int32_t uid, int call_timeout_ms = 5000) const {
    PostgresSettings settings;
    settings.schema = db_->PostgresSchema();
    settings.call_timeout_ms = call_timeout_ms;
    return std::make_shared<PostgresDataCenter>(db_->PostgresUrl(), uid, settings);
  }

  // The server process of the client's session, seen from the client itself.
  int64_t BackendPid(storage::DataCenter& dc) const {
    std::shared_ptr<ado::Recordset> rs;
    EXPECT_EQ(dc.OpenRecordsetByString(rs, "SELECT pg_backend_pid() AS pid"), 1);
    return rs ? automation::CLng((*rs)["pid"]) : 0;
  }

  // Ends the client's session from the fixture's own connection, as a server restart or a
  // network failure would.
  void Terminate(PostgresDataCenter& dc) const {
    const int64_t pid = BackendPid(dc);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(db_->ServerInt("SELECT pg_terminate_backend(" + std::to_string(pid) + ", 5000)::int"), 1);
  }

  int64_t Count(const std::string& table) const {
    return db_->ServerInt("SELECT COUNT(*) FROM " + table);
  }

  std::unique_ptr<TempDatabases> db_;
  std::shared_ptr<PostgresDataCenter> dc_;
};

constexpr char kQueryColumns[] = "F_QUERYID,F_UID,F_HBUTTONID,F_QUERYNAME";

TEST_F(PostgresDataCenterTest, RecordSetsCarryTypedFieldsUnderCaseBlindNames) {
  db_->ExecServer(
      "CREATE TABLE T_TYPES (F_SMALL SMALLINT, F_BIG BIGINT, F_FLAG BOOLEAN, F_REAL REAL, "
      "F_MONEY CURRENCY, F_AT DATETIME, F_STAMP TIMESTAMP, F_NAME VARCHAR(50), F_NOTE TEXT);"
      "INSERT INTO T_TYPES VALUES (1, 9000000000, TRUE, 12.5, 1234.5678, '08:30:00', "
      "'2026-12-05 21:10:30', '中文名', NULL)");
  std::shared_ptr<ado::Recordset> rs;
  ASSERT_EQ(dc_->OpenRecordsetByString(rs, "Select * From T_TYPES"), 1);
  ado::Recordset& r = *rs;
  EXPECT_EQ(r.GetFields().Item(0).Name(), "f_small") << "the server folds names to lower case";
  EXPECT_EQ(r.GetFields().Item("F_SMALL").Type(), ado::adInteger);
  EXPECT_EQ(r["F_SMALL"], Variant(int32_t{1}));
  EXPECT_EQ(r["F_BIG"], Variant(9000000000.0));
  EXPECT_EQ(r["F_FLAG"], Variant(true));
  EXPECT_EQ(r["F_REAL"], Variant(12.5));
  EXPECT_EQ(r.GetFields().Item("F_MONEY").Type(), ado::adCurrency) << "CURRENCY is numeric(19,4)";
  EXPECT_EQ(r["F_MONEY"], Variant(automation::Currency{12345678}));
  EXPECT_EQ(r.GetFields().Item("F_AT").Type(), ado::adDate) << "DATETIME is a time of day";
  EXPECT_EQ(r["F_AT"], Variant(automation::TimeSerial(8, 30, 0)));
  EXPECT_EQ(r.GetFields().Item("F_NAME").DefinedSize(), 50);
  EXPECT_EQ(r["F_NAME"], Variant("中文名"));
  EXPECT_TRUE(r["F_NOTE"].IsNull());

  ASSERT_EQ(dc_->OpenRecordsetByString(rs, "Select F_NAME From T_TYPES Where 1 = 0"), 0);
  EXPECT_TRUE(rs->IsEOF());
  EXPECT_EQ(rs->GetFields().Item("f_name").DefinedSize(), 50) << "an empty set keeps its fields";
}

TEST_F(PostgresDataCenterTest, AStatementErrorIsDescribedAndTheConnectionStays) {
  const int64_t pid = BackendPid(*dc_);
  std::shared_ptr<ado::Recordset> rs;
  ASSERT_GE(dc_->OpenRecordsetByString(rs, "Select * From SYSTBLHBUTTON"), 0);
  EXPECT_LT(dc_->OpenRecordsetByString(rs, "Select * From T_NOWHERE"), 0);
  EXPECT_FALSE(rs) << "a failed query leaves no stale record set";
  storage::ErrInfo info = dc_->GetErrInfo();
  EXPECT_LT(info.Number, 0);
  EXPECT_EQ(info.Source, "PostgresDataCenter.OpenRecordsetByString");
  EXPECT_NE(info.Description.find("SQLSTATE 42P01"), std::string::npos) << info.Description;
  EXPECT_NE(info.Description.find("t_nowhere"), std::string::npos) << info.Description;
  EXPECT_EQ(dc_->LastErrorKind(), PgErrorKind::kStatement);

  EXPECT_LT(dc_->Insert("T_PQUERY", kQueryColumns, "'1', 1"), 0);
  EXPECT_EQ(dc_->GetErrInfo().Source, "PostgresDataCenter.Insert");
  EXPECT_NE(dc_->GetErrInfo().Description.find("SQLSTATE 42601"), std::string::npos)
      << dc_->GetErrInfo().Description;
  EXPECT_LT(dc_->Update("T_NOWHERE", "F_UID=1", "", ""), 0);
  EXPECT_EQ(dc_->GetErrInfo().Source, "PostgresDataCenter.Update");
  EXPECT_LT(dc_->Delete("T_NOWHERE", ""), 0);
  EXPECT_EQ(dc_->GetErrInfo().Source, "PostgresDataCenter.Delete");
  EXPECT_LT(dc_->OpenRecordsetByString(rs, "DELETE FROM T_PQUERY"), 0) << "no record set";
  EXPECT_EQ(BackendPid(*dc_), pid) << "statement errors keep the session";
}

// Closed by the server between transactions (a restart, a failover), the connection is made
// again before the next call, which goes on; so does a transaction begun after the loss.
TEST_F(PostgresDataCenterTest, AConnectionLostBetweenCallsIsMadeAgainByTheNextCall) {
  const std::string server = dc_->ServerReached();
  EXPECT_NE(server.find(':'), std::string::npos) << server;
  EXPECT_EQ(server.find("standby"), std::string::npos) << server;
  for (const bool begin : {false, true}) {
    SCOPED_TRACE(begin ? "BeginTrans" : "a query");
    const int64_t pid = BackendPid(*dc_);
    Terminate(*dc_);
    if (begin) {
      dc_->BeginTrans();
      EXPECT_EQ(dc_->Insert("T_PQUERY", kQueryColumns, "'1', 5, 1, 'A'"), 1) << dc_->GetErrInfo().Description;
      EXPECT_EQ(dc_->CommitTrans(), 0);
      EXPECT_EQ(Count("T_PQUERY"), 1) << "the new session has the schema's search path";
    } else {
      std::shared_ptr<ado::Recordset> rs;
      EXPECT_EQ(dc_->OpenRecordsetByString(rs, "Select * From SYSTBLHBUTTON"), 12)
          << dc_->GetErrInfo().Description;
    }
    EXPECT_NE(BackendPid(*dc_), pid) << "a new session";
  }
  EXPECT_EQ(dc_->ServerReached(), server);
}

// Doomed by a failed statement or lost with its connection, a transaction stays open, its
// statements failing, until it is rolled back, or until a commit that commits nothing.
TEST_F(PostgresDataCenterTest, ADoomedOrLostTransactionStaysOpenUntilItEnds) {
  struct Case {
    const char* name;
    bool lose_connection;
    bool commit;
  };
  for (const Case& c : {Case{"failed statement, commit", false, true}, Case{"lost, rollback", true, false},
                        Case{"lost, commit", true, true}}) {
    SCOPED_TRACE(c.name);
    dc_->BeginTrans();
    ASSERT_EQ(dc_->Insert("T_PQUERY", kQueryColumns, "'1', 5, 1, 'A'"), 1);
    if (c.lose_connection) {
      Terminate(*dc_);
      EXPECT_LT(dc_->Insert("T_PQUERY", kQueryColumns, "'2', 5, 1, 'B'"), 0);
      EXPECT_EQ(dc_->LastErrorKind(), PgErrorKind::kBrokenConnection);
    } else {
      EXPECT_LT(dc_->Delete("T_NOWHERE", ""), 0);
    }
    EXPECT_TRUE(dc_->InTransaction()) << "open until the caller ends it";
    EXPECT_LT(dc_->Insert("T_PQUERY", kQueryColumns, "'3', 5, 1, 'C'"), 0)
        << "no statement of the transaction may run outside it";
    if (c.commit) {
      EXPECT_LT(dc_->CommitTrans(), 0);
      EXPECT_LT(dc_->GetErrInfo().Number, 0);
      EXPECT_EQ(dc_->GetErrInfo().Source, "PostgresDataCenter.CommitTrans");
      EXPECT_NE(dc_->GetErrInfo().Description.find("nothing was committed"), std::string::npos);
    } else {
      EXPECT_LT(dc_->BeginTrans(), 0);
      EXPECT_EQ(dc_->GetErrInfo().Source, "PostgresDataCenter.BeginTrans");
      dc_->RollbackTrans();
    }
    EXPECT_FALSE(dc_->InTransaction());
    EXPECT_EQ(Count("T_PQUERY"), 0);
  }
  dc_->CommitTrans();
  EXPECT_NE(dc_->GetErrInfo().Description.find("No transaction is open"), std::string::npos);
  EXPECT_EQ(dc_->Insert("T_PQUERY", kQueryColumns, "'4', 5, 1, 'D'"), 1);
  EXPECT_EQ(Count("T_PQUERY"), 1);
}

TEST_F(PostgresDataCenterTest, AConnectionThatDiesDuringCommitLeavesTheOutcomeInDoubt) {
  // A deferred trigger ends its own session while COMMIT runs.
  db_->ExecServer(
      "CREATE FUNCTION end_session() RETURNS trigger LANGUAGE plpgsql AS "
      "$$ BEGIN PERFORM pg_terminate_backend(pg_backend_pid()); RETURN NULL; END $$;"
      "CREATE CONSTRAINT TRIGGER t_end AFTER INSERT ON T_PQUERY DEFERRABLE INITIALLY DEFERRED "
      "FOR EACH ROW EXECUTE FUNCTION end_session()");
  dc_->BeginTrans();
  ASSERT_EQ(dc_->Insert("T_PQUERY", kQueryColumns, "'1', 5, 1, 'A'"), 1);
  EXPECT_LT(dc_->CommitTrans(), 0);
  EXPECT_EQ(dc_->LastErrorKind(), PgErrorKind::kInDoubt);
  EXPECT_EQ(dc_->GetErrInfo().Number, kErrPgInDoubt);
  EXPECT_NE(dc_->GetErrInfo().Description.find("unknown"), std::string::npos);
  EXPECT_FALSE(dc_->InTransaction()) << "nothing is left to roll back";
  std::shared_ptr<ado::Recordset> rs;
  EXPECT_EQ(dc_->OpenRecordsetByString(rs, "Select * From T_PQUERY"), 0)
      << "the next call reconnects; the server never committed";
}

// A statement past the call's time is cancelled by the server and the session stays; a server
// that does not answer in time is left.
TEST_F(PostgresDataCenterTest, ACallPastItsTimeIsCancelledOrItsServerLeft) {
  auto quick = Client(5, /*call_timeout_ms=*/1500);
  const int64_t pid = BackendPid(*quick);
  std::shared_ptr<ado::Recordset> rs;
  EXPECT_LT(quick->OpenRecordsetByString(rs, "SELECT pg_sleep(30)"), 0);
  EXPECT_NE(quick->GetErrInfo().Description.find("SQLSTATE 57014"), std::string::npos)
      << quick->GetErrInfo().Description;
  EXPECT_EQ(BackendPid(*quick), pid) << "a cancelled statement keeps the session";

  // The statement lifts the server's own limit, so only the call's deadline ends the wait.
  EXPECT_LT(quick->OpenRecordsetByString(rs, "SET statement_timeout = 0; SELECT pg_sleep(30)"), 0);
  EXPECT_EQ(quick->LastErrorKind(), PgErrorKind::kTimeout);
  EXPECT_EQ(quick->GetErrInfo().Number, kErrPgTimeout);
  EXPECT_FALSE(quick->Connected());
  EXPECT_EQ(quick->OpenRecordsetByString(rs, "Select * From SYSTBLHBUTTON"), 12);
}

// A standby that has not yet replayed as far as the caller asks: it says "behind" to the
// first `lagging` position checks, then answers as itself.
class LaggingStandby : public ForwardingDataCenter {
 public:
  LaggingStandby(storage::DataCenterRef inner, int lagging)
      : ForwardingDataCenter(std::move(inner)), lagging_(lagging) {}
  int32_t OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs, const std::string& sql) override {
    if (sql.find("pg_last_wal_replay_lsn") == std::string::npos) return inner_->OpenRecordsetByString(rs, sql);
    ++checks;
    return inner_->OpenRecordsetByString(rs, lagging_-- > 0 ? "SELECT 1 AS behind" : sql);
  }
  int checks = 0;

 private:
  int lagging_;
};

// Queries outside a transaction go to the standby's service, everything else to the primary's;
// after a write the client reads from the primary until the standby has replayed it, and a
// query the standby cannot answer is answered by the primary.
TEST_F(PostgresDataCenterTest, StandbyReadsSendQueriesToTheStandbyOnceItHasReplayedTheWrites) {
  auto standby = std::make_shared<LaggingStandby>(Client(5), 2);
  auto faults = std::make_shared<FaultInjector>(standby);
  StandbyReadsDataCenter dc(dc_, faults);
  const int64_t primary_pid = BackendPid(*dc_);
  EXPECT_NE(BackendPid(dc), primary_pid) << "nothing written yet: the standby answers";

  dc.BeginTrans();
  EXPECT_EQ(BackendPid(dc), primary_pid) << "inside a transaction: the primary";
  ASSERT_EQ(dc.Insert("T_PQUERY", kQueryColumns, "'1', 5, 1, 'A'"), 1);
  ASSERT_EQ(dc.CommitTrans(), 0);
  EXPECT_EQ(BackendPid(dc), primary_pid) << "the standby is behind the commit";
  EXPECT_EQ(BackendPid(dc), primary_pid);
  EXPECT_NE(BackendPid(dc), primary_pid) << "the standby has caught up";
  EXPECT_EQ(standby->checks, 3);
  EXPECT_NE(BackendPid(dc), primary_pid);
  EXPECT_EQ(standby->checks, 3) << "no check until the next write";

  ASSERT_EQ(dc.Update("T_PQUERY", "F_QUERYNAME='B'", "", "F_UID=5"), 1);
  EXPECT_NE(BackendPid(dc), primary_pid);
  EXPECT_EQ(standby->checks, 4) << "an autocommit write is waited for too";

  faults->LoseConnection();
  std::shared_ptr<ado::Recordset> rs;
  EXPECT_EQ(dc.OpenRecordsetByString(rs, "SELECT F_QUERYNAME FROM T_PQUERY"), 1) << "the primary answers";
  EXPECT_EQ((*rs)["F_QUERYNAME"], Variant("B"));
  EXPECT_LT(dc.OpenRecordsetByString(rs, "SELECT * FROM T_NOWHERE"), 0);
  EXPECT_NE(dc.GetErrInfo().Description.find("t_nowhere"), std::string::npos)
      << "the primary's error: " << dc.GetErrInfo().Description;
  EXPECT_EQ(dc.StandbyReads(), 4);
  EXPECT_EQ(dc.PrimaryReads(), 5);

  // A commit that fails keeps its error, and the reads stay on the primary.
  faults->Reconnect();
  dc.BeginTrans();
  EXPECT_LT(dc.Delete("T_NOWHERE", ""), 0);
  EXPECT_LT(dc.CommitTrans(), 0);
  EXPECT_EQ(dc.GetErrInfo().Source, "PostgresDataCenter.CommitTrans");
  EXPECT_EQ(BackendPid(dc), primary_pid);
}

// With row security a user's role reaches only the rows of the user it is mapped to: other
// users' rows are not found and cannot be written, and its client learns its user id from the
// server (what UserID 0 takes).
TEST(PostgresRowSecurity, AUsersRoleReachesItsOwnRowsAloneAndNamesItsUser) {
  const std::string url = test_support::PostgresUrlFromEnvironment();
  if (url.empty()) GTEST_SKIP() << "PREFDESK_PG_URL is not set";
  test_support::PgTestSchema db(url, /*row_security=*/true);
  const std::string role = db.NewRole("alice");
  ASSERT_FALSE(AddPgUser(url, db.Schema(), 7, role, [](const std::string&) { return false; }).refused);
  db.Exec("INSERT INTO T_PQUERY VALUES ('q7', 7, 1, 'Mine'), ('q8', 8, 1, 'Theirs')");
  PostgresSettings settings;
  settings.schema = db.Schema();
  auto mine = std::make_shared<PostgresDataCenter>(db.UrlAs(role), 0, settings);
  EXPECT_EQ(mine->myinfo().uid, 7);
  EXPECT_EQ(PostgresDataCenter(url, 3, settings).myinfo().uid, 3) << "the administrator is no mapped user";
  auto prefdesk = component::ClsPrefdesk::Create();
  prefdesk->SetDataCenter(mine);
  prefdesk->SetUserID(0);
  EXPECT_EQ(state::State().UserID, 7);

  std::shared_ptr<ado::Recordset> rs;
  EXPECT_EQ(mine->OpenRecordsetByString(rs, "SELECT F_QUERYID FROM T_PQUERY"), 1);
  EXPECT_EQ((*rs)["F_QUERYID"], Variant("q7"));
  EXPECT_EQ(mine->Update("T_PQUERY", "F_QUERYNAME='Changed'", "", "F_UID=8"), 0);
  EXPECT_EQ(mine->Delete("T_PQUERY", "F_UID=8"), 0);
  EXPECT_LT(mine->Insert("T_PQUERY", kQueryColumns, "'x8', 8, 1, 'Planted'"), 0);
  EXPECT_EQ(mine->GetErrInfo().Number, kErrPgDenied) << mine->GetErrInfo().Description;
  EXPECT_LT(mine->Update("T_PQUERY", "F_UID=8", "", "F_UID=7"), 0) << "its own row handed to another";
  EXPECT_EQ(mine->Insert("T_PQUERY", kQueryColumns, "'q7b', 7, 2, 'Also mine'"), 1);
  EXPECT_EQ(mine->OpenRecordsetByString(rs, "SELECT * FROM SYSTBLHBUTTON"), 12);
  EXPECT_LT(mine->Delete("SYSTBLHBUTTON", ""), 0) << "the catalogue is read-only";
  EXPECT_EQ(db.Query("SELECT F_QUERYID, F_UID, F_QUERYNAME FROM T_PQUERY ORDER BY 1").rows,
            (std::vector<std::vector<std::optional<std::string>>>{
                {"q7", "7", "Mine"}, {"q7b", "7", "Also mine"}, {"q8", "8", "Theirs"}}));
  EXPECT_EQ(RemovePgUser(url, db.Schema(), role).uid, 7);
  EXPECT_TRUE(RemovePgUser(url, db.Schema(), role).refused);
  state::State().UserID = 0;
}

TEST(PostgresDataCenterOffline, AnUnreachableServerFailsEveryCallWithoutThrowing) {
  PostgresSettings settings;
  settings.connect_timeout_s = 2;
  PostgresDataCenter dc("postgresql://nobody@/nothing?host=/nonexistent-prefdesk-socket", 1,
                        settings);
  EXPECT_FALSE(dc.Connected());
  EXPECT_EQ(dc.GetErrInfo().Source, "PostgresDataCenter.Open");
  std::shared_ptr<ado::Recordset> rs;
  EXPECT_LT(dc.OpenRecordsetByString(rs, "Select 1"), 0);
  EXPECT_EQ(dc.LastErrorKind(), PgErrorKind::kBrokenConnection);
  EXPECT_EQ(dc.GetErrInfo().Source, "PostgresDataCenter.OpenRecordsetByString");
  EXPECT_NE(dc.GetErrInfo().Description.find("nonexistent-prefdesk-socket"), std::string::npos)
      << dc.GetErrInfo().Description;
  EXPECT_LT(dc.Insert("T", "A", "1"), 0);
  dc.BeginTrans();
  EXPECT_TRUE(dc.InTransaction()) << "a transaction that could not begin is open but lost";
  EXPECT_LT(dc.Delete("T", ""), 0);
  dc.RollbackTrans();
  EXPECT_FALSE(dc.InTransaction());
  EXPECT_LT(PostgresDataCenter("not a connection string", 1, settings).GetErrInfo().Number, 0);
}

}  // namespace
}  // namespace prefdesk::datacenter

#endif  // PREFDESK_HAVE_POSTGRESQL
