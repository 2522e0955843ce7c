// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/program_folder.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The files of one copy of the programs: the program folder (the installed data, or
// a build folder holding everything), and for an installed copy the user's data
// folder laid over it. A file is read from the user's folder first, then from the
// program folder; every write goes to the user's folder, the program folder of an
// installed copy is never written. A copy run from a build folder, or a test's
// temporary folder, keeps every file in its one folder.
//
// Handed in to whatever reads or writes the programs' files, like the dialogs: it
// holds no process-wide state and never changes after it is made, so any number of
// them (a game each, a server's data folder) live side by side, and one of them may
// be used from several threads at once.
//
// Names are file names of the program folder ("USERVOCA.1", "LETTRAMA.INI"),
// matched without regard to letter case as on the file system the programs came
// from. Only regular files are read, each within the limit its reader gives.
class ProgramFiles {
public:
    // Every file in `programFolder` alone.
    explicit ProgramFiles(const QString& programFolder);
    // An installed copy: the data in `programFolder`, the user's files in `userFolder`.
    ProgramFiles(const QString& programFolder, const QString& userFolder);

    // The running program's files: its program folder, with `userFolder` laid over it
    // when the install marked that folder as an installed copy's data.
    static ProgramFiles OfRunningProgram(const QString& userFolder = ProgramFolder::DefaultUserFolder());
    // The files of `programFolder`, with `userFolder` laid over it when the install
    // marked that folder as an installed copy's data.
    static ProgramFiles Of(const QString& programFolder, const QString& userFolder = ProgramFolder::DefaultUserFolder());

    // The same files written through `step` (ProgramFolder::WriteStep): how a test acts
    // out a disk that fills up halfway through a write. An empty step is the real write.
    ProgramFiles WithWriteStep(ProgramFolder::WriteStep step) const;

    QString ProgramFolder() const { return programFolder_; }
    // Where the files written go: the user's folder, or the program folder itself.
    QString WriteFolder() const { return userFolder_.isEmpty() ? programFolder_ : userFolder_; }
    bool HasUserFolder() const { return !userFolder_.isEmpty(); }

    // The path a read of `name` opens: the user's copy, else the program folder's file,
    // else where a write would create it.
    QString Resolve(const QString& name) const;
    // Whether a regular file of that name is there to read.
    bool Exists(const QString& name) const;

    // The whole file when it is a regular file of at most `maxBytes` bytes, otherwise
    // why not; ProgramFolder::ReadFailureText says it to the player.
    ProgramFolder::ReadResult Read(const QString& name, qint64 maxBytes) const;
    std::optional<QByteArray> ReadAll(const QString& name, qint64 maxBytes = ProgramFolder::kDefaultReadLimit) const;

    // Replaces the file whole (temporary file and rename), in the write folder. False,
    // with the reason in `error`, and the old file untouched, on any failure.
    bool WriteWhole(const QString& name, const QByteArray& bytes, QString* error = nullptr) const;
    // Appends one line and its CR LF, whole or not at all. The first line a user adds
    // to a shipped file starts the user's copy as a copy of the shipped file.
    bool AppendLine(const QString& name, const QByteArray& line, QString* error = nullptr) const;
    // Creates the file empty when no file of that name is there.
    bool CreateIfMissing(const QString& name, QString* error = nullptr) const;

    // Where a write of `name` goes: the user's copy, else the write folder under the
    // shipped file's name when there is one.
    QString WriteTarget(const QString& name) const;

private:
    QString programFolder_;  // absolute
    QString userFolder_;     // absolute; empty when the program folder holds everything
    ProgramFolder::WriteStep writeStep_;  // empty: the real write
};
