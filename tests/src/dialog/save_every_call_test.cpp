// The whole save of the options window broken at each of its data calls in turn, on the back
// end the fixture runs on: with an injected failure, and on PostgreSQL also with the client's
// server session ended just before the call. Afterwards every row of every server table is
// as it was, no transaction is left open and the window reports the failure.
#include <memory>
#include <string>
#include <vector>

#include "option_dialog_fixture.h"
#include "platform/automation/conversions.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/simple_controls.h"
#include "src/component/enumerations.h"
#include "src/component/shared_state.h"

namespace prefdesk::dialog::testing {
namespace {

using component::E_OptionFail;
using component::E_OptionSuccess;

// The next session to cut: before every one of the first calls (the transaction's deletes and
// first writes), then before every stride-th, as each cut costs a new server session.
int NextCall(int k, int stride) { return k < 12 ? k + 1 : k + stride; }

// Passes every call on; just before the k-th data call it ends the wrapped service's server
// session from outside, so the call meets a real broken connection.
class SessionCutter : public storage::DataCenter {
 public:
  SessionCutter(storage::DataCenterRef inner, const test_support::TempDatabases& db)
      : inner_(std::move(inner)), db_(db) {}

  void CutBeforeCall(int k) {
    cut_at_ = k;
    calls_ = 0;
    cut_ = false;
  }
  bool Cut() const { return cut_; }

  int32_t OpenRecordsetByString(std::shared_ptr<ado::Recordset>& rs, const std::string& sql) override {
    Count();
    return inner_->OpenRecordsetByString(rs, sql);
  }
  int32_t Insert(const std::string& t, const std::string& c, const std::string& v) override {
    Count();
    return inner_->Insert(t, c, v);
  }
  int32_t Update(const std::string& t, const std::string& a, const std::string& u,
                 const std::string& c) override {
    Count();
    return inner_->Update(t, a, u, c);
  }
  int32_t Delete(const std::string& t, const std::string& c) override {
    Count();
    return inner_->Delete(t, c);
  }
  void BeginTrans() override { inner_->BeginTrans(); }
  int32_t CommitTrans() override { return inner_->CommitTrans(); }
  void RollbackTrans() override { inner_->RollbackTrans(); }
  bool InTransaction() const override { return inner_->InTransaction(); }
  storage::ErrInfo GetErrInfo() const override { return inner_->GetErrInfo(); }
  storage::MyInfo myinfo() const override { return inner_->myinfo(); }

 private:
  void Count() {
    if (++calls_ != cut_at_) return;
    std::shared_ptr<ado::Recordset> rs;
    ASSERT_EQ(inner_->OpenRecordsetByString(rs, "SELECT pg_backend_pid() AS pid"), 1);
    db_.ExecServer("SELECT pg_terminate_backend(" + automation::CStr((*rs)["pid"]) + ", 5000)");
    cut_ = true;
  }

  storage::DataCenterRef inner_;
  const test_support::TempDatabases& db_;
  int cut_at_ = 0;
  int calls_ = 0;
  bool cut_ = false;
};

class SaveEveryCallTest : public OptionDialogTest {
 protected:
  SaveEveryCallTest() {
    db_.ExecServer(
        "INSERT INTO T_PQUERY (F_QUERYID, F_UID, F_HBUTTONID, F_QUERYNAME) VALUES "
        "('Q7', 7, 1, 'Open orders'), ('Q8', 8, 1, 'Someone else''s');"
        "INSERT INTO T_PMISC (F_UID, F_MAXHISTORY) VALUES (7, 30), (8, 40)");
    db_.SeedServerLayout(kUser);
    db_.SeedServerLayout(kUser + 1);
    db_.ExecServer("UPDATE T_PVBUTTON SET F_DEFQUERYID = 'Q8' WHERE F_UID = 8 AND F_VBUTTONID = 2");
  }

  std::vector<int32_t> Save(const std::function<void()>& arm) {
    return ShowOption([&](FrmOption& form) {
      Pick(form.Get<ui::ComboBox>("cboStartup"), "Sales");
      Pick(form.Get<ui::ComboBox>("cboQueryScreen"), "Accounts - My Accounts");
      Pick(form.Get<ui::ComboBox>("cboDefaultQuery"), "Open orders");
      recorder_->Clear();
      arm();
      EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
    });
  }

  // After a failed save: reported, both windows closed, nothing changed, nothing left open.
  void ExpectCleanFailure(const std::vector<int32_t>& events, const test_support::Rows& before,
                          size_t errors_before) {
    EXPECT_EQ(events, (std::vector<int32_t>{E_OptionFail}));
    EXPECT_FALSE(IsOpen("frmOption"));
    EXPECT_FALSE(IsOpen("frmSaveProgress"));
    EXPECT_FALSE(db_.Server()->InTransaction());
    EXPECT_EQ(Everything(), before);
    EXPECT_LE(ErrorWindows().size(), errors_before + 1);
  }
};

TEST_F(SaveEveryCallTest, AnInjectedFailureAtAnyCallChangesNoRowOfAnyUser) {
  const test_support::Rows before = Everything();
  int k = 1;
  for (;; ++k) {
    SCOPED_TRACE("fault at data call " + std::to_string(k));
    const int injected = faults_->InjectedFailures();
    const size_t errors = ErrorWindows().size();
    const auto events = Save([&] { faults_->FailNthCall(k); });
    faults_->Clear();
    if (faults_->InjectedFailures() == injected) {
      EXPECT_EQ(events, (std::vector<int32_t>{E_OptionSuccess}));
      break;
    }
    ExpectCleanFailure(events, before, errors);
  }
  EXPECT_GT(k, 4) << "the save makes several data calls";
  RecordProperty("data_calls_broken", k - 1);
  EXPECT_NE(Everything(), before) << "the unbroken save changes the server";
  EXPECT_EQ(db_.ServerRows("SELECT F_DEFQUERYID FROM T_PVBUTTON WHERE F_UID=8 AND F_VBUTTONID=2"),
            (test_support::Rows{{"Q8"}}))
      << "another user's rows stay as they were";
}

TEST_F(SaveEveryCallTest, ASessionLostAtAnyCallChangesNothingAndTheNextSaveWorks) {
  if (db_.Backend() != test_support::ServerBackend::kPostgres) {
    GTEST_SKIP() << "server sessions exist on PostgreSQL only";
  }
  auto cutter = std::make_shared<SessionCutter>(db_.Server(), db_);
  auto recorder = std::make_shared<datacenter::StatementRecorder>(cutter);
  recorder_ = recorder;
  prefdesk_->SetDataCenter(recorder);
  const test_support::Rows before = Everything();
  int k = 1;
  for (;; k = NextCall(k, 23)) {
    SCOPED_TRACE("session lost before data call " + std::to_string(k));
    const size_t errors = ErrorWindows().size();
    const auto events = Save([&] { cutter->CutBeforeCall(k); });
    if (!cutter->Cut()) {
      EXPECT_EQ(events, (std::vector<int32_t>{E_OptionSuccess}));
      break;
    }
    ExpectCleanFailure(events, before, errors);
    const std::vector<std::string> shown = ErrorWindows();
    if (shown.size() > errors) {
      EXPECT_NE(shown.back().find("connection"), std::string::npos) << shown.back();
    }
  }
  EXPECT_GT(k, 4);
  EXPECT_NE(Everything(), before);
}

}  // namespace
}  // namespace prefdesk::dialog::testing
