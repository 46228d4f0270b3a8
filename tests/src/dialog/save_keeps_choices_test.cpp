// A save keeps what the person did not change: the start-up title across a rewritten layout,
// titles and lists the server catalogue lacks, a stray huge position, rows without a position,
// stored duplicates, and the whole of a save that waited for another client's save of the
// same user.
#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "option_dialog_fixture.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/simple_controls.h"
#include "src/component/enumerations.h"
#include "src/component/create_prefdesk.h"

namespace prefdesk::dialog::testing {
namespace {

using component::E_OptionCancel;
using component::E_OptionSuccess;
using Strings = std::vector<std::string>;

// The user's start-up title and each title's primary list.
constexpr const char* kPrimaries =
    "SELECT 'H', F_HBUTTONID FROM T_PHBUTTON WHERE F_UID=7 AND F_ISPRIMARY=1 UNION ALL "
    "SELECT 'V', F_VBUTTONID FROM T_PVBUTTON WHERE F_UID=7 AND F_ISPRIMARY=1 ORDER BY 1, 2";

class SaveKeepsChoicesTest : public OptionDialogTest, public ::testing::WithParamInterface<int> {
 public:
  using OptionDialogTest::ShowOption;

 protected:
  SaveKeepsChoicesTest() : OptionDialogTest(GetParam()) {}

  bool Chinese() const { return GetParam() == 2052; }

  // As the hosts do before ShowOption; the user's start-up title is Accounts.
  void PutDefaultTitleAsHostsDo() {
    ASSERT_FALSE(component::PutDefaultTitle(*prefdesk_, db_.Local(), recorder_));
    ASSERT_EQ(prefdesk_->DefaultTitle(), Chinese() ? "客户" : "Accounts");
  }

