#!/usr/bin/env bash
# tests/package/check_packages.sh BUILD_DIR: builds the Debian packages of a configured and
# built folder with cpack, checks them with lintian (no errors), unpacks them into a
# throw-away root and uses them as a host developer and an administrator would: each installed
# header compiles on its own, examples/host builds with CMake and with pkg-config alone and
# runs, prefdesk-host runs from there (--version, init from its own data), its manual page
# reads and its bash completion completes.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/prefdesk-packages-XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "check_packages: $*" >&2; exit 1; }
# Runs a program and tells whether its output holds the text (whole output read first).
says() { local text=$1 out; shift; out=$("$@") && grep -qF -- "$text" <<<"$out"; }

(cd "$build" && cpack -G DEB -B "$work/debs" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/debs/*.deb)
for deb in "${debs[@]}"; do
  printf '%s  %s\n' "$(du -h "$deb" | cut -f1)" "$(basename "$deb")"
  dpkg-deb -f "$deb" Package Depends | sed 's/^/    /'
done
if command -v lintian >/dev/null; then
  lintian --fail-on error "${debs[@]}" || fail "lintian reports errors"
fi

prefix="$work/root/usr"
for deb in "${debs[@]}"; do dpkg-deb -x "$deb" "$work/root"; done
libdir=$(dirname "$(find "$prefix/lib" -name 'libprefdesk.so' | head -1)")
export LD_LIBRARY_PATH="$libdir" PKG_CONFIG_PATH="$libdir/pkgconfig"
release=$(cat "$root/VERSION")
[ "$(pkg-config --modversion prefdesk)" = "$release" ] || fail "prefdesk.pc is not $release"

# Every installed header on its own, with the flags of the pkg-config files.
flags=$(pkg-config --cflags prefdesk $(cd "$libdir/pkgconfig" && ls | sed -n 's/^\(prefdesk-.*\)\.pc$/\1/p'))
headers=$(cd "$prefix/include/prefdesk" && find . -name '*.h' | sed 's|^\./||' | sort)
echo "$headers" | xargs -P2 -I{} sh -c \
  "echo '#include \"{}\"' | c++ $flags -fsyntax-only -x c++ - || { echo 'does not compile alone: {}' >&2; exit 255; }"
echo "$(echo "$headers" | wc -l) installed headers compile alone"

# The example host with CMake (every component the package has) and with pkg-config (the core).
cmake -S "$root/examples/host" -B "$work/example" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/example" -j2 >/dev/null
says "OptionSuccess 0" "$work/example/prefdesk-example-host" "$work/data" || fail "the CMake example did not save"
if [ -f "$prefix/include/prefdesk/platform/ui_qt/real_windows.h" ]; then
  says "OptionSuccess 0" env QT_QPA_PLATFORM=offscreen "$work/example/prefdesk-example-host" "$work/window-data" \
    --window --press-ok || fail "the CMake example did not save through the real window"
fi
c++ "$root/examples/host/main.cpp" -DPREFDESK_DATA="\"$(pkg-config --variable=datadir prefdesk)\"" \
  $(pkg-config --cflags --libs prefdesk) -o "$work/example-pkg-config"
says "OptionSuccess 0" "$work/example-pkg-config" "$work/data-pkg-config" || fail "the pkg-config example did not save"
echo "examples/host built and saved with CMake and with pkg-config"

# The administrator's side: the program, its data, its manual page and completion.
host="$prefix/bin/prefdesk-host"
[ "$("$host" --version | head -1)" = "prefdesk-host $release" ] || fail "--version is not $release"
says "made from: $prefix/share/prefdesk/data" env -u PREFDESK_DATA_DIR PREFDESK_HOME="$work/home" "$host" init ||
  fail "init did not take the installed data"
says "copy-user --from A --to B" man -l -P cat "$prefix/share/man/man1/prefdesk-host.1.gz" ||
  fail "the manual page does not read"
completed=$(bash -c 'source "$1"; COMP_WORDS=(prefdesk-host get --user 3 MaxH); COMP_CWORD=4
                     _prefdesk_host; echo "${COMPREPLY[*]}"' _ "$prefix/share/bash-completion/completions/prefdesk-host")
[ "$completed" = "MaxHistoryRecords" ] || fail "completion gave '$completed'"
echo "prefdesk-host $release: init, manual page and completion from the package"
