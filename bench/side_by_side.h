// Timing of an operation next to its two floors in the same iterations, so all three see the
// same machine load. The iteration time is the operation's; the counters give the means and
// the ratios.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>

#include "bench/floor.h"

namespace prefdesk::bench {

// prepare runs before every iteration, outside the timings. The order of operation, floor and
// stricter floor rotates between iterations.
void SideBySide(benchmark::State& state, const std::function<void()>& prepare,
                const std::function<void()>& operation, Floor& floor);

// The operation alone (for the scaling figures of operations without a floor of their own).
void TimeAlone(benchmark::State& state, const std::function<void()>& prepare,
               const std::function<void()>& operation);

}  // namespace prefdesk::bench
