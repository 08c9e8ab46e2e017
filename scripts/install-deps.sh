#!/usr/bin/env bash
# Installs the Debian 12 packages the console needs to build, test and run.
# Idempotent: asks apt only for what is missing, and says nothing when all is there.
#   install-deps.sh           install what is missing (as root)
#   install-deps.sh --check   install nothing: say "nothing missing" and exit 0, or name the
#                             missing packages and exit 1 (any user)
set -euo pipefail

check=0
case "${1:-}" in
  --check) check=1 ;;
  "") ;;
  *) echo "usage: install-deps.sh [--check]" >&2; exit 2 ;;
esac

packages=(
  build-essential cmake ninja-build ccache pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-odbc
  qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-svg-dev
  libsqlite3-dev sqlite3 unixodbc unixodbc-dev tdsodbc libsqliteodbc
  libsodium-dev libssl-dev
  dbus dbus-daemon dbus-x11 libdbus-1-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth x11-utils libx11-dev
  fonts-wqy-microhei
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  [ $check -eq 1 ] && echo "install-deps: nothing missing"
  exit 0
fi
if [ $check -eq 1 ]; then
  echo "install-deps: missing packages: ${missing[*]}" >&2
  exit 1
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages: ${missing[*]}; run this script as root" >&2
  exit 1
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
