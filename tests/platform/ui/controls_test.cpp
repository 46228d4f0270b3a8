#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/automation/conversions.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/text_box.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"

namespace prefdesk::ui {
namespace {

using automation::Variant;

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Toolkit::Current().UseHeadless();
    window_ = std::make_shared<Window>("frmControls");
  }
  void TearDown() override { window_->Unload(); }

  std::shared_ptr<Window> window_;
};

TEST_F(ControlsTest, TextBoxChangeFiresOnEveryChangeIncludingCode) {
  auto box = window_->Add<TextBox>("txtCash");
  std::vector<std::string> seen;
  box->OnChange = [&] { seen.push_back(box->Text()); };
  box->SetText("12");
  box->SetText("12");
  automation::PutProperty(Variant(automation::ObjectRef(box)), "Text", "7");
  EXPECT_EQ(seen, (std::vector<std::string>{"12", "7"}));

  seen.clear();
  window_->SetVisible(true);
  EXPECT_TRUE(box->UserType("5€"));
  EXPECT_EQ(seen, (std::vector<std::string>{"", "5", "5€"}));
  box->SetLocked(true);
  EXPECT_FALSE(box->UserType("9"));
  EXPECT_EQ(box->Text(), "5€");
}

TEST_F(ControlsTest, TabSwitchedOffShowsFirstEnabledTab) {
  auto tabs = window_->Add<TabControl>("SSTab1", Container{}, 4);
  std::vector<int> previous;
  tabs->OnClick = [&](int p) { previous.push_back(p); };
  tabs->SetTab(2);
  tabs->SetTabEnabled(0, false);
  tabs->SetTabEnabled(2, false);
  EXPECT_EQ(tabs->Tab(), 1);
  tabs->SetTab(0);  // switched off: stays
  EXPECT_EQ(tabs->Tab(), 1);
  tabs->SetTabEnabled(3, false);  // not shown: nothing moves
  EXPECT_EQ(tabs->Tab(), 1);
  EXPECT_EQ(previous, (std::vector<int>{0, 2}));
}

TEST_F(ControlsTest, ControlsOnASwitchedOffTabCannotBeUsed) {
  auto tabs = window_->Add<TabControl>("SSTab1", Container{}, 2);
  auto frame = window_->Add<Frame>("famExpense", Container{tabs.get(), 1});
  auto button = window_->Add<CommandButton>("cmdInside", Container{frame.get()});
  int clicks = 0;
  button->OnClick = [&] { ++clicks; };
  window_->SetVisible(true);
  EXPECT_TRUE(button->UserClick());
  tabs->SetTabEnabled(1, false);
  EXPECT_FALSE(button->UserClick());
  tabs->SetTabEnabled(1, true);
  frame->SetEnabled(false);
  EXPECT_FALSE(button->UserClick());
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace prefdesk::ui
