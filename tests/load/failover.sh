#!/usr/bin/env bash
# A primary and a hot standby on unix sockets in a temporary folder (initdb, pg_basebackup -R),
# clients saving different users in a loop through the multi-host connection string, the
# primary stopped hard (pg_ctl stop -m immediate) and the standby promoted (pg_ctl promote);
# the clients go on without being restarted. Each client checks its own saves against what
# the new primary holds (tests/load/failover_client.cpp); this script prints the figures and
# fails when any client found a fault.
#   tests/load/failover.sh [CLIENT]   CLIENT: the prefdesk-failover program (default: built
#                                     in $PREFDESK_BUILD_DIR, else build/load)
# Environment: FAILOVER_CLIENTS (4), FAILOVER_SECONDS (seconds before and after, 3),
# FAILOVER_COMMIT (remote_apply: synchronous replication; local: asynchronous),
# FAILOVER_READS (standby: queries go to the standby; primary: everything to the primary).
# Under ctest it runs only where PREFDESK_PG_URL is set (the PostgreSQL stage), else skips (77).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tests/pg/pg-env.sh"
if [ -n "${FAILOVER_UNDER_CTEST:-}" ] && [ -z "${PREFDESK_PG_URL:-}" ]; then
  echo "PREFDESK_PG_URL is not set: the failover test runs in the PostgreSQL stage"
  exit 77
fi
client=${1:-}
if [ -z "$client" ]; then
  build="${PREFDESK_BUILD_DIR:-$root/build/load}"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPREFDESK_TESTS=ON >/dev/null
  cmake --build "$build" -j2 --target prefdesk-failover >/dev/null
  client="$build/tests/prefdesk-failover"
fi
clients=${FAILOVER_CLIENTS:-4} seconds=${FAILOVER_SECONDS:-3}
commit=${FAILOVER_COMMIT:-remote_apply} reads=${FAILOVER_READS:-standby}
bindir=$(pg_bindir)

work=$(mktemp -d "${TMPDIR:-/tmp}/prefdesk-failover-XXXXXX")
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for side in primary standby; do
    [ -d "$work/$side/data" ] && as_owner "$bindir/pg_ctl" -D "$work/$side/data" -m immediate -w stop >/dev/null 2>&1 || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
ensure_owner
mkdir -p "$work/primary" "$work/standby"
[ "$(id -u)" -ne 0 ] || chown "$PG_TEST_USER" "$work/primary" "$work/standby"
chmod 755 "$work" "$work/primary" "$work/standby"
pg() { local side=$1; shift; as_owner "$bindir/pg_ctl" -D "$work/$side/data" -l "$work/$side/server.log" -w -t 30 "$@" >/dev/null; }
sql() { "$bindir/psql" -X -h "$work/$1" -U prefdesk -d prefdesk -Atc "$2"; }
now_ms() { date +%s%3N; }

as_owner "$bindir/initdb" -D "$work/primary/data" -U prefdesk -A trust -E UTF8 --locale=C.UTF-8 \
  --no-sync >"$work/initdb.log" 2>&1 || { cat "$work/initdb.log" >&2; exit 1; }
as_owner tee -a "$work/primary/data/postgresql.conf" >/dev/null <<CONF
listen_addresses = ''
unix_socket_directories = '$work/primary'
max_connections = 40
shared_buffers = 32MB
log_min_messages = warning
wal_level = replica
hot_standby = on
CONF
pg primary start
"$bindir/createdb" -h "$work/primary" -U prefdesk prefdesk
"$client" --init "postgresql://prefdesk@/prefdesk?host=$work/primary"

as_owner "$bindir/pg_basebackup" -h "$work/primary" -U prefdesk -D "$work/standby/data" -R -X stream -c fast
as_owner tee -a "$work/standby/data/postgresql.conf" >/dev/null <<CONF
unix_socket_directories = '$work/standby'
CONF
pg standby start
# Only now does the primary wait for the standby (a commit would wait for none before); the
# standby keeps the copied configuration, so once promoted it runs alone.
as_owner tee -a "$work/primary/data/postgresql.conf" >/dev/null <<CONF
synchronous_standby_names = '$([ "$commit" = remote_apply ] && echo '*')'
synchronous_commit = $commit
CONF
pg primary reload
want=$([ "$commit" = remote_apply ] && echo sync || echo async)
for _ in $(seq 100); do
  [ "$(sql primary "SELECT sync_state FROM pg_stat_replication")" = "$want" ] && break
  sleep 0.2
done
[ "$(sql primary "SELECT sync_state FROM pg_stat_replication")" = "$want" ] || { echo "the standby did not connect" >&2; exit 1; }

hosts="host=$work/primary,$work/standby"
write_url="postgresql://prefdesk@/prefdesk?$hosts&target_session_attrs=read-write"
read_url="postgresql://prefdesk@/prefdesk?$hosts&target_session_attrs=prefer-standby"
[ "$reads" = standby ] || read_url=-
echo "primary and standby: $hosts; commit: $commit; reads: $reads; $clients clients"
echo "write connection: $write_url"
echo "read connection:  $read_url"

xacts() { sql "$1" "SELECT xact_commit FROM pg_stat_database WHERE datname = 'prefdesk'" 2>/dev/null || echo 0; }
for user in $(seq "$clients"); do
  "$client" "$write_url" "$read_url" "$user" "$work/stop" >"$work/client-$user.log" 2>&1 &
  pids+=($!)
done
started=$(now_ms)
primary_before=$(xacts primary) standby_before=$(xacts standby)
sleep "$seconds"
primary_xacts=$(( $(xacts primary) - primary_before )) standby_xacts=$(( $(xacts standby) - standby_before ))

stopped=$(now_ms)
pg primary -m immediate stop
pg standby promote
promoted=$(now_ms)
sleep "$seconds"
touch "$work/stop"
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
pids=()
ended=$(now_ms)

cat "$work"/client-*.log | awk -v started="$started" -v stopped="$stopped" -v promoted="$promoted" \
    -v ended="$ended" -v pxacts="$primary_xacts" -v sxacts="$standby_xacts" '
  # A save begun after the stop can only have been stored by the new primary.
  $2 == "save" && $4 == "ok" && $1 < stopped { before++ }
  $2 == "save" && $4 == "ok" && $5 >= stopped { after++; if (!first || $1 < first) first = $1 }
  $2 == "save" && $4 != "ok" && $1 >= stopped { if ($4 == "indoubt") indoubt++; else failed++ }
  $1 == "reads:" { standby += $3; primary += $5 }
  /^user / { print }
  / stale read/ { print }
  END {
    printf "primary stopped %d ms after the clients started; standby promoted %d ms after the stop\n", stopped - started, promoted - stopped
    if (first) printf "first confirmed save on the new primary: %d ms after the stop\n", first - stopped
    else print "no confirmed save on the new primary"
    printf "confirmed saves per second: %.1f before the stop, %.1f after the first one on the new primary\n",
      before * 1000 / (stopped - started), (after > 1 ? (after - 1) * 1000 / (ended - first) : 0)
    printf "saves not confirmed during the failover: %d failed, %d in doubt\n", failed, indoubt
    printf "transactions before the stop: primary %d, standby %d\n", pxacts, sxacts
    if (standby + primary) printf "queries of the clients: %d on the standby, %d on the primary (%.0f%% moved)\n", standby, primary, 100 * standby / (standby + primary)
  }'
[ $status -eq 0 ] && echo "failover: every confirmed save is on the new primary" || echo "failover: FAULTS (see the user lines)"
exit $status
