#include <gtest/gtest.h>

#include "host/datacenter/fault_injector.h"
#include "host/datacenter/statement_recorder.h"
#include "platform/ado/recordset.h"
#include "support/temp_databases.h"

namespace prefdesk::datacenter {
namespace {

constexpr char kQueryColumns[] = "F_QUERYID,F_UID,F_HBUTTONID,F_QUERYNAME";

class FaultInjectorTest : public ::testing::Test {
 protected:
  FaultInjectorTest()
      : recorder_(std::make_shared<StatementRecorder>(db_.Server())), injector_(recorder_) {}

  // Calls that reached the wrapped service.
  size_t Reached() const { return recorder_->Statements().size(); }

  test_support::TempDatabases db_{1, test_support::ServerBackend::kSqlite};
  std::shared_ptr<StatementRecorder> recorder_;
  FaultInjector injector_;
};

TEST_F(FaultInjectorTest, FailsTheKthDataCallOnceWithTheChosenError) {
  const storage::ErrInfo error{-7, "Server", "disk full"};
  injector_.FailNthCall(2, error);
  std::shared_ptr<ado::Recordset> rs;
  injector_.BeginTrans();  // transaction calls are not counted
  EXPECT_EQ(injector_.OpenRecordsetByString(rs, "Select * From T_PQUERY"), 0);
  EXPECT_EQ(injector_.Insert("T_PQUERY", kQueryColumns, "'1', 1, 1, 'A'"), -1);
  const storage::ErrInfo got = injector_.GetErrInfo();
  EXPECT_EQ(got.Number, -7);
  EXPECT_EQ(got.Source, "Server");
  EXPECT_EQ(got.Description, "disk full");
  EXPECT_EQ(Reached(), 1u) << "the failing call must not reach the service";
  EXPECT_EQ(injector_.Insert("T_PQUERY", kQueryColumns, "'2', 1, 1, 'B'"), 1);
  EXPECT_EQ(injector_.Delete("T_NONE", ""), -1);
  EXPECT_EQ(injector_.GetErrInfo().Source, "SqliteDataCenter.Delete")
      << "after a call that passed, ErrInfo is the service's again";
  EXPECT_TRUE(injector_.InTransaction());
  injector_.CommitTrans();
  EXPECT_EQ(injector_.DataCalls(), 4);
  EXPECT_EQ(injector_.InjectedFailures(), 1);
  EXPECT_EQ(db_.ServerRows("SELECT F_QUERYID FROM T_PQUERY"), (test_support::Rows{{"2"}}));
}

TEST_F(FaultInjectorTest, ALostConnectionFailsEverythingAndAbortsTheTransaction) {
  injector_.BeginTrans();
  ASSERT_EQ(injector_.Insert("T_PQUERY", kQueryColumns, "'1', 1, 1, 'A'"), 1);
  injector_.LoseConnection();
  EXPECT_FALSE(injector_.InTransaction());
  EXPECT_FALSE(db_.Server()->InTransaction()) << "the server aborted the transaction";
  EXPECT_EQ(injector_.Insert("T_PQUERY", kQueryColumns, "'2', 1, 1, 'B'"), -1);
  EXPECT_EQ(injector_.GetErrInfo().Description, FaultInjector::LostConnectionError().Description);
  EXPECT_EQ(injector_.CommitTrans(), -1);
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PQUERY"), 0);

  injector_.Reconnect();
  EXPECT_EQ(injector_.Insert("T_PQUERY", kQueryColumns, "'3', 1, 1, 'C'"), 1);
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PQUERY"), 1);
}

}  // namespace
}  // namespace prefdesk::datacenter
