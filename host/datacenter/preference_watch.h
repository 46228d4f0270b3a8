// Following changes to users' stored preferences as other clients commit them. The server keeps
// a change stamp per user (T_PCHANGE, kept by triggers on the per-user tables, whoever
// writes them); a watch learns of each committed change, never of one before its commit or of
// a rolled-back one. PostgreSQL delivers the changes by LISTEN/NOTIFY on a channel per user;
// on SQLite the watch wakes when the database file or its journal changes (inotify), checks
// the engine's data_version and reads the stamps. A watch that sees nothing uses no CPU.
//
// The watch runs on the host's thread: Descriptor() is one descriptor for the whole life of
// the watch that polls readable when there is something to do; the host puts it into its
// event loop (select/poll/epoll, QSocketNotifier, ...) and calls Dispatch() when it is
// readable. Dispatch calls the callbacks on the calling thread. Wait() is the same for a host
// without an event loop. Destroying the watch stops it.
//
// A lost server connection is made again with back-off (0.1 s doubling up to 5 s; an attempt
// holds the calling thread until the server answers or refuses, at most its 4 s connect
// time-out); a SQLite file replaced by another is followed. Either gap is reported as a change that may have
// happened to every watched user, so that the host reads again.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace prefdesk::datacenter {

// What kind of stored data changed, as bits.
enum ChangeKind : unsigned {
  kSettingsChanged = 1u << 0,  // the single settings (T_PMISC)
  kLayoutChanged = 1u << 1,    // titles, lists, visibility, order, start-up title, default lists
  kQueriesChanged = 1u << 2,   // saved default queries (T_PQUERY)
  kSchemesChanged = 1u << 3,   // appearance schemes (T_PSCREENSTYLE)
  kAllKinds = 15u,
};

// "settings,layout,queries,schemes" as far as the bits say.
std::string ChangeKindNames(unsigned kinds);

// Watch every user of the server instead of one.
inline constexpr int32_t kAllUsers = 0;

struct PreferenceChange {
  std::chrono::system_clock::time_point time;  // when the watch learnt of it
  int32_t user = 0;       // kAllUsers after a gap of a watch of every user
  unsigned kinds = 0;     // ChangeKind bits
  bool may_have_changed = false;  // a gap in watching: nothing is known, read again
  int64_t stamp = 0;      // the user's change stamp after the change; 0 when unknown
};

using ChangeCallback = std::function<void(const PreferenceChange&)>;
// A line about the watch itself ("connection lost; reconnecting", "file replaced"), once for
// each event; hosts may log it.
using WatchNoticeCallback = std::function<void(const std::string&)>;

class PreferenceWatch {
 public:
  virtual ~PreferenceWatch();
  PreferenceWatch(const PreferenceWatch&) = delete;
  PreferenceWatch& operator=(const PreferenceWatch&) = delete;

  int Descriptor() const { return poll_fd_; }
  // Handles what is ready without waiting; the callbacks run before it returns.
  void Dispatch();
  // Waits up to timeout for the descriptor, then dispatches; false when nothing was ready.
  bool Wait(std::chrono::milliseconds timeout);

 protected:
  PreferenceWatch(ChangeCallback on_change, WatchNoticeCallback on_notice);
  // The descriptors the watch waits on; Dispatch calls Ready when any is readable.
  void Watch(int fd);
  void Unwatch(int fd);
  // Calls Ready(true) once after the delay (replacing a retry not yet due).
  void RetryAfter(std::chrono::milliseconds delay);
  void Report(PreferenceChange change) const;
  void Notice(const std::string& line) const;
  virtual void Ready(bool retry_due) = 0;

 private:
  int poll_fd_ = -1;   // epoll over the watched descriptors and the retry timer
  int timer_fd_ = -1;
  ChangeCallback on_change_;
  WatchNoticeCallback on_notice_;
};

// Watches user (or kAllUsers) in a SQLite server database file. Raises (AutomationError,
// one line) when the file cannot be opened or has no change stamps.
std::unique_ptr<PreferenceWatch> WatchSqlite(const std::string& path, int32_t user,
                                             ChangeCallback on_change,
                                             WatchNoticeCallback on_notice = {});

#ifdef PREFDESK_HAVE_POSTGRESQL
// Watches user (or kAllUsers) in the server tables of schema on a PostgreSQL server. Raises
// when the server cannot be reached, the schema has no change stamps, or the login may not
// read the user's changes (row security: a user's role its own user alone, every user only
// the administrator).
std::unique_ptr<PreferenceWatch> WatchPostgres(const std::string& connection_string,
                                               const std::string& schema, int32_t user,
                                               ChangeCallback on_change,
                                               WatchNoticeCallback on_notice = {});
#endif

}  // namespace prefdesk::datacenter
