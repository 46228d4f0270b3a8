#include "columns_fixture.h"
#include "src/columns/read_columns_bar.h"
#include "src/columns/save_vals_columns_to_svr.h"
#include "src/state/dialog_hooks.h"
#include "src/columns/tag_get_svr_val_columns_visible.h"
#include "src/storage/sql_literal.h"

namespace prefdesk::columns::testing {
namespace {

using datacenter::RecordedCall;

class RecordingProgress : public state::SaveProgressSink {
 public:
  void ProgressNext(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

class SaveLayoutTest : public ColumnsTest {
 protected:
  SaveLayoutTest() {
    // A title and a list whose names carry a single quote, in both catalogues.
    db_.ExecServer(
        "INSERT INTO SYSTBLHBUTTON VALUES (50, 'O''Neil', 'O''Neil', 13);"
        "INSERT INTO SYSTBLVBUTTON VALUES (500, 50, 'Q''List', 'Q''List', NULL);"
        "INSERT INTO SYSTBLVBUTTON VALUES (501, 50, 'Q''Son', 'Q''Son', 500);");
    db_.ExecLocal(
        "INSERT INTO BarTitle VALUES (50, 'O''Neil', '奥尼尔', 'O''Neil Corp', 1, 13, NULL);"
        "INSERT INTO BarList VALUES (500, 50, 0, 'Q''List', '引号', 'Quote''s list', 1, 1, 1, 0);"
        "INSERT INTO BarList VALUES (501, 50, 500, 'Q''Son', '子', 'Quote''s son', 1, 1, 1, 0);");
    // Records as the Columns tab hands them over: one title's records, and one list's, in a row.
    auto add = [this](const char* title, const char* list, const char* son, const char* caption,
                      bool title_visible, int title_pos, bool list_visible, bool default_visible,
                      int list_pos, bool son_visible, int son_pos) {
      columns_.Add(title, Id("H", title), list, Id("V", list), son, Id("V", son), caption, "", "",
                   title_visible, title_pos, list_visible, default_visible, list_pos,
                   son_visible, son_pos);
    };
    add("Contacts", "AllContacts", "", "Contacts", true, 1, true, true, 2, false, 0);
    add("Contacts", "ContactsByRole", "", "Contacts", true, 1, true, true, 1, false, 0);
    add("Contacts", "ContactsByRole", "RoleDecisionMaker", "Contacts", true, 1, true, true, 1, false, 2);
    add("Contacts", "ContactsByRole", "RoleInfluencer", "Contacts", true, 1, true, true, 1, true, 1);
    add("Accounts", "AllAccounts", "", "Accounts", false, 2, true, false, 1, false, 0);
    add("Reports", "", "", "Reports", true, 3, false, false, 0, false, 0);
    add("O'Neil", "Q'List", "", "O'Neil Corp", true, 4, false, true, 1, false, 0);
    add("O'Neil", "Q'List", "Q'Son", "O'Neil Corp", true, 4, false, true, 1, true, 1);
  }

  // The server id of a title ("H") or list ("V") by name; 0 for no name.
  int32_t Id(const std::string& level, const std::string& name) {
    if (name.empty()) return 0;
    const std::string table = level == "H" ? "SYSTBLHBUTTON" : "SYSTBLVBUTTON";
    return static_cast<int32_t>(db_.ServerInt("SELECT F_" + level + "BUTTONID FROM " + table +
                                              " WHERE F_" + level + "BUTTONNAME = " +
                                              storage::SqlText(name)));
  }

  clsMainOptionColumns columns_;
};

TEST_F(SaveLayoutTest, LayoutRoundTripsThroughBothReaders) {
  db_.SeedServerLayout(kUser);
  db_.SeedServerLayout(kUser + 1);
  const test_support::Rows other_user = db_.ServerLayout(kUser + 1);
  RecordingProgress progress;
  state::Hooks().save_progress = [&progress]() -> state::SaveProgressSink& { return progress; };
  const int do_events = driver_.DoEventsCalls();

  recorder_->BeginTrans();
  ASSERT_FALSE(SaveValsColumnsToSvr(recorder_, columns_));
  recorder_->CommitTrans();

  const std::string h = "F_UID,F_HBUTTONID,F_SEQUENCENO,F_ISVISIBLE,F_ISPRIMARY";
  const std::string v = "F_UID,F_VBUTTONID,F_HBUTTONID,F_PVBUTTONID,F_SEQUENCENO,F_ISVISIBLE,F_DEFAULTVISIBLE,F_ISPRIMARY";
  EXPECT_EQ(recorder_->Writes(),
            (std::vector<RecordedCall>{
                {"Delete", {"T_PHBUTTON", "F_UID=7"}},
                {"Delete", {"T_PVBUTTON", "F_UID=7"}},
                {"Insert", {"T_PHBUTTON", h, "7, 2, 1, 1, 0"}},
                {"Insert", {"T_PVBUTTON", v, "7, 28, 2, 0, 2, 1, 1, 0"}},
                {"Insert", {"T_PVBUTTON", v, "7, 31, 2, 0, 1, 1, 1, 0"}},
                {"Insert", {"T_PVBUTTON", v, "7, 37, 2, 31, 2, 0, 1,0"}},
                {"Insert", {"T_PVBUTTON", v, "7, 38, 2, 31, 1, 1, 1,0"}},
                {"Insert", {"T_PHBUTTON", h, "7, 1, 2, 0, 0"}},
                {"Insert", {"T_PVBUTTON", v, "7, 1, 1, 0, 1, 1, 0, 0"}},
                {"Insert", {"T_PHBUTTON", h, "7, 11, 3, 1, 0"}},
                {"Insert", {"T_PHBUTTON", h, "7, 50, 4, 1, 0"}},
                {"Insert", {"T_PVBUTTON", v, "7, 500, 50, 0, 1, 0, 1, 0"}},
                {"Insert", {"T_PVBUTTON", v, "7, 501, 50, 500, 1, 1, 1,0"}}}));
  EXPECT_EQ(progress.texts, (std::vector<std::string>{"Contacts", "Contacts", "Contacts", "Contacts", "Accounts",
                                                      "Reports", "O'Neil Corp", "O'Neil Corp"}));
  EXPECT_EQ(driver_.DoEventsCalls() - do_events, columns_.Count());
  EXPECT_EQ(db_.ServerLayout(kUser + 1), other_user);

  std::shared_ptr<ado::Recordset> title_lists, list_sons;
  int32_t o[6];
  ASSERT_FALSE(tagGetSvrValColumnsVisible(recorder_, db_.Local(), title_lists, list_sons, o[0], o[1], o[2], o[3], o[4], o[5]));
  EXPECT_EQ(RowsOf(*title_lists),
            (std::vector<std::string>{
                "Accounts|1|客户|Accounts|0|2|AllAccounts|1|所有客户|All Accounts|1|0|1",
                "Contacts|2|联系人|Contacts|1|1|AllContacts|28|所有联系人|All Contacts|1|1|2",
                "Contacts|2|联系人|Contacts|1|1|ContactsByRole|31|按角色分类|By Role|1|1|1",
                "O'Neil|50|奥尼尔|O'Neil Corp|1|4|Q'List|500|引号|Quote's list|0|1|1",
                "Reports|11|||1|3||0|||0|0|0"}));
  EXPECT_EQ(list_sons->RecordCount(), 3);

  std::shared_ptr<columnsbar::ColumnsBar> bar;
  ASSERT_FALSE(ReadColumnsBar(db_.LocalConnectionString(), recorder_, bar));
  EXPECT_EQ(bar->ToText(),
            "Contacts [Contacts]\n"
            "  By Role [ContactsByRole]\n"
            "    Influencers [RoleInfluencer]\n"
            "    Decision Makers [RoleDecisionMaker] (hidden)\n"
            "  All Contacts [AllContacts]\n"
            "Accounts [Accounts] (hidden)\n"
            "  All Accounts [AllAccounts] (not shown by default)\n"
            "Reports [Reports]\n"
            "O'Neil Corp [O'Neil]\n"
            "  Quote's list [Q'List] (hidden)\n"
            "    Quote's son [Q'Son]\n");
  EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(SaveLayoutTest, EmptyCollectionDeletesTheWholeLayout) {
  db_.SeedServerLayout(kUser);
  EXPECT_FALSE(SaveValsColumnsToSvr(recorder_, clsMainOptionColumns()));
  EXPECT_EQ(recorder_->Writes().size(), 2u);
  EXPECT_TRUE(db_.ServerLayout(kUser).empty());
}

TEST_F(SaveLayoutTest, FailureAtAnyCallKeepsThePreviousLayout) {
  db_.SeedServerLayout(kUser);
  const test_support::Rows before = db_.ServerLayout(kUser);
  const int calls = 13;  // two deletes and eleven inserts
  for (int k = 1; k <= calls + 1; ++k) {
    driver_.ClearJournal();
    faults_->Clear();
    faults_->FailNthCall(k);
    recorder_->BeginTrans();
    const bool failed = SaveValsColumnsToSvr(recorder_, columns_);
    if (k > calls) {
      EXPECT_FALSE(failed) << "the save makes exactly " << calls << " calls";
      recorder_->RollbackTrans();
      break;
    }
    EXPECT_TRUE(failed) << "call " << k;
    EXPECT_FALSE(recorder_->InTransaction()) << "call " << k;
    EXPECT_EQ(db_.ServerLayout(kUser), before) << "call " << k;
    EXPECT_EQ(ShownErrors().size(), 1u) << "call " << k;
  }
  EXPECT_EQ(db_.ServerLayout(kUser), before);
}

TEST_F(SaveLayoutTest, MissingDataServiceIsShown) {
  EXPECT_TRUE(SaveValsColumnsToSvr(nullptr, columns_));
  ASSERT_EQ(ShownErrors().size(), 1u);
  EXPECT_NE(ShownErrors()[0].find("|Error:91|"), std::string::npos);
}

}  // namespace
}  // namespace prefdesk::columns::testing
