#include <charconv>

#include "host/cli/user_script.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#include "platform/ui/check_list_box.h"
#include "platform/ui/simple_controls.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/text_box.h"
#include "platform/ui/window.h"

namespace prefdesk::cli {

namespace {

// An action that cannot be done, with the reason a person would see.
struct NotDone {
  std::string message;
};

bool Number(const std::string& word, int& value) {
  const char* end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, value);
  return error == std::errc() && stop == end;
}

template <typename T>
T& Find(ui::Window& window, const std::string& name, const char* kind) {
  ui::Control* control = window.FindControl(name);
  if (control == nullptr) throw NotDone{window.Name() + " has no control '" + name + "'"};
  T* typed = dynamic_cast<T*>(control);
  if (typed == nullptr) throw NotDone{"'" + name + "' is not a " + kind};
  return *typed;
}

int ItemIndex(const ui::ListControl& list, const std::string& item) {
  int index = 0;
  if (Number(item, index)) {
    if (index < 0 || index >= list.ListCount()) {
      throw NotDone{list.Name() + " has no item " + item + " (it has " + std::to_string(list.ListCount()) + ")"};
    }
    return index;
  }
  for (int i = 0; i < list.ListCount(); ++i) {
    if (list.List(i) == item) return i;
  }
  for (int i = 0; i < list.ListCount(); ++i) {
    if (automation::EqualsIgnoreCase(list.List(i), item)) return i;
  }
  throw NotDone{list.Name() + " has no item \"" + item + "\""};
}

void Done(bool usable, const std::string& name) {
  if (!usable) throw NotDone{"'" + name + "' cannot be used now (disabled or hidden)"};
}

void Press(ui::CommandButton* button, const char* which) {
  if (button == nullptr) throw NotDone{std::string("the window has no usable ") + which + " button"};
  Done(button->UserClick(), button->Name());
}

void SelectTab(ui::Window& window, const std::string& which) {
  for (const auto& control : window.Controls()) {
    auto* tabs = dynamic_cast<ui::TabControl*>(control.get());
    if (tabs == nullptr) continue;
    int index = -1;
    if (!Number(which, index)) {
      for (int i = 0; i < tabs->Tabs(); ++i) {
        if (automation::EqualsIgnoreCase(tabs->TabCaption(i), which)) index = i;
      }
    }
    if (index < 0 || index >= tabs->Tabs()) throw NotDone{"there is no tab \"" + which + "\""};
    Done(tabs->UserSelectTab(index), tabs->TabCaption(index));
    return;
  }
  throw NotDone{window.Name() + " has no tabs"};
}

void Move(ui::Window& window, const std::string& list_name, const std::string& item, const std::string& where) {
  auto& list = Find<ui::ListControl>(window, list_name, "list");
  const int index = ItemIndex(list, item);
  if (list.ListIndex() != index) Done(list.UserSelect(index), list_name);
  // The move buttons of a list lstX are cmdXTop, cmdXUp, cmdXDown and cmdXBottom.
  std::string suffix = where;
  suffix[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(suffix[0])));
  const std::string stem = list_name.size() > 3 ? list_name.substr(3) : list_name;
  auto& button = Find<ui::CommandButton>(window, "cmd" + stem + suffix, "button");
  Done(button.UserClick(), button.Name());
}

int AnswerButton(const std::string& word) {
  static const char* const answers[] = {"ok", "cancel", "abort", "retry", "ignore", "yes", "no"};
  for (int i = 0; i < 7; ++i) {
    if (word == answers[i]) return i + 1;  // vbOK .. vbNo
  }
  return ui::vbOK;
}

void Perform(const ScriptAction& action, ui::Window& window, ui::HeadlessDriver& driver) {
  const auto& w = action.words;
  const std::string& verb = action.verb;
  if (verb == "tab") {
    SelectTab(window, w[0]);
  } else if (verb == "click" || verb == "choose") {
    auto& list = Find<ui::ListControl>(window, w[0], "list");
    Done(list.UserSelect(ItemIndex(list, w[1])), w[0]);
  } else if (verb == "check") {
    auto& list = Find<ui::CheckListBox>(window, w[0], "check list");
    const int index = ItemIndex(list, w[1]);
    const bool wanted = w.size() < 3 || w[2] == "on";
    if (list.Selected(index) != wanted) Done(list.UserToggleCheck(index), w[0]);
  } else if (verb == "move") {
    Move(window, w[0], w[1], w[2]);
  } else if (verb == "type") {
    Done(Find<ui::TextBox>(window, w[0], "text box").UserType(w[1]), w[0]);
  } else if (verb == "press") {
    Done(Find<ui::CommandButton>(window, w[0], "button").UserClick(), w[0]);
  } else if (verb == "answer") {
    if (w[0] == "input") {
      driver.QueueInputBoxAnswer(w[1]);
    } else {
      driver.QueueMsgBoxAnswer(AnswerButton(w[1]));
    }
  } else if (verb == "ok") {
    Press(window.DefaultButton(), "default (OK)");
  } else if (verb == "cancel") {
    Press(window.CancelButton(), "Cancel");
  }
}

}  // namespace

void UserScript::Run(ui::Window& window, ui::HeadlessDriver& driver) {
  for (const ScriptAction& action : actions_) {
    if (!window.IsLoaded()) return;
    try {
      Perform(action, window, driver);
    } catch (const NotDone& not_done) {
      error_ = file_name_ + ":" + std::to_string(action.line) + ": " + not_done.message;
    } catch (const automation::AutomationError& raised) {
      error_ = file_name_ + ":" + std::to_string(action.line) + ": " + raised.Description();
    }
    if (!error_.empty()) {
      // Closed by its close box: nothing the script did so far is saved.
      window.UserClose();
      return;
    }
  }
}

}  // namespace prefdesk::cli
