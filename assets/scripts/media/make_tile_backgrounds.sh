#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the five tile backgrounds TILEPIC1.BMP .. TILEPIC5.BMP (one per manche),
# 63 x 90, 24-bit BMP: walnut, green marble, slate, terracotta and lapis lazuli.
# They are mid to dark in tone, so a light-cyan letter with a black shadow
# stands out on every one of them.
# Usage: make_tile_backgrounds.sh OUTPUT_FOLDER
#
# Each texture comes from ImageMagick's plasma and noise with a fixed seed, on
# one thread (with several threads the noise rows may be drawn in another order).
set -euo pipefail

out=${1:?usage: make_tile_backgrounds.sh OUTPUT_FOLDER}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export MAGICK_THREAD_LIMIT=1

# Drawn at twice the size and scaled down for a finer grain.
big=126x180

# A gradient colour map from a list of colours, darkest first.
colour_map() {
  local file=$1
  shift
  local stops=()
  for colour in "$@"; do stops+=(-size 1x1 "xc:$colour"); done
  convert "${stops[@]}" +append -filter triangle -resize 256x1! "$file"
}

# Bevel and final form shared by all five: a raised edge of two pixels, no
# alpha, 24-bit uncompressed BMP without colour-space headers.
finish() {
  local source=$1 target=$2
  convert "$source" -resize 63x90! -raise 2 -alpha off -type TrueColor -strip "BMP3:$target"
}

# 1. Walnut: long wavy growth lines (a sine across the tile, bent by a plasma
# stretched along the grain) and fine fibres on top.
colour_map "$work/walnut.png" '#2e1609' '#4c2a13' '#6a3d1f' '#84512b' '#9a6437'
convert -seed 11 -size 126x14 plasma:grey50-grey50 -colorspace gray -resize "$big!" -blur 0x2 -auto-level \
  -fx 'ring = 0.5 + 0.5*sin((i/w*4.5 + u*1.6) * 2*pi); pow(ring, 1.8)' "$work/rings.png"
convert -seed 12 -size "$big" xc:grey50 +noise Random -channel G -separate +channel -motion-blur 0x30+90 \
  -auto-level "$work/fibres.png"
convert "$work/rings.png" "$work/fibres.png" -compose blend -define compose:args=75,25 -composite \
  "$work/walnut.png" -clut "$work/tile1.png"
finish "$work/tile1.png" "$out/TILEPIC1.BMP"

# 2. Green marble: pale veins where a turbulent ramp crosses whole numbers, a
# second finer family of veins, on clouded dark green.
colour_map "$work/marble.png" '#052419' '#0b3d2c' '#135641' '#2a7258' '#79b197'
convert -seed 21 -size "$big" plasma:grey50-grey50 -colorspace gray -blur 0x6 -auto-level \
  -fx 'main = abs(sin((i/w*0.8 + j/h*1.1 + u*1.8) * pi)); fine = abs(sin((i/w*1.9 - j/h*0.7 + u*2.6) * pi));
       pow(1 - main, 12)*0.55 + pow(1 - fine, 18)*0.3 + u*0.4' \
  -blur 0x0.6 -auto-level "$work/marble.png" -clut "$work/tile2.png"
finish "$work/tile2.png" "$out/TILEPIC2.BMP"

# 3. Slate: a cool grey-blue with clouds and a scatter of lighter and darker grains.
colour_map "$work/slate.png" '#1b222c' '#2c3846' '#3d4c5e' '#55667a'
convert -seed 31 -size "$big" plasma:grey50-grey50 -colorspace gray -blur 0x4 -auto-level \
  \( -size "$big" xc:grey50 -seed 32 +noise Gaussian -colorspace gray -blur 0x0.6 \) \
  -compose blend -define compose:args=55,45 -composite -auto-level -level 8%,92% \
  "$work/slate.png" -clut "$work/tile3.png"
finish "$work/tile3.png" "$out/TILEPIC3.BMP"

# 4. Terracotta: warm baked clay, mottled, with a pitted surface lit from above.
colour_map "$work/clay.png" '#6a1e0c' '#8e3218' '#ab4728' '#c0603a'
convert -seed 41 -size "$big" plasma:grey50-grey50 -colorspace gray -blur 0x3 -auto-level \
  "$work/clay.png" -clut "$work/clay-colour.png"
convert -seed 42 -size "$big" xc:grey50 +noise Random -channel G -separate +channel -blur 0x1 \
  -shade 120x50 -auto-level -level 0%,100% +level 72%,100% "$work/pits.png"
convert "$work/clay-colour.png" "$work/pits.png" -compose multiply -composite "$work/tile4.png"
finish "$work/tile4.png" "$out/TILEPIC4.BMP"

# 5. Lapis lazuli: deep ultramarine clouds with a sprinkle of golden pyrite.
colour_map "$work/lapis.png" '#0a1250' '#142275' '#1f3598' '#3550b8'
convert -seed 51 -size "$big" plasma:grey50-grey50 -colorspace gray -blur 0x2.5 -auto-level \
  "$work/lapis.png" -clut "$work/lapis-colour.png"
convert -seed 52 -size "$big" xc:grey50 +noise Random -channel G -separate +channel -threshold 99.75% \
  -morphology Dilate Disk:1 -blur 0x0.5 -level 0%,55% "$work/flecks.png"
convert "$work/lapis-colour.png" \( -size "$big" xc:'#f2cf62' \) "$work/flecks.png" -composite "$work/tile5.png"
finish "$work/tile5.png" "$out/TILEPIC5.BMP"
