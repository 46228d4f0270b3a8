// Check marks of the Column tab: the user's mark reaches the working records and the rows.
#include <string>
#include <vector>

#include "platform/automation/conversions.h"
#include "tests/src/dialog/columns_tab_fixture.h"

namespace prefdesk::dialog::testing {
namespace {

using automation::CBool;

std::vector<bool> Bools(const std::vector<automation::Variant>& values) {
  std::vector<bool> bools;
  for (const auto& v : values) bools.push_back(CBool(v));
  return bools;
}

TEST_F(ColumnsTabTest, UncheckingATitleMakesItCurrentAndHidesItsListAndSonRecordsAndRows) {
  ASSERT_FALSE(Load());
  ui::CheckListBox& titles = window_->Titles();
  ASSERT_TRUE(titles.UserSelect(IndexOf(titles, "Contacts")));
  const int accounts = IndexOf(titles, "Accounts");
  ASSERT_TRUE(titles.UserToggleCheck(accounts));
  EXPECT_FALSE(titles.Selected(accounts));
  EXPECT_EQ(titles.CurrentText(), "Accounts");
  EXPECT_EQ(window_->Lists().List(0), "All Accounts") << "the lists were refilled for the title clicked";
  const auto records = RecordsOf("Accounts");
  ASSERT_GT(records.size(), 20u);  // list records and son records
  for (const auto* record : records) EXPECT_FALSE(record->TitleVisible);
  for (const auto* record : RecordsOf("Contacts")) EXPECT_TRUE(record->TitleVisible);
  const auto rows = Bools(RowValues(*tab_->TitleLists(), "TitleVisible", "Accounts"));
  EXPECT_EQ(rows, std::vector<bool>(rows.size(), false));
  EXPECT_EQ(rows.size(), 8u);
  // The loaded copy keeps the state Save compares against.
  for (const auto& record : tab_->LoadedColumns()) {
    if (record->TitleName == "Accounts") {
      EXPECT_TRUE(record->TitleVisible);
    }
  }
  // The lists of the hidden title keep their marks.
  EXPECT_EQ(Marks(window_->Lists()), std::vector<bool>(window_->Lists().ListCount(), true));

  ASSERT_TRUE(titles.UserToggleCheck(accounts));
  for (const auto* record : RecordsOf("Accounts")) EXPECT_TRUE(record->TitleVisible);
  const auto again = Bools(RowValues(*tab_->TitleLists(), "TitleVisible", "Accounts"));
  EXPECT_EQ(again, std::vector<bool>(again.size(), true));
}

TEST_F(ColumnsTabTest, UncheckingAListHidesItInRecordsAndRows) {
  ASSERT_FALSE(Load());
  ui::CheckListBox& lists = window_->Lists();
  const int industry = IndexOf(lists, "By Industry");
  ASSERT_TRUE(lists.UserToggleCheck(industry));
  // The second-level lists of the hidden list keep their marks.
  EXPECT_EQ(window_->Sons().ListCount(), 8);
  EXPECT_EQ(Marks(window_->Sons()), std::vector<bool>(8, true));
  for (const auto* record : RecordsOf("Accounts", "AccountsByIndustry")) {
    EXPECT_FALSE(record->ListVisible);
    EXPECT_TRUE(record->TitleVisible);
  }
  for (const auto* record : RecordsOf("Accounts", "MyAccounts")) EXPECT_TRUE(record->ListVisible);
  EXPECT_EQ(Bools(RowValues(*tab_->TitleLists(), "ListVisible", "Accounts", "AccountsByIndustry")),
            std::vector<bool>{false});
}

TEST_F(ColumnsTabTest, UncheckingASecondLevelListHidesOnlyThatOne) {
  ASSERT_FALSE(Load());
  window_->Lists().UserSelect(IndexOf(window_->Lists(), "By Industry"));
  ui::CheckListBox& sons = window_->Sons();
  const int retail = IndexOf(sons, "Retail");
  ASSERT_TRUE(sons.UserToggleCheck(retail));
  EXPECT_EQ(sons.CurrentText(), "Retail");
  const auto retail_records = RecordsOf("Accounts", "AccountsByIndustry", "IndustryRetail");
  ASSERT_EQ(retail_records.size(), 1u);
  EXPECT_FALSE(retail_records[0]->ListSonVisible);
  EXPECT_TRUE(RecordsOf("Accounts", "AccountsByIndustry", "IndustryFinance")[0]->ListSonVisible);
  EXPECT_TRUE(RecordsOf("Accounts", "AccountsByIndustry", "")[0]->ListVisible);
  ado::Recordset& rows = *tab_->ListSons();
  EXPECT_EQ(Bools(RowValues(rows, "ListSonVisible", "Accounts", "AccountsByIndustry", "IndustryRetail")),
            std::vector<bool>{false});
  EXPECT_EQ(Bools(RowValues(rows, "ListSonVisible", "Accounts", "AccountsByIndustry", "IndustryFinance")),
            std::vector<bool>{true});
}

TEST_F(ColumnsTabTest, RefillsLeaveTheRecordsAsTheRowsSayDespiteTheirOwnCheckEvents) {
  db_.SeedServerLayout(kUser);
  db_.ExecServer("UPDATE T_PVBUTTON SET F_ISVISIBLE = 0 WHERE F_VBUTTONID IN (2, 10)");
  ASSERT_FALSE(Load());
  int list_checks = 0;
  auto forward = window_->Lists().OnItemCheck;
  window_->Lists().OnItemCheck = [&](int index) {
    ++list_checks;
    forward(index);
  };
  window_->Titles().UserSelect(IndexOf(window_->Titles(), "Contacts"));
  window_->Titles().UserSelect(IndexOf(window_->Titles(), "Accounts"));
  EXPECT_GT(list_checks, 0) << "the refill sets every mark";
  EXPECT_FALSE(window_->Lists().Selected(IndexOf(window_->Lists(), "My Accounts")));
  EXPECT_TRUE(window_->Lists().Selected(IndexOf(window_->Lists(), "All Accounts")));
  for (const auto* record : RecordsOf("Accounts", "MyAccounts")) EXPECT_FALSE(record->ListVisible);
  for (const auto* record : RecordsOf("Accounts", "AllAccounts")) EXPECT_TRUE(record->ListVisible);
  window_->Lists().UserSelect(IndexOf(window_->Lists(), "By Industry"));
  EXPECT_FALSE(window_->Sons().Selected(IndexOf(window_->Sons(), "Finance")));
  EXPECT_FALSE(RecordsOf("Accounts", "AccountsByIndustry", "IndustryFinance")[0]->ListSonVisible);
}

}  // namespace
}  // namespace prefdesk::dialog::testing
