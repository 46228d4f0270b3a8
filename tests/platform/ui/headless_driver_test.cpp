#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/check_list_box.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/services.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"

namespace prefdesk::ui {
namespace {

// A small form: a text box, a check list, OK (default) and Cancel.
class TestForm : public Window {
 public:
  explicit TestForm(std::string name) : Window(std::move(name)) {
    text = Add<TextBox>("txtCharge");
    list = Add<CheckListBox>("lstFather");
    ok = Add<CommandButton>("CmdOk");
    ok->SetDefault(true);
    cancel = Add<CommandButton>("cmdCancel");
    cancel->SetCancel(true);
    ok->OnClick = [this] { Unload(); };
    cancel->OnClick = [this] { Unload(); };
    OnLoad = [this] { events.push_back("Load"); };
    OnActivate = [this] { events.push_back("Activate"); };
    OnUnload = [this] { events.push_back("Unload"); };
  }
  std::shared_ptr<TextBox> text;
  std::shared_ptr<CheckListBox> list;
  std::shared_ptr<CommandButton> ok;
  std::shared_ptr<CommandButton> cancel;
  std::vector<std::string> events;
};

class HeadlessDriverTest : public ::testing::Test {
 protected:
  HeadlessDriver& driver_ = Toolkit::Current().UseHeadless();
};

TEST_F(HeadlessDriverTest, DefaultScriptPressesDefaultThenCancelThenCloses) {
  auto form = std::make_shared<TestForm>("frmA");
  std::vector<std::string> pressed;
  form->ok->OnClick = [&] { pressed.push_back("ok"); form->Unload(); };
  form->cancel->OnClick = [&] { pressed.push_back("cancel"); form->Unload(); };
  form->ShowModal();
  form->ok->SetEnabled(false);
  form->ShowModal();
  form->cancel->SetVisible(false);
  form->ShowModal();
  EXPECT_EQ(pressed, (std::vector<std::string>{"ok", "cancel"}));
  EXPECT_EQ(form->UnloadCount(), 3);
}

TEST_F(HeadlessDriverTest, NestedModalsAndMessageBoxesDuringAScript) {
  auto outer = std::make_shared<TestForm>("frmOption");
  auto inner = std::make_shared<TestForm>("FrmShowErr");
  driver_.QueueMsgBoxAnswer(vbNo);
  driver_.SetScript("frmOption", [&](Window& w) {
    EXPECT_EQ(driver_.ModalDepth(), 1);
    inner->ShowModal(&w);
    EXPECT_TRUE(w.IsLoaded());
    EXPECT_EQ(MsgBox("Are you sure to delete this scheme?", vbYesNo + vbQuestion, "Delete"), vbNo);
    EXPECT_EQ(MsgBox("Saved", vbInformation, "ColumnSet"), vbOK);
    w.Get<CommandButton>("cmdCancel").UserClick();
  });
  driver_.SetScript("FrmShowErr", [&](Window& w) {
    EXPECT_EQ(driver_.ModalDepth(), 2);
    EXPECT_EQ(inner->ModalOwner(), outer.get());
    w.Get<CommandButton>("CmdOk").UserClick();
  });
  outer->ShowModal();
  const auto& journal = driver_.Journal();
  ASSERT_EQ(journal.size(), 4u);
  EXPECT_EQ(journal[0].window_name, "frmOption");
  EXPECT_EQ(journal[1].window_name, "FrmShowErr");
  EXPECT_EQ(journal[2].kind, JournalEntry::Kind::MessageBox);
  EXPECT_EQ(journal[2].style, vbYesNo + vbQuestion);
  EXPECT_EQ(journal[2].button, vbNo);
  EXPECT_EQ(journal[3].title, "ColumnSet");
  EXPECT_EQ(journal[3].button, vbOK);
  EXPECT_FALSE(outer->IsLoaded());
  EXPECT_EQ(driver_.ModalDepth(), 0);
}

TEST_F(HeadlessDriverTest, UpdateLockDefersRepaintOfTheLockedListUntilUnlock) {
  auto form = std::make_shared<TestForm>("frmOption");
  std::vector<int> repaints;
  driver_.SetScript("frmOption", [&](Window&) {
    const WindowHandle list = form->list->Handle();
    const int before = driver_.RepaintsOf(list);
    EXPECT_NE(LockWindowUpdate(list), 0);
    EXPECT_EQ(LockWindowUpdate(form->text->Handle()), 0);  // one lock at a time
    form->list->Clear();
    for (const char* item : {"Accounts", "Contacts", "Leads"}) form->list->AddItem(item);
    form->list->SetSelected(1, true);
    repaints.push_back(driver_.RepaintsOf(list) - before);
    EXPECT_NE(LockWindowUpdate(0), 0);
    repaints.push_back(driver_.RepaintsOf(list) - before);
    form->list->AddItem("Opportunities");
    repaints.push_back(driver_.RepaintsOf(list) - before);
  });
  form->ShowModal();
  EXPECT_EQ(repaints, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(driver_.LockCalls(), 2);
  EXPECT_EQ(driver_.UnlockCalls(), 1);
  EXPECT_EQ(driver_.LockedHandle(), 0);
  EXPECT_EQ(LockWindowUpdate(form->list->Handle()), 0);  // not on screen any more
}

}  // namespace
}  // namespace prefdesk::ui
