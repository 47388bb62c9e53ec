#!/bin/sh
# Starts the game in a window from the folder this script is in; the music
# tracks of its cd folder stand in for the game CD.
cd "$(dirname "$0")" || exit 1
SDL12COMPAT_FAKE_CDROM_PATH="$(pwd)/cd" exec ./vorlane_sdl "$@"
