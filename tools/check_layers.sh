#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a layer it does not link: the layers of
# src/CMakeLists.txt, bottom up, each with the layers it may include besides its own.
# Usage: tools/check_layers.sh [source folder]   (default: src beside this script)
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}

declare -A may=(
  [platform]=""
  [platform/db]="platform"
  [core]="platform platform/db"
  [desktop]="core platform platform/db"
  [session]="core platform platform/db"
  [db]="session core platform platform/db"
  [launch]="db session desktop core platform platform/db"
  [launch_widgets]="launch db session desktop core platform platform/db"
  [board]="launch db session desktop core platform platform/db"
  [analysis]="launch db session desktop core platform platform/db"
  [settings]="launch db session desktop core platform platform/db"
  [shell]="launch_widgets launch db session desktop core platform platform/db"
  [startup]="shell settings board analysis launch_widgets launch db session desktop core platform platform/db"
  [suite]="session desktop core platform platform/db"
  [reports]="session core platform platform/db"
  [plugins]="session desktop core platform platform/db"
  [app]="startup suite reports plugins shell settings board analysis launch_widgets launch db session desktop core platform platform/db"
)

# One line "file<TAB>line<TAB>header" for every quoted include below the source folder.
includes() {
  (cd "$src" && grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' . || true) |
    sed -E 's#^\./##; s#^([^:]+):([0-9]+):[^"]*"([^"]+)".*#\1\t\2\t\3#'
}

# The layer of a path below src/ ("platform/db/x.h" -> platform/db, "shell/y.h" -> shell).
layer_of() {
  case "$1" in
    platform/db/*) echo platform/db ;;
    */*) echo "${1%%/*}" ;;
    *) echo "" ;;
  esac
}

status=0
for folder in $(cd "$src" && find . -type f \( -name '*.h' -o -name '*.cpp' \) -printf '%h\n' | sed 's#^\./##' | sort -u); do
  own=$(layer_of "$folder/x")
  if [ -z "${may[$own]+set}" ]; then
    echo "$folder: folder '$own' is no layer of src/CMakeLists.txt" >&2
    status=1
  fi
done

while IFS=$'\t' read -r file line header; do
  own=$(layer_of "$file")
  target=$(layer_of "$header")
  [ -z "$target" ] || [ "$target" = "$own" ] && continue
  [ -n "${may[$own]+set}" ] || continue          # reported above
  [ -n "${may[$target]+set}" ] || continue       # not one of ours (a generated or outside header)
  if [[ " ${may[$own]} " != *" $target "* ]]; then
    echo "$file:$line: $own includes $header of layer $target above or beside it" >&2
    status=1
  fi
done < <(includes)

[ $status -eq 0 ] && echo "layers: every include goes downwards"
exit $status
