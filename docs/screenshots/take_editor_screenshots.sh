#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the editor's screenshot program and takes the README's two pictures of the
# dictionary editor into docs/, on a virtual X screen.
#   docs/screenshots/take_editor_screenshots.sh [build folder]
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 --target program_folder letterama_editor_screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/dictionary_editor/letterama_editor_screenshots" "$build/letterama" "$root/docs"
