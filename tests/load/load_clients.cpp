// Many clients at once on one server database: each client process saves its own user's
// layout again and again (delete and insert in one transaction, as the layout writer does)
// and reads it back, while reader processes read everybody's. Every layout carries its save
// number in each row, so a lost, mixed or partial layout is seen at once.
//   prefdesk-load sqlite FILE | postgres URL  [clients] [saves] [readers]
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "host/datacenter/database_files.h"
#include "host/datacenter/sqlite_datacenter.h"
#include "platform/automation/conversions.h"
#include "platform/automation/error.h"
#ifdef PREFDESK_HAVE_POSTGRESQL
#include "host/datacenter/postgres_data_center.h"
#include "host/datacenter/postgres_schema.h"
#endif

namespace {

using prefdesk::storage::DataCenter;
using prefdesk::storage::DataCenterRef;

constexpr int kRows = 12;         // titles in a layout
constexpr int kFirstUser = 1000;  // clients are users 1000, 1001, ...
constexpr int kMaxAttempts = 50;

struct Target {
  std::string backend;  // "sqlite" or "postgres"
  std::string where;    // file or URL
  std::string schema;
};

DataCenterRef Connect(const Target& target, int uid) {
#ifdef PREFDESK_HAVE_POSTGRESQL
  if (target.backend == "postgres") {
    prefdesk::datacenter::PostgresSettings settings;
    settings.schema = target.schema;
    return std::make_shared<prefdesk::datacenter::PostgresDataCenter>(target.where, uid, settings);
  }
#endif
  return std::make_shared<prefdesk::datacenter::SqliteDataCenter>(target.where, uid);
}

// What one process counted; written whole to the pipe the parent reads (one write of a few
// bytes is atomic).
struct Tally {
  long saves = 0, reads = 0, retries = 0, failures = 0, bad = 0, reader_reads = 0;
};

// Reads the user's layout: true when it is whole (kRows rows, one save number), and that
// number in generation (-1 for no layout). False on a torn layout; failed reads retry.
bool ReadLayout(DataCenter& dc, int uid, int& generation, Tally& tally) {
  for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
    std::shared_ptr<prefdesk::ado::Recordset> rs;
    const int32_t n = dc.OpenRecordsetByString(
        rs, "Select F_HBUTTONID, F_SEQUENCENO From T_PHBUTTON Where F_UID=" +
                std::to_string(uid) + " Order By F_HBUTTONID");
    if (n < 0) {
      ++tally.retries;
      usleep(2000);
      continue;
    }
    ++tally.reads;
    std::set<int> generations;
    for (; !rs->IsEOF(); rs->MoveNext()) {
      generations.insert(prefdesk::automation::CLng((*rs)["F_SEQUENCENO"]));
    }
    if (n == 0) {
      generation = -1;
      return true;
    }
    generation = *generations.begin();
    return n == kRows && generations.size() == 1;
  }
  ++tally.failures;
  generation = -2;
  return false;
}

bool SaveLayout(DataCenter& dc, int uid, int generation, Tally& tally) {
  const std::string id = std::to_string(uid);
  for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
    // A BeginTrans that fails leaves a doomed transaction whose statements fail.
    dc.BeginTrans();
    bool ok = dc.Delete("T_PHBUTTON", "F_UID=" + id) >= 0;
    for (int title = 1; ok && title <= kRows; ++title) {
      ok = dc.Insert("T_PHBUTTON", "F_UID,F_HBUTTONID,F_SEQUENCENO,F_ISVISIBLE,F_ISPRIMARY",
                     id + ", " + std::to_string(title) + ", " + std::to_string(generation) +
                         ", 1, " + (title == 1 ? "1" : "0")) == 1;
    }
    if (ok) {
      if (dc.CommitTrans() >= 0) {
        ++tally.saves;
        return true;
      }
    }
    if (dc.InTransaction()) dc.RollbackTrans();
    ++tally.retries;
    usleep(1000 * (1 + attempt));
  }
  ++tally.failures;
  return false;
}

Tally RunClient(const Target& target, int uid, int saves) {
  Tally tally;
  DataCenterRef dc = Connect(target, uid);
  for (int generation = 1; generation <= saves; ++generation) {
    if (!SaveLayout(*dc, uid, generation, tally)) continue;
    int seen = 0;
    if (!ReadLayout(*dc, uid, seen, tally) || seen != generation) {
      ++tally.bad;
      std::fprintf(stderr, "user %d: saved %d, read %d\n", uid, generation, seen);
    }
  }
  return tally;
}

