#!/usr/bin/env bash
# Installs the Debian packages the project needs (when missing) and builds it.
# Usage: scripts/setup.sh [build-dir] [extra cmake args...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
shift || true

packages=(
  build-essential cmake pkg-config python3
  libsdl1.2-compat-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb x11-utils xdotool imagemagick libx11-dev
  librsvg2-bin fonts-dejavu-core espeak-ng sox lame
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${VORLANE_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
