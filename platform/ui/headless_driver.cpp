#include "platform/ui/headless_driver.h"

#include <algorithm>

#include "platform/automation/conversions.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/text_box.h"
#include "platform/ui/toolkit.h"
#include "platform/ui/window.h"

namespace prefdesk::ui {

void HeadlessDriver::SetScript(const std::string& window_name, Script script) {
  const std::string key = automation::UCase(window_name);
  if (script) {
    scripts_[key] = std::move(script);
  } else {
    scripts_.erase(key);
  }
}

void HeadlessDriver::SetDefaultScript(Script script) { default_script_ = std::move(script); }

void HeadlessDriver::PressDefaultOrClose(Window& window) {
  if (CommandButton* button = window.DefaultButton(); button != nullptr) {
    button->UserClick();
  } else if (CommandButton* cancel = window.CancelButton(); cancel != nullptr) {
    cancel->UserClick();
  } else {
    window.UserClose();
  }
}

void HeadlessDriver::QueueMsgBoxAnswer(int button) { msgbox_answers_.push_back(button); }

void HeadlessDriver::SetMsgBoxAnswerer(MsgBoxAnswerer answerer) { msgbox_answerer_ = std::move(answerer); }

void HeadlessDriver::QueueInputBoxAnswer(std::string text) { input_answers_.push_back(std::move(text)); }

void HeadlessDriver::SetInputBoxAnswerer(InputBoxAnswerer answerer) { input_answerer_ = std::move(answerer); }

int HeadlessDriver::DefaultButton(int style) {
  static const std::vector<int> kButtons[] = {
      {vbOK},                 // vbOKOnly
      {vbOK, vbCancel},       // vbOKCancel
      {3, 4, 5},              // vbAbortRetryIgnore
      {vbYes, vbNo, vbCancel},  // vbYesNoCancel
      {vbYes, vbNo},          // vbYesNo
      {4, vbCancel},          // vbRetryCancel
  };
  const int set = style & 7;
  if (set > 5) return vbOK;
  const std::vector<int>& buttons = kButtons[set];
  const size_t chosen = static_cast<size_t>((style >> 8) & 3);
  return buttons[std::min(chosen, buttons.size() - 1)];
}

std::vector<JournalEntry> HeadlessDriver::MessageBoxes() const {
  std::vector<JournalEntry> boxes;
  std::copy_if(journal_.begin(), journal_.end(), std::back_inserter(boxes),
               [](const JournalEntry& e) { return e.kind == JournalEntry::Kind::MessageBox; });
  return boxes;
}

std::vector<JournalEntry> HeadlessDriver::ModalWindows() const {
  std::vector<JournalEntry> windows;
  std::copy_if(journal_.begin(), journal_.end(), std::back_inserter(windows),
               [](const JournalEntry& e) { return e.kind == JournalEntry::Kind::ModalWindow; });
  return windows;
}

int HeadlessDriver::RepaintsOf(WindowHandle handle) const {
  const auto found = repaints_of_.find(handle);
  return found == repaints_of_.end() ? 0 : found->second;
}

const HeadlessDriver::Script* HeadlessDriver::ScriptFor(const std::string& window_name) const {
  const auto found = scripts_.find(automation::UCase(window_name));
  if (found != scripts_.end()) return &found->second;
  return default_script_ ? &default_script_ : nullptr;
}

void HeadlessDriver::RunModal(Window& window) {
  ++modal_depth_;
  struct DepthScope {
    int& depth;
    ~DepthScope() { --depth; }
  } scope{modal_depth_};
  // A copy: the script may replace scripts while it runs.
  const Script* registered = ScriptFor(window.Name());
  const Script script = registered != nullptr ? *registered : Script(&HeadlessDriver::PressDefaultOrClose);
  script(window);
  if (window.IsLoaded()) window.UserClose();
}

int HeadlessDriver::MsgBox(const std::string& prompt, int style, const std::string& title) {
  int button;
  if (!msgbox_answers_.empty()) {
    button = msgbox_answers_.front();
    msgbox_answers_.pop_front();
  } else if (msgbox_answerer_) {
    button = msgbox_answerer_(prompt, style, title);
  } else {
    button = DefaultButton(style);
  }
  JournalEntry entry;
  entry.kind = JournalEntry::Kind::MessageBox;
  entry.prompt = prompt;
  entry.title = title;
  entry.style = style;
  entry.button = button;
  journal_.push_back(std::move(entry));
  return button;
}

std::string HeadlessDriver::InputBox(const std::string& prompt, const std::string& title,
                                     const std::string& default_text) {
  std::string entered;
  if (!input_answers_.empty()) {
    entered = std::move(input_answers_.front());
    input_answers_.pop_front();
  } else if (input_answerer_) {
    entered = input_answerer_(prompt, title, default_text);
  } else {
    entered = default_text;
  }
  JournalEntry entry;
  entry.kind = JournalEntry::Kind::InputBox;
  entry.prompt = prompt;
  entry.title = title;
  entry.default_text = default_text;
  entry.entered = entered;
  journal_.push_back(std::move(entry));
  return entered;
}

void HeadlessDriver::Beep() { ++beeps_; }

void HeadlessDriver::DoEvents() { ++do_events_calls_; }

int HeadlessDriver::LockWindowUpdate(WindowHandle handle) {
  if (handle == 0) {
    ++unlock_calls_;
    if (locked_ == 0) return 0;
    if (locked_dirty_) Repaint(locked_);
    locked_ = 0;
    locked_dirty_ = false;
    return 1;
  }
  ++lock_calls_;
  const Toolkit& toolkit = Toolkit::Current();
  if (locked_ != 0 || (toolkit.FindControl(handle) == nullptr && toolkit.FindWindow(handle) == nullptr)) return 0;
  locked_ = handle;
  locked_dirty_ = false;
  return 1;
}

void HeadlessDriver::WindowShown(Window& window, bool modal) {
  Repaint(window.Handle());
  if (!modal) return;
  JournalEntry entry;
  entry.kind = JournalEntry::Kind::ModalWindow;
  entry.window_name = window.Name();
  entry.caption = window.Caption();
  for (const auto& control : window.Controls()) {
    if (const auto* box = dynamic_cast<const TextBox*>(control.get()); box != nullptr) {
      entry.text_boxes.emplace_back(box->Name(), box->Text());
    }
  }
  journal_.push_back(std::move(entry));
}

void HeadlessDriver::WindowChanged(Window& window, std::string_view property) {
  if (window.Visible()) Repaint(window.Handle());
}

void HeadlessDriver::ControlChanged(Control& control, std::string_view property) {
  const Window* owner = control.Owner();
  if (owner == nullptr || !owner->Visible()) return;
  if (UnderLock(control)) {
    locked_dirty_ = true;
    return;
  }
  Repaint(control.Handle());
}

bool HeadlessDriver::UnderLock(const Control& control) const {
  if (locked_ == 0) return false;
  if (locked_ == control.Owner()->Handle()) return true;
  for (const Control* c = &control; c != nullptr; c = c->Where().parent) {
    if (c->Handle() == locked_) return true;
  }
  return false;
}

void HeadlessDriver::ItemsChanged(Control& control) { ControlChanged(control, {}); }

void HeadlessDriver::Repaint(WindowHandle handle) {
  ++repaints_;
  ++repaints_of_[handle];
}

}  // namespace prefdesk::ui