  // The Startup tab shows the start-up title; the first title moves down, then OK.
  std::vector<int32_t> MoveFirstTitleAndSave(const std::function<void()>& before_ok = {}) {
    return ShowOption([&](FrmOption& form) {
      EXPECT_EQ(form.Get<ui::ComboBox>("cboStartup").Text(), prefdesk_->DefaultTitle());
      EXPECT_TRUE(form.Get<ui::CheckListBox>("lstGrandFather").UserSelect(0));
      EXPECT_TRUE(form.Get<ui::CommandButton>("cmdGrandFatherDown").UserClick());
      recorder_->Clear();
      if (before_ok) before_ok();
      EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
    });
  }
};

TEST_P(SaveKeepsChoicesTest, ANewUserSavesTitlesAndListsTheCatalogueLacksWithIdZero) {
  db_.ExecLocal(
      "INSERT INTO BarTitle (TitleID, TitleName, TitleNameChinese, TitleNameEnglish, Visible, "
      "DefaultOrder, DefaultList) VALUES (90, 'LocalOne', '本地一', 'Local one', 1, 13, ''), "
      "(91, 'LocalTwo', '本地二', 'Local two', 0, 14, '');"
      "INSERT INTO BarList (ListID, TitleID, ParentID, ListName, ListNameChinese, "
      "ListNameEnglish, Visible, DefaultVisible, DefaultOrder, CanStatrup) VALUES "
      "(900, 1, 0, 'LocalA', '本地甲', 'Local A', 1, 1, 20, 0), "
      "(901, 1, 0, 'LocalB', '本地乙', 'Local B', 0, 0, 21, 0)");
  const auto events = ShowOption([&](FrmOption& form) {
    EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
  });
  EXPECT_EQ(events, (std::vector<int32_t>{E_OptionSuccess}));
  EXPECT_EQ(db_.ServerRows("SELECT F_SEQUENCENO, F_ISVISIBLE, F_ISPRIMARY FROM T_PHBUTTON "
                           "WHERE F_UID=7 AND F_HBUTTONID=0 ORDER BY 1"),
            (test_support::Rows{{"13", "1", "0"}, {"14", "0", "0"}}));
  EXPECT_EQ(db_.ServerRows("SELECT F_HBUTTONID, F_PVBUTTONID, F_SEQUENCENO, F_ISVISIBLE, "
                           "F_DEFAULTVISIBLE, F_ISPRIMARY FROM T_PVBUTTON "
                           "WHERE F_UID=7 AND F_VBUTTONID=0 ORDER BY 3"),
            (test_support::Rows{{"1", "0", "20", "1", "1", "0"}, {"1", "0", "21", "0", "0", "0"}}));
}

TEST_P(SaveKeepsChoicesTest, AHugePositionOpensTheDialogWithThatItemLast) {
  db_.SeedServerLayout(kUser);
  const std::string accounts = Chinese() ? "客户" : "Accounts";
  const std::string all_accounts = Chinese() ? "所有客户" : "All Accounts";
  const std::string contacts = Chinese() ? "联系人" : "Contacts";
  const std::string all_contacts = Chinese() ? "所有联系人" : "All Contacts";
  // The start-up titles, Contacts' start-up lists, the Column tab's titles and Accounts' lists.
  auto shown = [&] {
    std::vector<Strings> lists;
    EXPECT_EQ(ShowOption([&](FrmOption& form) {
                lists.push_back(Items(form.Get<ui::ComboBox>("cboStartup")));
                Pick(form.Get<ui::ComboBox>("cboStartupScreen"), contacts);
                lists.push_back(Items(form.Get<ui::ComboBox>("cboDefaultStartup")));
                auto& titles = form.Get<ui::CheckListBox>("lstGrandFather");
                lists.push_back(Items(titles));
                EXPECT_TRUE(titles.UserSelect(IndexOf(titles, accounts)));
                lists.push_back(Items(form.Get<ui::CheckListBox>("lstFather")));
                EXPECT_TRUE(form.Get<ui::CommandButton>("cmdCancel").UserClick());
              }),
              (std::vector<int32_t>{E_OptionCancel}));
    return lists;
  };
  const std::vector<Strings> before = shown();
  db_.ExecServer(
      "UPDATE T_PHBUTTON SET F_SEQUENCENO=2000000000 WHERE F_UID=7 AND F_HBUTTONID=1;"
      "UPDATE T_PVBUTTON SET F_SEQUENCENO=2000000000 WHERE F_UID=7 AND F_VBUTTONID=1");
  db_.ExecLocal("UPDATE BarList SET DefaultOrder=2000000000 WHERE ListName='AllContacts'");
  const std::vector<Strings> after = shown();
  ASSERT_EQ(after.size(), 4u);
  // The start-up titles carry their catalogue order; the user's lowest title position is now
  // 2, so Accounts (catalogue order 1) falls outside the walk, as it always did.
  Strings startup = before[0];
  std::erase(startup, accounts);
  EXPECT_EQ(after[0], startup);
  EXPECT_EQ(after[1].back(), all_contacts);
  EXPECT_EQ(after[2].back(), accounts);
  EXPECT_EQ(after[3].back(), all_accounts);
  for (size_t i = 1; i < 4; ++i) {
    EXPECT_EQ(std::multiset<std::string>(after[i].begin(), after[i].end()),
              std::multiset<std::string>(before[i].begin(), before[i].end()));
  }
}

// The Column tab as the person sees it: the titles, the first title's lists, and the
// second-level lists of its list "By Industry"; then script(form) and OK.
std::vector<Strings> ShownColumnsThenOk(SaveKeepsChoicesTest& test, const std::string& by_industry,
                                        const std::function<void(FrmOption&)>& script = {}) {
  std::vector<Strings> shown;
  EXPECT_EQ(test.ShowOption([&](FrmOption& form) {
              shown.push_back(Items(form.Get<ui::CheckListBox>("lstGrandFather")));
              auto& lists = form.Get<ui::CheckListBox>("lstFather");
              shown.push_back(Items(lists));
              EXPECT_TRUE(lists.UserSelect(IndexOf(lists, by_industry)));
              shown.push_back(Items(form.Get<ui::CheckListBox>("lstSon")));
              if (script) script(form);
              EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
            }),
            (std::vector<int32_t>{E_OptionSuccess}));
  return shown;
}

// Titles and lists whose position is NULL are shown after the placed ones and saved where
// they were shown; a save removes nothing the person did not remove.
TEST_P(SaveKeepsChoicesTest, RowsWithoutAPositionShowLastAndTheSaveKeepsThemWhereShown) {
  db_.SeedServerLayout(kUser);
  db_.ExecServer(
      "UPDATE T_PHBUTTON SET F_SEQUENCENO = NULL WHERE F_UID = 7 AND F_HBUTTONID = 11;"
      "UPDATE T_PVBUTTON SET F_SEQUENCENO = NULL WHERE F_UID = 7 AND F_VBUTTONID IN (1, 9)");
  auto ids = [&] {
    return db_.ServerRows("SELECT 'H', F_HBUTTONID FROM T_PHBUTTON WHERE F_UID = 7 UNION ALL "
                          "SELECT 'V', F_VBUTTONID FROM T_PVBUTTON WHERE F_UID = 7 ORDER BY 1, 2");
  };
  const test_support::Rows before = ids();
  const std::string language = Chinese() ? "Chinese" : "English";
  auto caption = [&](const std::string& table, const std::string& name) {
    return db_.LocalRows("SELECT " + table + "Name" + language + " FROM Bar" + table + " WHERE " +
                         table + "Name = '" + name + "'")[0][0];
  };
  const std::vector<Strings> shown =
      ShownColumnsThenOk(*this, caption("List", "AccountsByIndustry"), [](FrmOption& form) {
        EXPECT_TRUE(form.Get<ui::CheckListBox>("lstGrandFather").UserSelect(0));
        EXPECT_TRUE(form.Get<ui::CommandButton>("cmdGrandFatherBottom").UserClick());
      });
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].size(), 12u);
  EXPECT_EQ(shown[0].back(), caption("Title", "Reports"));
  EXPECT_EQ(shown[1].back(), caption("List", "AllAccounts"));
  EXPECT_EQ(shown[2].back(), caption("List", "IndustryManufacturing"));
  EXPECT_EQ(ids(), before) << "every title and list is kept";
  EXPECT_EQ(db_.ServerRows("SELECT F_HBUTTONID, F_SEQUENCENO FROM T_PHBUTTON WHERE F_UID = 7 AND "
                           "F_HBUTTONID IN (1, 11, 12) ORDER BY 1"),
            (test_support::Rows{{"1", "12"}, {"11", "11"}, {"12", "10"}}));
  // Each list without a position now has one after every sibling's.
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PVBUTTON WHERE F_UID = 7 AND F_SEQUENCENO IS NULL"), 0);
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PVBUTTON a, T_PVBUTTON b WHERE a.F_UID = 7 AND "
                          "b.F_UID = 7 AND a.F_VBUTTONID IN (1, 9) AND b.F_HBUTTONID = a.F_HBUTTONID "
                          "AND b.F_PVBUTTONID = a.F_PVBUTTONID AND b.F_VBUTTONID <> a.F_VBUTTONID "
                          "AND b.F_SEQUENCENO >= a.F_SEQUENCENO"),
            0);
}

