// The single-setting readers for a user with a settings row on the server.
#include <benchmark/benchmark.h>

#include <functional>

#include "bench/bench_env.h"
#include "bench/side_by_side.h"

namespace prefdesk::bench {
namespace {

using Reader = std::function<bool(component::ClsPrefdesk&, const storage::DataCenterRef&,
                                  const std::shared_ptr<ado::Connection>&)>;

void RunReader(benchmark::State& state, const Reader& reader) {
  BenchEnv& env = BenchEnv::Get(static_cast<int>(state.range(0)));
  component::ClsPrefdesk& prefdesk = env.Use(kSavedUser);
  const auto local = env.Databases().Local();
  bool failed = false;
  const auto floor = env.Capture([&](const storage::DataCenterRef& dc) {
    failed = reader(prefdesk, dc, local);
  });
  if (failed) {
    state.SkipWithError("the reader failed");
    return;
  }
  const storage::DataCenterRef service = env.Service();
  SideBySide(state, {}, [&] { failed |= reader(prefdesk, service, local); }, *floor);
  if (failed) state.SkipWithError("the reader failed");
}

void GetValsCalendar(benchmark::State& state) {
  RunReader(state, [](auto& p, const auto& dc, const auto& cn) {
    automation::Date duration, start, end, alarm;
    int32_t interval = 0;
    return p.GetValsCalendar(dc, cn, duration, start, end, alarm, interval);
  });
}

void GetValMaxHistoryRecords(benchmark::State& state) {
  RunReader(state, [](auto& p, const auto& dc, const auto& cn) {
    int32_t value = 0;
    return p.GetValMaxHistoryRecords(dc, cn, value);
  });
}

void GetValForecast(benchmark::State& state) {
  RunReader(state, [](auto& p, const auto& dc, const auto&) {
    int32_t month = 0, quarter = 0, year = 0;
    return p.GetValForecast(dc, month, quarter, year);
  });
}

void GetValExpenseReport(benchmark::State& state) {
  RunReader(state, [](auto& p, const auto& dc, const auto& cn) {
    std::string charge;
    automation::Currency advance;
    return p.GetValExpenseReport(dc, cn, charge, advance);
  });
}

void GetValProductComparisonRecords(benchmark::State& state) {
  RunReader(state, [](auto& p, const auto& dc, const auto&) {
    int32_t value = 0;
    return p.GetValProductComparisonRecords(dc, value);
  });
}

#define PREFDESK_READER(name) \
  BENCHMARK(name)->Arg(1)->Arg(10)->UseManualTime()->Unit(benchmark::kMicrosecond)

PREFDESK_READER(GetValsCalendar);
PREFDESK_READER(GetValMaxHistoryRecords);
PREFDESK_READER(GetValForecast);
PREFDESK_READER(GetValExpenseReport);
PREFDESK_READER(GetValProductComparisonRecords);

}  // namespace
}  // namespace prefdesk::bench
