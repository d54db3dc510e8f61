#!/usr/bin/env bash
# The project's sources keep the layer rule, and the check does catch an
# include that points up.
set -euo pipefail
check="$1/scripts/check-layers.sh"
"$check" "$1"

fixture=$(mktemp -d); trap 'rm -rf "$fixture"' EXIT
mkdir -p "$fixture/render" "$fixture/scenes" "$fixture/app"
printf '#include "render/draw.h"\n' >"$fixture/scenes/ok.cpp"
printf '#include "scenes/scene_id.h"\n' >"$fixture/render/up.cpp"
if out=$("$check" "$fixture"); then
  echo "an include from render/ into scenes/ was not caught"; exit 1
fi
grep -q 'render/up.cpp:1: includes "scenes/scene_id.h"' <<<"$out" || { echo "unexpected report: $out"; exit 1; }
if grep -q 'ok.cpp' <<<"$out"; then echo "a downward include was reported: $out"; exit 1; fi
