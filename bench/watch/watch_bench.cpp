// prefdesk_watch_bench [ROUNDS] [SAVES]: what following changes costs, on SQLite and (where
// PREFDESK_PG_URL is set) PostgreSQL, each on fresh databases made by the test fixture.
//  - save cost: a full layout save (user 3's titles and lists removed, then the catalogue's 12
//    titles and 308 lists written one statement each, in one transaction) on a server with
//    the change stamps, on one without triggers and on one whose layout tables have triggers
//    that do nothing (the floor of any trigger), in turn, ROUNDS times each; the medians.
//  - latency: another process commits SAVES single-setting saves 20 ms apart; the time from
//    the return of its commit to the watch's callback here (both take the monotonic clock of
//    the machine); median and 99th percentile.
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "host/datacenter/preference_watch.h"
#include "src/storage/datacenter.h"
#include "support/temp_databases.h"

using namespace prefdesk;
using test_support::ServerBackend;
using test_support::TempDatabases;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int32_t kUser = 3;

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5)];
}

void DropStamps(const TempDatabases& db) {
  if (db.Backend() == ServerBackend::kPostgres) {
    db.ExecServer("SET client_min_messages = warning; DROP FUNCTION PREFDESK_STAMP_CHANGE() CASCADE");
    return;
  }
  for (const auto& row : db.ServerRows("SELECT name FROM sqlite_master WHERE type = 'trigger'")) {
    db.ExecServer("DROP TRIGGER " + row.at(0));
  }
}

// The floor of any trigger: one on each layout table that does nothing.
void EmptyTriggers(const TempDatabases& db) {
  DropStamps(db);
  for (const std::string table : {"T_PHBUTTON", "T_PVBUTTON"}) {
    if (db.Backend() == ServerBackend::kPostgres) {
      db.ExecServer("CREATE OR REPLACE FUNCTION EMPTY_TRIGGER() RETURNS TRIGGER LANGUAGE plpgsql AS "
                    "$$ BEGIN RETURN NULL; END $$; CREATE TRIGGER empty AFTER INSERT OR UPDATE OR DELETE ON " +
                    table + " FOR EACH ROW EXECUTE FUNCTION EMPTY_TRIGGER()");
    } else {
      for (const std::string event : {"INSERT", "UPDATE", "DELETE"}) {
        db.ExecServer("CREATE TRIGGER " + table + "_EMPTY_" + event + " AFTER " + event + " ON " + table +
                      " BEGIN SELECT 1; END");
      }
    }
  }
}

