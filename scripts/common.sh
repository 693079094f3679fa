# Shared by ./run and ./test: install what the build needs, then configure and build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGES=(build-essential cmake ninja-build pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libzip-dev fonts-dejavu-core xvfb xauth locales
          dpkg-dev file desktop-file-utils appstream)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# A Russian locale, for the test that numbers read and write the same under
# the locale a Russian user's desktop sets (the window takes it from there).
ensure_russian_locale() {
  locale -a 2>/dev/null | grep -qiE '^ru_RU\.utf-?8$' && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || echo "No Russian locale: its test will be skipped."
}

# build DIR [cmake options...]
build() {
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

# Qt wants a private runtime folder; offscreen tests and xvfb-run need none of the desktop.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
