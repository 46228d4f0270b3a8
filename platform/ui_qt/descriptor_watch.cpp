#include "platform/ui_qt/descriptor_watch.h"

#include <QSocketNotifier>

namespace prefdesk::ui_qt {

DescriptorWatch::DescriptorWatch(int fd, std::function<void()> on_ready)
    : notifier_(std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read)) {
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [on_ready = std::move(on_ready)] { on_ready(); });
}

DescriptorWatch::~DescriptorWatch() = default;

}  // namespace prefdesk::ui_qt
