#!/usr/bin/env bash
# Time from process start to the board built: starts the optimised console offscreen on the demo
# account set of the given size (small or medium) several times and prints each run's time, as
# the console measures it from the start of main() to the board's build, and the median.
#   bench/startup_time.sh [small|medium] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
size=${1:-small}
runs=${2:-7}
build=build/default
[ -x $build/src/zrkboss ] || { echo "build the default preset first" >&2; exit 1; }
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export ZRK_SETTINGS_DIR=$home QT_QPA_PLATFORM=offscreen
launch=$($build/tools/demo/zrk-demo "$size" --launch-line)
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  out=$($build/src/zrkboss --screenshot "$home/shot.png" "$launch")
  wall=$(( ($(date +%s%N) - start) / 1000000 ))
  ms=$(sed -n 's/^board built after \([0-9]*\) ms$/\1/p' <<<"$out")
  times+=("$ms")
  echo "run: board built after $ms ms (whole process, screenshot and exit included: $wall ms)"
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p")
echo "demo $size: median $median ms over $runs runs"
