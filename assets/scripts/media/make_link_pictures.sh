#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The two link pictures at the bottom of the main window: the maker's site and the
# online game. Small glossy buttons, so they read as links at a glance.
# Usage: make_link_pictures.sh OUTPUT_FOLDER
set -euo pipefail
out=$1
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

make_button() {
  local file=$1 top=$2 bottom=$3 text=$4
  convert -size 220x44 xc:none \
    \( -size 216x40 "gradient:$top-$bottom" \) -geometry +2+2 -composite \
    \( -size 220x44 xc:none -fill none -stroke '#1b2a4a' -strokewidth 2 \
       -draw "roundrectangle 1,1 218,42 10,10" \) -composite \
    \( -size 220x44 xc:black -fill white -draw "roundrectangle 1,1 218,42 10,10" \) \
    -alpha off -compose CopyOpacity -composite -compose Over \
    -stroke none -font "$font" -pointsize 15 -fill '#1b1b1b' -gravity center -annotate +1+1 "$text" \
    -fill white -annotate +0+0 "$text" \
    -strip "$out/$file"
}

make_button linkautore.gif '#5b8def' '#1f4fb5' "Sito dell'autore"
make_button linkonline.gif '#f0b23c' '#c0701a' "Letterama on-line"
