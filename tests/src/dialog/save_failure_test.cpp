// A fault at any call of the save, or a catalogue it cannot use: the host hears E_OptionFail,
// no success message appears, both windows close and the server keeps what it had.
#include <string>
#include <vector>

#include "option_dialog_fixture.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/simple_controls.h"
#include "src/component/enumerations.h"
#include "src/component/shared_state.h"

namespace prefdesk::dialog::testing {
namespace {

using component::E_OptionFail;
using component::E_OptionSuccess;

class SaveFailureTest : public OptionDialogTest {
 protected:
  // Opens the dialog, makes the choices, arms the fault at the k-th data call of the save
  // and presses OK. Returns the events; failing_call receives the member that failed.
  std::vector<int32_t> SaveWithFaultAt(int k, std::string* failing_call) {
    const int injected_before = faults_->InjectedFailures();
    const auto events = ShowOption([&](FrmOption& form) {
      Pick(form.Get<ui::ComboBox>("cboStartup"), "Sales");
      Pick(form.Get<ui::ComboBox>("cboQueryScreen"), "Accounts - My Accounts");
      Pick(form.Get<ui::ComboBox>("cboDefaultQuery"), "Open orders");
      recorder_->Clear();
      faults_->FailNthCall(k);
      EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
    });
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
      EXPECT_EQ(ServerLayout(), before);
      // A failing writer, and the id-table load that stops the save, show the service's error.
      const std::vector<std::string> shown = ErrorWindows();
      ASSERT_EQ(shown.size(), errors + 1);
      EXPECT_NE(shown.back().find(injected), std::string::npos) << shown.back();
      EXPECT_EQ(component::State().OutcomeFlag, 0);
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
  FaultAtEveryCall(ServerLayout());
  EXPECT_EQ(db_.ServerRows("SELECT F_DEFQUERYID FROM T_PVBUTTON WHERE F_UID=7 AND F_VBUTTONID=2"),
            (test_support::Rows{{"Q7"}}));
}

TEST_F(SaveFailureTest, ACatalogueIdBeyondSixteenBitsStopsTheSaveWithTheReasonShown) {
  db_.SeedServerLayout(kUser);
  const test_support::Rows before = ServerLayout();
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
  EXPECT_EQ(ServerLayout(), before);
  EXPECT_FALSE(recorder_->Inner()->InTransaction());
}

}  // namespace
}  // namespace prefdesk::dialog::testing
