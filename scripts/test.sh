#!/usr/bin/env bash
# Sets everything up, builds with warnings as errors and runs the whole test
# suite. --sanitize builds and runs it under AddressSanitizer and
# UndefinedBehaviorSanitizer in a separate build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
extra=()
if [ "${1:-}" = "--sanitize" ]; then
  build="$root/build-sanitize"
  extra=(-DVORLANE_SANITIZE=ON -DVORLANE_BENCH=OFF)
fi
"$root/scripts/setup.sh" "$build" -DVORLANE_WERROR=ON "${extra[@]}"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
