#include "word_search.h"

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

bool WordSearch::FindLength(int length, YieldPacer& pacer, QStringList& found) const
{
    if (words_.Count(length) <= 0)
        return true;
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
            if (!pacer.Step())
                return false;
            if (counts_.Spells(words_.Word(length, static_cast<std::int32_t>(k))))
                hits.push_back(k);
        }
        // Each key's words are in file order already; across keys they interleave. Two
        // parts sharing a key would have brought the same words twice.
        std::sort(hits.begin(), hits.end());
        hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
    } else if (!ScanLength(length, pacer, hits)) {
        return false;
    }
    found.reserve(found.size() + static_cast<qsizetype>(hits.size()));
    for (const std::uint32_t k : hits) {
        const std::string_view word = words_.Word(length, static_cast<std::int32_t>(k));
        found.append(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    }
    return true;
}

bool WordSearch::ScanLength(int length, YieldPacer& pacer, std::vector<std::uint32_t>& hits) const
{
    const std::int32_t count = words_.Count(length);
    for (std::int32_t k = 0; k < count; ++k) {
        if (!pacer.Step())
            return false;
        if (counts_.Spells(words_.Word(length, k)))
            hits.push_back(static_cast<std::uint32_t>(k));
    }
    return true;
}

WordSearch::Outcome WordSearch::Run(const LexiconSource& source, const QString& drawnLetters, int letterCount,
                                    Dialogs& dialogs, const Callbacks& callbacks)
{
    // Held for the whole run: a language change during a yield must not free it.
    const std::shared_ptr<const LexiconWords> words = source.Open(dialogs);
    if (!words)
        return Outcome::LexiconMissing;
    // The message box of a missing file aside, nothing has let events run yet.
    if (callbacks.started)
        callbacks.started();

    YieldPacer pacer(callbacks.cooperation);
    const WordSearch search(*words, drawnLetters);
    for (int n = LexiconIndex::kMinLength; n <= letterCount; ++n) {
        if (!pacer.Step())
            return Outcome::Overtaken;
        QStringList found;
        if (!search.FindLength(n, pacer, found))
            return Outcome::Overtaken;
        if (callbacks.lengthDone)
            callbacks.lengthDone(n, found);
    }
    return Outcome::Completed;
}

QStringList WordSearch::FindAll(const LexiconWords& words, const QString& drawnLetters, int letterCount)
{
    const Cooperation alone;
    YieldPacer pacer(alone);
    const WordSearch search(words, drawnLetters);
    QStringList found;
    for (int n = LexiconIndex::kMinLength; n <= letterCount; ++n)
        search.FindLength(n, pacer, found);
    return found;
}

QString FoundWordLine(const QString& word)
{
    return QStringLiteral("(") + QString::number(word.size()) + QStringLiteral(") -   ") + word;
}
