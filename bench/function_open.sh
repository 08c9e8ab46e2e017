#!/usr/bin/env bash
# Time from a function's start to its list shown, and the console's memory with that window
# open: starts the console offscreen on the demo account set of the given size on a private
# session bus, starts each list by DoCallFunc (the call returns once the list is read and its
# window shown), reads the console's resident memory, and ends it; several runs, medians.
#   bench/function_open.sh [small|medium|large] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
size=${1:-medium}
runs=${2:-5}
build=build/default
for f in src/zrkboss bench/bus_call tools/demo/zrk-demo; do
  [ -x $build/$f ] || { echo "build the default preset first ($f)" >&2; exit 1; }
done
if [ -z "${ZRK_FUNCTION_BENCH_BUS:-}" ]; then
  exec env ZRK_FUNCTION_BENCH_BUS=1 dbus-run-session -- "$0" "$@"
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export ZRK_SETTINGS_DIR=$home QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$home
chmod 700 "$home"
launch=$($build/tools/demo/zrk-demo "$size" --launch-line)
lists=(
  "items BaseData.ItemList FClassParam=FItemClassID=4 FFuncName=物料"
  "customers BaseData.ItemList FClassParam=FItemClassID=1 FFuncName=客户"
  "sales-deliveries BillCenter.BillList FClassParam=FTranType=21 FFuncName=销售出库"
  "receivables ReportViewer.SrvRptRetrieve FClassParam=FRptID=131 FFuncName=应收款明细表"
)
declare -A times
for _ in $(seq "$runs"); do
  for entry in "${lists[@]}"; do
    read -r name progid params <<<"$entry"
    $build/src/zrkboss "$launch" >/dev/null 2>"$home/err" &
    pid=$!
    $build/bench/bus_call wait
    ms=$($build/bench/bus_call DoCallFunc "$progid" $params)
    rss=$(awk '/^VmRSS/ {print $2}' /proc/$pid/status)
    times[$name]+="${ms% ms} "
    echo "run: $name ${ms}, resident $((rss / 1024)) MiB"
    kill $pid; wait $pid 2>/dev/null || true
  done
done
for entry in "${lists[@]}"; do
  read -r name _ <<<"$entry"
  median=$(printf '%s\n' ${times[$name]} | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
  echo "demo $size $name: median $median ms over $runs runs"
done
