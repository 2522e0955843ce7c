#pragma once

#include "letter_test.h"
#include "lexicon_source.h"
#include "yield_pacer.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class Dialogs;

// The computer players' search: every lexicon word of 3 to LetterCount letters that
// the drawn letters spell, by length ascending and in file order within a length,
// exactly as a scan of the file with the letter test would list them.
//
// Words of letters A-Z are reached through the anagram index: the search asks for
// the key of every distinct part of the draw (at most 1024 for ten letters) and sorts
// what it collects back into file order. Words with other bytes, and every word when
// the draw is too rich to split that way, go through the letter test one by one.
class WordSearch {
public:
    enum class Outcome { Completed, LexiconMissing, Overtaken };

    struct Callbacks {
        Cooperation cooperation;
        // Once the lexicon file is known to be there, before anything is found: the
        // caller empties its found words and its list.
        std::function<void()> started;
        // After each length n = 3 to letterCount in turn, with the words of length n
        // found (possibly none). Never called once the search has been overtaken.
        std::function<void(int length, const QStringList& words)> lengthDone;
    };

    // The whole search of one manche. A missing lexicon file shows the "Errore 0002"
    // message and changes nothing. The letters are taken when the search starts.
    static Outcome Run(const LexiconSource& source, const QString& drawnLetters, int letterCount, Dialogs& dialogs,
                       const Callbacks& callbacks);

    // The same over words already loaded, without yields: every word found, in order.
    static QStringList FindAll(const LexiconWords& words, const QString& drawnLetters, int letterCount);

    WordSearch(const LexiconWords& words, const QString& drawnLetters);

    // Appends to `found` the words of that length that the letters spell, in file
    // order. False when the search was overtaken during a yield.
    bool FindLength(int length, YieldPacer& pacer, QStringList& found) const;

private:
    // A ten-letter draw has at most 2^10 distinct parts. Past this many, asking for
    // each of them costs as much as testing every word.
    static constexpr std::uint64_t kMaxParts = 8192;

    void CollectParts(std::size_t letter, int size, AnagramIndex::Key key);
    bool ScanLength(int length, YieldPacer& pacer, std::vector<std::uint32_t>& hits) const;

    const LexiconWords& words_;
    DrawnLetterCounts counts_;
    std::vector<std::pair<AnagramIndex::Key, int>> letters_;  // distinct letters A-Z: key, count
    bool partsListed_ = false;
    std::array<std::vector<AnagramIndex::Key>, AnagramIndex::kMaxLength + 1> partsBySize_{};
};

// One line of the found-words list: "(" + length + ") -   " + word.
QString FoundWordLine(const QString& word);
