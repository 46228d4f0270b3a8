// The per-thread toolkit: the open (loaded) windows and the current front end. Each thread
// starts with its own headless driver as front end.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/front_end.h"
#include "platform/ui/services.h"

namespace prefdesk::ui {

class Control;
class HeadlessDriver;
class Window;

class Toolkit {
 public:
  // The calling thread's toolkit.
  static Toolkit& Current();

  FrontEnd& GetFrontEnd();
  // Makes `front_end` current and returns the previous one; nullptr returns to a fresh
  // headless driver.
  std::shared_ptr<FrontEnd> SetFrontEnd(std::shared_ptr<FrontEnd> front_end);
  // Makes a fresh headless driver current and returns it (what a test does first).
  HeadlessDriver& UseHeadless();

  // Loaded windows in load order.
  const std::vector<std::shared_ptr<Window>>& OpenWindows() const { return open_; }
  // The loaded window with that handle, nullptr when none.
  Window* FindWindow(WindowHandle handle) const;
  // The control of a loaded window with that handle, nullptr when none.
  Control* FindControl(WindowHandle handle) const;

  // A new handle, unique in the process and never 0.
  static WindowHandle NewHandle();

 private:
  friend class Window;
  Toolkit();
  void Opened(std::shared_ptr<Window> window);
  void Closed(const Window& window);

  std::shared_ptr<FrontEnd> front_end_;
  std::vector<std::shared_ptr<Window>> open_;
};

}  // namespace prefdesk::ui
