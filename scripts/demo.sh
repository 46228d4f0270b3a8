#!/usr/bin/env bash
# The main job on one machine without a display: builds prefdesk-host, creates the databases
# on embedded SQLite, prints a new user's navigation bar, edits the user's layout and
# start-up title through the options dialog with examples/demo.script, prints the bar again,
# and photographs the dialog offscreen when the screenshot program is built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${PREFDESK_BUILD_DIR:-$root/build/demo}"
work="$build/demo-data"
shots="$build/demo-screenshots"
user=42

bash "$root/scripts/deps.sh"
# A fresh folder gets a release build without tests; an existing one keeps its settings.
if [ -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" >/dev/null
else
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPREFDESK_TESTS=OFF >/dev/null
fi
targets=(prefdesk-host)
if grep -q "prefdesk-screenshots" <(cmake --build "$build" --target help); then
  targets+=(prefdesk-screenshots)
fi
cmake --build "$build" -j2 --target "${targets[@]}"

host() { "$build/prefdesk-host" "$@" --lang en --defaults "$work/local.db" --server "sqlite:$work/server.db"; }

echo "== creating the databases in $work"
host init --force --data "$root/data"
echo "== navigation bar of user $user before"
host bar --user "$user"
echo "== options dialog of user $user, driven by examples/demo.script"
cat "$root/examples/demo.script"
host options --user "$user" --script "$root/examples/demo.script"
echo "== navigation bar of user $user after"
host bar --user "$user"
echo "== primary title and settings of user $user"
host default-column --user "$user"
host settings --user "$user"

if [ -x "$build/prefdesk-screenshots" ]; then
  echo "== screenshots of the dialog (offscreen)"
  QT_QPA_PLATFORM=offscreen "$build/prefdesk-screenshots" "$shots" \
    2> >(grep -v "This plugin does not support" >&2) | tail -1
else
  echo "== screenshots skipped: prefdesk-screenshots was not built (Qt 6 Widgets not found)"
fi
