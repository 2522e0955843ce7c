#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the sounds, pictures and documents of the game's program folder (every
# file there except the lexicons SLESSICO.*):
#   A.WAV .. Z.WAV, TIC.WAV, SOUND2.wav          spoken letters, tick, signal
#   A.gif .. Z.gif                               animated 3D letters, 63 x 90
#   A@2x.gif .. Z@2x.gif                         the same at twice the resolution
#   TILEPIC1.BMP .. TILEPIC5.BMP                 tile backgrounds, one per manche
#   letteramalogo.jpg, MAGNAWRD2.GIF             logo, magnifying-glass animation
#   linkautore.gif, linkonline.gif               the main window's two link pictures
#                                                (and their "@2x" copies)
#   Letterama.htm, REGPAROL.TXT                  help page, word rules
# and the desktop icon made from the logo, in the icon theme's sizes, under
# ICON_FOLDER (SIZExSIZE/letterama.png).
#
# Usage: assets/scripts/make_media.sh [OUTPUT_FOLDER [ICON_FOLDER]]
#        (defaults assets/program_folder and assets/desktop/icons)
#
# Needs the Debian packages espeak-ng, sox, imagemagick, fonts-dejavu-core, cmake,
# g++ and qt6-base-dev. The pictures are painted by a small Qt program under
# media/painter, built here into a temporary folder. Every step uses fixed seeds
# and no time stamps, so a rerun with the same tools gives the same bytes.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
media="$here/media"
out=${1:-"$here/../program_folder"}
icons=${2:-"$here/../desktop/icons"}
mkdir -p "$out" "$icons"
out=$(cd "$out" && pwd)
icons=$(cd "$icons" && pwd)

for tool in espeak-ng sox soxi convert cmake g++ base64; do
  command -v "$tool" >/dev/null || { echo "make_media.sh: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export MAGICK_THREAD_LIMIT=1
# The painter needs a runtime folder of its own under the offscreen platform.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "Building the painter"
cmake -S "$media/painter" -B "$work/painter" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/painter" -j2 >/dev/null
painter="$work/painter/media_painter"

echo "Sounds"
"$media/make_sounds.sh" "$out"

echo "Tile backgrounds"
"$media/make_tile_backgrounds.sh" "$out"

echo "Link pictures"
"$media/make_link_pictures.sh" "$out"

# GIF frames keep one palette of their own each; without dithering the still
# background stays identical from frame to frame, so only the moving part is
# stored again.
gif_options=(+dither -loop 0 -layers Optimize -strip)

echo "3D letters"
# At their size and at twice the resolution ("A@2x.gif"), which the game shows on
# enlarged screens.
for scale in 1 2; do
  suffix=$([ "$scale" = 2 ] && echo "@2x" || true)
  "$painter" letters "$work/letters$scale" "$scale"
  for letter in {A..Z}; do
    swing=()
    for frame in $(seq -w 1 12); do swing+=("$work/letters$scale/${letter}_$frame.png"); done
    # The letter rests for a moment, then swings once with a gleam. The first
    # frame is the still picture of the plain 3D style.
    convert -delay 160 "$work/letters$scale/${letter}_00.png" -delay 7 "${swing[@]}" \
      "${gif_options[@]}" "$out/$letter$suffix.gif"
  done
done

echo "Logo"
"$painter" logo "$work/logo.png"
convert "$work/logo.png" -strip -sampling-factor 1x1 -quality 92 "$out/letteramalogo.jpg"

echo "Desktop icon"
"$media/make_icons.sh" "$painter" "$icons"

echo "Magnifying glass"
"$painter" magnifier "$work/magnifier"
convert -delay 8 "$work"/magnifier/frame_*.png "${gif_options[@]}" "$out/MAGNAWRD2.GIF"

echo "Documents"
"$media/make_documents.sh" "$out"

echo "Done: $out"
