// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/site_command_line.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunSiteCommand(arguments, out, err);
}
