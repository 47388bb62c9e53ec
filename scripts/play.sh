#!/usr/bin/env bash
# Sets everything up, builds the game and its data set, and starts the game
# in the data folder with its music. Extra arguments go to the game.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
"$root/scripts/setup.sh" "$build"
game="$build/game"
if [ -f "$root/data/generate.py" ]; then
  python3 "$root/data/generate.py" "$game"
fi
mkdir -p "$game"
cd "$game"
export SDL12COMPAT_FAKE_CDROM_PATH="$game/cd"
exec "$build/vorlane_sdl" "$@"
