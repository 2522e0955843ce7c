// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/site_storage.h"
#include "tests/site/site_test_database.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

const QDateTime kNow = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);

// The tables the site added after its first layout.
const QStringList kLaterTables = {QStringLiteral("daily_boards"), QStringLiteral("daily_tries"),
                                  QStringLiteral("live_tables"), QStringLiteral("finished_games")};

// Runs `statements` through a connection of the test's own, for what the storage
// itself never does; false at the first that fails.
bool RunOnDatabase(const DatabaseAddress& address, const QStringList& statements)
{
    const QString name = QStringLiteral("the test's own");
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(address.DriverName(), name);
        if (address.kind == DatabaseAddress::Kind::SQLite) {
            db.setDatabaseName(address.path);
        } else {
            db.setDatabaseName(address.databaseName);
            db.setHostName(address.host);
            db.setUserName(address.user);
            if (address.port > 0)
                db.setPort(address.port);
        }
        done = db.open();
        QSqlQuery query(db);
        for (const QString& sql : statements)
            done = done && query.exec(sql);
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}

// Turns a database the site laid out into one laid out before the later tables.
bool DropLaterTables(const DatabaseAddress& address)
{
    QStringList drops;
    for (const QString& table : kLaterTables)
        drops.append(QStringLiteral("DROP TABLE ") + table);
    return RunOnDatabase(address, drops);
}

class SiteStorageTest : public ::testing::TestWithParam<DatabaseKind> {
protected:
    void SetUp() override
    {
        address_ = FreshDatabase(GetParam(), folder_, &whyNot_);
        SKIP_WITHOUT_DATABASE(address_, whyNot_);
        QString error;
        storage_ = SiteStorage::Open(*address_, &error);
        ASSERT_TRUE(storage_) << error.toStdString();
    }

    // Each submission with its own token, as each confirmation page issues one.
    SiteStorage::Submitted Submit(const RecordSubmission& record, const QString& address = QStringLiteral("10.0.0.1"),
                                  int limit = 1000, const QDateTime& now = kNow)
    {
        return storage_->SubmitRecord(record, QByteArray::number(++tokens_), address, now, limit);
    }

    QTemporaryDir folder_;
    QString whyNot_;
    std::optional<DatabaseAddress> address_;
    std::unique_ptr<SiteStorage> storage_;
    int tokens_ = 0;
};

TEST_P(SiteStorageTest, TheSameRecordSentTwiceIsStoredOnce)
{
    const SiteStorage::Submitted first = Submit(Record(QStringLiteral("BRUNO"), 5400));
    const SiteStorage::Submitted again = Submit(Record(QStringLiteral("BRUNO"), 5400));
    const SiteStorage::Submitted otherGame = Submit(Record(QStringLiteral("BRUNO"), 5400, Language::Italian,
                                                           QStringLiteral("Letterama_XYZ")));
    ASSERT_EQ(first.outcome, SiteStorage::Outcome::Stored);
    EXPECT_EQ(again.outcome, SiteStorage::Outcome::Stored);
    EXPECT_EQ(again.id, first.id);
    EXPECT_NE(otherGame.id, first.id);
    EXPECT_EQ(storage_->RecordCount(Language::Italian), 2);
}

TEST_P(SiteStorageTest, ATokenIsSpentOnceAndARefusalStoresNothing)
{
    const QByteArray token("only-once");
    EXPECT_EQ(storage_->SubmitRecord(Record(QStringLiteral("ANNA"), 100), token, QStringLiteral("a"), kNow, 10).outcome,
              SiteStorage::Outcome::Stored);
    EXPECT_EQ(storage_->SubmitRecord(Record(QStringLiteral("LUCA"), 200), token, QStringLiteral("a"), kNow, 10).outcome,
              SiteStorage::Outcome::TokenSpent);
    EXPECT_EQ(storage_->SubmitReport(Language::Italian, "CASA", token, QStringLiteral("a"), kNow, 10),
              SiteStorage::Outcome::TokenSpent);
    EXPECT_EQ(storage_->RecordCount(Language::Italian), 1);
    EXPECT_TRUE(storage_->ReportedWords(Language::Italian)->empty());
}

