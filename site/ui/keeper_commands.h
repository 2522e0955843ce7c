// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

class SiteStorage;

// The keeper's commands, on a database already open. Each returns the exit status.
namespace KeeperCommands {

// records [--language N]: number, language, points, name, date, time, e-mail, note.
int ListRecords(SiteStorage& storage, int language, QTextStream& out, QTextStream& err);
// delete-record ID...
int DeleteRecords(SiteStorage& storage, const QStringList& ids, QTextStream& out, QTextStream& err);
// words [--language N]: count and word, most reported first.
int ListWords(SiteStorage& storage, int language, QTextStream& out, QTextStream& err);
// delete-word WORD... --language N
int DeleteWords(SiteStorage& storage, int language, const QStringList& words, QTextStream& out, QTextStream& err);
// set-version 1.0.1 (or 101); show-version
int SetVersion(SiteStorage& storage, const QString& version, QTextStream& out, QTextStream& err);
int ShowVersion(SiteStorage& storage, QTextStream& out, QTextStream& err);

}  // namespace KeeperCommands
