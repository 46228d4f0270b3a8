#!/usr/bin/env bash
# A client of the PostgreSQL data service while its server goes away and comes back: up,
# stopped (connections refused), started again, frozen (the session's server process stopped
# with SIGSTOP, so nothing answers), thawed. Prints each call's time and ErrInfo; fails when
# an outage call took 5 s or more or a call after the return failed.
#   tests/load/outage.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="${PREFDESK_BUILD_DIR:-$root/build/load}"
. "$root/tests/pg/pg-env.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPREFDESK_TESTS=ON >/dev/null
cmake --build "$build" -j2 --target prefdesk-outage >/dev/null
pg_url=$(bash "$root/tests/pg/start-postgres.sh")
folder=${pg_url##*host=}
bindir=$(pg_bindir)
trap 'kill -CONT $(pgrep -u "$PG_TEST_USER" postgres 2>/dev/null) 2>/dev/null || true; bash "$root/tests/pg/stop-postgres.sh" "$pg_url"' EXIT
pg() { as_owner "$bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 30 "$@" >/dev/null; }

coproc CLIENT { "$build/tests/prefdesk-outage" "$pg_url"; }
phase() {
  echo "$1" >&"${CLIENT[1]}"
  local line
  while read -r line <&"${CLIENT[0]}"; do
    echo "$line"
    [ "$line" != "phase $1 done" ] || break
  done
}
phase up
pg -m fast stop
phase down
pg start
phase up
session=$(psql "$pg_url" -Atc "SELECT pid FROM pg_stat_activity WHERE datname = 'prefdesk' AND pid <> pg_backend_pid() AND backend_type = 'client backend' LIMIT 1")
kill -STOP "$session"
phase frozen
kill -CONT "$session"
phase up
exec {CLIENT[1]}>&-
wait "$CLIENT_PID"
