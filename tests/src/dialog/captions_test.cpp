// The captions of the options window and of the progress window follow the language: every
// captioned control and tab shows a text of its own in each language.
#include <map>
#include <string>

#include "option_dialog_fixture.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "src/dialog/frm_save_progress.h"
#include "src/resources/strings.h"

namespace prefdesk::dialog::testing {
namespace {

class CaptionsTest : public OptionDialogTest {
 protected:
  // Opens the options window and presses OK; returns the window's caption, each tab's and each
  // captioned control's, by name.
  std::map<std::string, std::string> Shown() {
    std::map<std::string, std::string> captions;
    ShowOption([&](FrmOption& form) {
      captions["frmOption"] = form.Caption();
      const auto& tabs = form.Get<ui::TabControl>("SSTab1");
      for (int i = 0; i < tabs.Tabs(); ++i) captions["tab " + std::to_string(i)] = tabs.TabCaption(i);
      for (const auto& control : form.Controls()) {
        if (const auto* captioned = dynamic_cast<const ui::CaptionedControl*>(control.get())) {
          captions[control->Name()] = captioned->Caption();
        }
      }
      EXPECT_TRUE(form.Get<ui::CommandButton>("CmdOk").UserClick());
    });
    return captions;
  }
};

TEST_F(CaptionsTest, EveryCaptionHasATextOfItsOwnInEachLanguage) {
  const auto english = Shown();
  ASSERT_FALSE(driver_->samples.empty());
  EXPECT_EQ(driver_->samples.front().caption, "Progress:");
  driver_->samples.clear();
  resources::SetInterfaceLanguage(resources::kLangChinese);
  const auto chinese = Shown();
  ASSERT_FALSE(driver_->samples.empty());
  EXPECT_EQ(driver_->samples.front().caption, "进度：");
  EXPECT_EQ(driver_->samples.back().label, "默认查询正在保存...        ");

  EXPECT_GT(english.size(), 40u);
  ASSERT_EQ(english.size(), chinese.size());
  for (const auto& [name, text] : english) {
    SCOPED_TRACE(name);
    ASSERT_EQ(chinese.count(name), 1u);
    if (text.empty() && chinese.at(name).empty()) continue;  // the move buttons show pictures
    EXPECT_FALSE(text.empty());
    EXPECT_FALSE(chinese.at(name).empty());
    if (text != ":") {
      EXPECT_NE(text, chinese.at(name));
    }
  }
  EXPECT_EQ(english.at("frmOption"), "Column Options");
  EXPECT_EQ(chinese.at("frmOption"), "栏目设置");
  EXPECT_EQ(english.at("tab 6"), "Column");
  EXPECT_EQ(chinese.at("CmdOk"), "确定");
}

TEST_F(CaptionsTest, ProgressWindowStartsAtOneAndStopsAtItsMaximum) {
  const auto progress = FrmSaveProgress::Instance();
  progress->Load();
  auto& bar = progress->Get<ui::ProgressBar>("ProgressBar1");
  EXPECT_EQ(progress->Caption(), "Progress:");
  EXPECT_EQ(progress->Get<ui::Label>("lblSaveProgress").Caption(), "Saving...");
  EXPECT_EQ(bar.Min(), 1);
  EXPECT_EQ(bar.Max(), 195);
  EXPECT_EQ(bar.Value(), 1);
  for (int i = 0; i < 300; ++i) progress->ProgressNext("Accounts");
  EXPECT_EQ(bar.Value(), 195);
  EXPECT_EQ(progress->Get<ui::Label>("lblSaveProgress").Caption(), "Accounts正在保存...        ");
  progress->ProgressMutilNext("");
  EXPECT_EQ(bar.Value(), 191);
  progress->Unload();
  EXPECT_EQ(FrmSaveProgress::Existing(), nullptr);
}

}  // namespace
}  // namespace prefdesk::dialog::testing
