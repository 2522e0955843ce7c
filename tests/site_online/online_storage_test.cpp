// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/site_storage.h"
#include "tests/site/site_test_database.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

const QDateTime kNow = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);

// The layout of a site's database before the live tables: no `verified` column.
const char* const kOldLayout[] = {
    "CREATE TABLE records (id %1 PRIMARY KEY, language INTEGER NOT NULL, name TEXT NOT NULL,"
    " points INTEGER NOT NULL, manches INTEGER NOT NULL, note TEXT NOT NULL, email TEXT NOT NULL,"
    " program TEXT NOT NULL, played_on TEXT NOT NULL, played_at TEXT NOT NULL, stored_at BIGINT NOT NULL,"
    " address TEXT NOT NULL, UNIQUE (program, name, points, played_on, played_at))",
    "CREATE INDEX records_by_rank ON records (language, points DESC, id)",
    "CREATE INDEX records_by_age ON records (stored_at DESC, id DESC)",
    "CREATE TABLE reports (language INTEGER NOT NULL, word TEXT NOT NULL, count INTEGER NOT NULL,"
    " first_at BIGINT NOT NULL, PRIMARY KEY (language, word))",
    "CREATE TABLE spent_tokens (token TEXT PRIMARY KEY, spent_at BIGINT NOT NULL)",
    "CREATE TABLE actions (address TEXT NOT NULL, kind TEXT NOT NULL, at BIGINT NOT NULL)",
    "CREATE INDEX actions_by_address ON actions (address, kind, at)",
    "CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
};

const struct {
    int language;
    const char* name;
    int points;
} kOldRecords[] = {{1, "Anna", 4200}, {1, "Bruno", 3100}, {2, "Carla", 2900}, {3, "Dario", 800}};

// Lays out the old database and fills it, through a connection of the test's own.
bool MakeOldDatabase(DatabaseKind kind, const DatabaseAddress& address, QString* error)
{
    const QString connection = QStringLiteral("old-layout");
    bool made = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(address.DriverName(), connection);
        if (kind == DatabaseKind::SQLite) {
            db.setDatabaseName(address.path);
        } else {
            db.setDatabaseName(address.databaseName);
            db.setHostName(address.host);
            db.setUserName(address.user);
        }
        made = db.open();
        QSqlQuery query(db);
        const QString idType = kind == DatabaseKind::SQLite ? QStringLiteral("INTEGER") : QStringLiteral("BIGSERIAL");
        for (const char* sql : kOldLayout)
            made = made && query.exec(QString::fromLatin1(sql).arg(idType));
        for (const auto& old : kOldRecords) {
            made = made && query.prepare(QStringLiteral(
                               "INSERT INTO records (language, name, points, manches, note, email, program, played_on,"
                               " played_at, stored_at, address) VALUES (?, ?, ?, 5, 'nota', 'chi@example.org',"
                               " 'Letterama_ABC', '2024-03-01', '20:15', 1700000000, '10.0.0.9')"));
            query.addBindValue(old.language);
            query.addBindValue(QString::fromLatin1(old.name));
            query.addBindValue(old.points);
            made = made && query.exec();
        }
        if (!made)
            *error = query.lastError().text() + db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return made;
}

class OldDatabaseTest : public ::testing::TestWithParam<DatabaseKind> {};

TEST_P(OldDatabaseTest, TheSiteAddsTheVerifiedColumnAndKeepsEveryRecord)
{
    QTemporaryDir folder;
    QString whyNot;
    const std::optional<DatabaseAddress> address = FreshDatabase(GetParam(), folder, &whyNot);
    SKIP_WITHOUT_DATABASE(address, whyNot);
    QString error;
    ASSERT_TRUE(MakeOldDatabase(GetParam(), *address, &error)) << error.toStdString();

    std::unique_ptr<SiteStorage> storage = SiteStorage::Open(*address, &error);
    ASSERT_TRUE(storage) << error.toStdString();
    ASSERT_TRUE(storage->CanWrite());
    const std::optional<std::vector<StoredRecord>> kept = storage->AllRecords(std::nullopt);
    ASSERT_TRUE(kept);
    ASSERT_EQ(kept->size(), std::size(kOldRecords));
    for (const auto& old : kOldRecords) {
        const auto found = std::find_if(kept->begin(), kept->end(), [&](const StoredRecord& stored) {
            return stored.record.name == QLatin1String(old.name);
        });
        ASSERT_NE(found, kept->end()) << old.name;
        EXPECT_EQ(found->record.points, old.points) << old.name;
        EXPECT_EQ(static_cast<int>(found->record.language), old.language) << old.name;
        EXPECT_EQ(found->record.email, QStringLiteral("chi@example.org")) << old.name;
        EXPECT_FALSE(found->verified) << old.name;
    }

    // The new column takes a table's record beside the old ones, and a second start
    // on the database finds it laid out.
    ASSERT_TRUE(storage->StoreVerifiedRecord(Record(QStringLiteral("Elena"), 5000), QStringLiteral("10.0.0.7"), kNow));
    storage.reset();
    storage = SiteStorage::Open(*address, &error);
    ASSERT_TRUE(storage) << error.toStdString();
    const std::optional<std::vector<StoredRecord>> table = storage->TableRecords(Language::Italian);
    ASSERT_TRUE(table);
    ASSERT_EQ(table->size(), 3u);
    EXPECT_EQ((*table)[0].record.name, QStringLiteral("Elena"));
    EXPECT_TRUE((*table)[0].verified);
    EXPECT_FALSE((*table)[1].verified);
}

