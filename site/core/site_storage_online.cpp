// SPDX-License-Identifier: GPL-3.0-or-later
// The live tables' rows, shared by the processes of one site: each publishes its
// tables with a heartbeat, and the lobbies read those seen lately.
#include "site/core/site_storage.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

// One row a table; `seen_at` is the last heartbeat of the process that holds it.
const char* const kLiveTables =
    "CREATE TABLE IF NOT EXISTS live_tables (id TEXT PRIMARY KEY, process TEXT NOT NULL, language INTEGER NOT NULL,"
    " letters INTEGER NOT NULL, seconds INTEGER NOT NULL, level INTEGER NOT NULL, humans INTEGER NOT NULL,"
    " free INTEGER NOT NULL, playing INTEGER NOT NULL, seen_at BIGINT NOT NULL)";

constexpr int kMostListed = 200;

}  // namespace

bool SiteStorage::PublishTables(const QString& process, const std::vector<ListedTable>& tables, qint64 now)
{
    if (!liveTablesLaidOut_) {
        QSqlQuery create(db_);
        if (!create.exec(QString::fromLatin1(kLiveTables)))
            return false;
        liveTablesLaidOut_ = true;
    }
    if (!Begin())
        return false;
    QSqlQuery& forget = Prepared("DELETE FROM live_tables WHERE process = ?");
    forget.addBindValue(process);
    bool done = forget.exec();
    forget.finish();
    QSqlQuery& insert = Prepared(
        "INSERT INTO live_tables (id, process, language, letters, seconds, level, humans, free, playing, seen_at)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const ListedTable& table : tables) {
        if (!done)
            break;
        insert.addBindValue(table.id);
        insert.addBindValue(process);
        insert.addBindValue(table.language);
        insert.addBindValue(table.letters);
        insert.addBindValue(table.seconds);
        insert.addBindValue(table.level);
        insert.addBindValue(table.humans);
        insert.addBindValue(table.free);
        insert.addBindValue(table.playing ? 1 : 0);
        insert.addBindValue(now);
        done = insert.exec();
        insert.finish();
    }
    if (!done) {
        Rollback();
        return false;
    }
    return Commit();
}

std::optional<std::vector<ListedTable>> SiteStorage::ListedTables(qint64 since)
{
    if (!liveTablesLaidOut_) {
        QSqlQuery create(db_);
        if (!create.exec(QString::fromLatin1(kLiveTables)))
            return std::nullopt;
        liveTablesLaidOut_ = true;
    }
    QSqlQuery& read = Prepared("SELECT id, process, language, letters, seconds, level, humans, free, playing"
                               " FROM live_tables WHERE seen_at >= ? ORDER BY id LIMIT 200");
    static_assert(kMostListed == 200);
    read.addBindValue(since);
    if (!read.exec())
        return std::nullopt;
    std::vector<ListedTable> listed;
    while (read.next()) {
        ListedTable table;
        table.id = read.value(0).toString();
        table.process = read.value(1).toString();
        table.language = read.value(2).toInt();
        table.letters = read.value(3).toInt();
        table.seconds = read.value(4).toInt();
        table.level = read.value(5).toInt();
        table.humans = read.value(6).toInt();
        table.free = read.value(7).toInt();
        table.playing = read.value(8).toInt() != 0;
        listed.push_back(std::move(table));
    }
    read.finish();
    return listed;
}
