// Move buttons of the Column tab: the current item moves and the list is renumbered in the
// working records and in the rows.
#include <string>
#include <vector>

#include "platform/automation/conversions.h"
#include "tests/src/dialog/columns_tab_fixture.h"

namespace prefdesk::dialog::testing {
namespace {

using Strings = std::vector<std::string>;

class ColumnsTabOrderTest : public ColumnsTabTest {
 protected:
  void Press(const std::string& button) { ASSERT_TRUE(window_->Button(button).UserClick()); }

  static Strings Head(const ui::CheckListBox& list, int count) {
    Strings items = Items(list);
    items.resize(count);
    return items;
  }

  // Every record and row of each item shown carries the item's index + 1: each title, or with
  // a title each list shown for it.
  void ExpectNumberedInListOrder(const std::string& title = "") {
    const bool titles = title.empty();
    const ui::CheckListBox& list = titles ? window_->Titles() : window_->Lists();
    for (int k = 0; k < list.ListCount(); ++k) {
      int records = 0;
      for (const auto* record : RecordsOf(titles ? "*" : title)) {
        if ((titles ? record->TitleCaption : record->ListCaption) != list.List(k)) continue;
        ++records;
        EXPECT_EQ(titles ? record->TitlePos : record->ListPos, k + 1) << list.List(k);
      }
      EXPECT_GT(records, 0);
      ado::Recordset& rows = *tab_->TitleLists();
      for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
        if ((titles || automation::CStr(rows["TitleName"]) == title) &&
            automation::CStr(rows[titles ? "TitleCaption_E" : "ListCaption_E"]) == list.List(k)) {
          EXPECT_EQ(automation::CLng(rows[titles ? "TitleOrder" : "ListOrder"]), k + 1) << list.List(k);
        }
      }
    }
  }
};

TEST_F(ColumnsTabOrderTest, TitleMovesRenumberRecordsAndRowsAndKeepTheItemCurrent) {
  ASSERT_FALSE(Load());
  ui::CheckListBox& titles = window_->Titles();
  const int locks = driver_->LockCalls();
  titles.UserSelect(IndexOf(titles, "Activities"));
  const Strings activity_lists = Items(window_->Lists());

  Press("cmdGrandFatherTop");
  EXPECT_EQ(Head(titles, 4),
            (Strings{"Activities", "Accounts", "Contacts", "Opportunities"}));
  EXPECT_EQ(titles.ListIndex(), 0);
  ExpectNumberedInListOrder();
  // A move refills nothing.
  EXPECT_EQ(driver_->LockCalls(), locks + 2);
  EXPECT_EQ(Items(window_->Lists()), activity_lists);

  Press("cmdGrandFatherDown");
  Press("cmdGrandFatherDown");
  EXPECT_EQ(titles.ListIndex(), 2);
  EXPECT_EQ(Head(titles, 4),
            (Strings{"Accounts", "Contacts", "Activities", "Opportunities"}));
  ExpectNumberedInListOrder();

  Press("cmdGrandFatherBottom");
  EXPECT_EQ(titles.List(11), "Activities");
  EXPECT_EQ(titles.ListIndex(), 11);
  Press("cmdGrandFatherUp");
  EXPECT_EQ(titles.List(10), "Activities");
  EXPECT_EQ(titles.List(11), "Administration");
  ExpectNumberedInListOrder();
  for (const auto* record : RecordsOf("Activities")) EXPECT_EQ(record->TitlePos, 11);
}

TEST_F(ColumnsTabOrderTest, ImpossibleMovesDoNothingAndEndMovesKeepTheOrder) {
  ASSERT_FALSE(Load());
  // "All Accounts" has no second-level lists: the empty list has no current item.
  ASSERT_EQ(window_->Sons().ListCount(), 0);
  Press("cmdSonTop");
  Press("cmdSonBottom");
  EXPECT_EQ(window_->Sons().ListCount(), 0);
  ui::CheckListBox& titles = window_->Titles();
  const Strings before = Items(titles);
  Press("cmdGrandFatherUp");  // the first title is current
  EXPECT_EQ(Items(titles), before);
  EXPECT_EQ(titles.ListIndex(), 0);
  Press("cmdGrandFatherTop");
  EXPECT_EQ(Items(titles), before);
  titles.UserSelect(11);
  Press("cmdGrandFatherDown");
  Press("cmdGrandFatherBottom");
  EXPECT_EQ(Items(titles), before);
  EXPECT_EQ(titles.ListIndex(), 11);
  ExpectNumberedInListOrder();
}

TEST_F(ColumnsTabOrderTest, ListMovesRenumberShownLists) {
  ASSERT_FALSE(Load());
  ui::CheckListBox& lists = window_->Lists();
  lists.UserSelect(IndexOf(lists, "By Industry"));
  Press("cmdFatherTop");
  Press("cmdFatherDown");
  EXPECT_EQ(Head(lists, 3),
            (Strings{"All Accounts", "By Industry", "My Accounts"}));
  EXPECT_EQ(lists.CurrentText(), "By Industry");
  ExpectNumberedInListOrder("Accounts");
  for (const auto* record : RecordsOf("Accounts", "AccountsByIndustry")) EXPECT_EQ(record->ListPos, 2);
  // The list that is never shown keeps its position.
  EXPECT_EQ(RecordsOf("Accounts", "InactiveAccounts")[0]->ListPos, 8);
}

TEST_F(ColumnsTabOrderTest, SecondLevelMovesRenumberRecordsAndRows) {
  ASSERT_FALSE(Load());
  window_->Lists().UserSelect(IndexOf(window_->Lists(), "By Industry"));
  ui::CheckListBox& sons = window_->Sons();
  sons.UserSelect(IndexOf(sons, "Education"));
  Press("cmdSonUp");
  Press("cmdSonUp");
  Press("cmdSonUp");
  EXPECT_EQ(Items(sons), (Strings{"Manufacturing", "Finance", "Retail", "Telecommunications",
                                  "Education", "Energy", "Government", "Healthcare"}));
  EXPECT_EQ(sons.ListIndex(), 4);
  EXPECT_EQ(RecordsOf("Accounts", "AccountsByIndustry", "IndustryEducation")[0]->ListSonPos, 5);
  EXPECT_EQ(RecordsOf("Accounts", "AccountsByIndustry", "IndustryHealthcare")[0]->ListSonPos, 8);
  EXPECT_EQ(RecordsOf("Accounts", "AccountsByIndustry", "IndustryRetail")[0]->ListSonPos, 3);
  const auto rows = RowValues(*tab_->ListSons(), "ListSonOrder", "Accounts", "AccountsByIndustry",
                              "IndustryEducation");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(automation::CLng(rows[0]), 5);
}

TEST_F(ColumnsTabOrderTest, AMovedUncheckedItemStaysUncheckedAndHidden) {
  ASSERT_FALSE(Load());
  ui::CheckListBox& titles = window_->Titles();
  ASSERT_TRUE(titles.UserToggleCheck(IndexOf(titles, "Products")));
  Press("cmdGrandFatherTop");
  EXPECT_EQ(titles.List(0), "Products");
  EXPECT_FALSE(titles.Selected(0));
  EXPECT_EQ(Marks(titles), (std::vector<bool>{false, true, true, true, true, true, true, true,
                                              true, true, true, true}));
  for (const auto* record : RecordsOf("Products")) EXPECT_FALSE(record->TitleVisible);
  for (const auto* record : RecordsOf("Accounts")) EXPECT_TRUE(record->TitleVisible);
}

}  // namespace
}  // namespace prefdesk::dialog::testing
