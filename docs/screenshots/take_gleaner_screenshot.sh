#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Gleaner screenshot program and takes the README's picture of Gleaner
# after a harvest, docs/gleaner.png, on a virtual X screen.
#   docs/screenshots/take_gleaner_screenshot.sh [build folder]
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 --target program_folder gleaner_screenshot
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/gleaner/gleaner_screenshot" "$build/letterama" "$root/docs"
