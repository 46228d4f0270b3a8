#include "host/datacenter/sqlite_datacenter.h"

#include <gtest/gtest.h>

#include "platform/ado/recordset.h"
#include "platform/automation/conversions.h"
#include "support/temp_databases.h"

namespace prefdesk::datacenter {
namespace {

constexpr char kQueryColumns[] = "F_QUERYID,F_UID,F_HBUTTONID,F_QUERYNAME";

TEST(SqliteDataCenter, AFailureIsDescribedAndNeverThrown) {
  test_support::TempDatabases db(1, test_support::ServerBackend::kSqlite);
  SqliteDataCenter& dc = *db.SqliteServer();
  std::shared_ptr<ado::Recordset> rs;
  ASSERT_GE(dc.OpenRecordsetByString(rs, "Select * From SYSTBLHBUTTON"), 0);
  EXPECT_LT(dc.OpenRecordsetByString(rs, "Select * From T_NOWHERE"), 0);
  EXPECT_FALSE(rs) << "a failed query leaves no stale record set";
  storage::ErrInfo info = dc.GetErrInfo();
  EXPECT_NE(info.Number, 0);
  EXPECT_EQ(info.Source, "SqliteDataCenter.OpenRecordsetByString");
  EXPECT_NE(info.Description.find("no such table: T_NOWHERE"), std::string::npos)
      << info.Description;

  ASSERT_EQ(dc.Insert("T_PQUERY", kQueryColumns, "'1', 1, 1, 'A'"), 1);
  EXPECT_LT(dc.Insert("T_PQUERY", kQueryColumns, "'1', 1, 1, 'again'"), 0);
  info = dc.GetErrInfo();
  EXPECT_EQ(info.Source, "SqliteDataCenter.Insert");
  EXPECT_NE(info.Description.find("UNIQUE"), std::string::npos) << info.Description;

  EXPECT_LT(dc.Update("T_PQUERY", "F_NOSUCH=1", "", "F_UID=1"), 0);
  EXPECT_EQ(dc.GetErrInfo().Source, "SqliteDataCenter.Update");
  EXPECT_LT(dc.Delete("T_PQUERY", "F_UID=="), 0);
  EXPECT_EQ(dc.GetErrInfo().Source, "SqliteDataCenter.Delete");
  // The service stays usable after failures.
  EXPECT_EQ(dc.Delete("T_PQUERY", "F_UID=1"), 1);
}

TEST(SqliteDataCenter, AMissingDatabaseFailsEveryCallAndCreatesNoFile) {
  test_support::TempDatabases db(1, test_support::ServerBackend::kSqlite);
  const auto missing = db.Folder() / "absent.db";
  SqliteDataCenter dc(missing.string(), 1);
  std::shared_ptr<ado::Recordset> rs;
  EXPECT_LT(dc.OpenRecordsetByString(rs, "Select 1"), 0);
  EXPECT_EQ(dc.GetErrInfo().Source, "SqliteDataCenter.OpenRecordsetByString");
  EXPECT_FALSE(dc.GetErrInfo().Description.empty());
  EXPECT_LT(dc.Insert("T_PQUERY", kQueryColumns, "'1', 1, 1, 'A'"), 0);
  dc.BeginTrans();
  EXPECT_LT(dc.Delete("T_PQUERY", ""), 0);
  dc.RollbackTrans();
  EXPECT_FALSE(dc.InTransaction());
  EXPECT_FALSE(std::filesystem::exists(missing));
}

// A transaction that could not begin stays open, its statements failing, until it is rolled
// back or until a commit that commits nothing.
TEST(SqliteDataCenter, ASecondWriterThatCannotBeginFailsItsStatementsUntilItEnds) {
  test_support::TempDatabases db(1, test_support::ServerBackend::kSqlite);
  SqliteDataCenter& first = *db.SqliteServer();
  SqliteDataCenter second(db.ServerPath().string(), 2, /*busy_timeout_ms=*/0);
  ASSERT_EQ(first.BeginTrans(), 0);
  ASSERT_EQ(first.Insert("T_PQUERY", kQueryColumns, "'1', 1, 1, 'A'"), 1);

  for (const bool commit : {false, true}) {
    SCOPED_TRACE(commit ? "commit" : "rollback");
    EXPECT_LT(second.BeginTrans(), 0);
    EXPECT_LT(second.BeginTrans(), 0) << "a doomed transaction cannot be begun again";
    EXPECT_TRUE(second.InTransaction()) << "the failed transaction must be ended";
    EXPECT_EQ(second.GetErrInfo().Source, "SqliteDataCenter.BeginTrans");
    EXPECT_LT(second.Insert("T_PQUERY", kQueryColumns, "'2', 2, 1, 'B'"), 0);
    std::shared_ptr<ado::Recordset> rs;
    EXPECT_LT(second.OpenRecordsetByString(rs, "Select * From T_PQUERY"), 0);
    if (commit) {
      EXPECT_LT(second.CommitTrans(), 0);
      EXPECT_EQ(second.GetErrInfo().Source, "SqliteDataCenter.CommitTrans");
    } else {
      second.RollbackTrans();
    }
    EXPECT_FALSE(second.InTransaction());
  }

  first.CommitTrans();
  EXPECT_EQ(second.BeginTrans(), 0);
  EXPECT_EQ(second.Insert("T_PQUERY", kQueryColumns, "'2', 2, 1, 'B'"), 1);
  second.CommitTrans();
  EXPECT_EQ(db.ServerRows("SELECT F_QUERYID FROM T_PQUERY ORDER BY F_QUERYID"),
            (test_support::Rows{{"1"}, {"2"}}));
}

TEST(SqliteDataCenter, DestroyingTheServiceRollsBackItsOpenTransaction) {
  test_support::TempDatabases db(1, test_support::ServerBackend::kSqlite);
  {
    SqliteDataCenter dc(db.ServerPath().string(), 1);
    dc.BeginTrans();
    ASSERT_EQ(dc.Insert("T_PQUERY", kQueryColumns, "'1', 1, 1, 'A'"), 1);
  }
  EXPECT_EQ(db.ServerInt("SELECT COUNT(*) FROM T_PQUERY"), 0);
  SqliteDataCenter other(db.ServerPath().string(), 2, 0);
  other.BeginTrans();
  EXPECT_EQ(other.Insert("T_PQUERY", kQueryColumns, "'1', 2, 1, 'B'"), 1) << "no lock left behind";
  other.CommitTrans();
}

}  // namespace
}  // namespace prefdesk::datacenter
