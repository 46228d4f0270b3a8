#include "src/storage/datacenter.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "src/storage/schema.h"
#include "support/temp_databases.h"

namespace prefdesk::storage {
namespace {

// On the server of the test run: SQLite, or PostgreSQL when PREFDESK_PG_URL is set.
TEST(DataCenterContract, WritesReturnTheRowsTheyChangeAndOnlyACommitKeepsThem) {
  test_support::TempDatabases db(5);
  DataCenter& dc = *db.Server();
  const char* columns = "F_QUERYID,F_UID,F_HBUTTONID,F_QUERYNAME";
  const auto count = [&] { return db.ServerInt("SELECT COUNT(*) FROM T_PQUERY"); };
  EXPECT_EQ(dc.Insert("T_PQUERY", columns, "'1', 1, 1, 'A'"), 1);
  EXPECT_EQ(dc.Insert("T_PQUERY", columns, "'2', 1, 2, 'B'"), 1);
  EXPECT_EQ(dc.Insert("T_PQUERY", columns, "'3', 2, 2, 'C'"), 1);
  EXPECT_EQ(dc.Update("T_PQUERY", "F_QUERYNAME='X'", "", "F_UID=1 And F_HBUTTONID=2"), 1);
  EXPECT_EQ(dc.Update("T_PQUERY", "F_QUERYNAME='Y'", "", "F_UID=9"), 0);
  EXPECT_EQ(dc.Update("T_PQUERY", "F_HBUTTONID=5", "", ""), 3);  // no condition: every row
  EXPECT_EQ(dc.Delete("T_PQUERY", "F_UID=1"), 2);
  EXPECT_EQ(db.ServerRows("SELECT F_QUERYID, F_HBUTTONID, F_QUERYNAME FROM T_PQUERY"),
            (test_support::Rows{{"3", "5", "C"}}));
  EXPECT_EQ(dc.Delete("T_PQUERY", ""), 1);

  EXPECT_EQ(dc.BeginTrans(), 0);
  EXPECT_TRUE(dc.InTransaction());
  ASSERT_EQ(dc.Insert("T_PQUERY", columns, "'1', 5, 1, 'A'"), 1);
  EXPECT_LT(dc.Insert("T_PQUERY", columns, "'1', 5, 1, 'again'"), 0);
  EXPECT_TRUE(dc.InTransaction()) << "a failed statement leaves the transaction to the caller";
  dc.RollbackTrans();
  EXPECT_FALSE(dc.InTransaction());
  EXPECT_EQ(count(), 0);

  dc.BeginTrans();
  ASSERT_EQ(dc.Insert("T_PQUERY", columns, "'2', 5, 1, 'B'"), 1);
  EXPECT_EQ(count(), 0) << "other connections do not see uncommitted rows";
  EXPECT_EQ(dc.CommitTrans(), 0);
  EXPECT_FALSE(dc.InTransaction());
  EXPECT_EQ(count(), 1);
}

// The names the readers and writers take from the schema header are those the databases
// are created with, on the server engine of the test run.
TEST(Schema, NamesTheTablesAndColumnsTheDatabasesHave) {
  test_support::TempDatabases db;
  namespace misc = schema::misc;
  const std::string settings = std::string(schema::F_UID) + "," + misc::F_MAXHISTORY + "," + misc::F_PRDACMPMAX +
                               "," + misc::F_FCSLENGTH_MM + "," + misc::F_FCSLENGTH_QT + "," + misc::F_FCSLENGTH_YR +
                               "," + misc::F_DEFAPDUR + "," + misc::F_DAYSTIME + "," + misc::F_DAYETIME + "," +
                               misc::F_ALARMADV + "," + misc::F_SOLEINTERVAL + "," + misc::F_DEFORGCHARGE + "," +
                               misc::F_DEFADVPAID;
  const std::vector<std::pair<std::string, std::string>> server = {
      {schema::T_PMISC, settings},
      {schema::T_PHBUTTON, schema::layout::kTitleColumns},
      {schema::T_PVBUTTON, std::string(schema::layout::kListColumns) + "," + schema::layout::F_DEFQUERYID},
      {schema::T_PSCREENSTYLE, schema::scheme::kKeyColumns},
      {schema::T_PQUERY, schema::F_UID},
      {schema::SYSTBLHBUTTON, "*"},
      {schema::SYSTBLVBUTTON, "*"},
  };
  for (const auto& [table, columns] : server) {
    EXPECT_NO_THROW(db.ExecServer("SELECT " + columns + " FROM " + table + " WHERE 1=0")) << table;
  }
  for (const char* table : {schema::DefaultOtherStyle, schema::DefaultScreenStyle, schema::BarTitle, schema::BarList,
                            schema::ViewBarList}) {
    EXPECT_NO_THROW(db.ExecLocal(std::string("SELECT * FROM ") + table + " WHERE 1=0")) << table;
  }
}

}  // namespace
}  // namespace prefdesk::storage
