#include "platform/columnsbar/columns_bar.h"

#include <gtest/gtest.h>

#include "platform/automation/error.h"

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

}  // namespace
}  // namespace prefdesk::columnsbar
