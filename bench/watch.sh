#!/usr/bin/env bash
# Following changes, on SQLite and on a throw-away PostgreSQL server: the CPU that
# `prefdesk-host monitor --all` uses in 10 s of nothing happening, a server restart under a
# monitor, then prefdesk_watch_bench (the save with and without change stamps, commit to
# callback latency).
#   bench/watch.sh [rounds] [saves]
# Environment: BUILD_DIR (default build/bench under the project).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
build="${BUILD_DIR:-$root/build/bench}"
. "$root/tests/pg/pg-env.sh"

cmake -S "$root" -B "$build" -DPREFDESK_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target prefdesk-host prefdesk-host-full prefdesk_watch_bench >/dev/null
host="$build/prefdesk-host"
work=$(mktemp -d)
pg_url=$(bash "$root/tests/pg/start-postgres.sh")
trap 'bash "$root/tests/pg/stop-postgres.sh" "$pg_url"; rm -rf "$work"' EXIT
folder=${pg_url##*host=}
export PREFDESK_HOME="$work/home"
pg=(--server "$pg_url" --schema bench_watch)
"$host" init >/dev/null
"$host" init "${pg[@]}" --defaults "$work/pg-local.db" >/dev/null

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# idle LABEL [options...]: a monitor of every user left alone for 10 s, then Ctrl-C.
idle() {
  local label=$1
  shift
  "$host" monitor --all "$@" >"$work/out" 2>"$work/err" &
  local pid=$! code=0
  sleep 1
  local before after
  before=$(ticks $pid)
  sleep 10
  after=$(ticks $pid)
  kill -INT $pid
  wait $pid || code=$?
  echo "$label: monitor idle for 10 s: $((after - before)) clock ticks of CPU ($(getconf CLK_TCK)/s);" \
       "Ctrl-C: exit $code; $(wc -l <"$work/out") lines printed"
}
echo "$(date -u +%FT%TZ) $(git -C "$root" rev-parse --short HEAD) load: $(cut -d' ' -f1-3 /proc/loadavg)"
idle SQLite
idle PostgreSQL "${pg[@]}"

# A server restart under a monitor of user 7, then a save: the gap and the save are reported.
"$host" monitor --user 7 "${pg[@]}" >"$work/out" 2>"$work/err" &
monitor=$!
sleep 1
as_owner "$(pg_bindir)/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 30 -m fast restart >/dev/null
sleep 1
"$host" set --user 7 MaxHistoryRecords 30 "${pg[@]}" --defaults "$work/pg-local.db" >/dev/null
sleep 1
kill -INT $monitor
wait $monitor || true
echo "PostgreSQL restart under monitor --user 7, then set --user 7: stdout:"
sed 's/^/  /' "$work/out"
echo "stderr:"
sed 's/^/  /' "$work/err"

PREFDESK_PG_URL="$pg_url" "$build/bench/watch/prefdesk_watch_bench" "${1:-30}" "${2:-200}"
