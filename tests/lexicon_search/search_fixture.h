// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexicon/core/lexicon_words.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>

#include <memory>
#include <ostream>
#include <random>

// Test failures show words as text.
void PrintTo(const QString& text, std::ostream* out);

// The bytes of a lexicon file holding `words` in the order given within each length.
// Words of 3 to 10 letters go through the lexicon writer; longer ones, which the
// writer never writes, follow as further sections of their own.
QByteArray LexiconBytes(const QByteArrayList& words);
std::shared_ptr<const LexiconWords> LoadedWords(const QByteArrayList& words);

// The letter test done the long way: each letter of the word takes the first unused
// equal letter of the draw, marked used.
bool ReferenceLetterTest(const QString& word, const QString& drawnLetters);

// What a plain scan of the file finds: lengths 3 to letterCount in turn, each in file
// order, every word that passes the letter test.
QStringList ReferenceSearch(const QByteArrayList& words, const QString& drawnLetters, int letterCount);

// Random words of `minLength` to `maxLength` letters, weighted like the Italian letter
// pools so that draws spell plenty of them.
QByteArrayList RandomWords(std::mt19937& random, int count, int minLength, int maxLength);
// A draw of `letters` letters from the Italian pools, about half vowels.
QString RandomDraw(std::mt19937& random, int letters);
