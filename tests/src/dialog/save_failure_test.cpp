// A fault at any call of the save, a catalogue it cannot use, or a commit the server does not
// confirm: the host hears E_OptionFail, no success message appears, both windows close and the
// server keeps what it had.
#include <sqlite3.h>

#include <string>
#include <vector>

#include "option_dialog_fixture.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/simple_controls.h"
#include "src/component/enumerations.h"
#include "src/state/shared_state.h"

namespace prefdesk::dialog::testing {
namespace {

using component::E_OptionFail;
using component::E_OptionSuccess;

class SaveFailureTest : public OptionDialogTest {
 protected:
  // Opens the dialog, picks a new start-up title and default query, clears the recorder,
  // arms what fails and presses OK. Returns the events.
  std::vector<int32_t> SaveChoices(const std::function<void()>& arm) {
    return ShowOption([&](FrmOption& form) {
      Pick(form.Get<ui::ComboBox>("cboStartup"), "Sales");
      Pick(form.Get<ui::ComboBox>("cboQueryScreen"), "Accounts - My Accounts");
      Pick(form.Get<ui::ComboBox>("cboDefaultQuery"), "Open orders");
      recorder_->Clear();
      arm();
      EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
    });
  }

  // Saves with a fault at the k-th data call of the save; failing_call receives the member
  // that failed.
  std::vector<int32_t> SaveWithFaultAt(int k, std::string* failing_call) {
    const int injected_before = faults_->InjectedFailures();
    const auto events = SaveChoices([&] { faults_->FailNthCall(k); });
    failing_call->clear();
    if (faults_->InjectedFailures() > injected_before) {
      *failing_call = recorder_->Statements().at(static_cast<size_t>(k - 1)).member;
    }
    faults_->Clear();
    return events;
  }

  // Runs the save with a fault at every data call in turn, until a save passes the last one.
  void FaultAtEveryCall(const test_support::Rows& before) {
    const std::string injected = datacenter::FaultInjector::InjectedError().Description;
    int failures = 0;
    for (int k = 1;; ++k) {
      const size_t boxes = MessageBoxes().size();
      const size_t errors = ErrorWindows().size();
      std::string failing_call;
      const auto events = SaveWithFaultAt(k, &failing_call);
      if (failing_call.empty()) {
        EXPECT_EQ(events, (std::vector<int32_t>{E_OptionSuccess}));
        break;
      }
      ++failures;
      SCOPED_TRACE("fault at call " + std::to_string(k) + ", " + failing_call);
      EXPECT_EQ(events, (std::vector<int32_t>{E_OptionFail}));
      EXPECT_EQ(MessageBoxes().size(), boxes);
      EXPECT_FALSE(IsOpen("frmOption"));
      EXPECT_FALSE(IsOpen("frmSaveProgress"));
      EXPECT_TRUE(recorder_->CallsOf("CommitTrans").empty());
      EXPECT_FALSE(recorder_->Inner()->InTransaction());
      EXPECT_EQ(db_.ServerLayout(kUser), before);
      // A failing writer, and the id-table load that stops the save, show the service's error.
      const std::vector<std::string> shown = ErrorWindows();
      ASSERT_EQ(shown.size(), errors + 1);
      EXPECT_NE(shown.back().find(injected), std::string::npos) << shown.back();
      EXPECT_EQ(state::State().OutcomeFlag, 0);
    }
    EXPECT_GT(failures, 3);
  }

  void InsertQuery() {
    db_.ExecServer("INSERT INTO T_PQUERY (F_QUERYID, F_UID, F_HBUTTONID, F_QUERYNAME) "
                   "VALUES ('Q7', 7, 1, 'Open orders')");
  }
};

TEST_F(SaveFailureTest, NewUserLayoutWriteFailingAnywhereLeavesNothingOnTheServer) {
  InsertQuery();
  FaultAtEveryCall({});
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PHBUTTON WHERE F_UID=7 AND F_ISPRIMARY=1 "
                          "AND F_HBUTTONID=6"),
            1);
}

TEST_F(SaveFailureTest, StartupAndQueryWritesFailingAnywhereLeaveTheSavedLayout) {
  InsertQuery();
  db_.SeedServerLayout(kUser);
  FaultAtEveryCall(db_.ServerLayout(kUser));
  EXPECT_EQ(db_.ServerRows("SELECT F_DEFQUERYID FROM T_PVBUTTON WHERE F_UID=7 AND F_VBUTTONID=2"),
            (test_support::Rows{{"Q7"}}));
}

