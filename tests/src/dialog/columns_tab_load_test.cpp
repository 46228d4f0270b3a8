// Loading the Column tab and refilling its dependent lists, from the factory layout and from
// a user's saved layout.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/automation/conversions.h"
#include "src/state/shared_state.h"
#include "tests/src/dialog/columns_tab_fixture.h"

namespace prefdesk::dialog::testing {
namespace {

using Strings = std::vector<std::string>;

const Strings kFactoryTitles = {"Accounts", "Contacts",  "Opportunities", "Activities",
                                "Calendar", "Sales",     "Service",       "Marketing",
                                "Products", "Expenses",  "Reports",       "Administration"};

TEST_F(ColumnsTabTest, NewUserGetsTheFactoryLayoutWithFirstTitleAndListCurrent) {
  ASSERT_FALSE(Load());
  EXPECT_TRUE(state::State().ColumnsFromLocalDefaults);
  EXPECT_EQ(Items(window_->Titles()), kFactoryTitles);
  EXPECT_EQ(Marks(window_->Titles()), std::vector<bool>(12, true));
  EXPECT_EQ(window_->Titles().ListIndex(), 0);
  // "Inactive Accounts" has DefaultVisible False: never shown, but its records exist.
  EXPECT_EQ(Items(window_->Lists()),
            (Strings{"All Accounts", "My Accounts", "Key Accounts", "New Accounts", "By Industry",
                     "By Region", "Account Hierarchy"}));
  EXPECT_EQ(window_->Lists().ListIndex(), 0);
  ASSERT_FALSE(RecordsOf("Accounts", "InactiveAccounts").empty());
  EXPECT_FALSE(RecordsOf("Accounts", "InactiveAccounts")[0]->DefaultVisible);
  EXPECT_EQ(RecordsOf("Accounts", "InactiveAccounts")[0]->ListPos, 8);
  // "All Accounts" has no second-level lists.
  EXPECT_EQ(window_->Sons().ListCount(), 0);

  window_->Lists().UserSelect(IndexOf(window_->Lists(), "By Industry"));
  EXPECT_EQ(Items(window_->Sons()),
            (Strings{"Manufacturing", "Finance", "Retail", "Telecommunications", "Energy",
                     "Government", "Healthcare", "Education"}));
  EXPECT_EQ(window_->Sons().ListIndex(), 0);
}

TEST_F(ColumnsTabTest, RecordsFollowTheTitleOrderWithSonRecordsBehindTheirList) {
  ASSERT_FALSE(Load());
  const auto& edited = tab_->EditedColumns();
  const auto& loaded = tab_->LoadedColumns();
  ASSERT_EQ(edited.Count(), loaded.Count());
  ASSERT_GT(edited.Count(), 12);
  int32_t last_title_pos = 0;
  for (int32_t i = 1; i <= edited.Count(); ++i) {
    EXPECT_NE(edited.Item(i), loaded.Item(i)) << "the working records are copies";
    EXPECT_GE(edited.Item(i)->TitlePos, last_title_pos);
    last_title_pos = edited.Item(i)->TitlePos;
  }
  // A list record with its son records right behind it, carrying the list's values.
  int32_t industry = 0;
  for (int32_t i = 1; i <= edited.Count(); ++i) {
    const auto& r = *edited.Item(i);
    if (r.ListName == "AccountsByIndustry" && r.ListSonName.empty()) industry = i;
  }
  ASSERT_GT(industry, 0);
  const auto& list_record = *edited.Item(industry);
  EXPECT_EQ(list_record.ListPos, 5);
  EXPECT_EQ(list_record.ListCaption, "By Industry");
  EXPECT_EQ(list_record.ListSonPos, 0);
  EXPECT_FALSE(list_record.ListSonVisible);
  const auto& first_son = *edited.Item(industry + 1);
  EXPECT_EQ(first_son.ListName, "AccountsByIndustry");
  EXPECT_EQ(first_son.ListSonName, "IndustryEducation");  // list-son rows come by name
  EXPECT_EQ(first_son.ListSonPos, 8);
  EXPECT_TRUE(first_son.ListSonVisible);
  EXPECT_EQ(first_son.ListPos, 5);
  EXPECT_GT(first_son.ListSonID, 0);
}

TEST_F(ColumnsTabTest, SavedLayoutGivesTheUsersOrderVisibilityAndShownLists) {
  db_.SeedServerLayout(kUser);
  // Accounts goes last and Contacts is hidden; two of the Contacts lists swap places, one is
  // hidden, one is not shown at all.
  db_.ExecServer(
      "UPDATE T_PHBUTTON SET F_SEQUENCENO = 20 WHERE F_HBUTTONID = 1 AND F_UID = 7;"
      "UPDATE T_PHBUTTON SET F_ISVISIBLE = 0 WHERE F_HBUTTONID = 2 AND F_UID = 7;"
      "UPDATE T_PVBUTTON SET F_SEQUENCENO = 9 WHERE F_VBUTTONID = 28 AND F_UID = 7;"
      "UPDATE T_PVBUTTON SET F_ISVISIBLE = 0 WHERE F_VBUTTONID = 30 AND F_UID = 7;"
      "UPDATE T_PVBUTTON SET F_DEFAULTVISIBLE = 0 WHERE F_VBUTTONID = 29 AND F_UID = 7");

  ASSERT_FALSE(Load());
  EXPECT_FALSE(state::State().ColumnsFromLocalDefaults);
  Strings titles(kFactoryTitles.begin() + 1, kFactoryTitles.end());
  titles.push_back("Accounts");
  EXPECT_EQ(Items(window_->Titles()), titles);
  std::vector<bool> marks(12, true);
  marks[0] = false;
  EXPECT_EQ(Marks(window_->Titles()), marks);

  // Contacts is the first title now; "My Contacts" is not shown, "All Contacts" shares the
  // last position with "Duplicate Contacts" and comes first by record set order.
  const Strings lists = Items(window_->Lists());
  ASSERT_EQ(lists.size(), 8u);
  EXPECT_EQ(lists.front(), "Key Contacts");
  EXPECT_EQ(lists[6], "All Contacts");
  EXPECT_EQ(lists[7], "Duplicate Contacts");
  EXPECT_EQ(std::count(lists.begin(), lists.end(), "My Contacts"), 0);
  EXPECT_FALSE(window_->Lists().Selected(0));
  EXPECT_EQ(RecordsOf("Contacts", "AllContacts")[0]->ListPos, 9);
  EXPECT_FALSE(RecordsOf("Contacts", "KeyContacts")[0]->ListVisible);
  EXPECT_FALSE(RecordsOf("Contacts")[0]->TitleVisible);
  EXPECT_EQ(RecordsOf("Accounts")[0]->TitlePos, 20);
}

TEST_F(ColumnsTabTest, SavedLayoutWithoutSecondLevelListsFallsBackToTheFactoryLayout) {
  db_.SeedServerLayout(kUser);
  db_.ExecServer("UPDATE T_PHBUTTON SET F_SEQUENCENO = 20 WHERE F_HBUTTONID = 1");
  db_.ExecServer("DELETE FROM T_PVBUTTON WHERE F_PVBUTTONID > 0");
  ASSERT_FALSE(Load());
  EXPECT_TRUE(state::State().ColumnsFromLocalDefaults);
  EXPECT_EQ(Items(window_->Titles()), kFactoryTitles);
}

TEST_F(ColumnsTabTest, LoadFailsWhenNeitherLayoutCanBeRead) {
  db_.ExecLocal("DELETE FROM BarTitle");
  EXPECT_TRUE(Load());
  EXPECT_EQ(window_->Titles().ListCount(), 0);
  EXPECT_EQ(tab_->EditedColumns().Count(), 0);
  EXPECT_FALSE(driver_->ModalWindows().empty()) << "the reader shows its own error";
}

TEST_F(ColumnsTabTest, EachRefillRunsUnderOneLockAndUnlock) {
  ASSERT_FALSE(Load());
  // The first title's lists, then the first list's second-level lists.
  EXPECT_EQ(driver_->LockCalls(), 2);
  EXPECT_EQ(driver_->UnlockCalls(), 2);
  window_->Titles().UserSelect(IndexOf(window_->Titles(), "Sales"));
  EXPECT_EQ(driver_->LockCalls(), 4);
  EXPECT_EQ(driver_->UnlockCalls(), 4);
  window_->Lists().UserSelect(1);
  EXPECT_EQ(driver_->LockCalls(), 5);
  EXPECT_EQ(driver_->UnlockCalls(), 5);
  EXPECT_EQ(driver_->LockedHandle(), 0);
  EXPECT_EQ(tab_->TitleLists()->Filter(), "");
  EXPECT_EQ(tab_->ListSons()->Filter(), "");
}

TEST_F(ColumnsTabTest, ListsDoNothingBeforeLoading) {
  tab_ = std::make_unique<ColumnsTab>(*window_);
  window_->Titles().AddItem("Accounts");
  window_->Lists().AddItem("All Accounts");
  window_->Titles().UserToggleCheck(0);
  window_->Lists().UserToggleCheck(0);
  window_->Button("cmdGrandFatherTop").UserClick();
  EXPECT_EQ(window_->Lists().ListCount(), 1);
  EXPECT_EQ(driver_->LockCalls(), 0);
  EXPECT_EQ(tab_->EditedColumns().Count(), 0);
}

TEST_F(ColumnsTabTest, RefillReadsVisibilityAndPositionsBackFromTheRows) {
  ASSERT_FALSE(Load());
  ado::Recordset& rows = *tab_->TitleLists();
  // A row changed behind the records' back: the next refill brings it into the records.
  // ProductCatalog, first of its title, takes the largest position of the layout.
  int32_t last = 0;
  for (const auto& order : RowValues(rows, "ListOrder", "*")) last = std::max(last, automation::CLng(order));
  for (const auto& order : RowValues(rows, "ListOrder", "Products")) ASSERT_LT(automation::CLng(order), last);
  rows.MoveFirst();
  while (!rows.IsEOF()) {
    if (automation::CStr(rows["ListName"]) == "ProductCatalog") {
      rows.SetCollect("ListVisible", false);
      rows.SetCollect("ListOrder", last);
    }
    rows.MoveNext();
  }
  window_->Titles().UserSelect(IndexOf(window_->Titles(), "Products"));
  EXPECT_EQ(Items(window_->Lists()).front(), "Price Lists");
  EXPECT_EQ(Items(window_->Lists()).back(), "Product Catalog");
  EXPECT_FALSE(window_->Lists().Selected(window_->Lists().ListCount() - 1));
  for (const auto* record : RecordsOf("Products", "ProductCatalog")) {
    EXPECT_FALSE(record->ListVisible);
    EXPECT_EQ(record->ListPos, last);
  }
}

}  // namespace
}  // namespace prefdesk::dialog::testing
