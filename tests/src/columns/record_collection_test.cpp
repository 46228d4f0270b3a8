#include <gtest/gtest.h>

#include "platform/automation/error.h"
#include "src/columns/main_option_column.h"
#include "src/columns/main_option_query.h"
#include "src/columns/main_option_startup.h"
#include "support/raised_number.h"

namespace prefdesk::columns {
namespace {

using automation::AutomationError;
using automation::Variant;

std::vector<std::string> Names(const clsMainOptionStartups& startups) {
  std::vector<std::string> names;
  for (const auto& record : startups) names.push_back(record->ColumnName);
  return names;
}

TEST(RecordCollectionTest, KeysReachRecordsWithoutRegardToCase) {
  clsMainOptionStartups startups;
  auto first = startups.Add("A", "", "", "Alpha");
  auto second = startups.Add("B", "", "", "beta");
  EXPECT_EQ(startups.Item("ALPHA"), first);
  EXPECT_EQ(startups.Item("Beta"), second);
  EXPECT_EQ(startups.Item(2), second);
  EXPECT_EQ(test_support::RaisedNumber([&] { startups.Add("C", "", "", "alpha"); }),
            automation::kErrKeyAlreadyUsed);
  EXPECT_EQ(startups.Count(), 2);
  EXPECT_EQ(test_support::RaisedNumber([&] { startups.Item("gamma"); }), automation::kErrInvalidArgument);
  EXPECT_EQ(test_support::RaisedNumber([&] { startups.Item(Variant::Null()); }), automation::kErrTypeMismatch);
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
  EXPECT_EQ(test_support::RaisedNumber([&] { startups.Add(extra, "", Variant(int32_t{9})); }),
            automation::kErrSubscriptOutOfRange);
  EXPECT_EQ(test_support::RaisedNumber([&] { startups.Add(extra, "", Variant(1), Variant(1)); }),
            automation::kErrInvalidArgument);
  EXPECT_EQ(startups.Count(), 4);
}

}  // namespace
}  // namespace prefdesk::columns
