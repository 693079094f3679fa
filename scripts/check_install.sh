#!/usr/bin/env bash
# The program as installed, from a full build folder (with the window;
# build/ by default):
# - the launcher and the AppStream metainfo pass their validators;
# - `cmake --install` into a temporary prefix puts exactly the two programs,
#   the launcher, the icon at every size and the metainfo in place;
# - `cpack -G DEB` makes the package "squadlens" of the same files, depending
#   on the Qt 6 and libzip libraries;
# - from that prefix a zipped team file is unpacked and loaded into a private
#   folder under TMPDIR (tests/core/scratch_check.cpp stands in for the
#   window), first as it is, then made read-only and run by a user who cannot
#   write there (nobody, when this runs as root), with squadlens-report
#   comparing the sample squads too; nothing is written beside the programs.
#
#   scripts/check_install.sh [BUILD_DIR]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$(cd "${1:-$ROOT/build}" && pwd)"
APP_ID=ru.f_vantor.Squadlens
ICON_SIZES=(16 22 24 32 48 64 128 256)

fail() {
  echo "check_install: $*" >&2
  exit 1
}

work="$(mktemp -d)"
cleanup() {
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The files installed, relative to the prefix, sorted.
expected_files() {
  {
    echo "bin/squadlens"
    echo "bin/squadlens-report"
    echo "share/applications/$APP_ID.desktop"
    echo "share/metainfo/$APP_ID.metainfo.xml"
    for size in "${ICON_SIZES[@]}"; do
      echo "share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    done
  } | LC_ALL=C sort
}

# Compares two sorted lists of files; WHAT names the second for the message.
same_files() {
  local what="$1" expected="$2" got="$3"
  if [ "$expected" != "$got" ]; then
    echo "check_install: $what differs from what is expected (< expected, > found):" >&2
    diff <(echo "$expected") <(echo "$got") >&2 || true
    exit 1
  fi
}

echo "== launcher and metainfo"
out="$(desktop-file-validate "$ROOT/packaging/$APP_ID.desktop" 2>&1)" || { echo "$out" >&2; fail "desktop-file-validate failed"; }
if grep -qE '(error|warning):' <<<"$out"; then
  echo "$out" >&2
  fail "desktop-file-validate found problems"
fi
appstreamcli validate --no-net "$ROOT/packaging/$APP_ID.metainfo.xml" >"$work/appstream.txt" 2>&1 ||
  { cat "$work/appstream.txt" >&2; fail "appstreamcli validate failed"; }

echo "== cmake --install"
prefix="$work/root/usr"
cmake --install "$BUILD" --prefix "$prefix" >/dev/null
same_files "the installed prefix" "$(expected_files)" "$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"
for program in squadlens squadlens-report; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
for size in "${ICON_SIZES[@]}"; do
  file -b "$prefix/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png" | grep -q "PNG image data, $size x $size," ||
    fail "the ${size}x${size} icon is not a $size x $size PNG"
done
cmp -s "$prefix/share/applications/$APP_ID.desktop" "$ROOT/packaging/$APP_ID.desktop" || fail "installed launcher differs"
cmp -s "$prefix/share/metainfo/$APP_ID.metainfo.xml" "$ROOT/packaging/$APP_ID.metainfo.xml" || fail "installed metainfo differs"
# The metainfo in place: its launchable names the installed launcher.
appstreamcli validate-tree --no-net "$work/root" >"$work/appstream.txt" 2>&1 ||
  { cat "$work/appstream.txt" >&2; fail "appstreamcli validate-tree failed"; }

echo "== cpack -G DEB"
(cd "$BUILD" && cpack -G DEB -B "$work/deb" >"$work/cpack.txt" 2>&1) || { cat "$work/cpack.txt" >&2; fail "cpack failed"; }
debs=("$work"/deb/squadlens_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single squadlens_*.deb"
deb="${debs[0]}"
[ "$(dpkg-deb -f "$deb" Package)" = squadlens ] || fail "the package is not named squadlens"
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in 'libqt6core6' 'libqt6gui6' 'libqt6widgets6' 'libzip[0-9]+' 'qt6-qpa-plugins'; do
  grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
same_files "the package's files" "$(expected_files | sed 's|^|/usr/|')" \
  "$(dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v '/$' | sed 's|^\./|/|' | LC_ALL=C sort)"
odd_modes="$(dpkg-deb -c "$deb" | awk '$1 !~ /^(drwxr-xr-x|-rwxr-xr-x|-rw-r--r--)$/')"
[ -z "$odd_modes" ] || fail "unexpected modes in the package: $odd_modes"
echo "$(basename "$deb"): Depends: $depends"

echo "== running from the installed prefix"
cp "$BUILD/tests/scratch_check" "$prefix/bin/"
data="$work/data"
tmp="$work/tmp"
mkdir -p "$data" "$tmp"
cp "$ROOT/examples/old.dat" "$ROOT/examples/new.zip" "$data/"
chmod 755 "$work" "$work/root"
chmod 1777 "$tmp"
chmod -R a+rX "$prefix" "$data"

# A clean environment with HOME and TMPDIR in the shared, writable temporary
# folder; as nobody when root, whom file modes do not stop.
as_user=()
run() {
  "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$tmp" TMPDIR="$tmp" LANG=C.UTF-8 "$@"
}
# scratch_check in the prefix; it must unpack into a private folder under $tmp.
check_scratch() {
  local scratch
  scratch="$(run "$prefix/bin/scratch_check" "$data/new.zip")" || fail "scratch_check failed $1"
  case "$scratch" in
    "$tmp"/squadlens-*/~tmp) ;;
    *) fail "scratch_check unpacked into $scratch $1, not into a private folder under $tmp" ;;
  esac
  echo "$1: unpacked into $scratch"
}

# Even where it could, an installed program does not write beside itself.
check_scratch "in the writable prefix"

chmod -R a-w "$prefix"
before="$(find "$prefix" -printf '%p %s %T@\n' | LC_ALL=C sort)"
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
fi
check_scratch "in the read-only prefix"
run "$prefix/bin/squadlens-report" "$data/old.dat" "$data/new.zip" >"$work/report.txt" ||
  fail "squadlens-report failed in the read-only prefix"
grep -q '^Средний РУ:' "$work/report.txt" || fail "squadlens-report wrote no rating totals"
[ "$(find "$prefix" -printf '%p %s %T@\n' | LC_ALL=C sort)" = "$before" ] ||
  fail "something was written in the read-only prefix"
echo "squadlens-report ran; nothing was written in the prefix"
