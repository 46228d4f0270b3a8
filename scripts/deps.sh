#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are there.
set -euo pipefail

packages=(cmake g++ make pkg-config libsqlite3-dev sqlite3 libpq-dev postgresql nlohmann-json3-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev xvfb xauth fonts-noto-cjk
          dpkg-dev file help2man lintian man-db)
if [ "${PREFDESK_NO_QT:-0}" = 1 ]; then
  packages=("${packages[@]/qt6-base-dev}")
fi

missing=()
for p in "${packages[@]}"; do
  [ -n "$p" ] || continue
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
