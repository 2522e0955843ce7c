#!/usr/bin/env bash
# The desktop icon: the logo's first letter tile on its blue ground, in the sizes of
# the hicolor icon theme, as SIZExSIZE/letterama.png.
# Usage: make_icons.sh LOGO_JPEG OUTPUT_FOLDER
set -euo pipefail
logo=$1
out=$2

for size in 16 24 32 48 64 128 256; do
  mkdir -p "$out/${size}x${size}"
  convert "$logo" -crop 50x50+8+16 +repage -filter Lanczos -resize "${size}x${size}!" \
    -strip -define png:exclude-chunks=date,time "$out/${size}x${size}/letterama.png"
done
