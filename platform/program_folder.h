#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files of the program folder are named in the program in more than one letter case
// ("REGPAROL.TXT" and "regparol.txt", "SOUND2.wav" and "Sound2.wav"), as on a file
// system that ignores case. These helpers give that meaning on every file system.
namespace ProgramFolder {

// The path of an existing file whose name matches `name` without regard to case,
// looked up in the folder of `name` (the current folder for a bare name); `name`
// itself when no file matches.
QString Resolve(const QString& name);

// Whether a file of that name exists, without regard to case.
bool Exists(const QString& name);

// The whole file, or nothing when it is missing or unreadable.
std::optional<QByteArray> ReadAll(const QString& name);

// Writes the whole file to a temporary file beside it and renames it into place, so
// that a crash leaves either the old file or the new one, never half of one. An
// existing file of the same name in another case is replaced under its own name.
// Returns false, and leaves the old file untouched, on any failure.
bool WriteAtomically(const QString& name, const QByteArray& bytes, QString* error = nullptr);

// Appends one line to a file. Creates the file if needed.
bool AppendLine(const QString& name, const QByteArray& line);

}  // namespace ProgramFolder