// Processes a and b share the database: each heartbeat replaces its own rows, and a
// process that stops beating has its tables left out once they are older than asked.
TEST_P(OldDatabaseTest, EachProcessPublishesItsTablesAndAGoneProcesssTablesVanish)
{
    QTemporaryDir folder;
    QString whyNot;
    const std::optional<DatabaseAddress> address = FreshDatabase(GetParam(), folder, &whyNot);
    SKIP_WITHOUT_DATABASE(address, whyNot);
    QString error;
    std::unique_ptr<SiteStorage> a = SiteStorage::Open(*address, &error);
    ASSERT_TRUE(a) << error.toStdString();
    std::unique_ptr<SiteStorage> b = SiteStorage::Open(*address, &error);
    ASSERT_TRUE(b) << error.toStdString();
    const auto table = [](const char* id, const char* process, int humans) {
        ListedTable listed;
        listed.id = QString::fromLatin1(id);
        listed.process = QString::fromLatin1(process);
        listed.humans = humans;
        listed.free = 4 - humans;
        return listed;
    };
    const auto ids = [](const std::optional<std::vector<ListedTable>>& listed) {
        QStringList found;
        for (const ListedTable& t : listed.value_or(std::vector<ListedTable>{}))
            found.append(t.id + QLatin1Char('@') + t.process + QLatin1Char('/') + QString::number(t.humans));
        return found.join(QLatin1Char(' ')).toStdString();
    };

    const struct {
        const char* what;
        SiteStorage* storage;
        const char* process;
        std::vector<ListedTable> tables;
        qint64 now;
        qint64 since;
        const char* listed;
    } steps[] = {
        {"a publishes two", a.get(), "a", {table("a-1", "a", 1), table("a-2", "a", 2)}, 100, 90, "a-1@a/1 a-2@a/2"},
        {"b publishes one", b.get(), "b", {table("b-1", "b", 3)}, 101, 91, "a-1@a/1 a-2@a/2 b-1@b/3"},
        {"a's table closed, another sat", a.get(), "a", {table("a-2", "a", 3)}, 102, 92, "a-2@a/3 b-1@b/3"},
        {"b is gone: only a beats", a.get(), "a", {table("a-2", "a", 3)}, 112, 102, "a-2@a/3"},
        {"a's last table closed", a.get(), "a", {}, 114, 104, ""},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(step.storage->PublishTables(QString::fromLatin1(step.process), step.tables, step.now));
        EXPECT_EQ(ids(b->ListedTables(step.since)), step.listed);
    }
}

TEST_P(OldDatabaseTest, AFinishedGameIsKeptWholeAndTheNewestComesFirst)
{
    QTemporaryDir folder;
    QString whyNot;
    const std::optional<DatabaseAddress> address = FreshDatabase(GetParam(), folder, &whyNot);
    SKIP_WITHOUT_DATABASE(address, whyNot);
    QString error;
    std::unique_ptr<SiteStorage> storage = SiteStorage::Open(*address, &error);
    ASSERT_TRUE(storage) << error.toStdString();
    const auto game = [](const char* table, qint64 at, std::array<int, 4> totals, const char* winner) {
        FinishedTableGame played;
        played.table = QString::fromLatin1(table);
        played.language = 2;
        played.letters = 9;
        played.seconds = 30;
        played.level = 3;
        played.names = {QStringLiteral("Zoë 'x'); DROP TABLE finished_games; --"), QStringLiteral("Bruno"),
                        QStringLiteral("Giacomo (CPU)"), QStringLiteral("Andrea (CPU)")};
        played.totals = totals;
        played.winner = QString::fromUtf8(winner);
        played.finishedAt = at;
        return played;
    };
    const FinishedTableGame first = game("a-1", 100, {1200, 900, 300, 0}, "Zoë 'x'); DROP TABLE finished_games; --");
    const FinishedTableGame tied = game("a-2", 200, {800, 800, 0, 100}, "");
    ASSERT_TRUE(storage->StoreFinishedGame(first));
    ASSERT_TRUE(storage->StoreFinishedGame(tied));
    const std::optional<std::vector<FinishedTableGame>> kept = storage->FinishedGames(10);
    ASSERT_TRUE(kept);
    EXPECT_EQ(*kept, (std::vector<FinishedTableGame>{tied, first}));
    EXPECT_EQ(storage->FinishedGames(1)->size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Databases, OldDatabaseTest, ::testing::Values(DatabaseKind::SQLite, DatabaseKind::PostgreSQL),
                         KindName);

const auto* const postgres = ::testing::AddGlobalTestEnvironment(new PostgresEnvironment);

}  // namespace
