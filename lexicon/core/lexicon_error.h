// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/language.h"

#include <QString>

#include <cstdint>

#include <utility>
#include <variant>

// No lexicon comes near this size (the Italian one is a few MB); a larger file, even a
// sparse one that costs no disk, is refused before anything is read into memory.
inline constexpr std::int64_t kLargestLexiconFileBytes = 100'000'000;

// Why the lexicon of a language could not be read. The core only reports it; the
// game's windows show the message, the command-line tool writes its own line.
struct LexiconError {
    enum class Kind {
        Missing,     // no regular file of that name in the program folder
        Unreadable,  // the file is there but cannot be opened or read
        TooLarge,    // larger than any lexicon (kLargestLexiconFile): not read at all
    };
    Kind kind = Kind::Missing;
    // The language whose lexicon it is. A file named on the command line has none;
    // the tool words its errors itself.
    Language language = Language::Italian;
    QString fileName;  // as looked for

    static LexiconError MissingFile(Language language, QString fileName)
    {
        return {Kind::Missing, language, std::move(fileName)};
    }
    static LexiconError UnreadableFile(Language language, QString fileName)
    {
        return {Kind::Unreadable, language, std::move(fileName)};
    }
    static LexiconError TooLargeFile(Language language, QString fileName)
    {
        return {Kind::TooLarge, language, std::move(fileName)};
    }

    // The message the game shows: "Errore 0002: Non trovato file di vocabolario
    // SLESSICO.<n>" for a missing file; a file that is there but cannot be read is
    // told as such, so that the player does not look for a file that exists.
    QString Message() const;
};

// A value, or the reason the lexicon could not be read for it.
template <typename T>
class LexiconResult {
public:
    LexiconResult(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    LexiconResult(LexiconError error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool HasValue() const { return state_.index() == 0; }
    explicit operator bool() const { return HasValue(); }

    // Only when HasValue().
    const T& operator*() const& { return std::get<0>(state_); }
    T& operator*() & { return std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }
    // Only when !HasValue().
    const LexiconError& Error() const { return std::get<1>(state_); }

private:
    std::variant<T, LexiconError> state_;
};
