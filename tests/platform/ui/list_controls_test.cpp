#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/automation/error.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"

namespace prefdesk::ui {
namespace {

class ListControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Toolkit::Current().UseHeadless();
    window_ = std::make_shared<Window>("frmLists");
    combo_ = window_->Add<ComboBox>("cboTest");
    list_ = window_->Add<CheckListBox>("lstTest");
    combo_->OnClick = [this] { events_.push_back("Click " + std::to_string(combo_->ListIndex())); };
    list_->OnClick = [this] { events_.push_back("Click " + std::to_string(list_->ListIndex())); };
    list_->OnItemCheck = [this](int i) {
      events_.push_back("ItemCheck " + std::to_string(i) + (list_->Selected(i) ? " on" : " off"));
    };
    for (const char* text : {"alpha", "beta", "gamma", "beta"}) {
      combo_->AddItem(text);
      list_->AddItem(text);
    }
  }
  void TearDown() override { window_->Unload(); }

  std::shared_ptr<Window> window_;
  std::shared_ptr<ComboBox> combo_;
  std::shared_ptr<CheckListBox> list_;
  std::vector<std::string> events_;
};

TEST_F(ListControlsTest, ComboClickFiresOnlyWhenListIndexChanges) {
  combo_->SetListIndex(2);
  combo_->SetListIndex(2);
  combo_->SetListIndex(-1);
  EXPECT_EQ(events_, (std::vector<std::string>{"Click 2", "Click -1"}));
  EXPECT_EQ(combo_->Text(), "");
  EXPECT_THROW(combo_->SetListIndex(4), automation::AutomationError);
  EXPECT_THROW(combo_->SetListIndex(-2), automation::AutomationError);
}

TEST_F(ListControlsTest, ComboTextPutSelectsFirstEqualItemOrNone) {
  combo_->SetText("beta");
  EXPECT_EQ(combo_->ListIndex(), 1);
  EXPECT_EQ(combo_->Text(), "beta");
  combo_->SetText("delta");
  EXPECT_EQ(combo_->ListIndex(), -1);
  EXPECT_EQ(combo_->Text(), "");
  combo_->SetText("Gamma");  // comparison is exact
  EXPECT_EQ(combo_->ListIndex(), -1);
  EXPECT_EQ(events_, (std::vector<std::string>{"Click 1", "Click -1"}));
}

TEST_F(ListControlsTest, RemovingOrClearingCurrentItemLeavesNoSelectionWithoutClick) {
  list_->SetListIndex(1);
  list_->RemoveItem(1);
  EXPECT_EQ(list_->ListIndex(), -1);
  EXPECT_EQ(list_->ListCount(), 3);
  combo_->SetListIndex(0);
  combo_->Clear();
  EXPECT_EQ(combo_->ListIndex(), -1);
  EXPECT_EQ(combo_->ListCount(), 0);
  EXPECT_EQ(combo_->NewIndex(), -1);
  EXPECT_EQ(events_, (std::vector<std::string>{"Click 1", "Click 0"}));
}

TEST_F(ListControlsTest, CheckMarkPutFiresItemCheckAndChangesNothingElse) {
  list_->SetListIndex(0);
  events_.clear();
  list_->SetSelected(2, true);
  list_->SetSelected(2, true);  // a put that keeps the mark fires too
  EXPECT_TRUE(list_->Selected(2));
  EXPECT_FALSE(list_->Selected(1));
  EXPECT_EQ(list_->ListIndex(), 0);
  EXPECT_EQ(events_, (std::vector<std::string>{"ItemCheck 2 on", "ItemCheck 2 on"}));
  EXPECT_THROW(list_->SetSelected(4, true), automation::AutomationError);
}

TEST_F(ListControlsTest, UserToggleMakesItemCurrentThenTogglesMark) {
  window_->SetVisible(true);
  EXPECT_TRUE(list_->UserToggleCheck(3));
  EXPECT_TRUE(list_->UserToggleCheck(3));
  EXPECT_EQ(events_, (std::vector<std::string>{"Click 3", "ItemCheck 3 on", "ItemCheck 3 off"}));
  EXPECT_TRUE(list_->UserSelect(0));
  EXPECT_EQ(list_->Text(), "alpha");
  list_->SetEnabled(false);
  EXPECT_FALSE(list_->UserToggleCheck(0));
  EXPECT_FALSE(list_->Selected(0));
}

}  // namespace
}  // namespace prefdesk::ui
