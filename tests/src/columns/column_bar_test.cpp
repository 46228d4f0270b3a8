#include "columns_fixture.h"
#include "platform/automation/conversions.h"
#include "src/columns/get_default_column.h"
#include "src/columns/read_columns_bar.h"
#include "src/resources/strings.h"

namespace prefdesk::columns::testing {
namespace {

class ColumnBarTest : public ColumnsTest {
 protected:
  bool Read() { return ReadColumnsBar(db_.LocalConnectionString(), recorder_, bar_); }
  std::shared_ptr<columnsbar::ColumnsBar> bar_;
};

TEST_F(ColumnBarTest, SeededLayoutBuildsTheWholeBarInEitherLanguage) {
  db_.SeedServerLayout(kUser);
  db_.ExecServer("UPDATE T_PVBUTTON SET F_ISPRIMARY = 1 WHERE F_UID = 7 AND F_VBUTTONID IN (2, 3)");
  ASSERT_FALSE(Read());
  ASSERT_EQ(bar_->Count(), db_.ServerInt("SELECT COUNT(*) FROM SYSTBLHBUTTON"));
  const auto& accounts = *bar_->Titles()[0];
  EXPECT_EQ(accounts.Caption(), "Accounts");
  EXPECT_EQ(accounts.Lists().size(),
            static_cast<size_t>(db_.ServerInt("SELECT COUNT(*) FROM SYSTBLVBUTTON WHERE F_HBUTTONID = 1 AND F_PVBUTTONID IS NULL")));
  EXPECT_EQ(accounts.Lists()[4]->Name(), "AccountsByIndustry");
  EXPECT_EQ(accounts.Lists()[4]->Lists().size(), 8u);
  EXPECT_EQ(accounts.Lists()[4]->Lists()[0]->Caption(), "Manufacturing");
  EXPECT_EQ(accounts.DefaultList(), "KeyAccounts") << "each primary list is set, the last one wins";
  EXPECT_EQ(bar_->Titles()[11]->Name(), "Administration");
  EXPECT_EQ(Queries().size(), 1u + 2u * 12u);
  EXPECT_EQ(Queries()[0],
            "Select a.F_HBUTTONID As TitleID,a.F_HBUTTONNAME As TitleName,a.F_HBUTTONLABEL TitleCaption,b.F_SEQUENCENO As TitlePos,b.F_ISVISIBLE As TitleVisible From SYSTBLHBUTTON a,T_PHBUTTON b Where a.F_HBUTTONID=b.F_HBUTTONID And b.F_UID=7 Order By TitlePos Asc");
  EXPECT_EQ(Queries()[1],
            "Select a.F_VBUTTONNAME As ListName,a.F_VBUTTONLABEL As ListCaption,b.F_SEQUENCENO As ListPos,b.F_ISVISIBLE As ListVisible,b.F_DEFAULTVISIBLE As DefaultVisible,b.F_ISPRIMARY As IsDefault From SYSTBLVBUTTON a,T_PVBUTTON b Where a.F_VBUTTONID=b.F_VBUTTONID And b.F_UID=7 And b.F_HBUTTONID=1 And ( b.F_PVBUTTONID Is NULL Or b.F_PVBUTTONID=0 ) Order By ListPos Asc");
  EXPECT_EQ(Queries()[2],
            "Select a.F_VBUTTONNAME As ListSonName,a.F_VBUTTONLABEL As ListSonCaption,b.F_SEQUENCENO As ListSonPos,b.F_ISVISIBLE As ListSonVisible,c.F_VBUTTONNAME As ListName From SYSTBLVBUTTON a,T_PVBUTTON b,SYSTBLVBUTTON c Where a.F_VBUTTONID=b.F_VBUTTONID And c.F_VBUTTONID=b.F_PVBUTTONID And b.F_UID=7 And b.F_HBUTTONID=1 And b.F_PVBUTTONID>0 Order By ListName Asc,ListSonPos Asc");

  resources::SetInterfaceLanguage(resources::kLangChinese);
  ASSERT_FALSE(Read());
  EXPECT_EQ(bar_->Titles()[0]->Caption(), "客户");
  EXPECT_EQ(bar_->Titles()[0]->Lists()[0]->Caption(), "所有客户");
  EXPECT_EQ(bar_->Titles()[0]->Lists()[4]->Lists()[0]->Caption(),
            db_.LocalRows("SELECT ListNameChinese FROM BarList WHERE ListName = 'IndustryManufacturing'")[0][0]);
  EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(ColumnBarTest, UserWithoutTitlesGetsAnEmptyBarSilently) {
  EXPECT_TRUE(Read());
  ASSERT_NE(bar_, nullptr);
  EXPECT_EQ(bar_->Count(), 0);
  EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(ColumnBarTest, TitleWithoutListsGetsNoSecondLevelAndMissingCaptionTakesTheLabel) {
  db_.SeedServerLayout(kUser);
  db_.ExecServer(
      "DELETE FROM T_PVBUTTON WHERE F_HBUTTONID = 2 AND F_PVBUTTONID = 0;"
      "INSERT INTO SYSTBLHBUTTON VALUES (60, 'ServerOnly', 'Server Label', 60);"
      "INSERT INTO T_PHBUTTON VALUES (7, 60, 13, 0, 0);");
  ASSERT_FALSE(Read());
  EXPECT_EQ(bar_->Titles()[1]->Name(), "Contacts");
  EXPECT_TRUE(bar_->Titles()[1]->Lists().empty());
  EXPECT_EQ(bar_->Titles()[12]->Caption(), "Server Label");
  EXPECT_FALSE(bar_->Titles()[12]->Visible());
}

// Rows without a position come after the placed ones in id order; a second row of one title or
// list (a store made before the unique indexes) shows once, at its lowest position.
TEST_F(ColumnBarTest, StrayAndDuplicatedRowsShowOnceAndAfterThePlacedOnes) {
  db_.SeedServerLayout(kUser);
  db_.ExecServer(
      "DROP INDEX T_PHBUTTON_ONE_PER_USER; DROP INDEX T_PVBUTTON_ONE_PER_USER;"
      "UPDATE T_PHBUTTON SET F_SEQUENCENO = NULL WHERE F_UID = 7 AND F_HBUTTONID IN (11, 2);"
      "INSERT INTO T_PHBUTTON VALUES (7, 1, 13, 1, 0);"
      "UPDATE T_PVBUTTON SET F_SEQUENCENO = NULL WHERE F_UID = 7 AND F_VBUTTONID IN (3, 1, 9);"
      "INSERT INTO T_PVBUTTON VALUES (7, 2, 1, 0, 9, 0, 1, 0, NULL), (7, 10, 1, 5, 7, 0, 1, 0, NULL);");
  ASSERT_FALSE(Read());
  std::vector<std::string> titles;
  for (const auto& title : bar_->Titles()) titles.push_back(title->Name());
  EXPECT_EQ(titles, (std::vector<std::string>{"Accounts", "Opportunities", "Activities", "Calendar",
                                              "Sales", "Service", "Marketing", "Products", "Expenses",
                                              "Administration", "Contacts", "Reports"}));
  std::vector<std::string> lists;
  for (const auto& list : bar_->Titles()[0]->Lists()) {
    lists.push_back(list->Name() + (list->Visible() ? "" : " hidden"));
  }
  EXPECT_EQ(lists, (std::vector<std::string>{"MyAccounts", "NewAccounts", "AccountsByIndustry",
                                             "AccountsByRegion", "AccountHierarchy", "InactiveAccounts",
                                             "AllAccounts", "KeyAccounts"}));
  const auto& sons = bar_->Titles()[0]->Lists()[2]->Lists();
  ASSERT_EQ(sons.size(), 8u);
  EXPECT_EQ(sons[0]->Name(), "IndustryFinance");
  EXPECT_TRUE(sons[0]->Visible());
  EXPECT_EQ(sons[7]->Name(), "IndustryManufacturing");
  EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(ColumnBarTest, FailureIsShownAndKeepsWhatWasAdded) {
  db_.SeedServerLayout(kUser);
  faults_->FailTable("T_PVBUTTON");
  EXPECT_TRUE(Read());
  EXPECT_EQ(bar_->Count(), 1);
  EXPECT_EQ(ShownErrors().size(), 1u);
}

TEST_F(ColumnBarTest, DefaultColumnNamesThePrimaryTitle) {
  std::string name = "stale", caption = "stale";
  EXPECT_FALSE(GetDefaultColumn(db_.Local(), recorder_, name, caption));
  EXPECT_EQ(name + caption, "") << "no primary title";
  EXPECT_EQ(Queries(),
            std::vector<std::string>{"Select a.F_HBUTTONNAME As DefaultTitleName From SYSTBLHBUTTON a,T_PHBUTTON b Where a.F_HBUTTONID=b.F_HBUTTONID And b.F_ISPRIMARY=1 And b.F_UID=7"});

  db_.SeedServerLayout(kUser);
  EXPECT_FALSE(GetDefaultColumn(db_.Local(), recorder_, name, caption));
  EXPECT_EQ(name + "|" + caption, "Accounts|Accounts");
  resources::SetInterfaceLanguage(resources::kLangChinese);
  EXPECT_FALSE(GetDefaultColumn(db_.Local(), recorder_, name, caption));
  EXPECT_EQ(name + "|" + caption, "Accounts|客户");

  db_.ExecLocal("UPDATE BarTitle SET TitleNameEnglish = NULL WHERE TitleName = 'Accounts'");
  EXPECT_FALSE(GetDefaultColumn(db_.Local(), recorder_, name, caption));
  EXPECT_EQ(name + caption, "") << "incomplete bilingual names";

  faults_->FailNthCall(1);
  EXPECT_TRUE(GetDefaultColumn(db_.Local(), recorder_, name, caption));
  EXPECT_EQ(ShownErrors().size(), 1u);
}

}  // namespace
}  // namespace prefdesk::columns::testing
