// prefdesk_scale: times each operation of the component for one user on several server stores
// side by side (each repetition runs every operation once on every store, in turn) and prints
// the medians with the growth from the first store of an engine to its last.
//   prefdesk_scale --defaults LOCAL.db [--repetitions R] [--record FILE]
//                  (--sqlite USERS PATH | --pg USERS URL SCHEMA)...
// --record writes the SQL of the data-service calls of one run of every operation on the
// first store, one statement a line.
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/scale/scale_operations.h"
#include "host/datacenter/statement_recorder.h"
#include "host/datacenter/postgres_data_center.h"
#include "host/datacenter/sqlite_datacenter.h"
#include "host/datacenter/statement_recorder.h"
#include "platform/ui/headless_driver.h"
#include "platform/ui/toolkit.h"
#include "src/dialog/register_dialog.h"
#include "src/resources/strings.h"

namespace prefdesk::bench {
namespace {

struct Store {
  std::string engine;
  long users = 0;
  ScaleStore store;
};

struct Arguments {
  std::string defaults;
  int repetitions = 5;
  std::string record;
  std::vector<Store> stores;
};

storage::DataCenterRef OpenServer(const std::string& engine, const std::string& target,
                                  const std::string& schema) {
  if (engine == "sqlite") return std::make_shared<datacenter::SqliteDataCenter>(target, 0);
#ifdef PREFDESK_HAVE_POSTGRESQL
  datacenter::PostgresSettings settings;
  settings.schema = schema;
  settings.call_timeout_ms = 600000;  // the slowest stores are the point of the measurement
  return std::make_shared<datacenter::PostgresDataCenter>(target, 0, settings);
#else
  throw std::runtime_error("built without PostgreSQL");
#endif
}

Arguments Parse(int argc, char** argv) {
  Arguments a;
  auto next = [&](int& i) -> std::string {
    if (i + 1 >= argc) throw std::runtime_error(std::string("missing value after ") + argv[i]);
    return argv[++i];
  };
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--defaults") {
      a.defaults = next(i);
    } else if (arg == "--repetitions") {
      a.repetitions = std::stoi(next(i));
    } else if (arg == "--record") {
      a.record = next(i);
    } else if (arg == "--sqlite" || arg == "--pg") {
      Store s;
      s.engine = arg.substr(2);
      s.users = std::stol(next(i));
      const std::string target = next(i);
      const std::string schema = s.engine == "pg" ? next(i) : std::string();
      s.store.server = OpenServer(s.engine, target, schema);
      a.stores.push_back(std::move(s));
    } else {
      throw std::runtime_error("unknown argument " + arg);
    }
  }
  if (a.defaults.empty() || a.stores.empty()) throw std::runtime_error("--defaults and a store are needed");
  for (Store& s : a.stores) {
    s.store.local_connection_string = "Data Source=" + a.defaults + ";";
    s.store.local = ado::Connection::Create();
    s.store.local->Open(s.store.local_connection_string);
  }
  return a;
}

void Record(const Store& first, const std::string& file) {
  auto recorder = std::make_shared<datacenter::StatementRecorder>(first.store.server);
  ScaleStore recorded = first.store;
  recorded.server = recorder;
  for (const ScaleOperation& op : ScaleOperations()) {
    if (op.prepare) op.prepare(recorded);
    recorder->Clear();
    if (op.run(recorded)) throw std::runtime_error(op.name + " failed");
    std::ofstream out(file, std::ios::app);
    for (const std::string& sql : datacenter::SqliteStatements(recorder->Calls())) out << sql << '\n';
  }
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string Time(double seconds) {
  char text[32];
  if (seconds >= 1) std::snprintf(text, sizeof text, "%.2f s", seconds);
  else if (seconds >= 1e-3) std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
  else std::snprintf(text, sizeof text, "%.1f us", seconds * 1e6);
  return text;
}

int Run(const Arguments& a) {
  if (!a.record.empty()) {
    std::ofstream(a.record, std::ios::trunc);
    Record(a.stores.front(), a.record);
  }
  const auto& operations = ScaleOperations();
  // samples[operation][store]; the first round warms the caches and is not kept.
  std::vector<std::vector<std::vector<double>>> samples(
      operations.size(), std::vector<std::vector<double>>(a.stores.size()));
  // A sample is the mean of as many runs as take about 0.2 s on the slowest store (the count
  // is taken in the warm-up round), so that a save, not only the fast readers, is averaged
  // over several runs; the stores take turns run by run, so that a disturbance of the machine
  // falls on all of them alike, and each takes each place in the turn.
  std::vector<int> runs(operations.size(), 1);
  for (int round = 0; round <= a.repetitions; ++round) {
    for (size_t o = 0; o < operations.size(); ++o) {
      const ScaleOperation& op = operations[o];
      std::vector<std::chrono::duration<double>> took(a.stores.size());
      for (int r = 0; r < runs[o]; ++r) {
        for (size_t turn = 0; turn < a.stores.size(); ++turn) {
          const size_t s = (turn + round + r) % a.stores.size();
          if (op.prepare) op.prepare(a.stores[s].store);
          const auto start = std::chrono::steady_clock::now();
          const bool failed = op.run(a.stores[s].store);
          took[s] += std::chrono::steady_clock::now() - start;
          if (failed) throw std::runtime_error(op.name + " failed on store " + std::to_string(s + 1));
        }
      }
      for (size_t s = 0; s < a.stores.size(); ++s) {
        if (round > 0) samples[o][s].push_back(took[s].count() / runs[o]);
      }
      if (round == 0) {
        const auto slowest = *std::max_element(took.begin(), took.end());
        runs[o] = std::clamp(static_cast<int>(0.2 / slowest.count()), 1, 1000);
      }
    }
  }
  std::map<std::string, std::vector<size_t>> by_engine;
  for (size_t s = 0; s < a.stores.size(); ++s) by_engine[a.stores[s].engine].push_back(s);
  int over = 0;
  for (const auto& [engine, stores] : by_engine) {
    std::printf("\n%s, users on the server:\n%-32s", engine.c_str(), "operation");
    for (size_t s : stores) std::printf("%12ld", a.stores[s].users);
    std::printf("   growth  <=1.2x\n");
    for (size_t o = 0; o < operations.size(); ++o) {
      std::printf("%-32s", operations[o].name.c_str());
      for (size_t s : stores) std::printf("%12s", Time(Median(samples[o][s])).c_str());
      const double growth = Median(samples[o][stores.back()]) / Median(samples[o][stores.front()]);
      over += growth > 1.2;
      std::printf("%9.2f  %s\n", growth, growth > 1.2 ? "NO" : "yes");
    }
  }
  std::printf("\nmedians of %d repetitions; growth: the last store of an engine over its first\n",
              a.repetitions);
  return over > 0 ? 1 : 0;
}

}  // namespace
}  // namespace prefdesk::bench

int main(int argc, char** argv) {
  prefdesk::ui::Toolkit::Current().SetFrontEnd(std::make_shared<prefdesk::ui::HeadlessDriver>());
  prefdesk::resources::SetInterfaceLanguage(1033);
  prefdesk::dialog::RegisterOptionDialog();
  try {
    return prefdesk::bench::Run(prefdesk::bench::Parse(argc, argv));
  } catch (const std::exception& e) {
    std::cerr << "prefdesk_scale: " << e.what() << '\n';
    return 2;
  }
}
