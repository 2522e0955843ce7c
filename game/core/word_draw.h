// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

class Dialogs;
class ProgramFiles;
class LetterDraw;
class RandomSource;
struct GameState;
struct LexiconIndex;
class LexiconWords;

// The two draws made from a whole string: a string typed by a player, used in the
// order typed, and a word of LetterCount letters chosen from the lexicon and
// scrambled. The string is kept as SourceWord so that the results can refuse a
// player's word copied from it. Both finish through LetterDraw, which shows the
// tiles and starts the manche.
class WordDraw {
public:
    // `index` is the lexicon index of the current language; its owner keeps it up
    // to date when the language changes or the lexicon is rebuilt.
    // The lexicon word of "Fissa PC" is read from the lexicon file of `files`.
    WordDraw(GameState& state, LetterDraw& draw, Dialogs& dialogs, RandomSource& random, const LexiconIndex& index,
             const ProgramFiles& files);

    // "Input &Parola": asks for the string; a string of the wrong length or with a
    // character outside Alphabet beeps and draws nothing.
    void PressTypedWord();
    // "Fi&ssa PC": picks a lexicon word, scrambles it and draws it (a missing lexicon
    // shows its message, then beeps like a wrong string).
    void PressProgramWord();

    // A draw of exactly `letters` (a string already typed, or a word already
    // scrambled): they become the manche's letters and its source word, or, when they
    // cannot be (wrong length, a character outside Alphabet), a beep and no draw.
    // Nothing happens while the draw is complete.
    void DrawString(const QString& letters);

    // One word of `length` letters picked uniformly from words held in memory, as
    // PickLexiconWord picks from the file: empty when there is none of that length.
    static QString PickWord(const LexiconWords& words, int length, RandomSource& random);

    // One word of exactly LetterCount letters picked uniformly from the lexicon file
    // of LexiconLanguage, or an empty string (no such words, or the file is missing:
    // then the "Errore 0002" message is shown first).
    QString PickLexiconWord();

    // The letters of `word` in a random order, each used exactly once: the place of
    // the next letter is Int(r * length) + 1, drawn again while it falls on a letter
    // already taken.
    static QString Scramble(const QString& word, RandomSource& random);
    static QString TypedWordPrompt(int letterCount);
    // Whether `letters` can be a manche's letters: exactly `letterCount` characters,
    // each in `alphabet`.
    static bool IsPlayable(const QString& letters, int letterCount, const QString& alphabet);

private:
    // Shared tail of both draws: keeps the letters and their source, or refuses them.
    void DrawFrom(const QString& letters, std::uint64_t generation);

    GameState& state_;
    LetterDraw& draw_;
    Dialogs& dialogs_;
    RandomSource& random_;
    const LexiconIndex& index_;
    const ProgramFiles& files_;
};
