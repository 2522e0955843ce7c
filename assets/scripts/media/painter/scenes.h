// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Each scene writes numbered PNG frames (or one picture) that the shell script
// turns into the game's GIF and JPEG files.

// For every letter A..Z: LETTER_00.png (the letter at rest, also used as the
// still picture) and LETTER_01.png .. LETTER_12.png (one swing with a gleam).
void paintLetterFrames(const QString& folder, int scale = 1);
inline constexpr int kLetterSwingFrames = 12;

// The logo: "Letterama" spelt in tiles over a subtitle, 320 x 120.
void paintLogo(const QString& file);

// The desktop icon: the logo's first tile on its ground, SIZE x SIZE.
void paintIcon(const QString& file, int size);

// A magnifying glass that slides over a word and back: frame_00.png ...
void paintMagnifierFrames(const QString& folder);
inline constexpr int kMagnifierFrames = 24;

// Preview only: the classic tile style (light-cyan letter, black shadow) on a
// background picture, to judge whether the letter stays readable.
void paintClassicPreview(const QString& background, const QString& file);
