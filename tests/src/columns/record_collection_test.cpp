#include <gtest/gtest.h>

#include "platform/automation/error.h"
#include "src/columns/main_option_column.h"
#include "src/columns/main_option_query.h"
#include "src/columns/main_option_startup.h"

namespace prefdesk::columns {
namespace {

using automation::AutomationError;
using automation::Variant;

int32_t ErrorNumberOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const AutomationError& e) {
    return e.Number();
  }
  return 0;
}

std::vector<std::string> Names(const clsMainOptionStartups& startups) {
  std::vector<std::string> names;
  for (const auto& record : startups) names.push_back(record->ColumnName);
  return names;
}

TEST(RecordCollectionTest, NewCollectionIsEmpty) {
  clsMainOptionStartups startups;
  EXPECT_EQ(startups.Count(), 0);
  EXPECT_TRUE(Names(startups).empty());
  EXPECT_EQ(ErrorNumberOf([&] { startups.Item(1); }), automation::kErrSubscriptOutOfRange);
}

TEST(RecordCollectionTest, ItemReturnsTheSameRecordAddReturned) {
  clsMainOptionStartups startups;
  auto added = startups.Add("Accounts", "AllAccounts", "Accounts");
  EXPECT_EQ(startups.Item(1), added);
  added->DefaultListName = "MyAccounts";
  EXPECT_EQ(startups.Item(Variant(int16_t{1}))->DefaultListName, "MyAccounts");
}

TEST(RecordCollectionTest, RemoveMovesLaterRecordsUp) {
  clsMainOptionStartups startups;
  startups.Add("A", "", "");
  auto second = startups.Add("B", "", "");
  startups.Add("C", "", "");
  startups.Remove(1);
  EXPECT_EQ(startups.Item(1), second);
  EXPECT_EQ(Names(startups), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(ErrorNumberOf([&] { startups.Remove(3); }), automation::kErrSubscriptOutOfRange);
  EXPECT_EQ(ErrorNumberOf([&] { startups.Remove(0); }), automation::kErrSubscriptOutOfRange);
  EXPECT_EQ(startups.Count(), 2);
}

TEST(RecordCollectionTest, KeysReachRecordsWithoutRegardToCase) {
  clsMainOptionStartups startups;
  auto first = startups.Add("A", "", "", "Alpha");
  auto second = startups.Add("B", "", "", "beta");
  EXPECT_EQ(startups.Item("ALPHA"), first);
  EXPECT_EQ(startups.Item("Beta"), second);
  EXPECT_EQ(startups.Item(2), second);
  EXPECT_EQ(ErrorNumberOf([&] { startups.Add("C", "", "", "alpha"); }),
            automation::kErrKeyAlreadyUsed);
  EXPECT_EQ(startups.Count(), 2);
  EXPECT_EQ(ErrorNumberOf([&] { startups.Item("gamma"); }), automation::kErrInvalidArgument);
  EXPECT_EQ(ErrorNumberOf([&] { startups.Item(Variant::Null()); }), automation::kErrTypeMismatch);
  startups.Remove("ALPHA");
  EXPECT_EQ(startups.Item(1), second);
  // A removed key may be used again.
  startups.Add("A2", "", "", "alpha");
  EXPECT_EQ(startups.Item("alpha")->ColumnName, "A2");
}

TEST(RecordCollectionTest, BeforeAndAfterPlaceTheRecord) {
  clsMainOptionStartups startups;
  startups.Add("A", "", "", "a");
  startups.Add("C", "", "");
  startups.Add(std::make_shared<clsMainOptionStartup>(clsMainOptionStartup{"B", "", ""}), "",
               Variant(int32_t{2}));
  startups.Add(std::make_shared<clsMainOptionStartup>(clsMainOptionStartup{"A1", "", ""}), "",
               Variant(), Variant("A"));
  EXPECT_EQ(Names(startups), (std::vector<std::string>{"A", "A1", "B", "C"}));
  auto extra = std::make_shared<clsMainOptionStartup>();
  EXPECT_EQ(ErrorNumberOf([&] { startups.Add(extra, "", Variant(int32_t{9})); }),
            automation::kErrSubscriptOutOfRange);
  EXPECT_EQ(ErrorNumberOf([&] { startups.Add(extra, "", Variant(1), Variant(1)); }),
            automation::kErrInvalidArgument);
  EXPECT_EQ(startups.Count(), 4);
}

TEST(RecordCollectionTest, AddPutsEachArgumentIntoItsField) {
  clsMainOptionColumns columns;
  auto c = columns.Add("T", 1, "L", 2, "S", 3, "TC", "LC", "SC", true, 4, false, true, 5, true, 6);
  EXPECT_EQ(c->TitleName, "T");
  EXPECT_EQ(c->TitleID, 1);
  EXPECT_EQ(c->ListName, "L");
  EXPECT_EQ(c->ListID, 2);
  EXPECT_EQ(c->ListSonName, "S");
  EXPECT_EQ(c->ListSonID, 3);
  EXPECT_EQ(c->TitleCaption, "TC");
  EXPECT_EQ(c->ListCaption, "LC");
  EXPECT_EQ(c->ListSonCaption, "SC");
  EXPECT_TRUE(c->TitleVisible);
  EXPECT_EQ(c->TitlePos, 4);
  EXPECT_FALSE(c->ListVisible);
  EXPECT_TRUE(c->DefaultVisible);
  EXPECT_EQ(c->ListPos, 5);
  EXPECT_TRUE(c->ListSonVisible);
  EXPECT_EQ(c->ListSonPos, 6);

  clsMainOptionQuerys queries;
  auto q = queries.Add(7, 8, "Q1", "Open deals", "k");
  EXPECT_EQ(q->TitleID, 7);
  EXPECT_EQ(q->ListID, 8);
  EXPECT_EQ(q->DefaultQueryID, "Q1");
  EXPECT_EQ(q->DefaultQueryName, "Open deals");
  EXPECT_EQ(queries.Item("K"), q);
}

}  // namespace
}  // namespace prefdesk::columns
