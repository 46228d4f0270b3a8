#include <gtest/gtest.h>

#include "host/datacenter/fault_injector.h"
#include "host/datacenter/statement_recorder.h"
#include "platform/ado/recordset.h"
#include "support/temp_databases.h"

namespace prefdesk::datacenter {
namespace {

constexpr char kQueryColumns[] = "F_QUERYID,F_UID,F_HBUTTONID,F_QUERYNAME";

TEST(StatementRecorder, RecordsEveryCallInOrderAndPassesItOn) {
  test_support::TempDatabases db(3, test_support::ServerBackend::kSqlite);
  StatementRecorder recorder(db.Server());
  std::shared_ptr<ado::Recordset> rs;
  recorder.BeginTrans();
  EXPECT_EQ(recorder.Insert("T_PQUERY", kQueryColumns, "'1', 3, 1, 'A'"), 1);
  EXPECT_EQ(recorder.Update("T_PQUERY", "F_QUERYNAME='B'", "", "F_UID=3"), 1);
  EXPECT_EQ(recorder.OpenRecordsetByString(rs, "Select * From T_PQUERY"), 1);
  EXPECT_TRUE(recorder.InTransaction());
  EXPECT_EQ(recorder.Delete("T_PQUERY", "F_UID=3"), 1);
  recorder.CommitTrans();
  EXPECT_EQ(recorder.myinfo().uid, 3);
  EXPECT_LT(recorder.Delete("T_NONE", ""), 0);
  EXPECT_EQ(recorder.GetErrInfo().Source, "SqliteDataCenter.Delete");

  const std::vector<RecordedCall> expected = {
      {"BeginTrans", {}},
      {"Insert", {"T_PQUERY", kQueryColumns, "'1', 3, 1, 'A'"}},
      {"Update", {"T_PQUERY", "F_QUERYNAME='B'", "", "F_UID=3"}},
      {"OpenRecordsetByString", {"Select * From T_PQUERY"}},
      {"InTransaction", {}},
      {"Delete", {"T_PQUERY", "F_UID=3"}},
      {"CommitTrans", {}},
      {"myinfo", {}},
      {"Delete", {"T_NONE", ""}},
      {"ErrInfo", {}},
  };
  EXPECT_EQ(recorder.Calls(), expected);
  EXPECT_EQ(recorder.Statements().size(), 5u);
  EXPECT_EQ(recorder.Statements()[2].member, "OpenRecordsetByString");
  const auto writes = recorder.Writes();
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[0].member, "Insert");
  EXPECT_EQ(writes[3].args, (std::vector<std::string>{"T_NONE", ""}));
  EXPECT_EQ(recorder.CallsOf("Update").size(), 1u);
  EXPECT_EQ(db.ServerInt("SELECT COUNT(*) FROM T_PQUERY"), 0);
  recorder.Clear();
  EXPECT_TRUE(recorder.Calls().empty());
}

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

TEST_F(FaultInjectorTest, CountsFromWhenItIsArmed) {
  injector_.Delete("T_PQUERY", "");
  injector_.Delete("T_PQUERY", "");
  injector_.FailNthCall(1);
  EXPECT_EQ(injector_.Delete("T_PQUERY", ""), -1);
  EXPECT_EQ(injector_.GetErrInfo().Description, FaultInjector::InjectedError().Description);
  EXPECT_EQ(injector_.Delete("T_PQUERY", ""), 0);
}

TEST_F(FaultInjectorTest, FailsEveryCallOnATable) {
  injector_.FailTable("t_pvbutton");
  std::shared_ptr<ado::Recordset> rs;
  EXPECT_EQ(injector_.Insert("T_PVBUTTON", "F_UID,F_VBUTTONID", "1, 1"), -1);
  EXPECT_EQ(injector_.Update("T_PVBUTTON", "F_ISPRIMARY=0", "", "F_UID=1"), -1);
  EXPECT_EQ(injector_.Delete("T_PVBUTTON", "F_UID=1"), -1);
  EXPECT_EQ(injector_.OpenRecordsetByString(
                rs, "Select * From SYSTBLVBUTTON a,T_PVBUTTON b Where a.F_VBUTTONID=b.F_VBUTTONID"),
            -1);
  EXPECT_FALSE(rs);
  EXPECT_EQ(Reached(), 0u);
  // Other tables, and names that only contain the table's name, pass.
  EXPECT_EQ(injector_.Delete("T_PHBUTTON", "F_UID=1"), 0);
  EXPECT_GE(injector_.OpenRecordsetByString(rs, "Select F_PVBUTTONID From SYSTBLVBUTTON"), 0);
  EXPECT_EQ(Reached(), 2u);
  injector_.Clear();
  EXPECT_EQ(injector_.Delete("T_PVBUTTON", "F_UID=1"), 0);
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

// The countdown pattern: a writer that rolls back on failure leaves the database unchanged
// whichever of its calls fails.
TEST(FaultInjectorCountdown, AFailureAtAnyCallLeavesNothingHalfDone) {
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    test_support::TempDatabases db;
    db.SeedServerLayout(1);
    const auto before = db.ServerRows("SELECT * FROM T_PHBUTTON ORDER BY F_HBUTTONID");
    FaultInjector dc(db.Server());
    dc.FailNthCall(k);
    dc.BeginTrans();
    const bool ok = dc.Delete("T_PHBUTTON", "F_UID=1") >= 0 &&
                    dc.Insert("T_PHBUTTON", "F_UID,F_HBUTTONID,F_SEQUENCENO,F_ISVISIBLE,F_ISPRIMARY",
                              "1, 1, 1, 1, 0") >= 0 &&
                    dc.Update("T_PHBUTTON", "F_ISPRIMARY=1", "", "F_UID=1 And F_HBUTTONID=1") >= 0;
    EXPECT_FALSE(ok);
    if (dc.InTransaction()) dc.RollbackTrans();
    EXPECT_EQ(db.ServerRows("SELECT * FROM T_PHBUTTON ORDER BY F_HBUTTONID"), before);
  }
}

TEST(MentionsWord, MatchesWholeWordsWithoutRegardToCase) {
  EXPECT_TRUE(MentionsWord("select * from T_PQUERY", "T_PQUERY"));
  EXPECT_TRUE(MentionsWord("select * from t_pquery where x=1", "T_PQUERY"));
  EXPECT_TRUE(MentionsWord("From SYSTBLVBUTTON a,T_PVBUTTON b", "T_PVBUTTON"));
  EXPECT_TRUE(MentionsWord("(T_PVBUTTON)", "T_PVBUTTON"));
  EXPECT_FALSE(MentionsWord("From SYSTBLVBUTTON", "T_PVBUTTON"));
  EXPECT_FALSE(MentionsWord("From T_PVBUTTON2", "T_PVBUTTON"));
  EXPECT_FALSE(MentionsWord("Select F_PVBUTTONID", "PVBUTTON"));
  EXPECT_FALSE(MentionsWord("", "T_PQUERY"));
  EXPECT_FALSE(MentionsWord("T_PQUERY", ""));
}

}  // namespace
}  // namespace prefdesk::datacenter
