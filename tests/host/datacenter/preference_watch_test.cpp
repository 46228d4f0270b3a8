// Watching a user's stored preferences on both engines (PostgreSQL where PREFDESK_PG_URL is
// set): the changes come from another process, which writes through a data service of its own.
#include "host/datacenter/preference_watch.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "host/datacenter/database_files.h"
#include "host/datacenter/store_upgrade.h"
#include "platform/automation/error.h"
#include "support/pg_test_schema.h"
#include "support/temp_databases.h"
#ifdef PREFDESK_HAVE_POSTGRESQL
#include "host/datacenter/postgres_schema.h"
#include "host/datacenter/postgres_users.h"
#endif

namespace prefdesk::datacenter {
namespace {

using namespace std::chrono_literals;
using test_support::ServerBackend;
using test_support::TempDatabases;

using Step = std::function<void(storage::DataCenter&)>;

// Another process writing through a data service of its own. After each step it waits for the
// parent's go-ahead, so that the parent can look at the watch while a transaction is open.
class Writer {
 public:
  Writer(const TempDatabases& db, std::vector<Step> steps) {
    EXPECT_EQ(pipe(to_child_), 0);
    EXPECT_EQ(pipe(to_parent_), 0);
    pid_ = fork();
    if (pid_ != 0) return;
    const storage::DataCenterRef dc = db.NewServerClient(7);
    char go;
    for (auto& step : steps) {
      step(*dc);
      if (write(to_parent_[1], "s", 1) != 1 || read(to_child_[0], &go, 1) != 1) break;
    }
    _exit(0);  // no destructor may touch the parent's connections
  }
  ~Writer() {
    close(to_child_[1]);
    int status = 0;
    waitpid(pid_, &status, 0);
    for (int fd : {to_child_[0], to_parent_[0], to_parent_[1]}) close(fd);
  }
  // Readable when the child has finished a step.
  int StepDoneFd() const { return to_parent_[0]; }
  void AwaitStep() {
    char done;
    ASSERT_EQ(read(to_parent_[0], &done, 1), 1);
  }
  void Go() { ASSERT_EQ(write(to_child_[1], "g", 1), 1); }

 private:
  int to_child_[2]{}, to_parent_[2]{};
  pid_t pid_ = -1;
};

Step Settings(int32_t user, int value) {
  return [user, value](storage::DataCenter& dc) {
    if (dc.Update("T_PMISC", "F_MAXHISTORY=" + std::to_string(value), "", "F_UID=" + std::to_string(user)) == 0) {
      dc.Insert("T_PMISC", "F_UID,F_MAXHISTORY", std::to_string(user) + "," + std::to_string(value));
    }
  };
}
Step Title(int32_t user) {
  return [user](storage::DataCenter& dc) { dc.Insert("T_PHBUTTON", "F_UID,F_HBUTTONID,F_SEQUENCENO", std::to_string(user) + ",1,1"); };
}
// One transaction of the steps.
Step Transaction(std::vector<Step> steps) {
  return [steps](storage::DataCenter& dc) {
    dc.BeginTrans();
    for (const Step& step : steps) step(dc);
    dc.CommitTrans();
  };
}

class PreferenceWatchTest : public ::testing::TestWithParam<ServerBackend> {
 protected:
  void SetUp() override {
    if (GetParam() == ServerBackend::kPostgres && test_support::PostgresUrlFromEnvironment().empty()) {
      GTEST_SKIP() << "PREFDESK_PG_URL is not set";
    }
    db_ = std::make_unique<TempDatabases>(7, GetParam());
  }

  std::unique_ptr<PreferenceWatch> Start(int32_t user) {
    auto record = [this](const PreferenceChange& change) { changes_.push_back(change); };
    auto notice = [this](const std::string& line) { notices_.push_back(line); };
#ifdef PREFDESK_HAVE_POSTGRESQL
    if (GetParam() == ServerBackend::kPostgres) {
      return WatchPostgres(db_->PostgresUrl(), db_->PostgresSchema(), user, record, notice);
    }
#endif
    return WatchSqlite(db_->ServerPath().string(), user, record, notice);
  }

  // Dispatches until a change arrives or the time is up.
  bool AwaitChange(PreferenceWatch& watch, std::chrono::milliseconds within) {
    const size_t before = changes_.size();
    const auto deadline = std::chrono::steady_clock::now() + within;
    while (changes_.size() == before && std::chrono::steady_clock::now() < deadline) watch.Wait(10ms);
    return changes_.size() > before;
  }

  int64_t Stamp(int32_t user) const {
    return db_->ServerInt("SELECT F_STAMP FROM T_PCHANGE WHERE F_UID = " + std::to_string(user));
  }

