#!/usr/bin/env bash
# Builds the many-clients program and runs it on a SQLite file and on a throw-away PostgreSQL
# server, printing its figures; fails when any layout was lost, mixed or partial.
#   tests/load/run.sh [clients] [saves] [readers]     (default 8 100 2)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="${PREFDESK_BUILD_DIR:-$root/build/load}"
clients=${1:-8} saves=${2:-100} readers=${3:-2}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPREFDESK_TESTS=ON >/dev/null
cmake --build "$build" -j2 --target prefdesk-load >/dev/null
work=$(mktemp -d "${TMPDIR:-/tmp}/prefdesk-load-XXXXXX")
pg_url=
cleanup() {
  [ -z "$pg_url" ] || bash "$root/tests/pg/stop-postgres.sh" "$pg_url"
  rm -rf "$work"
}
trap cleanup EXIT

status=0
"$build/tests/prefdesk-load" sqlite "$work/server.db" "$clients" "$saves" "$readers" || status=1
pg_url=$(bash "$root/tests/pg/start-postgres.sh")
"$build/tests/prefdesk-load" postgres "$pg_url" "$clients" "$saves" "$readers" || status=1
exit $status
