// Doubles of the options dialog and of the host's form, and a fixture that gives every test a
// fresh shared state, a registered dialog double and the headless driver.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/automation/conversions.h"
#include "platform/automation/dispatch.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"
#include "src/component/cls_prefdesk.h"
#include "src/state/dialog_hooks.h"
#include "src/state/shared_state.h"

namespace prefdesk::component_test {

// What the dialog double is told to do, and what it was asked.
struct DialogScript {
  bool load_me_fails = false;
  int32_t outcome_flag = 0;  // the flag the "user" leaves behind when closing the window
  std::vector<std::string> calls;
};

// Behaves as the options dialog does towards the component: a real window with a label, a
// fontless progress bar and a text box; closing the modal window unloads it and releases the
// shared instance.
class DialogDouble : public state::OptionDialog {
 public:
  explicit DialogDouble(std::shared_ptr<DialogScript> script)
      : script_(std::move(script)), window_(std::make_shared<ui::Window>("frmOption")) {
    controls_.push_back(window_->Add<ui::Label>("lblTitle"));
    controls_.push_back(window_->Add<ui::ProgressBar>("ProgressBar1"));
    controls_.push_back(window_->Add<ui::TextBox>("txtName"));
  }

  void Load() override {
    script_->calls.push_back("Load");
    window_->Load();
  }
  bool LoadMe() override {
    script_->calls.push_back("LoadMe");
    return script_->load_me_fails;
  }
  void ShowModal() override {
    script_->calls.push_back("ShowModal");
    state::State().OutcomeFlag = script_->outcome_flag;
    Unload();
  }
  void Unload() override {
    script_->calls.push_back("Unload");
    window_->Unload();
    state::ReleaseOptionDialog();
  }
  automation::ObjectRef Window() override { return window_; }
  std::vector<automation::ObjectRef> Controls() override {
    return {controls_.begin(), controls_.end()};
  }
  std::shared_ptr<ui::Picture> Icon() override { return window_->Icon(); }
  void SetIcon(std::shared_ptr<ui::Picture> picture) override { window_->SetIcon(std::move(picture)); }
  std::string FontName() override { return window_->GetFont().Spec().name; }
  float FontSize() override { return window_->GetFont().Spec().size; }

  const std::shared_ptr<ui::Window>& Form() const { return window_; }
  const std::vector<std::shared_ptr<ui::Control>>& FormControls() const { return controls_; }

 private:
  std::shared_ptr<DialogScript> script_;
  std::shared_ptr<ui::Window> window_;
  std::vector<std::shared_ptr<ui::Control>> controls_;
};

// The host's form: records every value put into MousePointer.
class OwnerFormDouble : public automation::Dispatch {
 public:
  OwnerFormDouble() {
    members_.Add(automation::MemberInfo{"MousePointer", 1, automation::MemberKind::PropertyPut,
                                        {automation::ParamInfo{"MousePointer", "Integer"}}, ""},
                 [this](automation::Arguments& args) {
                   pointers.push_back(automation::CLng(args[0]));
                   return automation::Variant();
                 });
  }
  const automation::MemberTable& Members() const override { return members_; }
  std::string ClassName() const override { return "Form"; }

  std::vector<int32_t> pointers;

 private:
  automation::MemberTable members_;
};

class ComponentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state::State() = state::SharedState{};
    state::Hooks().option_dialog = [this] {
      auto dialog = std::make_shared<DialogDouble>(script_);
      last_dialog_ = dialog;
      return dialog;
    };
  }
  void TearDown() override {
    state::State() = state::SharedState{};
    state::Hooks() = {};
  }

  // Sinks OptionSuccess of the instance into events_.
  void Listen(component::ClsPrefdesk& prefdesk) {
    prefdesk.Advise([this](int32_t dispid, const automation::Arguments& args) {
      EXPECT_EQ(dispid, component::kDispidOptionSuccess);
      ASSERT_EQ(args.size(), 1u);
      ASSERT_EQ(args[0].Type(), automation::VarType::Long);
      events_.push_back(*args[0].Get<int32_t>());
    });
  }

  ui::HeadlessDriver& driver_ = ui::Toolkit::Current().UseHeadless();
  std::shared_ptr<DialogScript> script_ = std::make_shared<DialogScript>();
  std::weak_ptr<DialogDouble> last_dialog_;
  std::vector<int32_t> events_;
};

}  // namespace prefdesk::component_test
