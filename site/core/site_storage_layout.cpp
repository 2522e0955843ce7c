// SPDX-License-Identifier: GPL-3.0-or-later
// The tables of the site's database, laid out whole when a connection opens: the
// records, reports and settings, and the tables and index added later (the day's
// challenge, the live tables, their finished games, the record table's index), made
// where an older database lacks them.
// The same statements for SQLite and PostgreSQL but for the record's number column.
#include "site/core/site_storage.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

#include <algorithm>

namespace {

// Dates are kept as text in a sortable form (yyyy-mm-dd, hh:mm); times of storing as
// seconds since the epoch.
const char* const kRecordsSQLite =
    "CREATE TABLE records (id INTEGER PRIMARY KEY, language INTEGER NOT NULL, name TEXT NOT NULL,"
    " points INTEGER NOT NULL, manches INTEGER NOT NULL, note TEXT NOT NULL, email TEXT NOT NULL,"
    " program TEXT NOT NULL, played_on TEXT NOT NULL, played_at TEXT NOT NULL, stored_at BIGINT NOT NULL,"
    " address TEXT NOT NULL, verified INTEGER NOT NULL DEFAULT 0, UNIQUE (program, name, points, played_on, played_at))";
const char* const kRecordsPostgreSQL =
    "CREATE TABLE records (id BIGSERIAL PRIMARY KEY, language INTEGER NOT NULL, name TEXT NOT NULL,"
    " points INTEGER NOT NULL, manches INTEGER NOT NULL, note TEXT NOT NULL, email TEXT NOT NULL,"
    " program TEXT NOT NULL, played_on TEXT NOT NULL, played_at TEXT NOT NULL, stored_at BIGINT NOT NULL,"
    " address TEXT NOT NULL, verified INTEGER NOT NULL DEFAULT 0, UNIQUE (program, name, points, played_on, played_at))";
// A record of a game played at a live table of the site: 1. SQLite has no ADD COLUMN
// IF NOT EXISTS; the column is looked for first.
const char* const kAddVerified = "ALTER TABLE records ADD COLUMN verified INTEGER NOT NULL DEFAULT 0";
const char* const kOtherTables[] = {
    "CREATE INDEX records_by_rank ON records (language, points DESC, id)",
    "CREATE INDEX records_by_age ON records (stored_at DESC, id DESC)",
    "CREATE TABLE reports (language INTEGER NOT NULL, word TEXT NOT NULL, count INTEGER NOT NULL,"
    " first_at BIGINT NOT NULL, PRIMARY KEY (language, word))",
    "CREATE TABLE spent_tokens (token TEXT PRIMARY KEY, spent_at BIGINT NOT NULL)",
    "CREATE TABLE actions (address TEXT NOT NULL, kind TEXT NOT NULL, at BIGINT NOT NULL)",
    "CREATE INDEX actions_by_address ON actions (address, kind, at)",
    "CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
};

// The tables and the index added after the first layout, by the name the database's
// catalogue lists them under: a database that lacks one gains it when it opens.
struct LaterPart {
    const char* name;
    const char* sql;
};
const LaterPart kLaterParts[] = {
    // The day's challenge: the boards kept for the archive and the players' tries.
    {"daily_boards",
     "CREATE TABLE IF NOT EXISTS daily_boards (day TEXT NOT NULL, language INTEGER NOT NULL, letters TEXT NOT NULL,"
     " longest TEXT NOT NULL, PRIMARY KEY (day, language))"},
    {"daily_tries",
     "CREATE TABLE IF NOT EXISTS daily_tries (day TEXT NOT NULL, language INTEGER NOT NULL, player TEXT NOT NULL,"
     " name TEXT NOT NULL, word TEXT NOT NULL, verdict TEXT NOT NULL, length INTEGER NOT NULL,"
     " points INTEGER NOT NULL, seconds INTEGER NOT NULL, started_at BIGINT NOT NULL, finished INTEGER NOT NULL,"
     " finished_at BIGINT NOT NULL, PRIMARY KEY (day, language, player))"},
    {"daily_tries_by_day",
     "CREATE INDEX IF NOT EXISTS daily_tries_by_day ON daily_tries (day, language, finished, finished_at)"},
    // One row a live table; `seen_at` is the last heartbeat of the process that holds it.
    {"live_tables",
     "CREATE TABLE IF NOT EXISTS live_tables (id TEXT PRIMARY KEY, process TEXT NOT NULL, language INTEGER NOT NULL,"
     " letters INTEGER NOT NULL, seconds INTEGER NOT NULL, level INTEGER NOT NULL, humans INTEGER NOT NULL,"
     " free INTEGER NOT NULL, playing INTEGER NOT NULL, seen_at BIGINT NOT NULL)"},
    // Every column the record table shows, in table order: a whole table is read
    // from the index alone, in order, without a lookup per row.
    {"records_for_table",
     "CREATE INDEX IF NOT EXISTS records_for_table ON records"
     " (language, points DESC, id, name, played_on, note, verified)"},
    // One row a game of a live table that ended, with its four seats.
    {"finished_games",
     "CREATE TABLE IF NOT EXISTS finished_games (table_id TEXT NOT NULL, language INTEGER NOT NULL,"
     " letters INTEGER NOT NULL, seconds INTEGER NOT NULL, level INTEGER NOT NULL, name1 TEXT NOT NULL,"
     " name2 TEXT NOT NULL, name3 TEXT NOT NULL, name4 TEXT NOT NULL, total1 INTEGER NOT NULL,"
     " total2 INTEGER NOT NULL, total3 INTEGER NOT NULL, total4 INTEGER NOT NULL, winner TEXT NOT NULL,"
     " finished_at BIGINT NOT NULL)"},
};

}  // namespace

