#include "bench/side_by_side.h"

#include <chrono>

namespace prefdesk::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& run) {
  const auto start = Clock::now();
  run();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

void SideBySide(benchmark::State& state, const std::function<void()>& prepare,
                const std::function<void()>& operation, Floor& floor) {
  double totals[3] = {0, 0, 0};  // the operation, the floor, the stricter floor
  long values = 0;
  const std::function<void()> runs[3] = {
      operation, [&] { values += floor.Run(); }, [&] { values += floor.RunPrepared(); }};
  int first = 0;
  for (auto _ : state) {
    if (prepare) prepare();
    double operation_time = 0;
    for (int k = 0; k < 3; ++k) {
      const int which = (first + k) % 3;
      const double time = Seconds(runs[which]);
      totals[which] += time;
      if (which == 0) operation_time = time;
    }
    first = (first + 1) % 3;
    state.SetIterationTime(operation_time);
  }
  benchmark::DoNotOptimize(values);
  const double n = static_cast<double>(state.iterations());
  state.counters["component_us"] = totals[0] * 1e6 / n;
  state.counters["floor_us"] = totals[1] * 1e6 / n;
  state.counters["ratio"] = totals[1] > 0 ? totals[0] / totals[1] : 0;
  state.counters["prepared_us"] = totals[2] * 1e6 / n;
  state.counters["prepared_ratio"] = totals[2] > 0 ? totals[0] / totals[2] : 0;
  state.counters["statements"] = static_cast<double>(floor.Statements().size());
}

void TimeAlone(benchmark::State& state, const std::function<void()>& prepare,
               const std::function<void()>& operation) {
  double total = 0;
  for (auto _ : state) {
    if (prepare) prepare();
    const double time = Seconds(operation);
    total += time;
    state.SetIterationTime(time);
  }
  state.counters["component_us"] = total * 1e6 / static_cast<double>(state.iterations());
}

}  // namespace prefdesk::bench
