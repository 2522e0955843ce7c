// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/core/dict_command.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// letterama-dict run in-process, as its command line would run it: the exit status
// and everything it printed on standard output and standard error. For the tests
// that link letterama_dict_core.
struct DictRun {
    int status = -1;
    QString out;
    QString err;
};

// As started in `startFolder`: the paths of the arguments are taken from there.
inline DictRun RunDictIn(const QString& startFolder, const QStringList& arguments)
{
    DictRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    DictIo io{out, err, startFolder};
    run.status = RunDictCommandLine(arguments, io);
    out.flush();
    err.flush();
    return run;
}

inline DictRun RunDict(const QStringList& arguments)
{
    return RunDictIn(QString(), arguments);
}
