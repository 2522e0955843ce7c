// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_rules.h"
#include "model/language.h"

#include <QString>

// How a computer player picks the word it announces.
enum class Difficulty { Beginner = 1, Medium = 2, Expert = 3 };

// How the letter tiles look. None until the player first chooses a style: the board
// then paints as in the 3D style.
enum class TileLook {
    None = 0,
    AnimatedThreeD = 1,  // animated 3D letters
    ThreeD = 2,          // 3D letter pictures
    ClassicPicture = 3,  // printed letters on the manche's background picture
    ClassicLight = 4,    // printed letters on a light tile, the letter flying in
};

// The settings kept between runs in "LETTRAMA.INI": the one copy the game reads and
// the settings file writes. The seventh value, the player's name, is the human
// player's slot name in the game state. An eighth line, "Sito=", is there only when
// the player has written it.
struct GameSettings {
    static constexpr int kUnlimitedSeconds = GameRules::kUnlimitedSeconds;

    int LetterCount = 10;   // 8, 9 or 10 letters per manche; also the word boxes' maximum length
    int RoundSeconds = 0;   // 30, 60, 90, or kUnlimitedSeconds; 0 until the first start-up
    Difficulty Level = Difficulty::Medium;
    Language LexiconLanguage = Language::Italian;
    bool SoundOn = true;
    TileLook TileStyle = TileLook::None;
    // The player's own Letterama site, as written after "Sito="; empty keeps the site
    // the build names.
    QString Site;
};
