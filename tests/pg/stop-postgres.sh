#!/usr/bin/env bash
# Stops a cluster made by start-postgres.sh and removes its folder.
#   stop-postgres.sh FOLDER-or-URI
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/pg-env.sh"

target=${1:?usage: stop-postgres.sh FOLDER-or-URI}
folder=${target##*host=}
folder=${folder%%&*}
[ -d "$folder/data" ] || { echo "no cluster in $folder" >&2; exit 1; }
bindir=$(pg_bindir)
as_owner "$bindir/pg_ctl" -D "$folder/data" -m immediate -w -t 30 stop >/dev/null 2>&1 || true
rm -rf "$folder"
