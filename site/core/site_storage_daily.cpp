// SPDX-License-Identifier: GPL-3.0-or-later
// The day's challenge: its secret, the boards kept for the archive and the players'
// tries. The same statements for SQLite and PostgreSQL, bound values only.
#include "site/core/site_storage.h"

#include "site/core/bound_text.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

DailyTry TryOf(const QSqlQuery& query)
{
    DailyTry read;
    read.day = query.value(0).toString();
    read.language = LanguageFromNumber(query.value(1).toInt()).value_or(Language::Italian);
    read.player = query.value(2).toString();
    read.name = query.value(3).toString();
    read.word = query.value(4).toString();
    read.verdict = query.value(5).toString();
    read.length = query.value(6).toInt();
    read.points = query.value(7).toInt();
    read.seconds = query.value(8).toInt();
    read.startedAt = query.value(9).toLongLong();
    read.finished = query.value(10).toInt() != 0;
    read.finishedAt = query.value(11).toLongLong();
    return read;
}

DailyBoardRow BoardOf(const QSqlQuery& query)
{
    DailyBoardRow read;
    read.day = query.value(0).toString();
    read.language = LanguageFromNumber(query.value(1).toInt()).value_or(Language::Italian);
    read.letters = query.value(2).toString();
    read.longestWords = query.value(3).toString();
    return read;
}

void BindTry(QSqlQuery& query, const DailyTry& row)
{
    query.addBindValue(row.day);
    query.addBindValue(TableOf(row.language).Number());
    query.addBindValue(row.player);
    query.addBindValue(BoundText(row.name));
    query.addBindValue(BoundText(row.word));
    query.addBindValue(BoundText(row.verdict));
    query.addBindValue(row.length);
    query.addBindValue(row.points);
    query.addBindValue(row.seconds);
    query.addBindValue(row.startedAt);
    query.addBindValue(row.finished ? 1 : 0);
    query.addBindValue(row.finishedAt);
}

}  // namespace

std::optional<QByteArray> SiteStorage::DailySecret()
{
    QSqlQuery& read = Prepared("SELECT value FROM settings WHERE name = 'daily-secret'");
    if (!read.exec())
        return std::nullopt;
    if (read.next()) {
        const QByteArray secret = QByteArray::fromHex(read.value(0).toString().toLatin1());
        read.finish();
        return secret;
    }
    read.finish();
    QByteArray secret(32, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(secret.data()), secret.size() / 4);
    // Another process may make its own at the same moment: the first one stays.
    QSqlQuery& write =
        Prepared("INSERT INTO settings (name, value) VALUES ('daily-secret', ?) ON CONFLICT DO NOTHING");
    write.addBindValue(QString::fromLatin1(secret.toHex()));
    if (!write.exec())
        return std::nullopt;
    if (!read.exec() || !read.next())
        return std::nullopt;
    secret = QByteArray::fromHex(read.value(0).toString().toLatin1());
    read.finish();
    return secret;
}

std::optional<std::optional<DailyBoardRow>> SiteStorage::DailyBoardOf(const QString& day, Language language)
{
    QSqlQuery& query = Prepared("SELECT day, language, letters, longest FROM daily_boards WHERE day = ? AND language = ?");
    query.addBindValue(day);
    query.addBindValue(TableOf(language).Number());
    if (!query.exec())
        return std::nullopt;
    std::optional<DailyBoardRow> found;
    if (query.next())
        found = BoardOf(query);
    query.finish();
    return found;
}

std::optional<DailyBoardRow> SiteStorage::KeepDailyBoard(const DailyBoardRow& board)
{
    QSqlQuery& write = Prepared(
        "INSERT INTO daily_boards (day, language, letters, longest) VALUES (?, ?, ?, ?) ON CONFLICT DO NOTHING");
    write.addBindValue(board.day);
    write.addBindValue(TableOf(board.language).Number());
    write.addBindValue(board.letters);
    write.addBindValue(board.longestWords);
    if (!write.exec())
        return std::nullopt;
    const auto kept = DailyBoardOf(board.day, board.language);
    if (!kept || !*kept)
        return std::nullopt;
    return **kept;
}

