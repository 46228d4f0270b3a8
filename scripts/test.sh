#!/usr/bin/env bash
# Builds Prefdesk and runs the whole test suite: every test program with the server database
# on SQLite, then the data service and integration programs again with it on a throw-away
# PostgreSQL server, with the failover from a primary to its standby (a pair of servers of its
# own), then the Debian packages made from the same build folder and used from a throw-away
# root (tests/package/check_packages.sh), then the unit programs of the automation values and
# the record sets (the code that owns memory and reads the engine's buffers) built with
# AddressSanitizer and UndefinedBehaviorSanitizer (PREFDESK_SANITIZE_TESTS=0 leaves that out).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${PREFDESK_BUILD_DIR:-$root/build/test}"
sanitize_build="${PREFDESK_SANITIZE_BUILD_DIR:-$root/build/test-sanitize}"
started=$SECONDS
stage() { echo "== $1 ($((SECONDS - started)) s)"; }

bash "$root/scripts/deps.sh"
stage "build"
# Optimised as RelWithDebInfo but without debug information, which costs a fifth of the compile
# time and serves no test here: failures are reported by file and line, and the sanitizer build
# below keeps its debug information for stack traces.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPREFDESK_TESTS=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DPREFDESK_WERROR=ON >/dev/null
cmake --build "$build" -j2
stage "tests, server database on SQLite"
ctest --test-dir "$build" --output-on-failure -j2

stage "tests, server database on PostgreSQL"
pg_url=$(bash "$root/tests/pg/start-postgres.sh")
trap 'bash "$root/tests/pg/stop-postgres.sh" "$pg_url"' EXIT
PREFDESK_PG_URL="$pg_url" ctest --test-dir "$build" --output-on-failure -j2 \
  -L '^test_(storage|component|columns|dialog|cli|failover)$'

stage "Debian packages"
bash "$root/tests/package/check_packages.sh" "$build"

if [ "${PREFDESK_SANITIZE_TESTS:-1}" != 0 ]; then
  stage "fast unit tests under sanitizers"
  fast=(test_automation test_ado)
  cmake -S "$root" -B "$sanitize_build" -DCMAKE_BUILD_TYPE=Debug -DPREFDESK_TESTS=ON \
    -DPREFDESK_SANITIZE=ON -DPREFDESK_WERROR=ON >/dev/null
  cmake --build "$sanitize_build" -j2 --target "${fast[@]}"
  labels=$(IFS='|'; echo "${fast[*]}")
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$sanitize_build" --output-on-failure -j2 -L "^($labels)\$"
fi
stage "done"
