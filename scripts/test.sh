#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless
# under Xvfb with Mesa's software renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export LIBGL_ALWAYS_SOFTWARE=1
export GALLIUM_DRIVER=llvmpipe
exec xvfb-run -a -s "-screen 0 1600x1200x24" ctest --test-dir build --output-on-failure "$@"
