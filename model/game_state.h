// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_rules.h"
#include "model/game_settings.h"

#include <QString>
#include <QStringList>

#include <array>

// One player slot: slot 0 is the human at the keyboard, slots 1 to 3 the computer
// players by default. The results board counts the same players 1 to 4.
struct PlayerSlot {
    QString Name;
    QString Word;
};

// A slot is a computer player exactly when its name contains "(CPU)".
bool IsComputerPlayer(const QString& name);

// The state of one game: the settings, the manche in progress and the language's
// letter tables. A Game holds it privately and its parts write it; windows read it
// through the game's const view. Numbers are 16-bit in the game's own terms; they
// are kept in int here.
struct GameState {
    static constexpr int kPlayers = GameRules::kPlayers;
    static constexpr int kUnlimitedSeconds = GameSettings::kUnlimitedSeconds;

    GameSettings Settings;

    QString DrawnLetters;     // upper case, in draw order; complete at LetterCount letters
    int VowelsDrawn = 0;
    int ConsonantsDrawn = 0;
    int ElapsedSeconds = 0;
    int FinishSeconds = 0;
    int MancheNumber = 1;
    bool GameOver = false;
    QString SourceWord;       // the string of the last word-based draw
    std::array<int, kPlayers> TotalScores{};

    // The letters of the language in use, from its table.
    QString Alphabet;
    QString VowelPool;
    QString ConsonantPool;

    // Words found by the computer search in this draw, in the order found
    // (1-based in the game's terms: FoundWords[0] is entry 1).
    QStringList FoundWords;
    int FoundCount() const { return static_cast<int>(FoundWords.size()); }

    std::array<PlayerSlot, kPlayers> Players{{{QStringLiteral("Anonimo"), {}},
                                              {QStringLiteral("Valentina (CPU)"), {}},
                                              {QStringLiteral("Giacomo (CPU)"), {}},
                                              {QStringLiteral("Andrea (CPU)"), {}}}};

    bool DrawComplete() const { return DrawnLetters.size() == Settings.LetterCount; }

    // Alphabet and pools from the table of `language`.
    void UseLettersOf(Language language);
};
