#!/usr/bin/env bash
# Starts a throw-away PostgreSQL cluster in a new temporary folder and prints its connection
# string (a libpq URI). The server listens only on a unix socket in that folder, runs without
# fsync (its data is worthless) and is stopped with stop-postgres.sh FOLDER-or-URI.
#   start-postgres.sh [FOLDER]   FOLDER must not exist yet or be empty
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/pg-env.sh"

bindir=$(pg_bindir)
folder=${1:-$(mktemp -d "${TMPDIR:-/tmp}/prefdesk-pg-XXXXXX")}
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
ensure_owner
if [ "$(id -u)" -eq 0 ]; then
  chown "$PG_TEST_USER" "$folder"
fi
chmod 755 "$folder"

as_owner "$bindir/initdb" -D "$folder/data" -U prefdesk -A trust -E UTF8 --locale=C.UTF-8 \
  --no-sync >"$folder/initdb.log" 2>&1 || { cat "$folder/initdb.log" >&2; exit 1; }
as_owner tee -a "$folder/data/postgresql.conf" >/dev/null <<CONF
listen_addresses = ''
unix_socket_directories = '$folder'
fsync = off
synchronous_commit = off
full_page_writes = off
max_connections = 60
shared_buffers = 32MB
log_min_messages = warning
CONF
as_owner "$bindir/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 30 start >/dev/null \
  || { cat "$folder/server.log" >&2; exit 1; }
as_owner "$bindir/createdb" -h "$folder" -U prefdesk prefdesk
echo "postgresql://prefdesk@/prefdesk?host=$folder"
