#!/usr/bin/env bash
# Makes one server store of the scale benchmark: prefdesk-host init, user 1 saves the factory
# layout through the options dialog (start-up title Contacts), then bench/scale_users.sql copies
# user 1's rows to the users 3 .. USERS+1 (user 2 stays new). Prints the seconds the copy took.
#   scale_generate.sh HOST LOCAL.db USERS sqlite PATH
#   scale_generate.sh HOST LOCAL.db USERS pg URL SCHEMA
# A bulk load: the secondary indexes of the per-user tables are dropped before the copy and
# made again after it from the CREATE INDEX statements of data/server_schema.sql. A
# PostgreSQL store gets VACUUM ANALYZE, which autovacuum would do to a table after a large
# insert anyway (done here so that it does not run during the measurement); a SQLite store,
# like one in use, gets no statistics.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
host=$1 local_db=$2 users=$3 engine=$4
shift 4
case "$engine" in
  sqlite) server=(--server "sqlite:$1") ;;
  pg) server=(--server "$1" --schema "$2") ;;
  *) echo "scale_generate.sh: unknown engine $engine" >&2; exit 2 ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'tab Startup\nchoose cboStartup "Contacts"\nok\n' >"$work/save.script"
"$host" init --force --data "$root/data" --defaults "$local_db" "${server[@]}" >/dev/null
"$host" options --user 1 --script "$work/save.script" --defaults "$local_db" "${server[@]}" >/dev/null

# The generator between the schema's index statements: drop, copy, create.
copy() {
  sed -n 's/^CREATE INDEX \([A-Za-z0-9_]*\) ON .*/DROP INDEX \1;/p' "$root/data/server_schema.sql"
  sed "s/@LAST@/$((users + 1))/" "$here/scale_users.sql"
  awk '/^CREATE INDEX/ { on = 1 } on { print } /;/ { on = 0 }' "$root/data/server_schema.sql"
}

SECONDS=0
case "$engine" in
  sqlite)
    # No journal and no sync: a failed load is made again from the start. A cache of 1 GB
    # keeps the index sorts in memory.
    { echo "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA cache_size=-1000000;"
      echo "PRAGMA temp_store=MEMORY; BEGIN;"
      copy
      echo "COMMIT;"
    } | sqlite3 -bail "$1" >/dev/null
    ;;
  pg)
    { echo "SET search_path TO $2; SET maintenance_work_mem = '1GB';"; copy; } \
      | psql "$1" -X -q -v ON_ERROR_STOP=1 -1 -f -
    # The tables of this store only: VACUUM runs outside a transaction, one statement for all.
    echo "SET search_path TO $2;
      SELECT 'VACUUM ANALYZE ' || string_agg(format('%I.%I', schemaname, tablename), ', ')
      FROM pg_tables WHERE schemaname = current_schema() \gexec" \
      | psql "$1" -X -q -v ON_ERROR_STOP=1 -f -
    ;;
esac
echo "$SECONDS"
