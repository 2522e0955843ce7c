#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// One player slot: slot 0 is the human at the keyboard, slots 1 to 3 the computer
// players by default. The results board counts the same players 1 to 4.
struct PlayerSlot {
    QString Name;
    QString Word;
};

// A slot is a computer player exactly when its name contains "(CPU)".
bool IsComputerPlayer(const QString& name);

// The shared state of a running game: plain values, one instance for the whole run,
// owned by the main window and read by every part of the game. Numbers are 16-bit
// in the game's own terms; they are kept in int here.
struct GameState {
    static constexpr int kPlayers = 4;
    static constexpr int kUnlimitedSeconds = 32000;

    int LetterCount = 10;     // 8, 9 or 10 letters per manche; also the word boxes' maximum length
    int RoundSeconds = 0;     // 30, 60, 90, or 32000 for unlimited; 0 until the first start-up
    int Level = 2;            // 1 beginner, 2 medium, 3 expert
    int LexiconLanguage = 1;  // 1 Italian, 2 English, 3 Latin
    bool SoundOn = true;
    int TileStyle = 0;        // 1 animated 3D, 2 3D, 3 classic with picture, 4 classic light; 0 none chosen yet

    QString DrawnLetters;     // upper case, in draw order; complete at LetterCount letters
    int VowelsDrawn = 0;
    int ConsonantsDrawn = 0;
    int ElapsedSeconds = 0;
    int FinishSeconds = 0;
    int MancheNumber = 1;
    bool GameOver = false;
    QString SourceWord;       // the string of the last word-based draw
    std::array<int, kPlayers> TotalScores{};

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

    bool DrawComplete() const { return DrawnLetters.size() == LetterCount; }
};
