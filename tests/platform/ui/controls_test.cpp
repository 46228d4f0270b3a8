#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/text_box.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"
#include "support/raised_number.h"

namespace prefdesk::ui {
namespace {

using automation::AutomationError;
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
  tabs->SetTabCaption(3, "Column");
  EXPECT_EQ(tabs->TabCaption(3), "Column");
  EXPECT_EQ(test_support::RaisedNumber([&] { tabs->TabCaption(4); }), 381);
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
  EXPECT_EQ(button->Where().parent, frame.get());
  EXPECT_EQ(frame->Where().tab, 1);
}

TEST_F(ControlsTest, AddRejectsDuplicateNamesAndForeignContainers) {
  auto label = window_->Add<Label>("lblOne");
  EXPECT_EQ(test_support::RaisedNumber([&] { window_->Add<Label>("LBLONE"); }), automation::kErrInvalidArgument);
  EXPECT_EQ(test_support::RaisedNumber([&] { window_->Add<Label>("lblTwo", Container{label.get()}); }),
            automation::kErrInvalidArgument);
  auto other = std::make_shared<Window>("frmOther");
  auto foreign = other->Add<Frame>("famForeign");
  EXPECT_EQ(test_support::RaisedNumber([&] { window_->Add<Label>("lblThree", Container{foreign.get()}); }),
            automation::kErrInvalidArgument);
  auto tabs = window_->Add<TabControl>("SSTab1", Container{}, 2);
  EXPECT_EQ(test_support::RaisedNumber([&] { window_->Add<Label>("lblFour", Container{tabs.get(), 2}); }),
            automation::kErrInvalidArgument);
  EXPECT_EQ(window_->Controls().size(), 2u);
}

TEST_F(ControlsTest, ProgressBarRejectsValueOutsideRange) {
  auto bar = window_->Add<ProgressBar>("ProgressBar1");
  bar->SetMin(1);
  bar->SetMax(195);
  bar->SetValue(195);
  EXPECT_EQ(test_support::RaisedNumber([&] { bar->SetValue(196); }), 380);
  EXPECT_EQ(test_support::RaisedNumber([&] { bar->SetValue(0); }), 380);
  EXPECT_EQ(bar->Value(), 195.0f);
  bar->SetMax(100);  // the value follows the smaller range
  EXPECT_EQ(bar->Value(), 100.0f);
  EXPECT_EQ(test_support::RaisedNumber([&] { bar->SetMin(100); }), 380);
}

TEST_F(ControlsTest, PropertiesByNameIncludingFontPath) {
  auto label = window_->Add<Label>("lblGeneral");
  const Variant object{automation::ObjectRef(label)};
  automation::PutPropertyPath(object, {"Font", "Name"}, "宋体");
  automation::PutPropertyPath(object, {"Font", "Size"}, 9);
  automation::PutProperty(object, "FontBold", true);
  automation::PutProperty(object, "Caption", "Maximum historical records");
  automation::PutProperty(object, "Left", 120);
  EXPECT_EQ(label->GetFont()->Spec(), (FontSpec{"宋体", 9.0f, true}));
  EXPECT_EQ(label->Caption(), "Maximum historical records");
  EXPECT_EQ(label->Bounds().left, 120);
  EXPECT_EQ(automation::CStr(automation::GetProperty(object, "FontName")), "宋体");

  auto bar = window_->Add<ProgressBar>("ProgressBar1");
  auto picture = window_->Add<PictureBox>("Appearance2");
  for (const auto& fontless : {automation::ObjectRef(bar), automation::ObjectRef(picture)}) {
    EXPECT_EQ(test_support::RaisedNumber([&] { automation::PutProperty(Variant(fontless), "FontName", "Arial"); }), 438);
    EXPECT_EQ(test_support::RaisedNumber([&] { automation::PutPropertyPath(Variant(fontless), {"Font", "Name"}, "Arial"); }),
              438);
  }
}

TEST_F(ControlsTest, WindowMembersByNameReachControlsAndPointer) {
  auto button = window_->Add<CommandButton>("CmdOk");
  const Variant form{automation::ObjectRef(window_)};
  automation::PutProperty(form, "MousePointer", 11);
  EXPECT_EQ(window_->MousePointer(), kPointerHourglass);
  automation::PutPropertyPath(form, {"CmdOk", "Caption"}, "OK");
  EXPECT_EQ(button->Caption(), "OK");
  automation::PutPropertyPath(form, {"Font", "Name"}, "Arial");
  EXPECT_EQ(window_->GetFont().Spec().name, "Arial");
  auto picture = std::make_shared<Picture>("prefdesk.ico");
  automation::Arguments icon{Variant(automation::ObjectRef(picture))};
  window_->Invoke("Icon", automation::MemberKind::PropertyPutRef, icon);
  EXPECT_EQ(window_->Icon(), picture);
  automation::Arguments not_a_picture{Variant(automation::ObjectRef(button))};
  EXPECT_EQ(test_support::RaisedNumber([&] { window_->Invoke("Icon", automation::MemberKind::PropertyPutRef, not_a_picture); }),
            13);
  EXPECT_EQ(window_->Icon(), picture);
  EXPECT_EQ(test_support::RaisedNumber([&] { window_->Get<Label>("CmdOk"); }), 13);
  EXPECT_EQ(test_support::RaisedNumber([&] { window_->Get<Label>("lblMissing"); }), 438);
}

}  // namespace
}  // namespace prefdesk::ui
