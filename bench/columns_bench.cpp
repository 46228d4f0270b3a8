// The column bar of the host and the user's primary title, for a user with a saved layout.
#include <benchmark/benchmark.h>

#include "bench/bench_env.h"
#include "bench/side_by_side.h"
#include "platform/columnsbar/columns_bar.h"

namespace prefdesk::bench {
namespace {

void ReadColumnsBar(benchmark::State& state) {
  BenchEnv& env = BenchEnv::Get(static_cast<int>(state.range(0)));
  component::ClsPrefdesk& prefdesk = env.Use(kSavedUser);
  const std::string connection_string = env.Databases().LocalConnectionString();
  bool failed = false;
  const auto read = [&](const storage::DataCenterRef& dc) {
    std::shared_ptr<columnsbar::ColumnsBar> bar;
    failed |= prefdesk.ReadColumnsBar(connection_string, dc, bar);
    benchmark::DoNotOptimize(bar);
  };
  // The operation opens its own local connection each time, so the floor does too.
  const auto floor = env.Capture(read, true);
  const storage::DataCenterRef service = env.Service();
  SideBySide(state, {}, [&] { read(service); }, *floor);
  if (failed) state.SkipWithError("ReadColumnsBar failed");
}

void GetDefaultColumn(benchmark::State& state) {
  BenchEnv& env = BenchEnv::Get(static_cast<int>(state.range(0)));
  component::ClsPrefdesk& prefdesk = env.Use(kSavedUser);
  const auto local = env.Databases().Local();
  bool failed = false;
  std::string name, caption;
  const auto read = [&](const storage::DataCenterRef& dc) {
    failed |= prefdesk.GetDefaultColumn(local, dc, name, caption);
  };
  const auto floor = env.Capture(read);
  if (name.empty()) state.SkipWithError("the user has no primary title");
  const storage::DataCenterRef service = env.Service();
  SideBySide(state, {}, [&] { read(service); }, *floor);
  if (failed) state.SkipWithError("GetDefaultColumn failed");
}

BENCHMARK(ReadColumnsBar)->Arg(1)->Arg(10)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(GetDefaultColumn)->Arg(1)->Arg(10)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace prefdesk::bench