TEST_P(SiteStorageTest, EachAddressHasItsHourlyLimit)
{
    struct Row {
        const char* what;
        const char* address;
        qint64 secondsLater;
        SiteStorage::Outcome outcome;
    };
    const Row rows[] = {
        {"first", "10.0.0.1", 0, SiteStorage::Outcome::Stored},
        {"second", "10.0.0.1", 60, SiteStorage::Outcome::Stored},
        {"third within the hour", "10.0.0.1", 120, SiteStorage::Outcome::TooMany},
        {"another address", "10.0.0.2", 120, SiteStorage::Outcome::Stored},
        {"an hour after the first", "10.0.0.1", 3601, SiteStorage::Outcome::Stored},
    };
    int points = 0;
    for (const Row& row : rows) {
        const auto submitted = Submit(Record(QStringLiteral("P"), ++points), QString::fromLatin1(row.address), 2,
                                      kNow.addSecs(row.secondsLater));
        EXPECT_EQ(submitted.outcome, row.outcome) << row.what;
    }
    EXPECT_EQ(storage_->RecordCount(Language::Italian), 4);
}

TEST_P(SiteStorageTest, RecordsAreRankedByPointsPerLanguage)
{
    Submit(Record(QStringLiteral("PRIMO"), 300));
    Submit(Record(QStringLiteral("ALTRO"), 900, Language::English));
    Submit(Record(QStringLiteral("SECONDO"), 500));
    Submit(Record(QStringLiteral("TERZO"), 500));
    const auto best = storage_->BestRecords(Language::Italian, 0, 10);
    ASSERT_TRUE(best);
    std::vector<QString> names;
    for (const StoredRecord& stored : *best)
        names.push_back(stored.record.name);
    EXPECT_EQ(names, (std::vector<QString>{QStringLiteral("SECONDO"), QStringLiteral("TERZO"), QStringLiteral("PRIMO")}));
    EXPECT_EQ(storage_->CountAbove(Language::Italian, 500), 0);
    EXPECT_EQ(storage_->CountAbove(Language::Italian, 300), 2);
    const auto place = storage_->PlaceOf(best->at(2).id);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->first, Language::Italian);
    EXPECT_EQ(place->second, 2);
    const auto page = storage_->BestRecords(Language::Italian, 1, 1);
    ASSERT_EQ(page->size(), 1u);
    EXPECT_EQ(page->front().record.name, QStringLiteral("TERZO"));
    EXPECT_EQ(page->front().record.email, QStringLiteral("bruno@example.org"));
    EXPECT_EQ(page->front().record.playedOn, QDate(2026, 12, 9));
}

TEST_P(SiteStorageTest, ReportsAreCountedPerWordAndLanguage)
{
    int token = 0;
    for (const char* word : {"CASA", "CANE", "CASA", "CASA"})
        ASSERT_EQ(storage_->SubmitReport(Language::Italian, word, QByteArray::number(++token), QStringLiteral("a"),
                                         kNow, 100),
                  SiteStorage::Outcome::Stored);
    storage_->SubmitReport(Language::English, "CASA", QByteArray::number(++token), QStringLiteral("a"), kNow, 100);
    const auto words = storage_->ReportedWords(Language::Italian);
    ASSERT_TRUE(words);
    ASSERT_EQ(words->size(), 2u);
    EXPECT_EQ(words->at(0).word, QByteArray("CASA"));
    EXPECT_EQ(words->at(0).count, 3);
    EXPECT_EQ(words->at(1).count, 1);
    EXPECT_EQ(storage_->DeleteReportedWord(Language::Italian, "CASA"), true);
    EXPECT_EQ(storage_->DeleteReportedWord(Language::Italian, "CASA"), false);
    EXPECT_EQ(storage_->ReportedWords(Language::English)->size(), 1u);
}