std::optional<std::vector<DailyBoardRow>> SiteStorage::DailyBoardsBefore(const QString& day, int count)
{
    QSqlQuery& query = Prepared("SELECT day, language, letters, longest FROM daily_boards WHERE day < ?"
                                " ORDER BY day DESC, language LIMIT ?");
    query.addBindValue(day);
    query.addBindValue(count);
    if (!query.exec())
        return std::nullopt;
    std::vector<DailyBoardRow> boards;
    while (query.next())
        boards.push_back(BoardOf(query));
    query.finish();
    return boards;
}

std::optional<std::optional<DailyTry>> SiteStorage::DailyTryOf(const QString& day, Language language,
                                                               const QString& player)
{
    QSqlQuery& query = Prepared("SELECT day, language, player, name, word, verdict, length, points, seconds,"
                                " started_at, finished, finished_at FROM daily_tries"
                                " WHERE day = ? AND language = ? AND player = ?");
    query.addBindValue(day);
    query.addBindValue(TableOf(language).Number());
    query.addBindValue(player);
    if (!query.exec())
        return std::nullopt;
    std::optional<DailyTry> found;
    if (query.next())
        found = TryOf(query);
    query.finish();
    return found;
}

std::optional<DailyTry> SiteStorage::OpenDailyTry(const DailyTry& opened)
{
    QSqlQuery& write = Prepared("INSERT INTO daily_tries (day, language, player, name, word, verdict, length, points,"
                                " seconds, started_at, finished, finished_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                                " ON CONFLICT DO NOTHING");
    DailyTry row = opened;
    row.finished = false;
    BindTry(write, row);
    if (!write.exec())
        return std::nullopt;
    const auto stored = DailyTryOf(opened.day, opened.language, opened.player);
    if (!stored || !*stored)
        return std::nullopt;
    return **stored;
}

std::optional<bool> SiteStorage::FinishDailyTry(const DailyTry& finished)
{
    const std::optional<std::vector<bool>> done = FinishDailyTries({finished});
    if (!done)
        return std::nullopt;
    return done->front();
}

std::optional<std::vector<bool>> SiteStorage::FinishDailyTries(const std::vector<DailyTry>& tries)
{
    if (!Begin())
        return std::nullopt;
    std::vector<bool> done;
    done.reserve(tries.size());
    for (const DailyTry& finished : tries) {
        QSqlQuery& update = Prepared("UPDATE daily_tries SET word = ?, verdict = ?, length = ?, points = ?,"
                                     " seconds = ?, finished = 1, finished_at = ? WHERE day = ? AND language = ?"
                                     " AND player = ? AND finished = 0");
        update.addBindValue(BoundText(finished.word));
        update.addBindValue(BoundText(finished.verdict));
        update.addBindValue(finished.length);
        update.addBindValue(finished.points);
        update.addBindValue(finished.seconds);
        update.addBindValue(finished.finishedAt);
        update.addBindValue(finished.day);
        update.addBindValue(TableOf(finished.language).Number());
        update.addBindValue(finished.player);
        if (!update.exec()) {
            Rollback();
            return std::nullopt;
        }
        if (update.numRowsAffected() == 1) {
            done.push_back(true);
            continue;
        }
        // No open try: a try played in the game arrives finished, once.
        QSqlQuery& insert = Prepared("INSERT INTO daily_tries (day, language, player, name, word, verdict, length,"
                                     " points, seconds, started_at, finished, finished_at)"
                                     " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING");
        DailyTry row = finished;
        row.finished = true;
        BindTry(insert, row);
        if (!insert.exec()) {
            Rollback();
            return std::nullopt;
        }
        done.push_back(insert.numRowsAffected() == 1);
    }
    if (!Commit())
        return std::nullopt;
    return done;
}

std::optional<std::vector<DailyTry>> SiteStorage::DailyTries(const QString& day, Language language)
{
    QSqlQuery& query = Prepared("SELECT day, language, player, name, word, verdict, length, points, seconds,"
                                " started_at, finished, finished_at FROM daily_tries"
                                " WHERE day = ? AND language = ? AND finished = 1 ORDER BY finished_at, player");
    query.addBindValue(day);
    query.addBindValue(TableOf(language).Number());
    if (!query.exec())
        return std::nullopt;
    std::vector<DailyTry> tries;
    while (query.next())
        tries.push_back(TryOf(query));
    query.finish();
    return tries;
}
