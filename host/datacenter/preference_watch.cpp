#include "host/datacenter/preference_watch.h"

#include <poll.h>
#include <sys/epoll.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/ado/types.h"
#include "platform/automation/error.h"

namespace prefdesk::datacenter {

std::string ChangeKindNames(unsigned kinds) {
  static constexpr std::pair<unsigned, const char*> kNames[] = {
      {kSettingsChanged, "settings"}, {kLayoutChanged, "layout"}, {kQueriesChanged, "queries"},
      {kSchemesChanged, "schemes"}};
  std::string names;
  for (const auto& [bit, name] : kNames) {
    if (!(kinds & bit)) continue;
    if (!names.empty()) names += ',';
    names += name;
  }
  return names;
}

PreferenceWatch::PreferenceWatch(ChangeCallback on_change, WatchNoticeCallback on_notice)
    : on_change_(std::move(on_change)), on_notice_(std::move(on_notice)) {
  poll_fd_ = epoll_create1(EPOLL_CLOEXEC);
  timer_fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (poll_fd_ < 0 || timer_fd_ < 0) {
    const std::string reason = std::strerror(errno);
    if (poll_fd_ >= 0) close(poll_fd_);
    if (timer_fd_ >= 0) close(timer_fd_);
    automation::Raise(ado::kErrProvider, "PreferenceWatch", "Cannot start watching: " + reason);
  }
  Watch(timer_fd_);
}

PreferenceWatch::~PreferenceWatch() {
  close(timer_fd_);
  close(poll_fd_);
}

void PreferenceWatch::Watch(int fd) {
  epoll_event event{};
  event.events = EPOLLIN;
  event.data.fd = fd;
  epoll_ctl(poll_fd_, EPOLL_CTL_ADD, fd, &event);
}

void PreferenceWatch::Unwatch(int fd) { epoll_ctl(poll_fd_, EPOLL_CTL_DEL, fd, nullptr); }

void PreferenceWatch::RetryAfter(std::chrono::milliseconds delay) {
  itimerspec when{};
  const auto ms = std::max<int64_t>(delay.count(), 1);
  when.it_value.tv_sec = ms / 1000;
  when.it_value.tv_nsec = (ms % 1000) * 1000000;
  timerfd_settime(timer_fd_, 0, &when, nullptr);
}

void PreferenceWatch::Report(PreferenceChange change) const {
  change.time = std::chrono::system_clock::now();
  if (on_change_) on_change_(change);
}

void PreferenceWatch::Notice(const std::string& line) const {
  if (on_notice_) on_notice_(line);
}

void PreferenceWatch::Dispatch() {
  epoll_event events[8];
  const int ready = epoll_wait(poll_fd_, events, 8, 0);
  if (ready <= 0) return;
  uint64_t expirations = 0;
  const bool retry_due = read(timer_fd_, &expirations, sizeof expirations) == sizeof expirations;
  Ready(retry_due);
}

bool PreferenceWatch::Wait(std::chrono::milliseconds timeout) {
  pollfd fd{poll_fd_, POLLIN, 0};
  const int ready = poll(&fd, 1, static_cast<int>(std::max<int64_t>(timeout.count(), 0)));
  if (ready <= 0) return false;
  Dispatch();
  return true;
}

}  // namespace prefdesk::datacenter
