// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/program_files.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The word rules: a plain text file "REGPAROL.TXT" in the program folder that tells
// the player which words count. The program only shows it, never writes it.
namespace WordRules {

inline constexpr const char* kFileName = "REGPAROL.TXT";
// A page of rules is a few hundred bytes; a message box with far more text than this
// would hold the window for seconds.
inline constexpr qint64 kMaxFileBytes = 32 * 1024;

// The lines of the rules file of `files`, without their line ends; nothing when it is missing
// or cannot be read, and then `failure` (when given) says why in the user's words.
std::optional<QStringList> ReadLines(const ProgramFiles& files, QString* failure = nullptr);

// The text of the rules message: the lines one under another, the "ERRORE 0001"
// message naming the file when it is missing, or why it cannot be read.
QString MessageText(const ProgramFiles& files);

// The text of the rules box of the confirmation window: the lines one under
// another, "File REGPAROL.txt non trovato", or why it cannot be read.
QString BoxText(const ProgramFiles& files);

// The rules file's bytes as text. A file saved as UTF-8 reads as such; anything
// else is the Windows single-byte code page of the original texts.
QString DecodeText(const QByteArray& bytes);

}  // namespace WordRules
