#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the desktop screenshot program and takes the README's pictures of the main
# window maximised on a virtual X screen of 1920x1080, in a light and a dark theme,
# into docs/.
#   docs/screenshots/take_desktop_screenshots.sh [build folder]
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 --target Letterama letterama_desktop_screenshots
xvfb-run -a -s "-screen 0 1920x1080x24" \
  "$build/game/letterama_desktop_screenshots" "$build/letterama" "$root/docs"