// The schema refuses a second row of one user for one title or list; rows a store took before
// it did so show once (the lowest position) and the next save writes the layout clean.
TEST_P(SaveKeepsChoicesTest, StoredDuplicatesShowOnceAndTheNextSaveWritesThemClean) {
  db_.SeedServerLayout(kUser);
  const test_support::Rows layout = db_.ServerLayout(kUser);
  EXPECT_ANY_THROW(db_.ExecServer("INSERT INTO T_PHBUTTON VALUES (7, 1, 13, 1, 0)"));
  EXPECT_ANY_THROW(db_.ExecServer("INSERT INTO T_PVBUTTON VALUES (7, 2, 1, 0, 9, 0, 1, 0, NULL)"));
  // Rows of id 0 (titles the catalogue lacks) stay free.
  db_.ExecServer("INSERT INTO T_PHBUTTON VALUES (7, 0, 20, 1, 0), (7, 0, 21, 1, 0)");
  db_.ExecServer(
      "DELETE FROM T_PHBUTTON WHERE F_HBUTTONID = 0;"
      "DROP INDEX T_PHBUTTON_ONE_PER_USER; DROP INDEX T_PVBUTTON_ONE_PER_USER;"
      "INSERT INTO T_PHBUTTON VALUES (7, 1, 13, 0, 0), (7, 1, 14, 1, 0);"
      "INSERT INTO T_PVBUTTON VALUES (7, 2, 1, 0, 9, 0, 1, 0, NULL), "
      "(7, 10, 1, 5, 7, 0, 1, 0, NULL), (7, 5, 1, 0, 11, 1, 1, 0, NULL)");
  PutDefaultTitleAsHostsDo();
  const std::string by_industry = Chinese() ? db_.LocalRows("SELECT ListNameChinese FROM BarList "
                                                            "WHERE ListName = 'AccountsByIndustry'")[0][0]
                                            : "By Industry";
  const std::vector<Strings> shown = ShownColumnsThenOk(*this, by_industry);
  ASSERT_EQ(shown.size(), 3u);
  const size_t sizes[] = {12, 8, 8};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(shown[i].size(), sizes[i]) << i;
    EXPECT_EQ(std::set<std::string>(shown[i].begin(), shown[i].end()).size(), shown[i].size()) << i;
  }
  EXPECT_EQ(db_.ServerLayout(kUser), layout);
}

