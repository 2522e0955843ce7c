#pragma once

#include "high_score_entry.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The high-score file "Lettrama.HIS" of the program folder: one entry per line, best
// first, the name, a comma and the score in numeric print form ("Bruno, 12300"),
// lines ended by CR LF. The name is a comma-separated-input string field: a name that
// holds a comma or a double quote, or starts or ends with blanks, is written between
// double quotes with inner quotes doubled ("""Zio"", Pino", 900), so every name
// reads back exactly as written. Plain names stay unquoted, as older files have them.
//
// Text is written as UTF-8; a file that is not valid UTF-8 is read as Latin-1, the
// single-byte code page older installations wrote.
namespace HighScoreFile {

inline constexpr const char* kFileName = "Lettrama.HIS";

// Every entry that parses, in file order. A line without a usable score (no comma,
// no number, a number outside the 16-bit range, an unclosed quote) is dropped, as
// are blank lines, so an empty or damaged file gives what can be saved of it.
std::vector<HighScoreEntry> Parse(const QByteArray& bytes);

// The file's bytes for these entries, one CR LF line each, in the order given.
QByteArray Format(const std::vector<HighScoreEntry>& entries);

// The entries of the file in the current folder (found without regard to case);
// none when it does not exist.
std::vector<HighScoreEntry> Load();

// Replaces the file through a temporary file, so a failure leaves the old table
// whole. Returns false with the reason in `error` on failure.
bool Save(const std::vector<HighScoreEntry>& entries, QString* error = nullptr);

}  // namespace HighScoreFile
