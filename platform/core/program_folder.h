// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/bounded_read.h"
#include "platform/core/safe_file_write.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QFileDevice;

// Files of the program folder are named in the program in more than one letter case
// ("REGPAROL.TXT" and "regparol.txt", "SOUND2.wav" and "Sound2.wav"), as on a file
// system that ignores case. These helpers give that meaning on every file system.
namespace ProgramFolder {

// Whether a file can be created in the folder: tried with a real temporary file, since
// permission bits do not tell about read-only mounts or access lists.
bool CanCreateFilesIn(const QString& folder);

// The per-user folder of the game and Gleaner, shared by both: the user's data
// folder named "letterama" (~/.local/share/letterama).
QString DefaultUserFolder();

// The file the install puts into the data folder of an installed copy. Its presence,
// not the folder's permissions, tells an installed copy from a build folder: root may
// write anywhere, and an installed copy must still leave its install tree alone.
inline constexpr char kInstalledMarker[] = "letterama-installed";

// Whether the install marked `programFolder` as the data folder of an installed copy.
bool IsInstalledCopy(const QString& programFolder);

// The folder of the files the programs read: for a program installed with the data
// folder `dataFromPrograms` (relative to the programs' folder, as laid out by the
// install) and marked there, that data folder; otherwise the program's own folder, as
// in a build folder.
QString ProgramFolderFor(const QString& executableFolder, const QString& dataFromPrograms);

// The program folder of the running program, for the layout its install uses.
QString ProgramFolderOfRunningProgram();

// The helpers below take the path of a file (its folder given, as ProgramFiles
// resolves it or a command line names it) and match only its file name without
// regard to case. Where the user's folder lies over an installed copy is for
// ProgramFiles to say: these know nothing of it.

// The path of an existing file in the folder of `path` whose name matches the file
// name of `path` without regard to case; `path` itself when no file matches.
QString Resolve(const QString& path);

// Whether a file of that path exists, its name matched without regard to case.
bool Exists(const QString& path);

// The path of the entry of `folder` named `fileName` without regard to case (a
// folder or special file too, so that a reader can say what is in the way); an empty
// string when there is none.
QString FindInFolder(const QString& folder, const QString& fileName);

// Why a file could not be read, and the whole file when it could (BoundedRead).
using ReadStatus = BoundedRead::Status;
using ReadResult = BoundedRead::Result;

// Large enough for any text file of the game; each reader passes its own, smaller limit.
inline constexpr qint64 kDefaultReadLimit = 64LL * 1024 * 1024;

// The whole file when it is a regular file of at most `maxBytes` bytes, otherwise why not.
ReadResult Read(const QString& path, qint64 maxBytes);

// The same bounded read of the file at exactly `path`, no letter case resolved.
inline ReadResult ReadPath(const QString& path, qint64 maxBytes)
{
    return BoundedRead::Read(path, maxBytes);
}

// The user's message for a failed read of `fileName`, in the program's words.
inline QString ReadFailureText(ReadStatus status, const QString& fileName)
{
    return BoundedRead::FailureText(status, fileName);
}

// The whole file, or nothing when it is missing, unreadable, not a regular file or
// larger than `maxBytes`.
std::optional<QByteArray> ReadAll(const QString& path, qint64 maxBytes = kDefaultReadLimit);

// The step that puts bytes into an open file and flushes them (SafeFileWrite::
// WriteStep): empty for the real write.
using WriteStep = SafeFileWrite::WriteStep;

// Writes the whole file to a temporary file beside it and renames it into place, so
// that a crash leaves either the old file or the new one, never half of one. An
// existing file of the same name in another case is replaced under its own name.
// A target that is, or links to, anything but a regular file is refused.
// Returns false, and leaves the old file untouched, on any failure.
bool WriteAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                     const WriteStep& step = {});

// The path WriteAtomically would write for `path`: the file of that name in any case.
QString WriteTarget(const QString& path);

// Appends one line and its CR LF to a file, whole or not at all (SafeFileWrite::
// AppendLines). Creates the file if needed.
bool AppendLine(const QString& path, const QByteArray& line, QString* error = nullptr, const WriteStep& step = {});

// Creates the file empty when no file of that name is there; false, with the reason,
// when something other than a regular file has the name or the file cannot be made.
bool CreateIfMissing(const QString& path, QString* error = nullptr);

}  // namespace ProgramFolder
