#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the screenshot program and takes the README's pictures of the four tile
# styles into docs/, on a virtual X screen.
#   docs/screenshots/take_screenshots.sh [build folder]
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 --target Letterama letterama_screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/game/letterama_screenshots" "$build/letterama" "$root/docs"
