#include "platform/ado/connection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ado/recordset.h"
#include "platform/ado/types.h"
#include "platform/automation/error.h"
#include "test_database.h"

namespace prefdesk::ado {
namespace {

using automation::AutomationError;
using testing::TestDatabase;

TEST(ConnectionString, DataSourceIsFoundWhateverTheCaseAndOtherKeys) {
  EXPECT_EQ(Connection::DataSourceOf("Data Source=/tmp/a.db;"), "/tmp/a.db");
  EXPECT_EQ(Connection::DataSourceOf("Provider=X; data source = /tmp/b b.db ;Mode=Read"), "/tmp/b b.db");
  EXPECT_EQ(Connection::DataSourceOf("DATA SOURCE=\"/tmp/c;d.db\";Mode=1"), "/tmp/c;d.db");
  EXPECT_EQ(Connection::DataSourceOf("Mode=\"a;b\"; Data Source=/tmp/e.db"), "/tmp/e.db");
  EXPECT_EQ(Connection::DataSourceOf("/tmp/bare.db"), "/tmp/bare.db");
  EXPECT_EQ(Connection::DataSourceOf("Provider=X;"), "");
}

TEST(Connection, OpensAnExistingFileByConnectionStringOrBarePath) {
  TestDatabase db("CREATE TABLE t(a INTEGER);");
  auto connection = Connection::Create();
  EXPECT_EQ(connection->State(), adStateClosed);
  connection->Open(db.ConnectionString());
  EXPECT_EQ(connection->State(), adStateOpen);
  EXPECT_EQ(connection->ConnectionString(), db.ConnectionString());
  connection->Close();
  EXPECT_EQ(connection->State(), adStateClosed);

  connection->SetConnectionString(db.Path().string());
  connection->Open();
  EXPECT_EQ(connection->State(), adStateOpen);
}

TEST(Connection, RefusesAMissingFileWithoutCreatingIt) {
  TestDatabase db;
  const auto missing = db.Path().parent_path() / "missing.db";
  auto connection = Connection::Create();
  try {
    connection->Open("Data Source=" + missing.string() + ";");
    FAIL() << "opened a missing file";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number(), kErrProvider);
    EXPECT_NE(e.Description().find(missing.string()), std::string::npos) << e.Description();
  }
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_EQ(connection->State(), adStateClosed);
}

TEST(Connection, ExecuteReturnsAnOpenSnapshotForAQueryAndAClosedSetOtherwise) {
  TestDatabase db("CREATE TABLE t(a INTEGER, b TEXT);");
  auto connection = db.Connect();
  auto none = connection->Execute("INSERT INTO t VALUES (1, 'x'); INSERT INTO t VALUES (2, 'y')");
  EXPECT_EQ(none->State(), adStateClosed);

  auto rows = connection->Execute("Select a, b From t Order By a");
  ASSERT_EQ(rows->State(), adStateOpen);
  EXPECT_EQ(rows->RecordCount(), 2);
  EXPECT_EQ(rows->Source(), "Select a, b From t Order By a");
  EXPECT_EQ(rows->operator[]("B"), automation::Variant("x"));
  rows->MoveNext();
  EXPECT_EQ(rows->operator[]("a"), automation::Variant(int32_t{2}));

  // The snapshot does not follow later changes.
  connection->Execute("DELETE FROM t");
  EXPECT_EQ(rows->RecordCount(), 2);
}

}  // namespace
}  // namespace prefdesk::ado
