#!/usr/bin/env bash
# Installs what is missing, builds everything with the address and undefined-behaviour
# sanitizers, runs every test, then runs each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
scripts/fuzz.sh "${ZRK_FUZZ_SECONDS:-15}"
