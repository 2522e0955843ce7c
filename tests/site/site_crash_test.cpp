// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/site_storage.h"
#include "tests/site/site_test_database.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>
#include <httplib.h>

#include <signal.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <set>
#include <thread>

namespace {

// letterama-site started as its own process, so that it can be killed outright.
// With `mostFileBytes` no file it writes may grow past that size, as on a full disk:
// a write past it fails (the signal a process gets for it is ignored, as the disk
// gives none).
class SiteProcess {
public:
    explicit SiteProcess(const DatabaseAddress& database, std::optional<rlim_t> mostFileBytes = std::nullopt)
    {
        if (mostFileBytes) {
            const rlim_t most = *mostFileBytes;
            process_.setChildProcessModifier([most] {
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{most, most};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            });
        }
        QString url = database.kind == DatabaseAddress::Kind::SQLite
                          ? QStringLiteral("sqlite:") + database.path
                          : QStringLiteral("postgresql:///%1?host=%2&user=%3")
                                .arg(database.databaseName, database.host, database.user);
        process_.start(QStringLiteral(LETTERAMA_SITE_PROGRAM),
                       {QStringLiteral("serve"), QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--limit"),
                        QStringLiteral("100000"), QStringLiteral("--database"), url});
        if (!process_.waitForReadyRead(10000))
            return;
        static const QRegularExpression bound(QStringLiteral("127\\.0\\.0\\.1:(\\d+)/"));
        const QRegularExpressionMatch match = bound.match(QString::fromUtf8(process_.readLine()));
        if (match.hasMatch())
            port_ = match.captured(1).toInt();
    }
    ~SiteProcess() { Kill(); }

    int Port() const { return port_; }
    void Kill()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
        process_.waitForFinished(10000);
    }

private:
    QProcess process_;
    int port_ = -1;
};

// One record confirmed as a browser does; true when the site said it was stored.
// The confirmation's status and page go to `status` and `page` when given.
bool Submit(httplib::Client& client, int n, int* status = nullptr, std::string* page = nullptr)
{
    const std::string name = "GIOCATORE" + std::to_string(n);
    const std::string query = "/letterama.asp?Nome=" + name +
                              "&programma=Letterama_ABC&data=09-12-2026&punti=" + std::to_string(n % 30000) +
                              "&Manches=5&Note=&E_MAIL=&ora=21:07&Language=1";
    const httplib::Result shown = client.Get(query.c_str());
    if (!shown || shown->status != 200)
        return false;
    static const QRegularExpression token(QStringLiteral("name=\"token\" value=\"([^\"]+)\""));
    const QRegularExpressionMatch match = token.match(QString::fromStdString(shown->body));
    if (!match.hasMatch())
        return false;
    const httplib::Params fields{{"Nome", name},       {"programma", "Letterama_ABC"},
                                 {"data", "09-12-2026"}, {"punti", std::to_string(n % 30000)},
                                 {"Manches", "5"},       {"Note", ""},
                                 {"E_MAIL", ""},         {"ora", "21:07"},
                                 {"Language", "1"},      {"token", match.captured(1).toStdString()}};
    const httplib::Result posted = client.Post("/letterama.asp", fields);
    if (posted && status)
        *status = posted->status;
    if (posted && page)
        *page = posted->body;
    return posted && posted->status == 303;
}

// SQLite's own check of a database file: "ok" when it is whole.
QString IntegrityOf(const QString& path)
{
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("integrity"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery check(db);
            if (check.exec(QStringLiteral("PRAGMA integrity_check")) && check.next())
                result = check.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("integrity"));
    return result;
}

class SiteCrashTest : public ::testing::TestWithParam<DatabaseKind> {};

