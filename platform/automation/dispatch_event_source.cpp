#include <algorithm>

#include "platform/automation/dispatch.h"

namespace prefdesk::automation {

int EventSource::Advise(Sink sink) {
  const int cookie = next_cookie_++;
  sinks_.emplace_back(cookie, std::move(sink));
  return cookie;
}

void EventSource::Unadvise(int cookie) {
  // An unknown cookie is ignored, so that releasing a sink twice is harmless.
  std::erase_if(sinks_, [cookie](const auto& entry) { return entry.first == cookie; });
}

void EventSource::Fire(int32_t dispid, const Arguments& args) const {
  // A copy, so that a sink may advise or unadvise while the event is delivered.
  const auto sinks = sinks_;
  for (const auto& [cookie, sink] : sinks) {
    if (sink) sink(dispid, args);
  }
}

}  // namespace prefdesk::automation
