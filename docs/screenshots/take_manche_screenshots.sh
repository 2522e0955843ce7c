#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the manche's screenshot program and takes the README's pictures of the input
# box, the dimmed tiles and the results window into docs/, on a virtual X screen of
# 1024x768, the smallest the game supports.
#   docs/screenshots/take_manche_screenshots.sh [build folder]
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 --target Letterama letterama_manche_screenshots
xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build/game/letterama_manche_screenshots" "$build/letterama" "$root/docs"
