# Shared by the scripts of this folder: where the server programs are, and how to run them
# as the user who owns the throw-away cluster (the server refuses to run as root).
pg_bindir() {
  local dir
  for dir in "${PREFDESK_PG_BINDIR:-}" $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V -r); do
    if [ -n "$dir" ] && [ -x "$dir/pg_ctl" ] && [ -x "$dir/initdb" ]; then
      echo "$dir"
      return 0
    fi
  done
  command -v pg_ctl >/dev/null 2>&1 && dirname "$(command -v pg_ctl)" && return 0
  echo "PostgreSQL server programs (initdb, pg_ctl) not found" >&2
  return 1
}

readonly PG_TEST_USER=prefdesk-test

# Runs a command as the cluster's owner: ourselves when not root, else the test user.
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u "$PG_TEST_USER" -- "$@"
  else
    "$@"
  fi
}

ensure_owner() {
  [ "$(id -u)" -eq 0 ] || return 0
  id "$PG_TEST_USER" >/dev/null 2>&1 && return 0
  useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$PG_TEST_USER"
}
