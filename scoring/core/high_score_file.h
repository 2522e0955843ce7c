// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring/core/high_score_entry.h"
#include "platform/core/program_files.h"
#include "platform/core/program_folder.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The high-score file "Lettrama.HIS" of the program folder: one entry per line, best
// first, the name, a comma and the score in numeric print form ("Bruno, 12300"),
// lines ended by CR LF. The name is a comma-separated-input string field: a name that
// holds a comma or a double quote, or starts or ends with blanks, is written between
// double quotes with inner quotes doubled ("""Zio"", Pino", 900), so every name
// reads back exactly as written. Plain names stay unquoted, as older files have them.
//
// Text is written in the single-byte code page (Windows-1252); a file that is valid
// UTF-8 (as an earlier version of this program wrote it) is read as UTF-8.
namespace HighScoreFile {

inline constexpr const char* kFileName = "Lettrama.HIS";
// Fifty short lines; anything near this size is not a high-score file.
inline constexpr qint64 kMaxFileBytes = 64 * 1024;

// A file as read: the entries that parse, and the lines that do not, byte for byte,
// so that a rewrite can keep them below the table.
struct Contents {
    std::vector<HighScoreEntry> entries;
    std::vector<QByteArray> unparsedLines;
};

// What reading the file gave: `status` tells a missing file from one that is there
// but cannot be read, which must then never be rewritten.
struct LoadResult {
    ProgramFolder::ReadStatus status = ProgramFolder::ReadStatus::Missing;
    Contents contents;
    bool Readable() const
    {
        return status == ProgramFolder::ReadStatus::Ok || status == ProgramFolder::ReadStatus::Missing;
    }
};

// Every entry that parses, in file order. A line without a usable score (no comma,
// no number, a number outside the 16-bit range, an unclosed quote) is dropped, as
// are blank lines, so an empty or damaged file gives what can be saved of it.
std::vector<HighScoreEntry> Parse(const QByteArray& bytes);
// The same, with the non-blank lines that did not parse kept aside.
Contents ParseContents(const QByteArray& bytes);

// The file's bytes for these entries, one CR LF line each, in the order given,
// followed by `unparsedLines` as they were read. Nothing when a name holds a
// character the code page cannot store.
std::optional<QByteArray> Format(const std::vector<HighScoreEntry>& entries,
                                 const std::vector<QByteArray>& unparsedLines = {});

// The file of `files` (found without regard to case), within the size limit, and
// only when it is a regular file.
LoadResult Load(const ProgramFiles& files);

// Replaces the file through a temporary file, so a failure leaves the old table
// whole. Returns false with the reason in `error` on failure, also when a name
// cannot be stored in the code page.
bool Save(const ProgramFiles& files, const std::vector<HighScoreEntry>& entries, const std::vector<QByteArray>& unparsedLines = {},
          QString* error = nullptr);

}  // namespace HighScoreFile
