// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QFileDevice;

// Every write of the programs goes through here, so that three promises hold for all
// of them: only a regular file is ever written (a FIFO would hold the program for
// ever, a device would swallow the data or, replaced by a rename, be lost to the
// whole machine); an append leaves the file either with the whole new lines or as it
// was; a whole-file write leaves either the old file or the new one. A failure says
// why in the player's words, "Spazio esaurito sul dispositivo" for a full disk.
namespace SafeFileWrite {

// What stands at a path, links followed.
enum class Kind { Missing, RegularFile, Folder, Fifo, Device, Socket, DanglingLink, Other };

struct Target {
    Kind kind = Kind::Missing;
    bool viaLink = false;  // the path is a link to what `kind` names
    bool Writable() const { return kind == Kind::Missing || kind == Kind::RegularFile; }
};

Target Inspect(const QString& path);

// What is there, for a message: "è una cartella", "è un collegamento a un dispositivo".
// Empty for a missing or regular file.
QString Describe(Target target);

// "USERVOCA.1 è una pipe (FIFO), non un file normale", naming the file by its name alone.
QString RefusalText(const QString& path, Target target);

inline constexpr const char* kDiskFull = "Spazio esaurito sul dispositivo";

// The step that puts bytes into an open file and flushes them. Each write and append
// below takes one: a test hands in a step that acts out a disk filling up, leaving
// errno as write(2) would (ENOSPC for a full disk). An empty step is the real write.
using WriteStep = std::function<bool(QFileDevice& file, const QByteArray& bytes)>;

// Adds `lines` (whole lines, each with its line end) at the end of the file at `path`,
// creating it when missing. A last line left without its end (a file edited by hand)
// is closed first, so the new line never runs into it. Whatever fails, the file is
// cut back to its old length. False, with the reason in `error`, on any failure.
bool AppendLines(const QString& path, const QByteArray& lines, QString* error = nullptr, const WriteStep& step = {});

// Creates the file empty when it is missing; true when a regular file is there now.
// Never opens anything else.
bool CreateIfMissing(const QString& path, QString* error = nullptr);

// Replaces the file at `path` whole: written to a temporary file beside it and renamed
// into place; a link to a regular file has the file it points to replaced. Refuses a
// target that is, or links to, anything but a regular file.
bool ReplaceWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr, const WriteStep& step = {});

}  // namespace SafeFileWrite
