#!/usr/bin/env bash
# The layer check must refuse a tree in which a lower layer includes a higher one: copy the
# sources, plant one upward include at a time, and expect a refusal that names the file.
set -euo pipefail
check=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

plant() { # <file below src> <header to include>
  rm -rf "$work/src" && cp -r "$src" "$work/src"
  echo "#include \"$2\"" >>"$work/src/$1"
  if out=$("$check" "$work/src" 2>&1); then
    echo "not refused: $1 including $2" >&2
    exit 1
  fi
  grep -qF "$1" <<<"$out" || { echo "refusal does not name $1: $out" >&2; exit 1; }
}

plant core/console_context.h shell/main_frame.h       # the core reaching a subsystem's widgets
plant platform/variant.h platform/db/connection.h     # the platform reaching its database layer
plant db/connections.cpp startup/console_start.h      # the database layer reaching the start-up
plant shell/main_frame.cpp board/board_window.h       # one subsystem reaching another's widgets
plant suite/ledger_data.cpp shell/main_frame.h        # the suite reaching into the console
"$check" "$src" >/dev/null                            # and the tree itself passes
echo "planted includes refused"
