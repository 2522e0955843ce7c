// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

#include <span>

// Where a command of letterama-dict writes: results to `out`, complaints to `err`;
// and the folder it was started in, which the paths its user names are taken from.
struct DictIo {
    QTextStream& out;
    QTextStream& err;
    QString startFolder = {};

    // The path an argument names: itself when absolute, else within startFolder.
    QString Path(const QString& argument) const;
};

// Exit statuses of letterama-dict.
inline constexpr int kDictSuccess = 0;
inline constexpr int kDictFailure = 1;  // a file missing, unreadable or unwritable
inline constexpr int kDictUsage = 2;    // bad arguments
inline constexpr int kDictRefused = 3;  // would lose words, or another writer is at work: nothing written

// One subcommand: `letterama-dict <name> <arguments>`. `run` gets the arguments after
// the name and returns the exit status.
struct DictCommand {
    const char* name;
    const char* usage;    // the arguments, e.g. "FILE"
    const char* summary;  // one line for the overview
    const char* details;  // further lines for `letterama-dict <name> --help`
    int (*run)(const QStringList& arguments, DictIo& io);
};

// Every subcommand, in the order the overview lists them.
std::span<const DictCommand> DictCommands();

// Runs a whole command line (without the program name).
int RunDictCommandLine(const QStringList& arguments, DictIo& io);

// Writes the usage of one command to `stream`.
void PrintDictCommandUsage(const DictCommand& command, QTextStream& stream);

// Reports a mistake in the arguments of `command` and returns kDictUsage.
int DictUsageError(const DictCommand& command, const QString& message, DictIo& io);

// Finds a command by name; nullptr when there is none.
const DictCommand* FindDictCommand(const QString& name);
