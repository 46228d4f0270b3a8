#include "platform/ui/toolkit.h"

#include <algorithm>
#include <atomic>

#include "platform/ui/headless_driver.h"
#include "platform/ui/window.h"

namespace prefdesk::ui {

Toolkit::Toolkit() : front_end_(std::make_shared<HeadlessDriver>()) {}

Toolkit& Toolkit::Current() {
  thread_local Toolkit toolkit;
  return toolkit;
}

FrontEnd& Toolkit::GetFrontEnd() { return *front_end_; }

std::shared_ptr<FrontEnd> Toolkit::SetFrontEnd(std::shared_ptr<FrontEnd> front_end) {
  if (front_end == nullptr) front_end = std::make_shared<HeadlessDriver>();
  std::swap(front_end, front_end_);
  return front_end;
}

HeadlessDriver& Toolkit::UseHeadless() {
  auto driver = std::make_shared<HeadlessDriver>();
  front_end_ = driver;
  return *driver;
}

Window* Toolkit::FindWindow(WindowHandle handle) const {
  for (const auto& window : open_) {
    if (window->Handle() == handle) return window.get();
  }
  return nullptr;
}

Control* Toolkit::FindControl(WindowHandle handle) const {
  for (const auto& window : open_) {
    for (const auto& control : window->Controls()) {
      if (control->Handle() == handle) return control.get();
    }
  }
  return nullptr;
}

WindowHandle Toolkit::NewHandle() {
  static std::atomic<WindowHandle> next{0x10000};
  return next.fetch_add(4);
}

void Toolkit::Opened(std::shared_ptr<Window> window) { open_.push_back(std::move(window)); }

void Toolkit::Closed(const Window& window) {
  std::erase_if(open_, [&window](const std::shared_ptr<Window>& w) { return w.get() == &window; });
}

}  // namespace prefdesk::ui
