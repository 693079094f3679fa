#!/usr/bin/env bash
# Renders the HTML report of the sample squads in headless Chromium and saves
# a screenshot to look at. Not part of ctest: it needs a browser.
#
#   tests/tools/check_html.sh [REPORT_BINARY] [SCREENSHOT.png]
#
# REPORT_BINARY defaults to build/tools/squadlens-report, the screenshot to
# ./squadlens-report.png. Chromium (Debian package "chromium") is installed
# when missing.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
REPORT="${1:-$ROOT/build/tools/squadlens-report}"
SHOT="$(realpath -m "${2:-squadlens-report.png}")"

if ! command -v chromium >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends chromium
fi

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

"$REPORT" --format html -o "$WORK/report.html" "$ROOT/examples/old.dat" "$ROOT/examples/new.zip"
rm -f "$SHOT"
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$WORK/profile" --screenshot="$SHOT" --window-size=1200,3000 \
  "file://$WORK/report.html" >"$WORK/chromium.log" 2>&1 || {
  cat "$WORK/chromium.log" >&2
  exit 1
}
if [ ! -s "$SHOT" ]; then
  echo "no screenshot written" >&2
  cat "$WORK/chromium.log" >&2
  exit 1
fi
echo "screenshot: $SHOT"
