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

  test_support::TempDatabases db_{1, test_support::ServerBackend::kSqlite};
  std::shared_ptr<StatementRecorder> recorder_;
  FaultInjector injector_;
};

TEST_F(FaultInjectorTest, ALostConnectionFailsEverythingAndAbortsTheTransaction) {
  injector_.BeginTrans();
  ASSERT_EQ(injector_.Insert("T_PQUERY", kQueryColumns, "'1', 1, 1, 'A'"), 1);
  injector_.LoseConnection();
  EXPECT_FALSE(injector_.InTransaction());
  EXPECT_FALSE(db_.Server()->InTransaction()) << "the server aborted the transaction";
  EXPECT_EQ(injector_.Insert("T_PQUERY", kQueryColumns, "'2', 1, 1, 'B'"), -1);
  EXPECT_EQ(injector_.GetErrInfo().Description, FaultInjector::LostConnectionError().Description);
  EXPECT_EQ(injector_.CommitTrans(), -1);
  EXPECT_EQ(injector_.BeginTrans(), -1);
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PQUERY"), 0);

  injector_.Reconnect();
  EXPECT_EQ(injector_.Insert("T_PQUERY", kQueryColumns, "'3', 1, 1, 'C'"), 1);
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PQUERY"), 1);
}

}  // namespace
}  // namespace prefdesk::datacenter
