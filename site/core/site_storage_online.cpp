// SPDX-License-Identifier: GPL-3.0-or-later
// The live tables' rows, shared by the processes of one site: each publishes its
// tables with a heartbeat, and the lobbies read those seen lately.
#include "site/core/site_storage.h"

#include "site/core/bound_text.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

constexpr int kMostListed = 200;

}  // namespace

bool SiteStorage::PublishTables(const QString& process, const std::vector<ListedTable>& tables, qint64 now)
{
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

bool SiteStorage::StoreFinishedGame(const FinishedTableGame& game)
{
    QSqlQuery& insert = Prepared(
        "INSERT INTO finished_games (table_id, language, letters, seconds, level, name1, name2, name3, name4,"
        " total1, total2, total3, total4, winner, finished_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    insert.addBindValue(game.table);
    insert.addBindValue(game.language);
    insert.addBindValue(game.letters);
    insert.addBindValue(game.seconds);
    insert.addBindValue(game.level);
    for (const QString& name : game.names)
        insert.addBindValue(BoundText(name));
    for (const int total : game.totals)
        insert.addBindValue(total);
    insert.addBindValue(BoundText(game.winner));
    insert.addBindValue(game.finishedAt);
    const bool done = insert.exec();
    insert.finish();
    return done;
}

std::optional<std::vector<FinishedTableGame>> SiteStorage::FinishedGames(int most)
{
    QSqlQuery& read = Prepared(
        "SELECT table_id, language, letters, seconds, level, name1, name2, name3, name4, total1, total2, total3,"
        " total4, winner, finished_at FROM finished_games ORDER BY finished_at DESC, table_id LIMIT ?");
    read.addBindValue(most);
    if (!read.exec())
        return std::nullopt;
    std::vector<FinishedTableGame> games;
    while (read.next()) {
        FinishedTableGame game;
        game.table = read.value(0).toString();
        game.language = read.value(1).toInt();
        game.letters = read.value(2).toInt();
        game.seconds = read.value(3).toInt();
        game.level = read.value(4).toInt();
        for (int seat = 0; seat < 4; ++seat) {
            game.names[seat] = read.value(5 + seat).toString();
            game.totals[seat] = read.value(9 + seat).toInt();
        }
        game.winner = read.value(13).toString();
        game.finishedAt = read.value(14).toLongLong();
        games.push_back(std::move(game));
    }
    read.finish();
    return games;
}