Tally RunReader(const Target& target, int clients, int rounds) {
  Tally tally;
  DataCenterRef dc = Connect(target, 1);
  for (int round = 0; round < rounds; ++round) {
    for (int c = 0; c < clients; ++c) {
      int seen = 0;
      if (!ReadLayout(*dc, kFirstUser + c, seen, tally)) {
        ++tally.bad;
        std::fprintf(stderr, "reader: user %d torn\n", kFirstUser + c);
      }
    }
  }
  tally.reader_reads = tally.reads;
  return tally;
}

int Usage() {
  std::fprintf(stderr, "usage: prefdesk-load sqlite FILE | postgres URL [clients] [saves] [readers]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  Target target{argv[1], argv[2], ""};
  const int clients = argc > 3 ? std::atoi(argv[3]) : 8;
  const int saves = argc > 4 ? std::atoi(argv[4]) : 100;
  const int readers = argc > 5 ? std::atoi(argv[5]) : 2;
  try {
    if (target.backend == "sqlite") {
      prefdesk::datacenter::BuildDatabase(PREFDESK_DATA_DIR, prefdesk::datacenter::kServerDatabase,
                                          target.where);
#ifdef PREFDESK_HAVE_POSTGRESQL
    } else if (target.backend == "postgres") {
      target.schema = "prefdesk_load_" + std::to_string(getpid());
      prefdesk::datacenter::BuildPostgresSchema(PREFDESK_DATA_DIR, target.where, target.schema);
#endif
    } else {
      return Usage();
    }
  } catch (const prefdesk::automation::AutomationError& e) {
    std::fprintf(stderr, "cannot build the server database: %s\n", e.Description().c_str());
    return 1;
  }

  const auto start = std::chrono::steady_clock::now();
  int pipes[2];
  if (pipe(pipes) != 0) return 1;
  const int processes = clients + readers;
  for (int p = 0; p < processes; ++p) {
    if (fork() == 0) {
      close(pipes[0]);
      const Tally t = p < clients ? RunClient(target, kFirstUser + p, saves)
                                  : RunReader(target, clients, saves);
      if (write(pipes[1], &t, sizeof t) != sizeof t) _exit(1);
      _exit(0);
    }
  }
  close(pipes[1]);
  Tally total;
  int reported = 0;
  for (Tally t; read(pipes[0], &t, sizeof t) == sizeof t; ++reported) {
    total.saves += t.saves;
    total.reads += t.reads;
    total.retries += t.retries;
    total.failures += t.failures;
    total.bad += t.bad;
    total.reader_reads += t.reader_reads;
  }
  int crashed = 0;
  for (int status; wait(&status) > 0;) {
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ++crashed;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  // The final layouts, read once more by a fresh client.
  Tally check;
  DataCenterRef dc = Connect(target, 1);
  int wrong_final = 0;
  for (int c = 0; c < clients; ++c) {
    int seen = 0;
    if (!ReadLayout(*dc, kFirstUser + c, seen, check) || seen != saves) ++wrong_final;
  }
#ifdef PREFDESK_HAVE_POSTGRESQL
  if (target.backend == "postgres") {
    dc.reset();
    try {
      prefdesk::datacenter::DropPostgresSchema(target.where, target.schema);
    } catch (const prefdesk::automation::AutomationError&) {
    }
  }
#endif
  std::printf("%s: %d clients x %d saves, %d readers: %ld saves, %ld reads (%ld by readers), "
              "%ld retries, %ld failures, %ld lost/mixed/partial, %d wrong final layouts, "
              "%d processes crashed, %.2f s, %.0f saves/s\n",
              target.backend.c_str(), clients, saves, readers, total.saves, total.reads,
              total.reader_reads, total.retries, total.failures, total.bad, wrong_final,
              crashed + (processes - reported), seconds, total.saves / seconds);
  const bool ok = total.saves == static_cast<long>(clients) * saves && total.failures == 0 &&
                  total.bad == 0 && wrong_final == 0 && crashed == 0 && reported == processes;
  return ok ? 0 : 1;
}
