#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for a while; crashes and their inputs land in the work folder.
#   fuzz/run.sh [seconds-per-target] [work-folder]      (default 60, build/fuzz)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
work=${2:-$root/build/fuzz}

if ! command -v clang++ >/dev/null 2>&1; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends clang >/dev/null
fi
mkdir -p "$work/obj"
flags=(-std=c++20 -O1 -g -I"$root" -fsanitize=address,undefined -fno-sanitize-recover=undefined)

# The code under fuzzing, compiled once for every target.
sources=("$root"/platform/automation/*.cpp "$root"/platform/ado/*.cpp
         "$root"/host/datacenter/postgres_values.cpp)
objects=()
for src in "${sources[@]}"; do
  obj="$work/obj/$(basename "$(dirname "$src")")_$(basename "${src%.cpp}").o"
  if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ]; then
    clang++ "${flags[@]}" -fsanitize=fuzzer-no-link -c "$src" -o "$obj"
  fi
  objects+=("$obj")
done

status=0
for target in "$root"/fuzz/*_fuzz.cpp; do
  name=$(basename "${target%.cpp}")
  clang++ "${flags[@]}" -fsanitize=fuzzer "$target" "${objects[@]}" -lsqlite3 -o "$work/$name"
  mkdir -p "$work/corpus/$name" "$work/crashes/$name"
  echo "== $name: $seconds s"
  if ! (cd "$work/crashes/$name" && "$work/$name" -max_total_time="$seconds" -max_len=512 \
          -print_final_stats=1 "$work/corpus/$name" 2>"$work/$name.log"); then
    echo "$name found a failure: see $work/$name.log and $work/crashes/$name" >&2
    status=1
  fi
  grep -E "stat::number_of_executed_units|stat::new_units_added" "$work/$name.log" || true
done
exit $status
