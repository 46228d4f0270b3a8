#include "bench/bench_env.h"

#include <map>
#include <string>

#include "host/datacenter/statement_trace.h"

namespace prefdesk::bench {
namespace {

// New ids stay clear of the seeded ones and within 16 bits: copy k of a title has id
// + k*100, of a list id + k*3000. Title positions continue after the seeded ones without gaps.
constexpr int kTitleStep = 100;
constexpr int kListStep = 3000;

void MultiplyLocal(const test_support::TempDatabases& db, int k) {
  const std::string n = std::to_string(k);
  const std::string title_id = std::to_string(k * kTitleStep);
  const std::string list_id = std::to_string(k * kListStep);
  const std::string seeded_title = " < " + std::to_string(kTitleStep);
  const std::string seeded_list = " < " + std::to_string(kListStep);
  db.ExecLocal(
      "INSERT INTO BarTitle (TitleID, TitleName, TitleNameChinese, TitleNameEnglish, Visible, "
      "DefaultOrder, DefaultList) SELECT TitleID + " + title_id + ", TitleName || '_" + n +
      "', TitleNameChinese || '" + n + "', TitleNameEnglish || ' " + n + "', Visible, "
      "DefaultOrder + " + n + "*(SELECT MAX(DefaultOrder) FROM BarTitle WHERE TitleID" +
      seeded_title + "), DefaultList || '_" + n + "' FROM BarTitle WHERE TitleID" + seeded_title +
      ";"
      "INSERT INTO BarList (ListID, TitleID, ParentID, ListName, ListNameChinese, "
      "ListNameEnglish, Visible, DefaultVisible, DefaultOrder, CanStatrup) "
      "SELECT ListID + " + list_id + ", TitleID + " + title_id + ", "
      "CASE WHEN ParentID IS NULL OR ParentID = 0 THEN ParentID ELSE ParentID + " + list_id +
      " END, ListName || '_" + n + "', ListNameChinese || '" + n + "', ListNameEnglish || ' " + n +
      "', Visible, DefaultVisible, DefaultOrder, CanStatrup FROM BarList WHERE ListID" +
      seeded_list + ";");
}

void MultiplyServer(const test_support::TempDatabases& db, int k) {
  const std::string n = std::to_string(k);
  const std::string title_id = std::to_string(k * kTitleStep);
  const std::string list_id = std::to_string(k * kListStep);
  const std::string seeded_title = " < " + std::to_string(kTitleStep);
  const std::string seeded_list = " < " + std::to_string(kListStep);
  db.ExecServer(
      "INSERT INTO SYSTBLHBUTTON (F_HBUTTONID, F_HBUTTONNAME, F_HBUTTONLABEL, F_SEQUENCENO) "
      "SELECT F_HBUTTONID + " + title_id + ", F_HBUTTONNAME || '_" + n + "', F_HBUTTONLABEL || ' " +
      n + "', F_SEQUENCENO + " + n +
      "*(SELECT MAX(F_SEQUENCENO) FROM SYSTBLHBUTTON WHERE F_HBUTTONID" + seeded_title + ") "
      "FROM SYSTBLHBUTTON WHERE F_HBUTTONID" + seeded_title + ";"
      "INSERT INTO SYSTBLVBUTTON (F_VBUTTONID, F_HBUTTONID, F_VBUTTONNAME, F_VBUTTONLABEL, "
      "F_PVBUTTONID) SELECT F_VBUTTONID + " + list_id + ", F_HBUTTONID + " + title_id + ", "
      "F_VBUTTONNAME || '_" + n + "', F_VBUTTONLABEL || ' " + n + "', "
      "CASE WHEN F_PVBUTTONID IS NULL OR F_PVBUTTONID = 0 THEN F_PVBUTTONID ELSE F_PVBUTTONID + " +
      list_id + " END FROM SYSTBLVBUTTON WHERE F_VBUTTONID" + seeded_list + ";");
}

}  // namespace

BenchEnv& BenchEnv::Get(int scale) {
  static std::map<int, std::unique_ptr<BenchEnv>> environments;
  auto& env = environments[scale];
  if (!env) env.reset(new BenchEnv(scale));
  return *env;
}

BenchEnv::BenchEnv(int scale)
    : scale_(scale), recorder_(std::make_shared<datacenter::StatementRecorder>(db_.Server())) {
  MultiplyCatalogue();
  db_.SeedServerLayout(kSavedUser);
  db_.SeedServerLayout(kSaveUser);
  db_.ExecServer(
      "INSERT INTO T_PMISC (F_UID, F_MAXHISTORY, F_PRDACMPMAX, F_FCSLENGTH_MM, F_FCSLENGTH_QT, "
      "F_FCSLENGTH_YR, F_DEFAPDUR, F_DAYSTIME, F_DAYETIME, F_ALARMADV, F_SOLEINTERVAL, "
      "F_DEFORGCHARGE, F_DEFADVPAID) VALUES (1, 20, 10, 6, 4, 3, '00:45:00', '09:00:00', "
      "'18:00:00', '00:10:00', 60, 'EXP-0100', 750)");
}

void BenchEnv::MultiplyCatalogue() {
  for (int k = 1; k < scale_; ++k) {
    MultiplyLocal(db_, k);
    MultiplyServer(db_, k);
  }
}

component::ClsPrefdesk& BenchEnv::Use(int16_t user) {
  component::ClsPrefdesk& prefdesk = Component();
  prefdesk.SetDataCenter(Service());
  prefdesk.SetBaseConn(db_.Local());
  prefdesk.SetUserID(user);
  return prefdesk;
}

std::unique_ptr<Floor> BenchEnv::Capture(const Operation& operation, bool reopen_local) {
  std::vector<std::string> local;
  recorder_->Clear();
  Component().SetDataCenter(recorder_);
  {
    datacenter::LocalCapture capture(db_.LocalPath());
    operation(recorder_);
    local = capture.Take();
  }
  Component().SetDataCenter(Service());
  std::vector<CapturedStatement> statements;
  for (std::string& sql : datacenter::SqliteStatements(recorder_->Calls())) {
    statements.push_back({Target::Server, std::move(sql)});
  }
  for (std::string& sql : local) statements.push_back({Target::Local, std::move(sql)});
  recorder_->Clear();
  return std::make_unique<Floor>(db_.ServerPath(), db_.LocalPath(), std::move(statements),
                                 reopen_local);
}

void WriteDatabases(const std::filesystem::path& folder) {
  for (int scale : {1, 10}) {
    const auto into = folder / (scale == 1 ? "x1" : "x10");
    std::filesystem::create_directories(into);
    test_support::TempDatabases& db = BenchEnv::Get(scale).Databases();
    constexpr auto kReplace = std::filesystem::copy_options::overwrite_existing;
    std::filesystem::copy_file(db.LocalPath(), into / "local.db", kReplace);
    std::filesystem::copy_file(db.ServerPath(), into / "server.db", kReplace);
  }
}

component::ClsPrefdesk& Component() {
  static const std::shared_ptr<component::ClsPrefdesk> instance =
      component::ClsPrefdesk::Create();
  return *instance;
}

}  // namespace prefdesk::bench