TEST_P(SiteStorageTest, EveryProcessOnTheDatabaseSharesTheVersionAndTheSecret)
{
    QString error;
    std::unique_ptr<SiteStorage> other = SiteStorage::Open(*address_, &error);
    ASSERT_TRUE(other) << error.toStdString();
    EXPECT_FALSE(storage_->TokenSecret().isEmpty());
    EXPECT_EQ(other->TokenSecret(), storage_->TokenSecret());
    EXPECT_EQ(storage_->LatestVersion(), QString());
    ASSERT_TRUE(storage_->SetLatestVersion(QStringLiteral("101")));
    ASSERT_TRUE(storage_->SetLatestVersion(QStringLiteral("102")));
    EXPECT_EQ(other->LatestVersion(), QStringLiteral("102"));
}

TEST_P(SiteStorageTest, ManyThreadsSubmittingAtOnceLoseNothing)
{
    constexpr int kThreads = 6;
    constexpr int kEach = 8;
    std::atomic<int> stored{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            QString error;
            std::unique_ptr<SiteStorage> own = SiteStorage::Open(*address_, &error);
            if (!own)
                return;
            for (int i = 0; i < kEach; ++i) {
                const auto submitted = own->SubmitRecord(Record(QStringLiteral("T%1").arg(t), i), 
                                                         QByteArray::number(t * 100 + i), QStringLiteral("x%1").arg(t),
                                                         kNow, 1000);
                if (submitted.outcome == SiteStorage::Outcome::Stored)
                    ++stored;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(stored.load(), kThreads * kEach);
    EXPECT_EQ(storage_->RecordCount(Language::Italian), kThreads * kEach);
}

// Every process opening an older database must find the later tables there,
// whichever of the site's parts it serves first and whatever it read before.
TEST_P(SiteStorageTest, ADatabaseLaidOutBeforeTheLaterTablesGainsThemWhenItOpens)
{
    storage_.reset();
    ASSERT_TRUE(DropLaterTables(*address_));
    for (const QString& table : kLaterTables)
        ASSERT_FALSE(RunOnDatabase(*address_, {QStringLiteral("SELECT COUNT(*) FROM ") + table})) << table.toStdString();

    QString error;
    ASSERT_TRUE(SiteStorage::Open(*address_, &error)) << error.toStdString();

    for (const QString& table : kLaterTables)
        EXPECT_TRUE(RunOnDatabase(*address_, {QStringLiteral("SELECT COUNT(*) FROM ") + table})) << table.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Databases, SiteStorageTest, ::testing::Values(DatabaseKind::SQLite, DatabaseKind::PostgreSQL),
                         KindName);

// Processes started together on a new file: the one that lays it out first must not
// make the others fail, whichever of them reads the list of tables before it.
TEST(SiteStorageNewFile, ProcessesOpeningItAtOnceAllOpenIt)
{
    constexpr int kFiles = 12;
    constexpr int kProcesses = 6;
    for (int file = 0; file < kFiles; ++file) {
        QTemporaryDir folder;
        QString whyNot;
        const std::optional<DatabaseAddress> address = FreshDatabase(DatabaseKind::SQLite, folder, &whyNot);
        ASSERT_TRUE(address) << whyNot.toStdString();
        std::atomic<int> ready{0};
        std::vector<QString> errors(kProcesses);
        std::vector<std::thread> threads;
        for (int p = 0; p < kProcesses; ++p) {
            threads.emplace_back([&, p] {
                ++ready;
                while (ready.load() < kProcesses)
                    std::this_thread::yield();
                QString error;
                if (!SiteStorage::Open(*address, &error))
                    errors[p] = error.isEmpty() ? QStringLiteral("?") : error;
            });
        }
        for (std::thread& thread : threads)
            thread.join();
        for (const QString& error : errors)
            EXPECT_TRUE(error.isEmpty()) << "file " << file << ": " << error.toStdString();
    }
}

// A new SQLite database in `folder` holding one record of ANNA.
void MakeDatabaseOfOneRecord(const QTemporaryDir& folder, DatabaseAddress* address)
{
    address->path = QDir(folder.path()).filePath(QStringLiteral("site.sqlite"));
    QString error;
    std::unique_ptr<SiteStorage> writable = SiteStorage::Open(*address, &error);
    ASSERT_TRUE(writable) << error.toStdString();
    ASSERT_EQ(writable->SubmitRecord(Record(QStringLiteral("ANNA"), 100), "t1", QStringLiteral("a"), kNow, 10).outcome,
              SiteStorage::Outcome::Stored);
}

TEST(SiteStorageReadOnly, AReadOnlyDatabaseStillReadsAndRefusesWritesWholly)
{
    QTemporaryDir folder;
    DatabaseAddress address;
    ASSERT_NO_FATAL_FAILURE(MakeDatabaseOfOneRecord(folder, &address));
    QString error;
    address.options = QStringLiteral("QSQLITE_OPEN_READONLY");
    std::unique_ptr<SiteStorage> readOnly = SiteStorage::Open(address, &error);
    ASSERT_TRUE(readOnly) << error.toStdString();
    EXPECT_EQ(readOnly->RecordCount(Language::Italian), 1);
    EXPECT_EQ(readOnly->SubmitRecord(Record(QStringLiteral("LUCA"), 200), "t2", QStringLiteral("a"), kNow, 10).outcome,
              SiteStorage::Outcome::Failed);
    EXPECT_EQ(readOnly->SubmitReport(Language::Italian, "CASA", "t3", QStringLiteral("a"), kNow, 10),
              SiteStorage::Outcome::Failed);
    EXPECT_EQ(readOnly->RecordCount(Language::Italian), 1);
    // The failed write left no transaction open: reads go on.
    EXPECT_EQ(readOnly->BestRecords(Language::Italian, 0, 10)->size(), 1u);
}

TEST(SiteStorageReadOnly, AReadOnlyDatabaseLaidOutBeforeTheLaterTablesStillOpensAndReadsItsRecords)
{
    QTemporaryDir folder;
    DatabaseAddress address;
    ASSERT_NO_FATAL_FAILURE(MakeDatabaseOfOneRecord(folder, &address));
    QString error;
    ASSERT_TRUE(DropLaterTables(address));
    address.options = QStringLiteral("QSQLITE_OPEN_READONLY");

    std::unique_ptr<SiteStorage> readOnly = SiteStorage::Open(address, &error);

    ASSERT_TRUE(readOnly) << error.toStdString();
    EXPECT_EQ(readOnly->RecordCount(Language::Italian), 1);
    EXPECT_EQ(readOnly->BestRecords(Language::Italian, 0, 10)->size(), 1u);
    // What the missing tables would hold is a failure of the database, never an empty list.
    EXPECT_FALSE(readOnly->ListedTables(0));
    EXPECT_FALSE(readOnly->FinishedGames(10));
    EXPECT_FALSE(readOnly->DailyTries(QStringLiteral("2026-12-10"), Language::Italian));
    EXPECT_FALSE(readOnly->PublishTables(QStringLiteral("p"), {}, 1));
}

TEST(SiteStorageReadOnly, ADatabaseThatCannotBeOpenedSaysSo)
{
    QTemporaryDir folder;
    DatabaseAddress address;
    address.path = QDir(folder.path()).filePath(QStringLiteral("no/such/folder/site.sqlite"));
    QString error;
    EXPECT_FALSE(SiteStorage::Open(address, &error));
    EXPECT_FALSE(error.isEmpty());
}

const auto* const postgres = ::testing::AddGlobalTestEnvironment(new PostgresEnvironment);

}  // namespace
