// What presents the toolkit model to a person: the headless driver by default, the Qt
// renderer in the real program. The model calls the services below and reports every change
// through the notification hooks, so that a renderer can mirror the model.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/services.h"

namespace prefdesk::ui {

class Control;
class Window;

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;

  // Runs the modal loop of a window that is loaded, shown and activated; returns when the
  // window has unloaded. A front end that cannot go on (no person, no script) unloads it.
  virtual void RunModal(Window& window) = 0;
  // Returns the button pressed (vbOK, vbYes, ...).
  virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;
  // Returns the text entered, or "" when cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& default_text) = 0;
  virtual void Beep() = 0;
  virtual void DoEvents() = 0;
  // Nonzero locks painting of that window or control (one at a time); 0 unlocks.
  // Returns nonzero on success.
  virtual int LockWindowUpdate(WindowHandle handle) = 0;

  // Notifications from the model. A window's hooks come from Window, a control's from the
  // control once it is placed in a window.
  virtual void WindowLoaded(Window& window) {}
  virtual void WindowShown(Window& window, bool modal) {}
  virtual void WindowClosed(Window& window) {}  // unloaded
  virtual void WindowChanged(Window& window, std::string_view property) {}
  virtual void ControlAdded(Control& control) {}
  virtual void ControlChanged(Control& control, std::string_view property) {}
  // Items of a list (texts, item data, check marks) or pages of a tab control changed.
  virtual void ItemsChanged(Control& control) {}
};

}  // namespace prefdesk::ui
