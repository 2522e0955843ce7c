// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

// letterama-site's commands: "serve" and the keeper's commands. Returns the exit
// status; writes results to `out` and complaints to `err`.
int RunSiteCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The text of --help.
QString SiteUsage();
