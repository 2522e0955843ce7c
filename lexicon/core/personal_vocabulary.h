// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class ProgramFiles;

// The player's own list of extra words for one language, kept beside the main
// lexicon in "USERVOCA." + language number: plain text, one byte per character,
// one word per line ended by CR LF, no header, in the single-byte code page
// (Windows-1252). Words are written in upper case;
// readers upper-case every line, so a line typed in lower case by hand still counts.
class PersonalVocabulary {
public:
    // The file among `files` (kept by the caller for the life of this object).
    PersonalVocabulary(int language, const ProgramFiles& files);

    // "USERVOCA." followed by the language number.
    static QString FileName(int language);
    QString FileName() const { return FileName(language_); }

    bool Exists() const;
    // Creates the file empty when it is missing; false, with the reason in `error`,
    // when that fails or the name belongs to something other than a regular file.
    bool EnsureExists(QString* error = nullptr) const;

    // The largest file read: far more words than anyone types in by hand.
    static constexpr qint64 kMaxFileBytes = 4LL * 1024 * 1024;

    // The entries in file order, each upper case; empty lines are no entries. A
    // missing file is an empty vocabulary; any other failure (unreadable, not a
    // regular file, too large) is also empty, with the reason in `error`.
    QStringList Read(QString* error = nullptr) const;

    // Replaces the whole file with one line per word, in the order given. The file
    // is written beside the old one and renamed into place, so a failure leaves the
    // old list whole. On failure `error` says why.
    bool Save(const QStringList& words, QString* error = nullptr) const;

    // Adds one word, trimmed and upper-cased, as a new line at the end of the file
    // (created when missing). The record is written whole or not at all, and a last
    // line left without its line end is closed first, so the entries already there
    // are never run together. False when the word is empty, cannot be written one
    // byte per character, or the file cannot be written (full disk, not a regular
    // file); then `error` says why.
    bool AppendWord(const QString& word, QString* error = nullptr) const;

    // The file's bytes split into entries, upper case. Lines may end in CR LF, CR or
    // LF; a last line without an end counts too.
    static QStringList ParseEntries(const QByteArray& bytes);
    // One line per word, each ended by CR LF; nothing when a word has a character the
    // code page cannot store.
    static std::optional<QByteArray> FormatEntries(const QStringList& words);

private:
    int language_;
    const ProgramFiles& files_;
};

// Where a word stands in the main lexicon of a language.
enum class MainLexiconMatch { Found, NotFound, FileMissing };

// Scans the section of the word's length in "SLESSICO." + language for an exact,
// byte-for-byte match. The index is read from the file itself, so the answer holds
// for the file as it is on disk, even right after a rebuild.
MainLexiconMatch FindInMainLexicon(const ProgramFiles& files, int language, const QString& word);

// The outcome of the checks a new personal-vocabulary entry goes through, in the
// order they are made.
enum class NewWordVerdict {
    Accepted,
    OutsideAlphabet,  // a character (a digit, J in Italian) is not in the alphabet
    Empty,            // nothing typed: nothing to add
    TooShort,         // 1 or 2 letters
    InMainLexicon,
    LexiconMissing,   // the main lexicon could not be read, so the word is not added
    AlreadyListed,    // already in the personal vocabulary
};

// Checks `word` (already upper case) against the language's alphabet, the minimum
// length of 3, the main lexicon of `language`, and the entries listed so far.
NewWordVerdict CheckNewWord(const ProgramFiles& files, const QString& word, const QString& alphabet, int language,
                            const QStringList& listed);