// Moving a title rewrites the layout and keeps the start-up title and every primary list. The
// other client's save holds the user's transaction when OK is pressed; this save waits for it
// and then replaces its layout whole: every item as the later save left it.
TEST_P(SaveKeepsChoicesTest, AMovedTitleSavedAfterAnotherClientsSaveKeepsEveryPrimary) {
  db_.SeedServerLayout(kUser);
  const test_support::Rows primaries = db_.ServerRows(kPrimaries);
  const int64_t lists = db_.ServerInt("SELECT COUNT(*) FROM T_PVBUTTON WHERE F_UID=7");
  PutDefaultTitleAsHostsDo();
  const auto other = db_.NewServerClient(kUser);
  std::thread other_commit;
  const auto events = MoveFirstTitleAndSave([&] {
    other->BeginTrans();
    ASSERT_EQ(other->Delete("T_PHBUTTON", "F_UID=7"), 12);
    for (int id = 1; id <= 12; ++id) {
      ASSERT_EQ(other->Insert("T_PHBUTTON", "F_UID,F_HBUTTONID,F_SEQUENCENO,F_ISVISIBLE,F_ISPRIMARY",
                              "7, " + std::to_string(id) + ", " + std::to_string(100 + id) +
                                  ", 0, 0"),
                1);
    }
    other_commit = std::thread([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      EXPECT_EQ(other->CommitTrans(), 0);
    });
  });
  other_commit.join();
  EXPECT_EQ(events, (std::vector<int32_t>{E_OptionSuccess}));
  EXPECT_EQ(recorder_->CallsOf("Delete").size(), 2u) << "the layout was rewritten";
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PHBUTTON WHERE F_UID=7 AND F_SEQUENCENO < 100 "
                          "AND F_ISVISIBLE = 1"),
            12);
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PHBUTTON WHERE F_UID=7"), 12);
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PVBUTTON WHERE F_UID=7"), lists);
  EXPECT_EQ(db_.ServerRows(kPrimaries), primaries);
}

INSTANTIATE_TEST_SUITE_P(Languages, SaveKeepsChoicesTest, ::testing::Values(1033, 2052),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return info.param == 2052 ? std::string("Chinese")
                                                     : std::string("English");
                         });

}  // namespace
}  // namespace prefdesk::dialog::testing
