// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class Dialogs;
class RandomSource;
struct GameState;

// The draw of a manche's letters: one vowel or consonant at a time, all at once, or
// a whole word handed in by the word-based draws. Appends to DrawnLetters, shows
// every letter through the DrawTile hook, and calls the completion hook once when
// DrawnLetters holds LetterCount letters.
//
// The letters are drawn at once; the board shows their tiles one after the other
// afterwards, and the completion hook waits for them. Every draw belongs to a
// generation: ResetDraw, the auto button and the word draws open a new one, so that a
// word draw whose question was still open when another draw began, or a whole draw
// reset from inside one of its hooks, stops without touching the state again.
class LetterDraw {
public:
    // What the draw's owner (the game, and through its signals the window) does
    // around a draw. Any hook may be left empty.
    struct Hooks {
        // Parks every tile of the board (the board reset).
        std::function<void()> resetTiles;
        // Resets the players' view for a draw, masks the word boxes, disables
        // "&Nuova Partita" and the vocabulary item and hides "&Tempo di manche".
        std::function<void()> prepareDraw;
        // Shows `letter` at slot `position` (0-based) once the tiles before it are in
        // place; returns at once.
        std::function<void(int position, const QString& letter)> drawTile;
        // The draw is complete: once its tiles are in place, hide the draw buttons,
        // start the manche clock, enable and show the menu items again, run the
        // computer search.
        std::function<void()> drawComplete;
    };

    enum Mode { kRedrawAll = -1, kAuto = 0, kVowel = 1, kConsonant = 2 };

    LetterDraw(GameState& state, RandomSource& random, Dialogs& dialogs, Hooks hooks);

    // The three draw buttons. A press while the draw is complete, or while an auto
    // or word draw is still showing its tiles, is ignored. A vowel or consonant past
    // the limit (LimitReached) shows its message and draws nothing.
    void PressVowel();
    void PressConsonant();
    void PressAuto();

    // The drawing operation: mode 1 a vowel, 2 a consonant, 0 the whole set
    // (vowels at odd positions, consonants at even ones), -1 only shows every
    // letter of DrawnLetters. Ends with the completion check.
    void DrawLetter(int mode);

    // New game or next manche: empties DrawnLetters and SourceWord, zeroes the
    // counters and abandons any draw still under way.
    void ResetDraw();

    // For the word-based draws. BeginWordDraw empties DrawnLetters and the tiles
    // and opens a new generation; it returns false, and does nothing, while the
    // draw is complete. FinishWordDraw shows DrawnLetters as the manche's letters
    // unless another draw or a reset came in since `generation`.
    bool BeginWordDraw();
    void FinishWordDraw(std::uint64_t generation);
    std::uint64_t Generation() const { return generation_; }

    // The limit of vowels or of consonants drawn one by one: at most LetterCount / 2
    // + 1 in real division (6 of 10, 5 of 9, 5 of 8).
    static bool LimitReached(int drawn, int letterCount);
    static QString VowelLimitMessage(int drawnBefore);
    static QString ConsonantLimitMessage(int drawnBefore);

    // A uniform pick among the characters of `pool`: the character at 1-based
    // position Int(r * length + 1).
    static QChar PickFrom(const QString& pool, RandomSource& random);

private:
    void PressSingle(int mode, int& counter);
    bool Appended(const QString& pool, int position);
    bool StillCurrent(std::uint64_t generation) const { return generation == generation_; }
    void CheckComplete(std::uint64_t generation);
    void EmptyForNewDraw();

    GameState& state_;
    RandomSource& random_;
    Dialogs& dialogs_;
    Hooks hooks_;
    std::uint64_t generation_ = 1;
    std::uint64_t completedGeneration_ = 0;
    // Auto and word draws showing their tiles; single presses wait for them.
    int wholeDrawsRunning_ = 0;
};
