#!/usr/bin/env bash
# Installs the Debian packages Umbrin needs (only those missing), then configures and builds.
# Usage: [UMBRIN_BENCH=1] scripts/setup.sh [build-dir]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-"$here/build"}

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libjpeg-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth
  hp2xx python3-ezdxf qpdf
  valgrind
  locales
)
# GDAL's tools only serve as the yardstick of the elevation-tile benchmark (UMBRIN_BENCH=1).
if [ "${UMBRIN_BENCH:-0}" = 1 ]; then
  packages+=(gdal-bin)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A German locale, so the tests can prove that numbers never follow the process locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: no German locale; its test will be skipped"
fi

. "$here/scripts/cache.sh"

if [ ! -f "$build/build.ninja" ]; then
  # A compiler cache, where the machine has one, makes fresh build folders quick.
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
cmake --build "$build" --parallel "$(nproc)"
