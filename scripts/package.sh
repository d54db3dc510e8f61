#!/usr/bin/env bash
# Builds the Debian package build/vestrel_<version>_<architecture>.deb
# (the program under /usr). Install it with
#   sudo apt-get install ./build/vestrel_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
rm -f vestrel_*.deb
cpack -G DEB >/dev/null
ls -l vestrel_*.deb
