#!/usr/bin/env bash
# Builds and runs the time-to-window benchmark (Release, the benchmarks' build folder) on the
# offscreen Qt platform and prints its figures.
#   bench/window/run.sh [repetitions] [extra benchmark arguments...]
# Environment: BUILD_DIR (default build/bench under the project).
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BUILD_DIR:-$root/build/bench}"
repetitions="${1:-5}"
shift || true

cmake -S "$root" -B "$build" -DPREFDESK_BENCH=ON -DPREFDESK_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target prefdesk_window_bench >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/window/prefdesk_window_bench" \
  --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true "$@" \
  2> >(grep -v "This plugin does not support" >&2)
