// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/core/dict_command.h"

// The subcommands of letterama-dict, one file each.
int RunBuildCommand(const QStringList& arguments, DictIo& io);
int RunInfoCommand(const QStringList& arguments, DictIo& io);
int RunSolveCommand(const QStringList& arguments, DictIo& io);
int RunLookupCommand(const QStringList& arguments, DictIo& io);
int RunHarvestCommand(const QStringList& arguments, DictIo& io);
int RunExportCommand(const QStringList& arguments, DictIo& io);
int RunRebuildCommand(const QStringList& arguments, DictIo& io);
