// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_command.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>

// letterama-dict: builds and inspects lexicon files from the command line.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Read once: the paths on the command line are the user's, from where they are.
    DictIo io{out, err, QDir::currentPath()};
    const int status = RunDictCommandLine(app.arguments().mid(1), io);
    out.flush();
    err.flush();
    return status;
}