  std::unique_ptr<TempDatabases> db_;
  std::vector<PreferenceChange> changes_;
  std::vector<std::string> notices_;
};

TEST_P(PreferenceWatchTest, CommittedChangesOfTheUserAloneAreSeenWithinASecondWithTheirKinds) {
  const auto watch = Start(7);
  Writer writer(*db_, {Settings(8, 5), Transaction({Settings(7, 5), Title(7)})});
  for (int step = 0; step < 2; ++step) {
    writer.AwaitStep();
    writer.Go();
  }
  ASSERT_TRUE(AwaitChange(*watch, 1s));
  EXPECT_FALSE(AwaitChange(*watch, 200ms)) << "one report for the one transaction of user 7";
  ASSERT_EQ(changes_.size(), 1u);
  EXPECT_EQ(changes_[0].user, 7);
  EXPECT_EQ(changes_[0].kinds, kSettingsChanged | kLayoutChanged);
  EXPECT_FALSE(changes_[0].may_have_changed);
  EXPECT_EQ(changes_[0].stamp, Stamp(7));
}

TEST_P(PreferenceWatchTest, NothingIsReportedBeforeTheCommitNorForARollback) {
  const auto watch = Start(kAllUsers);
  const auto begin = [](storage::DataCenter& dc) { dc.BeginTrans(); };
  Writer writer(*db_, {begin, Title(7), [](storage::DataCenter& dc) { dc.RollbackTrans(); },
                       begin, Title(7), [](storage::DataCenter& dc) { dc.CommitTrans(); }});
  for (int step = 0; step < 5; ++step) {
    writer.AwaitStep();
    EXPECT_FALSE(AwaitChange(*watch, 300ms)) << "after step " << step;
    writer.Go();
  }
  writer.AwaitStep();
  ASSERT_TRUE(AwaitChange(*watch, 1s));
  EXPECT_EQ(changes_[0].user, 7);
  EXPECT_EQ(changes_[0].kinds, kLayoutChanged);
  EXPECT_EQ(changes_[0].stamp, Stamp(7));
  writer.Go();
}

TEST_P(PreferenceWatchTest, ABurstOfSavesEndsWithTheLastCommitReported) {
  const auto watch = Start(7);
  std::vector<Step> saves;
  for (int i = 0; i < 100; ++i) saves.push_back(Transaction({Settings(7, i % 2 ? 10 : 5)}));
  Writer writer(*db_, {[&saves](storage::DataCenter& dc) { for (const Step& save : saves) save(dc); }});
  pollfd fds[2] = {{writer.StepDoneFd(), POLLIN, 0}, {watch->Descriptor(), POLLIN, 0}};
  while (poll(fds, 2, 5000) > 0 && !fds[0].revents) watch->Dispatch();
  writer.AwaitStep();
  const int64_t last = Stamp(7);
  while (changes_.empty() || changes_.back().stamp < last) {
    ASSERT_TRUE(AwaitChange(*watch, 1s)) << "the last commit was not reported";
  }
  for (size_t i = 0; i < changes_.size(); ++i) {
    EXPECT_EQ(changes_[i].kinds, kSettingsChanged);
    if (i > 0) {
      EXPECT_GT(changes_[i].stamp, changes_[i - 1].stamp);
    }
  }
  EXPECT_EQ(changes_.back().stamp, last);
  writer.Go();
}

// The connection dropped (PostgreSQL: its server process ended, as in a restart) or the file
// replaced (SQLite: a new store moved in, as init --force does): the watch says so once,
// reports that anything may have changed, and goes on watching.
TEST_P(PreferenceWatchTest, AGapIsReportedAsMayHaveChangedAndWatchingGoesOn) {
  const auto watch = Start(7);
  if (GetParam() == ServerBackend::kPostgres) {
    const std::string channel =
        db_->ServerRows("SELECT F_CHANNEL FROM T_PCHANGE WHERE F_UID = 7").at(0).at(0);
    EXPECT_EQ(db_->ServerInt("SELECT count(pg_terminate_backend(pid, 5000)) FROM pg_stat_activity "
                             "WHERE query = 'LISTEN \"" + channel + "\"'"), 1);
  } else {
    const std::filesystem::path fresh = db_->Folder() / "fresh.db";
    BuildDatabase(PREFDESK_DATA_DIR, kServerDatabase, fresh);
    std::filesystem::rename(fresh, db_->ServerPath());
  }
  ASSERT_TRUE(AwaitChange(*watch, 3s));
  EXPECT_TRUE(changes_[0].may_have_changed);
  EXPECT_EQ(changes_[0].user, 7);
  EXPECT_EQ(notices_.size(), GetParam() == ServerBackend::kPostgres ? 2u : 1u);  // lost, then back

  Writer writer(*db_, {Settings(7, 20)});
  writer.AwaitStep();
  ASSERT_TRUE(AwaitChange(*watch, 1s));
  EXPECT_EQ(changes_.back().kinds, kSettingsChanged);
  EXPECT_FALSE(changes_.back().may_have_changed);
  writer.Go();
}

// A store made before the change stamps gets them; running the script again on a store that
// has them keeps the stamps it holds.
TEST_P(PreferenceWatchTest, ChangeStampsAreAddedToAnOlderStoreAndRenewedWithoutLoss) {
  const bool pg = GetParam() == ServerBackend::kPostgres;
  const auto store = [&] {
#ifdef PREFDESK_HAVE_POSTGRESQL
    if (pg) return OpenPostgresUpgradeStore(db_->PostgresUrl(), db_->PostgresSchema());
#endif
    return OpenSqliteUpgradeStore(db_->ServerPath());
  };
  const auto has = [&] { return store()->HasChangeStamps(); };
  const auto add = [&] {
    const auto opened = store();
    opened->Exec(ReadScript(std::filesystem::path(PREFDESK_DATA_DIR) / opened->ChangeStampsScript()));
  };
  ASSERT_TRUE(has());
  if (pg) {
    db_->ExecServer("SET client_min_messages = warning; DROP TABLE T_PCHANGE; DROP FUNCTION PREFDESK_STAMP_CHANGE() CASCADE");
  } else {
    for (const auto& row : db_->ServerRows("SELECT name FROM sqlite_master WHERE type = 'trigger'")) {
      db_->ExecServer("DROP TRIGGER " + row.at(0));
    }
    db_->ExecServer("DROP TABLE T_PCHANGE");
  }
  EXPECT_FALSE(has());
  db_->ExecServer("INSERT INTO T_PMISC (F_UID, F_MAXHISTORY) VALUES (7, 5)");
  add();
  EXPECT_TRUE(has());
  db_->ExecServer("UPDATE T_PMISC SET F_MAXHISTORY = 10 WHERE F_UID = 7");
  EXPECT_EQ(Stamp(7), 1);
  add();
  EXPECT_TRUE(has());
  db_->ExecServer("UPDATE T_PMISC SET F_MAXHISTORY = 5 WHERE F_UID = 7");
  EXPECT_EQ(Stamp(7), 2);
}

INSTANTIATE_TEST_SUITE_P(Engines, PreferenceWatchTest,
                         ::testing::Values(ServerBackend::kSqlite, ServerBackend::kPostgres),
                         [](const auto& info) { return info.param == ServerBackend::kSqlite ? "Sqlite" : "Postgres"; });

#ifdef PREFDESK_HAVE_POSTGRESQL
// On a row-secured server a user's login follows its own user alone: another user's watch and
// the watch of every user are refused, and another user's changes never reach it.
TEST(PreferenceWatchRowSecurityTest, AUsersLoginFollowsItsOwnUserAlone) {
  const std::string url = test_support::PostgresUrlFromEnvironment();
  if (url.empty()) GTEST_SKIP() << "PREFDESK_PG_URL is not set";
  test_support::PgTestSchema schema(url, /*row_security=*/true);
  const std::string alice = schema.NewRole("alice");
  ASSERT_FALSE(AddPgUser(url, schema.Schema(), 7, alice, [](const std::string&) { return false; }).refused);
  ASSERT_FALSE(AddPgUser(url, schema.Schema(), 8, schema.NewRole("bob"), [](const std::string&) { return false; }).refused);
  const auto refused = [&](int32_t user) {
    try {
      WatchPostgres(schema.UrlAs(alice), schema.Schema(), user, {});
    } catch (const automation::AutomationError& error) {
      return error.Description().find("may not follow") != std::string::npos;
    }
    return false;
  };
  EXPECT_TRUE(refused(8));
  EXPECT_TRUE(refused(kAllUsers));
  std::vector<PreferenceChange> changes;
  const auto watch = WatchPostgres(schema.UrlAs(alice), schema.Schema(), 7,
                                   [&](const PreferenceChange& change) { changes.push_back(change); });
  EXPECT_EQ(schema.Query("SET ROLE \"" + alice + "\"; SELECT F_UID FROM T_PCHANGE").rows.size(), 1u)
      << "alice reads her own stamp alone";
  schema.Exec("RESET ROLE; INSERT INTO T_PMISC (F_UID, F_MAXHISTORY) VALUES (8, 5); "
              "INSERT INTO T_PSCREENSTYLE (F_UID, ScreenStyleName) VALUES (7, 'Default')");
  for (int i = 0; i < 50 && changes.empty(); ++i) watch->Wait(20ms);
  watch->Wait(200ms);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].user, 7);
  EXPECT_EQ(changes[0].kinds, kSchemesChanged);
}
#endif

}  // namespace
}  // namespace prefdesk::datacenter
