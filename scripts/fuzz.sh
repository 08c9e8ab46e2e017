#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (seconds, default 20)
# from its seed corpus. A crash or a hang fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for fuzzer in build/fuzz/tests/fuzz/fuzz_* build/fuzz/tests/fuzz/*/fuzz_*; do
  [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  # The seeds live beside the target's sources: corpus/<name without fuzz_> or corpus/<name>.
  sources=$(dirname "${fuzzer#build/fuzz/}")
  mkdir -p "$work/$name"
  for seeds in "$sources/corpus/${name#fuzz_}" "$sources/corpus/$name"; do
    if [ -d "$seeds" ]; then cp -r "$seeds"/. "$work/$name"/; fi
  done
  echo "fuzzing $name for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=0 "$work/$name" \
    >"$work/$name.log" 2>&1 || { tail -40 "$work/$name.log"; echo "fuzz: $name failed" >&2; exit 1; }
  grep -E "^#[0-9]+.*DONE" "$work/$name.log" | tail -1 || true
done
