// One client of the PostgreSQL data service across a server outage, driven by
// tests/load/outage.sh through its standard input: each line names a phase ("up", "down",
// "frozen"); the client then makes a few calls and prints, per call, how long it took, its
// result and ErrInfo. It exits non-zero when a call took 5 s or more, failed without a clear
// ErrInfo, failed with the server up or succeeded with it stopped.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "host/datacenter/postgres_data_center.h"
#include "host/datacenter/postgres_schema.h"
#include "platform/automation/error.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: prefdesk-outage URL (phases on standard input)\n");
    return 2;
  }
  using prefdesk::datacenter::PostgresDataCenter;
  const std::string url = argv[1];
  try {
    prefdesk::datacenter::BuildPostgresSchema(PREFDESK_DATA_DIR, url, "outage");
  } catch (const prefdesk::automation::AutomationError& e) {
    std::fprintf(stderr, "cannot build the server database: %s\n", e.Description().c_str());
    return 1;
  }
  prefdesk::datacenter::PostgresSettings settings;
  settings.schema = "outage";
  PostgresDataCenter dc(url, 1, settings);
  int faults = 0;
  for (std::string phase; std::getline(std::cin, phase);) {
    const bool up = phase == "up";
    for (int call = 1; call <= 3; ++call) {
      std::shared_ptr<prefdesk::ado::Recordset> rs;
      const auto start = std::chrono::steady_clock::now();
      const int32_t rows = dc.OpenRecordsetByString(rs, "Select * From SYSTBLHBUTTON");
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      const auto info = dc.GetErrInfo();
      std::printf("%s call %d: %.3f s, result %d", phase.c_str(), call, seconds, rows);
      if (rows < 0) std::printf(", ErrInfo %d %s: %s", info.Number, info.Source.c_str(), info.Description.c_str());
      std::printf("\n");
      // Stopped: every call fails. Frozen: the first call gives up on the silent session and
      // the next ones may get a new one. Always: within 5 s, and a failure says why.
      const bool unclear = rows < 0 && (info.Number >= 0 || info.Description.empty());
      const bool must_fail = phase == "down" || (phase == "frozen" && call == 1);
      if (seconds >= 5.0 || unclear || (up && rows != 12) || (must_fail && rows >= 0)) ++faults;
    }
    std::printf("phase %s done\n", phase.c_str());
    std::fflush(stdout);
  }
  return faults == 0 ? 0 : 1;
}
