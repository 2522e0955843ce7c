// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <utility>

class RandomSource;

// The word a computer player announces ten seconds before the end of a manche,
// picked from the words the computer search has found so far. The strength of the
// pick follows the difficulty level:
// - beginner (1): a coin toss; heads, a three-letter slice of the drawn letters
//   (as a rule no word at all); tails, any found word;
// - medium (2): any found word;
// - expert (3): a coin toss between the next-to-last word found and a word from the
//   later half of the list (the search finds the longer words last).
// Every random number is a fresh RandomSource::Next(). With no found word every
// level announces the empty word and draws no number.
namespace Announcement {

enum Level { kBeginner = 1, kMedium = 2, kExpert = 3 };

// The announced word. An unknown level picks as the medium one.
QString ChooseWord(int level, const QStringList& foundWords, const QString& drawnLetters, RandomSource& random);

// 1-based entry of a uniform pick among n found words, Int(r * n) + 1, kept within
// 1..n even for an r that rounds up to 1.
int UniformEntry(int n, double r);

// 1-based entry of the expert's later-half pick, Int(r * n) \ 2 + n \ 2 + 1; never
// past entry n.
int LaterHalfEntry(int n, double r);

// 1-based start of the beginner's slice, Round(5r + 1) rounding halves to even: 1 to 6.
int SliceStart(double r);

// Round to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundHalfEven(double x);

// What a screen reader says of the players (numbered 1 to 4) who have just announced:
// "Giocatore 4: parola annunciata", "Giocatori 2, 3 e 4: parole annunciate". Empty
// for nobody.
QString AnnouncedText(const QList<int>& playerNumbers);

// How long each announced word is, as the word boxes show it ("(5 Caratt.)") while
// the words stay hidden: "Giocatore 2: 5 lettere; giocatore 4: nessuna parola".
// `lengths` pairs a player number with the letters of that player's word.
QString AnnouncedLengths(const QList<std::pair<int, int>>& lengths);

}  // namespace Announcement
