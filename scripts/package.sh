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
# Debian's checker: only the information texts' Windows-1251 encoding may
# be reported (the program reads them so).
lintian --tag-display-limit 0 vestrel_*.deb 2>/dev/null | tee lintian.txt
if grep -E '^[EW]:' lintian.txt | grep -vE '^W: vestrel: national-encoding \[usr/share/vestrel/Data/Information/[^]/]+\.txt\]$'; then
  echo "lintian reports the tags above" >&2
  exit 1
fi
