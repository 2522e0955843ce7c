#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on an X server: a virtual 1024x768 screen, the smallest the game
# supports, where xvfb-run is installed; else the display in DISPLAY, if any. With
# neither, the program skips its tests and says why.
if command -v xvfb-run >/dev/null 2>&1 && command -v xauth >/dev/null 2>&1; then
  exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$@"
fi
exec "$@"
