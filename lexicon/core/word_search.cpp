// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/word_search.h"

#include <algorithm>

WordSearch::WordSearch(const LexiconWords& words, const QString& drawnLetters)
    : words_(words), counts_(drawnLetters)
{
    std::uint64_t parts = 1;
    for (char c = 'A'; c <= 'Z'; ++c) {
        const int count = counts_.Count(static_cast<unsigned char>(c));
        if (count > 0) {
            letters_.emplace_back(*AnagramIndex::LetterKey(c), count);
            parts = std::min<std::uint64_t>(parts * static_cast<std::uint64_t>(count + 1), kMaxParts + 1);
        }
    }
    partsListed_ = parts <= kMaxParts;
    if (partsListed_)
        CollectParts(0, 0, 0);
}

void WordSearch::CollectParts(std::size_t letter, int size, AnagramIndex::Key key)
{
    if (letter == letters_.size()) {
        if (size >= 1)
            partsBySize_[size].push_back(key);
        return;
    }
    const auto [letterKey, count] = letters_[letter];
    for (int copies = 0; copies <= count && size + copies <= AnagramIndex::kMaxLength; ++copies) {
        CollectParts(letter + 1, size + copies, key);
        key += letterKey;
    }
}

void WordSearch::FindLength(int length, QStringList& found) const
{
    if (words_.Count(length) <= 0)
        return;
    std::vector<std::uint32_t> hits;
    const AnagramIndex& index = words_.Anagrams();
    if (partsListed_) {
        for (const AnagramIndex::Key key : partsBySize_[length]) {
            // The letter test only matters for the rare other letter set sharing a key.
            for (const std::uint32_t k : index.Candidates(length, key)) {
                if (counts_.Spells(words_.Word(length, static_cast<std::int32_t>(k))))
                    hits.push_back(k);
            }
        }
        for (const std::uint32_t k : index.OddWords(length)) {
            if (counts_.Spells(words_.Word(length, static_cast<std::int32_t>(k))))
                hits.push_back(k);
        }
        // Each key's words are in file order already; across keys they interleave. Two
        // parts sharing a key would have brought the same words twice.
        std::sort(hits.begin(), hits.end());
        hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
    } else {
        ScanLength(length, hits);
    }
    found.reserve(found.size() + static_cast<qsizetype>(hits.size()));
    for (const std::uint32_t k : hits) {
        const std::string_view word = words_.Word(length, static_cast<std::int32_t>(k));
        found.append(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    }
}

void WordSearch::ScanLength(int length, std::vector<std::uint32_t>& hits) const
{
    const std::int32_t count = words_.Count(length);
    for (std::int32_t k = 0; k < count; ++k) {
        if (counts_.Spells(words_.Word(length, k)))
            hits.push_back(static_cast<std::uint32_t>(k));
    }
}

LexiconResult<WordSearch::Found> WordSearch::Run(const LexiconSource& source, const QString& drawnLetters,
                                                 int letterCount)
{
    const LexiconResult<std::shared_ptr<const LexiconWords>> words = source.Open();
    if (!words)
        return words.Error();
    const WordSearch search(**words, drawnLetters);
    Found found;
    for (int n = LexiconIndex::kMinLength; n <= std::min(letterCount, LexiconIndex::kMaxLength); ++n)
        search.FindLength(n, found.byLength_[n]);
    return found;
}

QStringList WordSearch::FindAll(const LexiconWords& words, const QString& drawnLetters, int letterCount)
{
    const WordSearch search(words, drawnLetters);
    QStringList found;
    for (int n = LexiconIndex::kMinLength; n <= letterCount; ++n)
        search.FindLength(n, found);
    return found;
}

const QStringList& WordSearch::Found::OfLength(int length) const
{
    static const QStringList none;
    if (length < LexiconIndex::kMinLength || length > LexiconIndex::kMaxLength)
        return none;
    return byLength_[static_cast<std::size_t>(length)];
}

QStringList WordSearch::Found::InOrder() const
{
    QStringList words;
    for (const QStringList& ofLength : byLength_)
        words += ofLength;
    return words;
}

QString FoundWordLine(const QString& word)
{
    return QStringLiteral("(") + QString::number(word.size()) + QStringLiteral(") -   ") + word;
}
