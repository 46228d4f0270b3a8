#!/usr/bin/env bash
# The scale benchmark: server stores holding N users each (every user a copy of one saved
# factory layout, made by bench/scale_generate.sh), on SQLite and on a throw-away PostgreSQL
# server; one user's operations timed on all stores side by side; then the index check of
# the statements a recorded run sent, on the largest store of each engine.
#   bench/scale.sh [repetitions] [users...]        (default: 3 10 1000 20000 100000)
# Environment: BUILD_DIR (default build/bench), WORK (default build/scale: the stores, kept
# for the next run while data/server_schema.sql, the catalogue and the generator are
# unchanged), ENGINES (default "sqlite pg").
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
build="${BUILD_DIR:-$root/build/bench}"
work="${WORK:-$root/build/scale}"
engines="${ENGINES:-sqlite pg}"
repetitions="${1:-3}"
shift || true
users=("$@")
[ ${#users[@]} -gt 0 ] || users=(10 1000 20000 100000)

cmake -S "$root" -B "$build" -DPREFDESK_BENCH=ON -DPREFDESK_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target prefdesk_scale prefdesk-host >/dev/null
host="$build/prefdesk-host"
mkdir -p "$work"
local_db="$work/local.db"
# The stores are made again when the schema, the catalogue or the generator change.
stamp=$(cat "$root/data/server_schema.sql" "$root/data/server_catalogue.sql" "$here/scale_users.sql" \
  "$here/scale_generate.sh" | sha1sum | cut -c1-12)
generate() { "$here/scale_generate.sh" "$host" "$local_db" "$@"; }

stores=()
largest=${users[-1]}
for n in "${users[@]}"; do [ "$n" -gt "$largest" ] && largest=$n; done

if [[ " $engines " == *" sqlite "* ]]; then
  for n in "${users[@]}"; do
    db="$work/sqlite-$n.db"
    if [ "$(cat "$db.stamp" 2>/dev/null)" != "$stamp" ]; then
      echo "generating $n users on SQLite"
      rm -f "$db" "$db.stamp"
      took=$(generate "$n" sqlite "$db")
      echo "  $took s"
      echo "$stamp" >"$db.stamp"
    fi
    stores+=(--sqlite "$n" "$db")
  done
fi

if [[ " $engines " == *" pg "* ]]; then
  . "$root/tests/pg/pg-env.sh"
  pg="$work/pg"
  if [ -f "$pg/data/PG_VERSION" ]; then
    as_owner "$(pg_bindir)/pg_ctl" -D "$pg/data" -l "$pg/server.log" -w -t 60 start >/dev/null
  else
    rm -rf "$pg"
    "$root/tests/pg/start-postgres.sh" "$pg" >/dev/null
  fi
  # Stopped, not removed: the stores stay for the next run.
  trap 'as_owner "$(pg_bindir)/pg_ctl" -D "$pg/data" -m fast -w stop >/dev/null 2>&1 || true' EXIT
  url="postgresql://prefdesk@/prefdesk?host=$pg"
  for n in "${users[@]}"; do
    if [ "$(cat "$pg/stamp-$n" 2>/dev/null)" != "$stamp" ]; then
      echo "generating $n users on PostgreSQL"
      took=$(generate "$n" pg "$url" "scale_$n")
      echo "  $took s"
      echo "$stamp" >"$pg/stamp-$n"
    fi
    # A run saves user 3 about a dozen times. Autovacuum cleans up after that in the small
    # stores but not in a table of millions of rows, so that kept stores would carry the dead
    # rows of all earlier runs: each run starts with the tables the save writes vacuumed, their
    # indexes too (a plain VACUUM leaves the index entries when few pages hold dead rows).
    psql "$url" -X -q -v ON_ERROR_STOP=1 \
      -c "VACUUM (INDEX_CLEANUP ON) scale_$n.T_PHBUTTON, scale_$n.T_PVBUTTON"
    stores+=(--pg "$n" "$url" "scale_$n")
  done
fi

status=0
"$build/bench/scale/prefdesk_scale" --defaults "$local_db" --repetitions "$repetitions" \
  --record "$work/statements.sql" "${stores[@]}" || status=$?
[ $status -le 1 ] || exit $status

echo
explain=(--statements "$work/statements.sql")
[[ " $engines " == *" sqlite "* ]] && explain+=(--sqlite "$work/sqlite-$largest.db")
[[ " $engines " == *" pg "* ]] && explain+=(--pg "$url" "scale_$largest")
python3 "$here/scale_explain.py" "${explain[@]}" || status=1
exit $status
