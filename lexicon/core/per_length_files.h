// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/program_files.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The per-length word files: the plain-text exchange form of the lexicon, one file
// per word length among the files of a folder (an installed copy's user folder laid
// over its data: the shipped files are read, the user's copies written), one word per line, CR LF line ends, text in the
// single-byte code page. The dictionary editor writes and reads "3.TXT" to "10.TXT";
// Gleaner appends to "2.txt" to "15.txt". Names are matched without regard to letter
// case, so "3.TXT" and "3.txt" are one file.
namespace PerLengthFiles {

// Gleaner's lengths; the editor's are 3 to 10.
inline constexpr int kShortest = 2;
inline constexpr int kLongest = 15;
// A word file holds at most a few hundred thousand short lines; anything larger is
// not a word file, and reading it would only stall the window.
inline constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// "5.TXT": the editor's spelling of the name; Gleaner writes "5.txt".
QString FileName(int length);

// The path of the file of `length` among `files`: an existing file whose name
// matches without regard to case, else where FileName(length) would be written.
QString PathOf(const ProgramFiles& files, int length);

// "5.txt": Gleaner's spelling of the name, for the files it creates.
QString AppendFileName(int length);

// As PathOf, but a missing file is named AppendFileName(length).
QString AppendPathOf(const ProgramFiles& files, int length);

// The lines of a text: CR LF ends a line, and so does a lone CR or LF (a file edited
// elsewhere); a last line without its end counts, and the end of the last line opens
// no empty line after it.
QStringList SplitLines(const QString& text);

struct ReadResult {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    // Every line as one entry, in file order; an empty line is an empty entry.
    QStringList words;
    // For Unreadable: what went wrong, naming the file, in the program's words.
    QString error;
};

// Reads the file of `length` among `files`. Only a regular file within kMaxFileBytes is
// read; a folder, a device or a pipe of that name is unreadable. Lines end at CR LF,
// CR or LF; the text is UTF-8 when it is valid UTF-8, else the single-byte code page.
ReadResult Read(const ProgramFiles& files, int length);

// The bytes of a word file holding `words`, one per line, each ended by CR LF; nothing
// when a word has a character that the single-byte code page cannot hold.
std::optional<QByteArray> Format(const QStringList& words);

// Replaces the file of `length` among `files` whole through a temporary file; on any
// failure the old file stays as it was and `error` says what failed.
bool Write(const ProgramFiles& files, int length, const QStringList& words, QString* error = nullptr);

// Appends `word` (plain capitals) as a line of its own to the word file of its
// length among `files` (as AppendPathOf names it), creating the file when missing. The line goes in whole or
// not at all: a full disk or any other failure leaves the file as it was, and
// `error` names the file, the word and the reason ("Spazio esaurito sul
// dispositivo"). A folder, a pipe or a device of that name is never opened.
bool AppendWord(const ProgramFiles& files, const QByteArray& word, QString* error);

}  // namespace PerLengthFiles
