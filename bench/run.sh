#!/usr/bin/env bash
# Builds the benchmarks (Release, own build folder), runs them with repetitions and prints the
# figures: each operation beside its floor, and the growth from the seeded catalogue to the
# ten times larger one.
#   bench/run.sh [repetitions] [extra benchmark arguments...]
# Environment: BUILD_DIR (default build/bench under the project), JSON (default BUILD_DIR/bench.json).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
build="${BUILD_DIR:-$root/build/bench}"
json="${JSON:-$build/bench.json}"
repetitions="${1:-5}"
shift || true

cmake -S "$root" -B "$build" -DPREFDESK_BENCH=ON -DPREFDESK_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target prefdesk_bench >/dev/null

"$build/bench/prefdesk_bench" \
  --benchmark_repetitions="$repetitions" \
  --benchmark_report_aggregates_only=false \
  --benchmark_out="$json" --benchmark_out_format=json \
  --benchmark_format=console "$@" >"$build/bench.txt"

python3 "$here/report.py" "$json"
