#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts the console logged on to the
# demo account set, which it creates first when it is missing. The demo installation and its
# settings live in build/demo-home (or $ZRK_SETTINGS_DIR), never in the user's real settings.
# With a display the console window opens; without one it runs offscreen, writes a screenshot of
# the main window to build/zrkboss-main.png and prints its caption and status bar.
# Arguments, when given, go to the program instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target zrkboss zrk-demo
if [ $# -gt 0 ]; then
  exec build/default/src/zrkboss "$@"
fi
export ZRK_SETTINGS_DIR=${ZRK_SETTINGS_DIR:-$PWD/build/demo-home}
launch=$(build/default/tools/demo/zrk-demo small --launch-line)
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/default/src/zrkboss --screenshot build/zrkboss-main.png "$launch"
fi
exec build/default/src/zrkboss "$launch"
