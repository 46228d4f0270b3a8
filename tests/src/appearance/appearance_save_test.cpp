// The Appearance tab inside the dialog's load and save sequences: off by default; with the
// host option on, OK stores the chosen scheme as the user's 'Default' row and as the
// appearance values, and a fault there rolls the whole save back.
#include <filesystem>
#include <string>
#include <vector>

#include "appearance_fixture.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "src/component/enumerations.h"
#include "src/state/shared_state.h"

namespace prefdesk::appearance::testing {
namespace {

using component::E_OptionFail;
using component::E_OptionSuccess;

class AppearanceSaveTest : public AppearanceTabTest {
 protected:
  std::vector<int32_t> ChooseClassicBlueAndPressOk() {
    return ShowOption([&](dialog::FrmOption& form) {
      PickScheme(form, "Classic Blue");
      EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
    });
  }
  std::string DefaultRow() const {
    const auto rows = db_.ServerRows(
        // Single columns read as whole numbers: the back ends print floating values differently.
        "SELECT F_UID, ColorFormBack, FontNameGrid, CAST(FontSizeList AS INTEGER), FontBoldTitleColumnbar, "
        "CAST(ColorTitleTextSheet AS INTEGER) "
        "FROM T_PSCREENSTYLE WHERE ScreenStyleName='Default'");
    std::string text;
    for (const auto& row : rows) {
      for (const auto& value : row) text += value + ";";
    }
    return text;
  }
};

TEST_F(AppearanceSaveTest, OffByDefaultTheTabStaysOutOfLoadAndSave) {
  prefdesk_->SetEnableAppearanceTab(false);
  ASSERT_EQ(ShowOption([&](dialog::FrmOption& form) {
              EXPECT_FALSE(form.Get<ui::TabControl>("SSTab1").TabEnabled(1));
              EXPECT_EQ(ValueSet(form).CurrentScheme(), nullptr);
              EXPECT_TRUE(ValueSet(form).SchemeNames().empty());
              EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
            }),
            (std::vector<int32_t>{E_OptionSuccess}));
  for (const auto& call : recorder_->Statements()) {
    for (const auto& arg : call.args) EXPECT_EQ(arg.find("T_PSCREENSTYLE"), std::string::npos) << arg;
  }
  EXPECT_EQ(state::State().Appearance.Form.ColorFormBack, 0);
}

TEST_F(AppearanceSaveTest, OkStoresTheChosenSchemeAsDefaultAndAsTheAppearanceValues) {
  ASSERT_EQ(ChooseClassicBlueAndPressOk(), (std::vector<int32_t>{E_OptionSuccess}));
  EXPECT_EQ(DefaultRow(), "7;16114132;MS Sans Serif;8;1;4194304;");
  state::AppearanceValues values;
  EXPECT_FALSE(prefdesk_->GetAppearance(values));
  EXPECT_EQ(values.Form.ColorFormBack, 16114132);
  EXPECT_EQ(values.Grid.FontNameGrid, "MS Sans Serif");
  EXPECT_EQ(values.ColumnbarList.FontSizeListColumnbar, 8.0f);
  EXPECT_TRUE(values.ColumnbarTitle.FontBoldTitleColumnbar);
  EXPECT_EQ(values.Sheet.ColorTitleTextSheet, 4194304.0f);

  // A second save updates the same row.
  ShowOption([&](dialog::FrmOption& form) {
    PickScheme(form, "High Contrast");
    EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
  });
  EXPECT_EQ(db_.ServerInt("SELECT COUNT(*) FROM T_PSCREENSTYLE"), 1);
  EXPECT_EQ(DefaultRow(), "7;0;Tahoma;10;1;65535;");
}

TEST_F(AppearanceSaveTest, AFaultOnTheDefaultRowRollsTheWholeSaveBack) {
  const test_support::Rows layout_before = db_.ServerLayout(dialog::testing::kUser);
  faults_->FailTable("T_PSCREENSTYLE");
  ASSERT_EQ(ChooseClassicBlueAndPressOk(), (std::vector<int32_t>{E_OptionFail}));
  EXPECT_FALSE(recorder_->Inner()->InTransaction());
  EXPECT_TRUE(recorder_->CallsOf("CommitTrans").empty());
  EXPECT_EQ(db_.ServerLayout(dialog::testing::kUser), layout_before);
  EXPECT_EQ(DefaultRow(), "");
  EXPECT_EQ(state::State().Appearance.Form.ColorFormBack, 0);
  ASSERT_FALSE(MessageBoxes().empty());
  EXPECT_EQ(MessageBoxes().back().title, "SaveAsScheme");
  EXPECT_FALSE(IsOpen("frmOption"));
  EXPECT_FALSE(IsOpen("frmSaveProgress"));
}

TEST_F(AppearanceSaveTest, ALocalDatabaseTheTabCannotOpenFailsTheLoad) {
  // The component's own connection stays usable; a new one to the same file cannot be opened.
  std::filesystem::remove(db_.LocalPath());
  bool load_failed = false;
  EXPECT_TRUE(ShowOption([](dialog::FrmOption&) { ADD_FAILURE() << "shown after a failed load"; },
                         &load_failed)
                  .empty());
  EXPECT_TRUE(load_failed);
  ASSERT_EQ(ErrorWindows().size(), 1u);
  EXPECT_NE(ErrorWindows()[0].find("LoadAppearanceTab"), std::string::npos) << ErrorWindows()[0];
}

}  // namespace
}  // namespace prefdesk::appearance::testing