TEST_P(SiteCrashTest, KillingTheSiteLosesNoRecordItConfirmed)
{
    QTemporaryDir folder;
    QString whyNot;
    const std::optional<DatabaseAddress> database = FreshDatabase(GetParam(), folder, &whyNot);
    SKIP_WITHOUT_DATABASE(database, whyNot);

    std::vector<int> confirmed;
    {
        SiteProcess site(*database);
        ASSERT_GT(site.Port(), 0);
        std::atomic<bool> killed{false};
        std::thread submitter([&] {
            httplib::Client client("127.0.0.1", site.Port());
            client.set_read_timeout(5, 0);
            for (int n = 1; n < 100000 && !killed; ++n) {
                if (Submit(client, n))
                    confirmed.push_back(n);
            }
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(800));
        site.Kill();
        killed = true;
        submitter.join();
    }
    ASSERT_FALSE(confirmed.empty()) << "no record was confirmed before the kill";

    // The database opens again, whole, and holds every confirmed record.
    QString error;
    std::unique_ptr<SiteStorage> storage = SiteStorage::Open(*database, &error);
    ASSERT_TRUE(storage) << error.toStdString();
    const auto records = storage->AllRecords(Language::Italian);
    ASSERT_TRUE(records);
    std::set<QString> stored;
    for (const StoredRecord& record : *records)
        stored.insert(record.record.name);
    for (const int n : confirmed)
        EXPECT_TRUE(stored.count(QStringLiteral("GIOCATORE%1").arg(n))) << "record " << n << " was lost";
    if (database->kind == DatabaseAddress::Kind::SQLite) {
        EXPECT_EQ(IntegrityOf(database->path), QStringLiteral("ok"));
    }
}

// The SQLite file and its log may not grow: the site goes on showing the table, a
// submission says it could not be stored, and the file keeps every record the site
// confirmed and takes new ones once there is room again.
TEST(SiteFullDisk, ASubmissionSaysItWasNotStoredAndNoConfirmedRecordIsLost)
{
    QTemporaryDir folder;
    QString whyNot;
    const std::optional<DatabaseAddress> database = FreshDatabase(DatabaseKind::SQLite, folder, &whyNot);
    ASSERT_TRUE(database) << whyNot.toStdString();
    {
        QString error;
        ASSERT_TRUE(SiteStorage::Open(*database, &error)) << error.toStdString();
    }
    // Room for a few submissions' pages in the log.
    const rlim_t mostFileBytes = static_cast<rlim_t>(QFileInfo(database->path).size()) + 64 * 1024;

    std::vector<int> confirmed;
    std::string refusal;
    {
        SiteProcess site(*database, mostFileBytes);
        ASSERT_GT(site.Port(), 0);
        httplib::Client client("127.0.0.1", site.Port());
        client.set_read_timeout(10, 0);
        for (int n = 1; n <= 100 && refusal.empty(); ++n) {
            int status = 0;
            std::string page;
            if (Submit(client, n, &status, &page))
                confirmed.push_back(n);
            else if (status == 503)
                refusal = page;
            else
                FAIL() << "submission " << n << " answered " << status;
        }
        ASSERT_FALSE(refusal.empty()) << "the disk never filled";
        EXPECT_NE(refusal.find("Non è stato possibile registrare il record"), std::string::npos) << refusal;
        EXPECT_EQ(refusal.find("disk"), std::string::npos) << "the database's own message reached the page";

        const httplib::Result table = client.Get("/letterama/");
        ASSERT_TRUE(table);
        EXPECT_EQ(table->status, 200);
        for (const int n : confirmed)
            EXPECT_NE(table->body.find("GIOCATORE" + std::to_string(n) + "<"), std::string::npos) << n;
    }

    // With room again: every confirmed record is there, the file is whole and new
    // records are taken.
    SiteProcess site(*database);
    ASSERT_GT(site.Port(), 0);
    httplib::Client client("127.0.0.1", site.Port());
    EXPECT_TRUE(Submit(client, 1000));
    QString error;
    std::unique_ptr<SiteStorage> storage = SiteStorage::Open(*database, &error);
    ASSERT_TRUE(storage) << error.toStdString();
    const auto records = storage->AllRecords(Language::Italian);
    ASSERT_TRUE(records);
    EXPECT_EQ(records->size(), confirmed.size() + 1);
    EXPECT_EQ(IntegrityOf(database->path), QStringLiteral("ok"));
}

INSTANTIATE_TEST_SUITE_P(Databases, SiteCrashTest, ::testing::Values(DatabaseKind::SQLite, DatabaseKind::PostgreSQL),
                         KindName);

}  // namespace
