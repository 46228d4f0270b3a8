// The watch of a SQLite server database. inotify on the file's folder wakes it when the file,
// its -journal or its -wal is written, created, removed or renamed; then PRAGMA data_version
// on its own read-only connection says whether another connection committed, and only then
// are the stamps read. A write seen before its commit is checked once more a little later
// (a commit to the -wal becomes visible after its last write).
#include <sqlite3.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>

#include "host/datacenter/preference_watch.h"
#include "platform/ado/types.h"
#include "platform/automation/error.h"
#include "src/storage/schema.h"

namespace prefdesk::datacenter {
namespace {

constexpr const char* kSource = "WatchSqlite";
constexpr auto kSettleDelay = std::chrono::milliseconds(30);
constexpr int kBusyTimeoutMs = 2000;

struct Stamps {
  int64_t stamp = 0;
  int64_t settings = 0, layout = 0, queries = 0, schemes = 0;
};

class SqliteWatch : public PreferenceWatch {
 public:
  SqliteWatch(const std::string& path, int32_t user, ChangeCallback on_change, WatchNoticeCallback on_notice)
      : PreferenceWatch(std::move(on_change), std::move(on_notice)), path_(path), user_(user) {
    const std::filesystem::path file(path);
    name_ = file.filename().string();
    const std::string folder = file.has_parent_path() ? file.parent_path().string() : ".";
    inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify_ < 0 || inotify_add_watch(inotify_, folder.c_str(),
                                          IN_MODIFY | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE |
                                              IN_MOVED_TO | IN_MOVED_FROM) < 0) {
      const std::string reason = std::strerror(errno);
      if (inotify_ >= 0) close(inotify_);
      automation::Raise(ado::kErrProvider, kSource, "Cannot watch " + folder + ": " + reason);
    }
    const std::string failure = Open();
    if (!failure.empty()) {
      close(inotify_);
      automation::Raise(ado::kErrProvider, kSource, failure);
    }
    seen_ = ReadStamps();
    Watch(inotify_);
  }

  ~SqliteWatch() override {
    CloseDatabase();
    close(inotify_);
  }

 private:
  // Opens the file read-only and reads its identity and data_version; a message on failure.
  std::string Open() {
    CloseDatabase();
    struct stat info {};
    if (stat(path_.c_str(), &info) != 0) return "No server database " + path_ + ": " + std::strerror(errno);
    if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
      const std::string message = "Cannot open " + path_ + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory");
      CloseDatabase();
      return message;
    }
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    if (Query(std::string("SELECT count(*) FROM ") + storage::schema::T_PCHANGE, [](sqlite3_stmt*) {}) != SQLITE_DONE) {
      const std::string message =
          path_ + " has no change stamps (" + storage::schema::T_PCHANGE + "): " + sqlite3_errmsg(db_);
      CloseDatabase();
      return message;
    }
    device_ = info.st_dev;
    inode_ = info.st_ino;
    data_version_ = DataVersion();
    return {};
  }

  void CloseDatabase() {
    if (db_) sqlite3_close(db_);
    db_ = nullptr;
  }

