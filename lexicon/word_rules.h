#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The word rules: a plain text file "REGPAROL.TXT" in the program folder that tells
// the player which words count. The program only shows it, never writes it.
namespace WordRules {

inline constexpr const char* kFileName = "REGPAROL.TXT";

// The lines of the rules file, without their line ends; nothing when it is missing.
std::optional<QStringList> ReadLines();

// The text of the rules message: the lines one under another, or the "ERRORE 0001"
// message naming the file when it is missing.
QString MessageText();

// The text of the rules box of the confirmation window: the lines one under
// another, or "File REGPAROL.txt non trovato".
QString BoxText();

// The rules file's bytes as text. A file saved as UTF-8 reads as such; anything
// else is the Windows single-byte code page of the original texts.
QString DecodeText(const QByteArray& bytes);

}  // namespace WordRules
