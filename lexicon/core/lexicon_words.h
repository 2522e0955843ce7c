// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexicon/core/anagram_index.h"
#include "lexicon/core/lexicon_index.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string_view>

// The words of one lexicon file held in memory with their anagram index, so that the
// word lookup and the computer search answer in microseconds instead of reading the
// file word by word. Loaded whenever a lexicon is loaded (start-up, another language,
// after a rebuild); the anagram index is built when it is first asked for (the
// first search or lookup), so that loading costs no more than reading the file and
// start-up does not wait for it. A holder keeps it alive even when the game has moved
// on to another lexicon meanwhile. Once loaded it never changes but for that one
// build, which is guarded: games on several threads may share one.
class LexiconWords {
public:
    // Reads the index and the word area of the file at `path` (the exact path; callers
    // resolve the letter case). Nothing when the file is missing, unreadable, not a
    // regular file or larger than kLargestLexiconFileBytes.
    static std::shared_ptr<const LexiconWords> Load(const QString& path);
    // The same from the bytes of a whole lexicon file.
    static std::shared_ptr<const LexiconWords> FromFileBytes(QByteArray bytes);

    const LexiconIndex& Index() const { return index_; }
    // Built on the first call, a few tens of milliseconds for the Italian lexicon.
    const AnagramIndex& Anagrams() const;

    // Number of words of that length; 0 outside 3 to 15.
    std::int32_t Count(int length) const;
    // Word k (0-based, in file order) of that length: `length` bytes, as in the file.
    std::string_view Word(int length, std::int32_t k) const;

    // Whether the lexicon holds exactly these bytes: the one rule of every lookup of
    // the game, the tools and the site. Builds the anagram index on the first call.
    bool Holds(std::string_view word) const;

    // Bytes held: the file's contents and the index tables.
    std::size_t MemoryBytes() const;

private:
    explicit LexiconWords(QByteArray bytes);

    QByteArray bytes_;
    LexiconIndex index_;
    // Built once, by the first reader of whatever thread; read-only from then on.
    // Once built, a lookup finds it through `builtAnagrams_` alone: a lookup of the
    // site's live tables costs tens of nanoseconds, and std::call_once alone a tenth.
    mutable std::once_flag anagramsBuilt_;
    mutable std::unique_ptr<AnagramIndex> anagrams_;
    mutable std::atomic<const AnagramIndex*> builtAnagrams_{nullptr};
};
