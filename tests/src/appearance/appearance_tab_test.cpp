// The Appearance tab as a person uses it: system schemes in both languages, user schemes
// saved, overwritten, chosen and deleted, and the appearance values left alone meanwhile.
#include <string>
#include <vector>

#include "appearance_fixture.h"
#include "platform/automation/conversions.h"
#include "platform/ui/tab_control.h"
#include "src/appearance/appearance_tab.h"
#include "src/appearance/left_by_width.h"
#include "src/state/shared_state.h"

namespace prefdesk::appearance::testing {
namespace {

using automation::CBool;
using automation::CLng;
using automation::CSng;
using automation::CStr;
using Strings = std::vector<std::string>;

class AppearanceTabEnglishTest : public AppearanceTabTest {};

class AppearanceTabChineseTest : public AppearanceTabTest {
 protected:
  AppearanceTabChineseTest() : AppearanceTabTest(2052) {}
};

TEST_F(AppearanceTabEnglishTest, SystemSchemesAreListedAndChosenWithEnglishFonts) {
  state::State().Appearance.Form.ColorFormBack = 123;
  ShowOption([&](dialog::FrmOption& form) {
    EXPECT_TRUE(form.Get<ui::TabControl>("SSTab1").TabEnabled(1));
    appearancelib::AppearanceValueSet& set = ValueSet(form);
    EXPECT_EQ(set.SchemeNames(), (Strings{"Standard", "Classic Blue", "High Contrast", "Large Print"}));
    EXPECT_EQ(set.DefaultFontName(), "MS Scan Serif");
    EXPECT_EQ(set.DefaultFontSize(), 8);
    // The tab starts with the current appearance.
    EXPECT_EQ(CLng(set.CurrentScheme()->Value("ColorFormBack")), 123);
    PickScheme(form, "Classic Blue");
    const auto& scheme = *form.Appearance().Scheme();
    EXPECT_EQ(CStr(scheme.Value("Name")), "ClassicBlue");
    EXPECT_EQ(CStr(scheme.Value("FontNameGrid")), "MS Sans Serif");
    EXPECT_EQ(CLng(scheme.Value("ColorFormBack")), 0xF5E1D4);
    EXPECT_EQ(CSng(scheme.Value("FontSizeGrid")), 8.0f);
    EXPECT_EQ(form.Get<appearancelib::Appearance>("Appearance1").CurrentScheme(), set.CurrentScheme());
    EXPECT_EQ(form.Get<appearancelib::Appearance>("Appearance1").CurrentScheme().get(), &scheme);
    // The appearance object offers the fonts the system schemes use.
    const auto& fonts = set.GetAppearanceObject()->FontChoices();
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), "Tahoma"), fonts.end());
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), "宋体"), fonts.end());
    // Nothing reaches the component until SaveAppearanceValue.
    EXPECT_TRUE(set.UserEditValue("ColorCaption", "4660"));
    EXPECT_EQ(state::State().Appearance.Form.ColorFormBack, 123);
    form.SaveAppearanceValue();
    EXPECT_EQ(state::State().Appearance.Form.ColorFormBack, 0xF5E1D4);
    EXPECT_EQ(state::State().Appearance.Caption.ColorCaption, 4660);
    EXPECT_EQ(state::State().Appearance.Grid.FontNameGrid, "MS Sans Serif");
  });
  EXPECT_TRUE(WritesOn("T_PSCREENSTYLE").empty());
}

TEST_F(AppearanceTabChineseTest, SystemSchemesUseTheChineseNamesAndFontColumns) {
  ShowOption([&](dialog::FrmOption& form) {
    appearancelib::AppearanceValueSet& set = ValueSet(form);
    EXPECT_EQ(set.SchemeNames(), (Strings{"标准", "经典蓝", "高对比度", "大字体"}));
    EXPECT_EQ(set.DefaultFontName(), "宋体");
    EXPECT_EQ(set.DefaultFontSize(), 9);
    PickScheme(form, "经典蓝");
    const auto& scheme = *form.Appearance().Scheme();
    EXPECT_EQ(CStr(scheme.Value("FontNameGrid")), "微软雅黑");
    EXPECT_EQ(CSng(scheme.Value("FontSizeGrid")), 9.0f);
    EXPECT_TRUE(CBool(scheme.Value("FontBoldTitleColumnbar")));
    // A command with no scheme selected keeps the chosen values.
    set.UserCommand("DefaultSchemes");
    set.UserCommand("Scheme");
    EXPECT_EQ(CStr(form.Appearance().Scheme()->Value("FontNameGrid")), "微软雅黑");
    set.UserCommand("Delete");
  });
  ASSERT_FALSE(MessageBoxes().empty());
  EXPECT_EQ(MessageBoxes().back().prompt, "不能删除系统方案！");
  EXPECT_TRUE(WritesOn("T_PSCREENSTYLE").empty());
  EXPECT_EQ(state::State().Appearance.Grid.FontNameGrid, "");
}

