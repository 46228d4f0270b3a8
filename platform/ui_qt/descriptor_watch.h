// A descriptor in the Qt event loop: on_ready runs on the Qt thread whenever the descriptor
// polls readable, for as long as the object lives. Hosts put a preference watch's descriptor
// here and call its Dispatch from on_ready.
#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace prefdesk::ui_qt {

class DescriptorWatch {
 public:
  DescriptorWatch(int fd, std::function<void()> on_ready);
  ~DescriptorWatch();
  DescriptorWatch(const DescriptorWatch&) = delete;
  DescriptorWatch& operator=(const DescriptorWatch&) = delete;

 private:
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace prefdesk::ui_qt