// The full layout save; returns its time in ms.
double SaveLayout(const TempDatabases& db, storage::DataCenter& dc) {
  static std::vector<std::string> titles, lists;
  if (titles.empty()) {
    for (const auto& r : db.ServerRows("SELECT F_HBUTTONID, F_SEQUENCENO FROM SYSTBLHBUTTON ORDER BY 1")) {
      titles.push_back(std::to_string(kUser) + "," + r[0] + "," + r[1] + ",1,0");
    }
    int position = 0;
    for (const auto& r : db.ServerRows("SELECT F_VBUTTONID, F_HBUTTONID, F_PVBUTTONID FROM SYSTBLVBUTTON ORDER BY 1")) {
      lists.push_back(std::to_string(kUser) + "," + r[0] + "," + r[1] + "," + (r[2] == "NULL" ? "0" : r[2]) + "," +
                      std::to_string(++position) + ",1,1,0,NULL");
    }
  }
  const auto start = Clock::now();
  dc.BeginTrans();
  dc.Delete("T_PHBUTTON", "F_UID=" + std::to_string(kUser));
  dc.Delete("T_PVBUTTON", "F_UID=" + std::to_string(kUser));
  for (const std::string& values : titles) {
    dc.Insert("T_PHBUTTON", "F_UID,F_HBUTTONID,F_SEQUENCENO,F_ISVISIBLE,F_ISPRIMARY", values);
  }
  for (const std::string& values : lists) {
    dc.Insert("T_PVBUTTON", "F_UID,F_VBUTTONID,F_HBUTTONID,F_PVBUTTONID,F_SEQUENCENO,F_ISVISIBLE,"
                            "F_DEFAULTVISIBLE,F_ISPRIMARY,F_DEFQUERYID", values);
  }
  if (dc.CommitTrans() != 0) std::fprintf(stderr, "save failed: %s\n", dc.GetErrInfo().Description.c_str());
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void SaveCost(ServerBackend backend, int rounds) {
  TempDatabases stamped(kUser, backend), plain(kUser, backend), empty(kUser, backend);
  DropStamps(plain);
  EmptyTriggers(empty);
  const TempDatabases* stores[3] = {&stamped, &plain, &empty};
  std::vector<double> times[3];
  for (int i = 0; i < rounds + 3; ++i) {  // the first rounds warm up; the order turns each round
    for (int k = 0; k < 3; ++k) {
      const int store = (i + k) % 3;
      const double ms = SaveLayout(*stores[store], *stores[store]->Server());
      if (i >= 3) times[store].push_back(ms);
    }
  }
  const double s = Percentile(times[0], 0.5), p = Percentile(times[1], 0.5), e = Percentile(times[2], 0.5);
  std::printf("  full layout save (320 rows), median of %d: %.2f ms with change stamps (%+.1f %%), %.2f ms "
              "without triggers, %.2f ms with empty triggers (%+.1f %%)\n",
              rounds, s, (s / p - 1) * 100, p, e, (e / p - 1) * 100);
}

void Latency(ServerBackend backend, int saves) {
  TempDatabases db(kUser, backend);
  db.ExecServer("INSERT INTO T_PMISC (F_UID, F_MAXHISTORY) VALUES (3, 5)");
  std::vector<std::pair<Clock::time_point, int64_t>> seen;  // callback time, stamp
  auto record = [&](const datacenter::PreferenceChange& change) { seen.emplace_back(Clock::now(), change.stamp); };
#ifdef PREFDESK_HAVE_POSTGRESQL
  const auto watch = backend == ServerBackend::kPostgres
                         ? datacenter::WatchPostgres(db.PostgresUrl(), db.PostgresSchema(), kUser, record)
                         : datacenter::WatchSqlite(db.ServerPath().string(), kUser, record);
#else
  const auto watch = datacenter::WatchSqlite(db.ServerPath().string(), kUser, record);
#endif
  const int64_t base = db.ServerInt("SELECT F_STAMP FROM T_PCHANGE WHERE F_UID = 3");
  int commits[2];
  if (pipe(commits) != 0) return;
  const pid_t child = fork();
  if (child == 0) {
    const storage::DataCenterRef dc = db.NewServerClient(kUser);
    for (int i = 0; i < saves; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      dc->BeginTrans();
      dc->Update("T_PMISC", "F_MAXHISTORY=" + std::to_string(i % 2 ? 5 : 10), "", "F_UID=3");
      dc->CommitTrans();
      const int64_t at = Clock::now().time_since_epoch().count();
      if (write(commits[1], &at, sizeof at) != sizeof at) break;
    }
    _exit(0);
  }
  close(commits[1]);
  std::vector<Clock::time_point> committed;
  pollfd fds[2] = {{commits[0], POLLIN, 0}, {watch->Descriptor(), POLLIN, 0}};
  while (seen.empty() || seen.back().second < base + saves) {
    if (poll(fds, 2, 3000) <= 0) break;
    if (fds[1].revents) watch->Dispatch();
    int64_t at = 0;
    if (fds[0].revents && read(commits[0], &at, sizeof at) == sizeof at) {
      committed.push_back(Clock::time_point(Clock::duration(at)));
    } else if (fds[0].revents & POLLHUP) {
      fds[0].fd = -1;
    }
  }
  // The last commits' times may come after their callbacks.
  for (int64_t at = 0; read(commits[0], &at, sizeof at) == sizeof at;) {
    committed.push_back(Clock::time_point(Clock::duration(at)));
  }
  waitpid(child, nullptr, 0);
  close(commits[0]);
  std::vector<double> latencies;
  for (size_t i = 0; i < committed.size(); ++i) {
    const auto reported = std::find_if(seen.begin(), seen.end(), [&](const auto& s) {
      return s.second >= base + static_cast<int64_t>(i) + 1;
    });
    if (reported == seen.end()) continue;
    latencies.push_back(std::chrono::duration<double, std::milli>(reported->first - committed[i]).count());
  }
  std::printf("  commit to callback over %zu of %d saves (%zu callbacks): median %.2f ms, p99 %.2f ms, "
              "max %.2f ms\n", latencies.size(), saves, seen.size(), Percentile(latencies, 0.5),
              Percentile(latencies, 0.99), latencies.empty() ? 0 : *std::max_element(latencies.begin(), latencies.end()));
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;
  const int saves = argc > 2 ? std::atoi(argv[2]) : 200;
  std::vector<ServerBackend> engines = {ServerBackend::kSqlite};
  if (!test_support::PostgresUrlFromEnvironment().empty()) engines.push_back(ServerBackend::kPostgres);
  for (ServerBackend backend : engines) {
    std::printf("%s:\n", backend == ServerBackend::kSqlite ? "SQLite" : "PostgreSQL");
    std::fflush(stdout);
    SaveCost(backend, rounds);
    std::fflush(stdout);
    Latency(backend, saves);
    std::fflush(stdout);
  }
  return 0;
}
