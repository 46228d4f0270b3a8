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
  double operation_total = 0;
  double floor_total = 0;
  long values = 0;
  const auto floor_run = [&] { values += floor.Run(); };
  bool operation_first = true;
  for (auto _ : state) {
    if (prepare) prepare();
    double operation_time;
    if (operation_first) {
      operation_time = Seconds(operation);
      floor_total += Seconds(floor_run);
    } else {
      floor_total += Seconds(floor_run);
      operation_time = Seconds(operation);
    }
    operation_first = !operation_first;
    operation_total += operation_time;
    state.SetIterationTime(operation_time);
  }
  benchmark::DoNotOptimize(values);
  const double n = static_cast<double>(state.iterations());
  state.counters["component_us"] = operation_total * 1e6 / n;
  state.counters["floor_us"] = floor_total * 1e6 / n;
  state.counters["ratio"] = floor_total > 0 ? operation_total / floor_total : 0;
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
