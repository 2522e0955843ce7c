// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringView>

#include <QList>

#include <optional>

// How Gleaner turns a line of text into words: tokens are cut at blanks only, and a
// token is a word when every character is a letter A to Z in either case or an
// accented vowel, which counts as its plain vowel ("città" is CITTA).
namespace HarvestWords {

// Gleaner appends words of 2 to 15 letters: the lengths of its word files.
inline constexpr int kShortest = 2;
inline constexpr int kLongest = 15;

// Cuts the next token off the front of `rest`: the text before the first blank, or
// all of it when there is none. The rest then starts after the blanks that follow.
// Only the blank (U+0020) separates: tabs and punctuation stay inside the token. A
// rest that starts with a blank gives one empty token; blanks in a row give none.
QStringView CutToken(QStringView& rest);

// The words a reader takes from a line, for a text whose words end at punctuation:
// a word is a run of letters, cut at anything else (punctuation, digits, tabs,
// blanks). An elided fragment before an apostrophe is left out ("dell'anno" gives
// "anno"), and so is a word written with a capital inside a sentence (a name). A
// sentence starts at the start of the text, after ".", "!", "?" or "…", and after a
// blank line; `sentenceStart` carries that from one line to the next.
QList<QStringView> ReaderWords(QStringView line, bool& sentenceStart);

// The token in plain capitals, or nothing when a character is not a letter of the
// word files. W, K, J, X and Y are letters only when `foreignLetters` is set.
std::optional<QByteArray> PlainWord(QStringView token, bool foreignLetters);

// Whether a word of that many letters goes into a word file.
constexpr bool HasHarvestLength(qsizetype letters)
{
    return letters >= kShortest && letters <= kLongest;
}

}  // namespace HarvestWords
