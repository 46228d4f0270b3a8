#include "platform/columnsbar/columns_bar.h"

#include <gtest/gtest.h>

#include "platform/automation/error.h"
#include "support/raised_number.h"

namespace prefdesk::columnsbar {
namespace {

using automation::Arguments;
using automation::MemberKind;
using automation::Variant;

// Two titles; the second-level lists arrive after all first-level lists of their title.
std::shared_ptr<ColumnsBar> SampleBar() {
  auto bar = std::make_shared<ColumnsBar>();
  auto accounts = bar->AddTitle("Accounts", "客户", true);
  accounts->AddList("AllAccounts", "All Accounts", true, "", true);
  accounts->AddList("ByRegion", "By Region", false, "", false);
  accounts->AddList("North", "North", true, "ByRegion", true);
  accounts->AddList("South", "South", false, "ByRegion", true);
  accounts->SetDefaultList("ByRegion");
  bar->AddTitle("Reports", "Reports", false);
  return bar;
}

TEST(ColumnsBarTest, PrintsTheTreeInOrderWithMarks) {
  EXPECT_EQ(SampleBar()->ToText(),
            "客户 [Accounts]\n"
            "  All Accounts [AllAccounts]\n"
            "  By Region [ByRegion] (hidden, default, not shown by default)\n"
            "    North [North]\n"
            "    South [South] (hidden)\n"
            "Reports [Reports] (hidden)\n");
}

TEST(ColumnsBarTest, JsonIsStableAndEscaped) {
  auto bar = std::make_shared<ColumnsBar>();
  auto title = bar->AddTitle("O'Brien", "Say \"hi\"\\\n\t\x01", true, Variant("tag"));
  title->AddList("L", "列表", true, "", true);
  const std::string expected =
      "{\"titles\":[{\"name\":\"O'Brien\",\"caption\":\"Say \\\"hi\\\"\\\\\\n\\t\\u0001\","
      "\"visible\":true,\"tag\":\"tag\",\"default_list\":null,\"lists\":[{\"name\":\"L\","
      "\"caption\":\"列表\",\"visible\":true,\"default_visible\":true,\"lists\":[]}]}]}";
  EXPECT_EQ(bar->ToJson(), expected);
  EXPECT_EQ(bar->ToJson(), expected);
  EXPECT_NE(SampleBar()->ToJson().find("\"default_list\":\"ByRegion\""), std::string::npos);
}

TEST(ColumnsBarTest, BadParentOrDefaultRaisesAndChangesNothing) {
  auto bar = SampleBar();
  auto title = bar->Titles()[0];
  const std::string before = bar->ToText();
  EXPECT_EQ(test_support::RaisedNumber([&] { title->AddList("East", "East", true, "NoSuchList", true); }),
            automation::kErrInvalidArgument);
  // A second-level list cannot be a parent, nor the default list.
  EXPECT_THROW(title->AddList("X", "X", true, "North", true), automation::AutomationError);
  EXPECT_THROW(title->SetDefaultList("North"), automation::AutomationError);
  EXPECT_EQ(bar->ToText(), before);
  title->SetDefaultList("AllAccounts");
  EXPECT_EQ(title->DefaultList(), "AllAccounts");
}

TEST(ColumnsBarTest, LateBoundCallsBuildTheSameTree) {
  auto bar = std::make_shared<ColumnsBar>();
  Arguments add_title{Variant("Accounts"), Variant("客户"), Variant(true)};
  Variant title = bar->Invoke("AddTitle", MemberKind::Method, add_title);
  ASSERT_TRUE(title.IsObject());
  automation::Dispatch& accounts = **title.Get<automation::ObjectRef>();
  auto add_list = [&accounts](const char* name, const char* caption, bool visible,
                              const char* parent, bool default_visible) {
    Arguments args{Variant(name), Variant(caption), Variant(visible), Variant(parent),
                   Variant(default_visible)};
    accounts.Invoke("AddList", MemberKind::Method, args);
  };
  add_list("AllAccounts", "All Accounts", true, "", true);
  add_list("ByRegion", "By Region", false, "", false);
  add_list("North", "North", true, "ByRegion", true);
  add_list("South", "South", false, "ByRegion", true);
  Arguments set_default{Variant("ByRegion")};
  accounts.Invoke("SetDefaultList", MemberKind::Method, set_default);
  Arguments add_hidden{Variant("Reports"), Variant("Reports"), Variant(false), Variant(7)};
  bar->Invoke("AddTitle", MemberKind::Method, add_hidden);

  EXPECT_EQ(bar->ToText(), SampleBar()->ToText());
  EXPECT_EQ(bar->Titles()[1]->Tag(), "7");
  Arguments none;
  EXPECT_EQ(bar->Invoke("Count", MemberKind::PropertyGet, none), Variant(int32_t{2}));
}

}  // namespace
}  // namespace prefdesk::columnsbar
