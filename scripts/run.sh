#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and runs it. Arguments go to the
# program; without any it shows its version, product title and edition.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [ $# -eq 0 ]; then set -- --version; fi
exec build/default/src/zrkboss "$@"
