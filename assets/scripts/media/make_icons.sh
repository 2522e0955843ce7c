#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop icon: the logo's first letter tile on its night-blue ground, painted
# afresh at each size of the hicolor icon theme, as SIZExSIZE/letterama.png.
# Usage: make_icons.sh MEDIA_PAINTER OUTPUT_FOLDER
set -euo pipefail
painter=$1
out=$2

for size in 16 24 32 48 64 128 256; do
  mkdir -p "$out/${size}x${size}"
  "$painter" icon "$out/${size}x${size}/letterama.png" "$size"
  # No time stamps, so that painting again gives the same bytes.
  mogrify -strip -define png:exclude-chunks=date,time "$out/${size}x${size}/letterama.png"
done
