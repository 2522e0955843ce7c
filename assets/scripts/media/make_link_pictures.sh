#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The two link pictures at the bottom of the main window: the maker's site and the
# online game. Small glossy buttons, so they read as links at a glance. Each is
# made twice: at its size of 220 x 44, and at twice the resolution ("@2x") for
# enlarged screens.
# Usage: make_link_pictures.sh OUTPUT_FOLDER
set -euo pipefail
out=$1
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# make_button FILE TOP BOTTOM TEXT SCALE
make_button() {
  local file=$1 top=$2 bottom=$3 text=$4 k=$5
  convert -size $((220 * k))x$((44 * k)) xc:none \
    \( -size $((216 * k))x$((40 * k)) "gradient:$top-$bottom" \) -geometry +$((2 * k))+$((2 * k)) -composite \
    \( -size $((220 * k))x$((44 * k)) xc:none -fill none -stroke '#1b2a4a' -strokewidth $((2 * k)) \
       -draw "roundrectangle $k,$k $((219 * k - 1)),$((43 * k - 1)) $((10 * k)),$((10 * k))" \) -composite \
    \( -size $((220 * k))x$((44 * k)) xc:black -fill white \
       -draw "roundrectangle $k,$k $((219 * k - 1)),$((43 * k - 1)) $((10 * k)),$((10 * k))" \) \
    -alpha off -compose CopyOpacity -composite -compose Over \
    -stroke none -font "$font" -pointsize $((15 * k)) -fill '#1b1b1b' -gravity center -annotate +$k+$k "$text" \
    -fill white -annotate +0+0 "$text" \
    -strip "$out/$file"
}

for k in 1 2; do
  suffix=$([ "$k" = 2 ] && echo "@2x" || true)
  make_button "linkautore$suffix.gif" '#5b8def' '#1f4fb5' "Sito dell'autore" "$k"
  make_button "linkonline$suffix.gif" '#f0b23c' '#c0701a' "Letterama on-line" "$k"
done
