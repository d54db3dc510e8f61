#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Вестрел
# need, when some are missing. Runs apt-get as root, or through sudo.
#   install-deps.sh              what the program and its tests need
#   install-deps.sh --sanitize   also clang and its sanitizer and libFuzzer
#                                runtimes (scripts/test.sh --sanitize, scripts/fuzz.sh)
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri libglx-mesa0
  libjpeg62-turbo-dev libgtest-dev
  gemmi-dev tao-pegtl-dev libsymspg-dev
  qt6-charts-dev qt6-svg-dev libassimp-dev qt6-l10n-tools qt6-tools-dev lintian ccache
  xvfb xauth x11-utils xdg-utils
  fonts-dejavu-core fonts-liberation
  libc-bin qt6-translations-l10n qt6-qpa-plugins
  dpkg-dev file desktop-file-utils appstream xdotool
)
if [ "${1:-}" = "--sanitize" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
else
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