TEST_F(AppearanceTabChineseTest, SaveAsCutsALongChineseNameToTheColumnWidth) {
  const std::string long_name = "这是一个非常长的外观方案名称用来检查按宽度截断是否正确无误";
  const std::string stored = LeftByWidth(long_name, 50);
  ASSERT_LT(stored.size(), long_name.size());
  ShowOption([&](dialog::FrmOption& form) {
    appearancelib::AppearanceValueSet& set = ValueSet(form);
    PickScheme(form, "大字体");
    set.UserCommand("UserSchemes");
    driver_->QueueInputBoxAnswer(long_name);
    set.UserCommand("SaveAs");
    EXPECT_EQ(set.SchemeNames(), (Strings{stored}));
    EXPECT_EQ(set.SelectedSchemeName(), stored);
    // The same long name again finds the stored row: No changes nothing.
    recorder_->Clear();
    driver_->QueueInputBoxAnswer(long_name);
    driver_->QueueMsgBoxAnswer(ui::vbNo);
    set.UserCommand("SaveAs");
    EXPECT_TRUE(WritesOn("T_PSCREENSTYLE").empty());
    // Yes overwrites it with the current values.
    EXPECT_TRUE(set.UserEditValue("FontSizeGrid", "20"));
    driver_->QueueInputBoxAnswer(long_name);
    driver_->QueueMsgBoxAnswer(ui::vbYes);
    set.UserCommand("SaveAs");
    // Cancel of the input box does nothing.
    driver_->QueueInputBoxAnswer("");
    set.UserCommand("SaveAs");
  });
  const auto boxes = MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].prompt, "该方案己存在，是否要更新方案 ?");
  EXPECT_EQ(WritesOn("T_PSCREENSTYLE").size(), 1u);
  EXPECT_EQ(db_.ServerRows("SELECT ScreenStyleName, FontNameGrid, CAST(FontSizeGrid AS INTEGER), "
                           "CAST(FontSizeList AS INTEGER) FROM T_PSCREENSTYLE"),
            (test_support::Rows{{stored, "宋体", "20", "14"}}));
}

TEST_F(AppearanceTabEnglishTest, UserSchemesLeaveOutDefaultAndLoadByName) {
  InsertUserScheme("Default", 11, 1);
  InsertUserScheme("Mine", 13.5, 1);
  InsertUserScheme("O''Brien", 10, 0);
  ShowOption([&](dialog::FrmOption& form) {
    appearancelib::AppearanceValueSet& set = ValueSet(form);
    PickScheme(form, "Standard");
    const bool bold_before = CBool(form.Appearance().Scheme()->Value("FontBoldListColumnbar"));
    set.UserCommand("UserSchemes");
    EXPECT_EQ(set.SchemeNames(), (Strings{"Mine", "O'Brien"}));
    PickScheme(form, "O'Brien");
    const auto& scheme = *form.Appearance().Scheme();
    EXPECT_EQ(CLng(scheme.Value("ColorFormBack")), 255);
    EXPECT_EQ(CStr(scheme.Value("FontNameGrid")), "Courier");
    // The list font size comes from FontSizeList; the bold flag of a fresh scheme stays.
    EXPECT_EQ(CSng(scheme.Value("FontSizeListColumnbar")), 10.0f);
    EXPECT_FALSE(CBool(scheme.Value("FontBoldListColumnbar")));
    PickScheme(form, "Mine");
    EXPECT_EQ(CSng(form.Appearance().Scheme()->Value("FontSizeListColumnbar")), 13.5f);
    EXPECT_FALSE(CBool(form.Appearance().Scheme()->Value("FontBoldListColumnbar")));
    EXPECT_FALSE(bold_before);
  });
}

TEST_F(AppearanceTabEnglishTest, DeleteRemovesTheUserSchemeAndListsTheRest) {
  InsertUserScheme("Mine", 9, 0);
  InsertUserScheme("Other", 9, 0);
  ShowOption([&](dialog::FrmOption& form) {
    appearancelib::AppearanceValueSet& set = ValueSet(form);
    set.UserCommand("Delete");  // system schemes listed: refused
    set.UserCommand("UserSchemes");
    PickScheme(form, "Mine");
    driver_->QueueMsgBoxAnswer(ui::vbNo);
    set.UserCommand("Delete");
    EXPECT_EQ(set.SchemeNames(), (Strings{"Mine", "Other"}));
    driver_->QueueMsgBoxAnswer(ui::vbYes);
    set.UserCommand("Delete");
    EXPECT_EQ(set.SchemeNames(), (Strings{"Other"}));
    EXPECT_EQ(form.MousePointer(), ui::kPointerDefault);
  });
  const auto boxes = MessageBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].prompt, "You can not delete the systemic scheme.");
  EXPECT_EQ(boxes[1].prompt, "Are you sure to delete this scheme?");
  EXPECT_EQ(WritesOn("T_PSCREENSTYLE"),
            (Strings{"Delete|T_PSCREENSTYLE|F_UID=7 and  ScreenStyleName='Mine'"}));
  EXPECT_EQ(db_.ServerRows("SELECT ScreenStyleName FROM T_PSCREENSTYLE"), (test_support::Rows{{"Other"}}));
}

TEST_F(AppearanceTabEnglishTest, ValueSetEventsReachTheMessageWindows) {
  ShowOption([&](dialog::FrmOption& form) {
    appearancelib::AppearanceValueSet& set = ValueSet(form);
    set.UserEditValue("ColorFormBack", "blue");
    set.UserEditValue("FontSizeGrid", "0");
    EXPECT_EQ(CSng(set.CurrentScheme()->Value("FontSizeGrid")), 0.0f);
  });
  ASSERT_EQ(ErrorWindows().size(), 1u);
  EXPECT_NE(ErrorWindows()[0].find("Type mismatch"), std::string::npos) << ErrorWindows()[0];
  EXPECT_EQ(InfoMessages(), (Strings{"The font size must be between 1 and 72."}));
}

}  // namespace
}  // namespace prefdesk::appearance::testing
