// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/core/dict_command.h"

#include "lexicon/core/lexicon_scan.h"

#include <QString>
#include <QStringList>

#include <optional>

// The arguments shared by the commands that read a lexicon: `--lexicon FILE` and,
// where allowed, `--vocabulary FILE` and `--excluded WORD`, each also as --name=VALUE.
struct LexiconArguments {
    QString lexicon;
    QString vocabulary;
    QString excluded;
    QStringList positional;
};

// Fills `parsed` from `arguments`, taking only the options named in `allowed`;
// returns an error message, empty when the arguments are sound.
QString ParseLexiconArguments(const QStringList& arguments, const QStringList& allowed, LexiconArguments& parsed);

// What keeps `name` from being read as a lexicon file when it is not a regular file
// ("no such lexicon file: NAME", "lexicon file is a FIFO, not a regular file: NAME");
// empty for a regular file.
QString LexiconFileProblem(const QString& path, const QString& name);

// The lexicon file `name` (matched without regard to case) opened for one question,
// or nothing after a message on io.err.
std::optional<LexiconScan> OpenLexiconForCommand(const DictCommand& command, const QString& name, DictIo& io);