TEST_F(SaveFailureTest, ACatalogueIdBeyondSixteenBitsStopsTheSaveWithTheReasonShown) {
  db_.SeedServerLayout(kUser);
  const test_support::Rows before = db_.ServerLayout(kUser);
  db_.ExecServer("INSERT INTO SYSTBLHBUTTON (F_HBUTTONID, F_HBUTTONNAME, F_HBUTTONLABEL, "
                 "F_SEQUENCENO) VALUES (40000, 'Archive', 'Archive', 99)");
  const size_t errors = ErrorWindows().size();
  const auto events = ShowOption([&](FrmOption& form) {
    Pick(form.Get<ui::ComboBox>("cboStartup"), "Sales");
    EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
  });
  EXPECT_EQ(events, (std::vector<int32_t>{E_OptionFail}));
  const std::vector<std::string> shown = ErrorWindows();
  ASSERT_EQ(shown.size(), errors + 1);
  EXPECT_NE(shown.back().find("SaveValsStartupToSvr"), std::string::npos) << shown.back();
  EXPECT_NE(shown.back().find("Overflow"), std::string::npos) << shown.back();
  EXPECT_EQ(db_.ServerLayout(kUser), before);
  EXPECT_FALSE(recorder_->Inner()->InTransaction());
}

// Every write of the save went through, then the commit is refused, or the connection dies
// while it commits.
class CommitFailureTest : public SaveFailureTest {
 protected:
  CommitFailureTest() {
    InsertQuery();
    db_.SeedServerLayout(kUser);
  }

  bool OnPostgres() const { return db_.Backend() == test_support::ServerBackend::kPostgres; }

  // Saves a new start-up title and default query: the save fails as a whole, the error
  // window carries the service's reason, and every server row is as it was.
  void ExpectCommitFails(const std::string& reason) {
    const test_support::Rows before = Everything();
    const size_t boxes = MessageBoxes().size();
    const size_t errors = ErrorWindows().size();
    EXPECT_EQ(SaveChoices([] {}), (std::vector<int32_t>{E_OptionFail}));
    EXPECT_EQ(recorder_->CallsOf("CommitTrans").size(), 1u);
    EXPECT_EQ(MessageBoxes().size(), boxes) << "no message that the changes were saved";
    const std::vector<std::string> shown = ErrorWindows();
    ASSERT_EQ(shown.size(), errors + 1);
    EXPECT_NE(shown.back().find(reason), std::string::npos) << shown.back();
    EXPECT_NE(shown.back().find("CommitTrans"), std::string::npos) << shown.back();
    EXPECT_FALSE(IsOpen("frmOption"));
    EXPECT_FALSE(IsOpen("frmSaveProgress"));
    EXPECT_FALSE(recorder_->InTransaction());
    EXPECT_EQ(Everything(), before);
  }
};

TEST_F(CommitFailureTest, AReaderHoldingTheSqliteFileRefusesTheCommitAndNoLockIsLeft) {
  if (OnPostgres()) GTEST_SKIP() << "file locks exist on SQLite only";
  const std::string path = db_.ServerPath().string();
  UseServer(std::make_shared<datacenter::SqliteDataCenter>(path, kUser, /*busy_timeout_ms=*/50));
  sqlite3* reader = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &reader), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM T_PMISC;", nullptr, nullptr, nullptr),
            SQLITE_OK);
  ExpectCommitFails("database is locked");
  EXPECT_EQ(sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(reader);

  datacenter::SqliteDataCenter other(path, kUser + 1, /*busy_timeout_ms=*/0);
  other.BeginTrans();
  EXPECT_EQ(other.Delete("T_PQUERY", "F_UID=8"), 0) << "the failed save left a lock behind";
  EXPECT_EQ(other.CommitTrans(), 0);
}

TEST_F(CommitFailureTest, ADeferredConstraintRaisingAtCommitFailsTheSave) {
  if (!OnPostgres()) GTEST_SKIP() << "deferred constraint triggers are a PostgreSQL feature";
  db_.ExecServer(
      "CREATE FUNCTION refuse_at_commit() RETURNS trigger LANGUAGE plpgsql AS "
      "$$ BEGIN RAISE EXCEPTION 'refused at commit'; END $$;"
      "CREATE CONSTRAINT TRIGGER t_refuse AFTER UPDATE ON T_PVBUTTON DEFERRABLE INITIALLY "
      "DEFERRED FOR EACH ROW EXECUTE FUNCTION refuse_at_commit()");
  ExpectCommitFails("refused at commit");
}

TEST_F(CommitFailureTest, AConnectionLostDuringTheCommitIsReportedInDoubt) {
  if (!OnPostgres()) GTEST_SKIP() << "server sessions exist on PostgreSQL only";
  db_.ExecServer(
      "CREATE FUNCTION end_session() RETURNS trigger LANGUAGE plpgsql AS "
      "$$ BEGIN PERFORM pg_terminate_backend(pg_backend_pid()); RETURN NULL; END $$;"
      "CREATE CONSTRAINT TRIGGER t_end AFTER UPDATE ON T_PVBUTTON DEFERRABLE INITIALLY "
      "DEFERRED FOR EACH ROW EXECUTE FUNCTION end_session()");
  ExpectCommitFails("the save may or may not have been stored");
}

}  // namespace
}  // namespace prefdesk::dialog::testing
