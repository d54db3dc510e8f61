#!/usr/bin/env bash
# Checks that every #include "..." in the program's sources points to a
# header of the same layer or of a layer below it. The layers, bottom to top:
#   render/  the drawing layer (draw interface, GL and recording back ends, geometry)
#   scenes/  the 30 scene blocks and their registry
#   frame/   the frame routine, its inputs and its camera
#   logic/   plain logic: catalogue, calculator arithmetic, pictures, hints, texts
#   app/     the windows
# Usage: check-layers.sh [SOURCE_ROOT]   (exit 1 and one line per offending include)
set -euo pipefail
root="${1:-$(dirname "$0")/..}"
cd "$root"

rank() {
  case "$1" in
    render) echo 0 ;; scenes) echo 1 ;; frame) echo 2 ;; logic) echo 3 ;; app) echo 4 ;;
    *) echo -1 ;;
  esac
}

status=0
while IFS= read -r hit; do
  file="${hit%%:*}"
  rest="${hit#*:}"; line="${rest%%:*}"; text="${rest#*:}"
  target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$text")
  from=$(rank "${file%%/*}")
  to=$(rank "${target%%/*}")
  if [ "$to" -gt "$from" ]; then
    echo "$file:$line: includes \"$target\", a layer above ${file%%/*}/"
    status=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' render scenes frame logic app \
           --include='*.cpp' --include='*.h' 2>/dev/null || true)
exit $status
