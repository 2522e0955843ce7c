// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_command.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

// letterama-dict: builds and inspects lexicon files from the command line.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    DictIo io{out, err};
    const int status = RunDictCommandLine(app.arguments().mid(1), io);
    out.flush();
    err.flush();
    return status;
}