  // Runs sql, calling row for each result row; returns the last step's code.
  template <typename Row>
  int Query(const std::string& sql, Row row) {
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr);
    if (rc == SQLITE_OK) {
      while ((rc = sqlite3_step(statement)) == SQLITE_ROW) row(statement);
    }
    sqlite3_finalize(statement);
    return rc;
  }

  int64_t DataVersion() {
    int64_t version = -1;
    Query("PRAGMA data_version", [&](sqlite3_stmt* s) { version = sqlite3_column_int64(s, 0); });
    return version;
  }

  std::map<int32_t, Stamps> ReadStamps() {
    std::map<int32_t, Stamps> stamps;
    std::string sql = std::string("SELECT F_UID, F_STAMP, F_SETTINGS, F_LAYOUT, F_QUERIES, F_SCHEMES FROM ") +
                      storage::schema::T_PCHANGE;
    if (user_ != kAllUsers) sql += " WHERE F_UID = " + std::to_string(user_);
    Query(sql, [&](sqlite3_stmt* s) {
      stamps[sqlite3_column_int(s, 0)] = {sqlite3_column_int64(s, 1), sqlite3_column_int64(s, 2),
                                          sqlite3_column_int64(s, 3), sqlite3_column_int64(s, 4),
                                          sqlite3_column_int64(s, 5)};
    });
    return stamps;
  }

  bool Concerns(const char* name) const {
    const std::string_view changed(name);
    return changed == name_ || changed == name_ + "-journal" || changed == name_ + "-wal";
  }

  // Reads every queued inotify event; true when one concerns the database.
  bool DrainEvents() {
    alignas(inotify_event) char buffer[4096];
    bool concerned = false;
    for (;;) {
      const ssize_t length = read(inotify_, buffer, sizeof buffer);
      if (length <= 0) return concerned;
      for (ssize_t at = 0; at < length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        if (event->len > 0 && Concerns(event->name)) concerned = true;
        if (event->mask & IN_Q_OVERFLOW) concerned = true;
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
  }

  void Ready(bool retry_due) override {
    const bool concerned = DrainEvents();
    if (!concerned && !retry_due) return;
    Check();
    if (concerned) RetryAfter(kSettleDelay);
  }

  // Follows a replaced or removed file, else reports what the stamps say changed.
  void Check() {
    struct stat info {};
    const bool present = stat(path_.c_str(), &info) == 0;
    if (!present || !db_ || info.st_dev != device_ || info.st_ino != inode_) {
      FollowFile(present);
      return;
    }
    const int64_t version = DataVersion();
    if (version == data_version_) return;
    data_version_ = version;
    std::map<int32_t, Stamps> now = ReadStamps();
    for (const auto& [user, stamps] : now) {
      const Stamps before = seen_.count(user) ? seen_[user] : Stamps{};
      if (stamps.stamp == before.stamp) continue;
      unsigned kinds = 0;
      if (stamps.stamp < before.stamp) {
        kinds = kAllKinds;  // the stamps were made again: anything may differ
      } else {
        if (stamps.settings > before.stamp) kinds |= kSettingsChanged;
        if (stamps.layout > before.stamp) kinds |= kLayoutChanged;
        if (stamps.queries > before.stamp) kinds |= kQueriesChanged;
        if (stamps.schemes > before.stamp) kinds |= kSchemesChanged;
      }
      Report({{}, user, kinds, false, stamps.stamp});
    }
    seen_ = std::move(now);
  }

  void FollowFile(bool present) {
    if (!present) {
      if (!missing_) Notice("the server database " + path_ + " is gone; waiting for it to come back");
      missing_ = true;
      CloseDatabase();
      return;
    }
    const std::string failure = Open();
    if (!failure.empty()) {
      // Still being written, say: the next event or the retry opens it.
      RetryAfter(std::chrono::milliseconds(200));
      return;
    }
    Notice(std::string("the server database ") + path_ + (missing_ ? " is back" : " was replaced") +
           "; following the new file");
    missing_ = false;
    seen_ = ReadStamps();
    Report({{}, user_, kAllKinds, true, 0});
  }

  std::string path_;
  std::string name_;
  int32_t user_;
  int inotify_ = -1;
  sqlite3* db_ = nullptr;
  dev_t device_ = 0;
  ino_t inode_ = 0;
  int64_t data_version_ = -1;
  bool missing_ = false;
  std::map<int32_t, Stamps> seen_;
};

}  // namespace

std::unique_ptr<PreferenceWatch> WatchSqlite(const std::string& path, int32_t user,
                                             ChangeCallback on_change, WatchNoticeCallback on_notice) {
  return std::make_unique<SqliteWatch>(path, user, std::move(on_change), std::move(on_notice));
}

}  // namespace prefdesk::datacenter