std::optional<QStringList> SiteStorage::LaidOutNames(QString* error)
{
    QSqlQuery query(db_);
    const bool read = query.exec(QString::fromLatin1(
        address_.kind == DatabaseAddress::Kind::PostgreSQL
            ? "SELECT tablename FROM pg_tables WHERE schemaname = current_schema()"
              " UNION ALL SELECT indexname FROM pg_indexes WHERE schemaname = current_schema()"
            : "SELECT name FROM sqlite_master WHERE type IN ('table', 'index')"));
    if (!read) {
        *error = query.lastError().text();
        return std::nullopt;
    }
    QStringList names;
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

bool SiteStorage::LaidOutWhole(const QStringList& names)
{
    return names.contains(QStringLiteral("records")) && names.contains(QStringLiteral("settings")) &&
           db_.record(QStringLiteral("records")).contains(QStringLiteral("verified")) &&
           std::all_of(std::begin(kLaterParts), std::end(kLaterParts),
                       [&names](const LaterPart& part) { return names.contains(QString::fromLatin1(part.name)); });
}

bool SiteStorage::LayOut(QString* error)
{
    // A database laid out whole is only read: it may be a read-only one.
    const std::optional<QStringList> before = LaidOutNames(error);
    if (!before)
        return false;
    if (LaidOutWhole(*before))
        return true;
    // Several processes may start on one new or older database at once: PostgreSQL
    // lets one lay it out while the others wait, SQLite's immediate transaction does
    // the same. Each then looks again at what is there.
    const bool postgres = address_.kind == DatabaseAddress::Kind::PostgreSQL;
    if (!Begin()) {
        *error = db_.lastError().text();
        return false;
    }
    QSqlQuery query(db_);
    const auto fail = [&] {
        *error = query.lastError().text();
        Rollback();
        return false;
    };
    if (postgres && !query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(2301)")))
        return fail();
    query.finish();
    const std::optional<QStringList> names = LaidOutNames(error);
    if (!names) {
        Rollback();
        return false;
    }
    if (!names->contains(QStringLiteral("records"))) {
        bool done = query.exec(QString::fromLatin1(postgres ? kRecordsPostgreSQL : kRecordsSQLite));
        for (const char* const sql : kOtherTables)
            done = done && query.exec(QString::fromLatin1(sql));
        if (!done)
            return fail();
    } else if (!db_.record(QStringLiteral("records")).contains(QStringLiteral("verified")) &&
               !query.exec(QString::fromLatin1(kAddVerified))) {
        // A database laid out before the live tables gains their column.
        return fail();
    }
    for (const LaterPart& part : kLaterParts) {
        if (!names->contains(QString::fromLatin1(part.name)) && !query.exec(QString::fromLatin1(part.sql)))
            return fail();
    }
    if (!Commit()) {
        *error = db_.lastError().text();
        return false;
    }
    return true;
}

bool SiteStorage::ReadableAsItStands()
{
    QString error;
    const std::optional<QStringList> names = LaidOutNames(&error);
    return names && names->contains(QStringLiteral("records")) && names->contains(QStringLiteral("settings")) &&
           db_.record(QStringLiteral("records")).contains(QStringLiteral("verified")) && !TakesWrites();
}
