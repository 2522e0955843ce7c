// SPDX-License-Identifier: GPL-3.0-or-later
// The site's answers without the network: a record submission (checking, token,
// hourly limit, one transaction), the record table page, the missing-words list and
// the first page of a table of 50,000 records; and the lookup of reported and
// challenge words in the shipped Italian lexicon.
// SQLite in a temporary folder, or the database in LETTERAMA_SITE_BENCH_DATABASE
// (bench/site/site_load.sh passes a PostgreSQL one).
#include "site/ui/site_service.h"
#include "site/core/site_lexicons.h"
#include "site/core/site_storage.h"
#include "site/core/submission_token.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <memory>
#include <string_view>
#include <vector>

namespace {

struct BenchSite {
    QTemporaryDir folder;
    DatabaseAddress address;
    QByteArray secret;
    std::unique_ptr<SiteService> service;

    BenchSite()
    {
        const QString given = qEnvironmentVariable("LETTERAMA_SITE_BENCH_DATABASE");
        address = DatabaseAddress::Parse(given.isEmpty() ? QDir(folder.path()).filePath(QStringLiteral("bench.sqlite"))
                                                         : given)
                      .value();
        QString error;
        const auto storage = SiteStorage::Open(address, &error);
        if (!storage)
            qFatal("database: %s", qPrintable(error));
        secret = storage->TokenSecret();
        SiteConfig config;
        config.database = address;
        config.hourlySubmissions = 1'000'000'000;
        service = std::make_unique<SiteService>(std::move(config));
    }
};

BenchSite& Site()
{
    static BenchSite site;
    return site;
}

SiteRequest RecordPost(int n)
{
    SiteRequest request;
    request.method = "POST";
    request.path = "/letterama.asp";
    request.clientAddress = "127.0.0.1";
    request.params = {{"Nome", "GIOCATORE" + std::to_string(n)}, {"programma", "Letterama_BEN"},
                      {"data", "09-12-2026"}, {"punti", std::to_string(n % 32768)}, {"Manches", "5"},
                      {"Note", "Sono_il_migliore"}, {"E_MAIL", ""}, {"ora", "21:07"}, {"Language", "1"}};
    return request;
}

void BM_SubmitRecord(benchmark::State& state)
{
    BenchSite& site = Site();
    static int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        SiteRequest request = RecordPost(++n);
        const auto checked = CheckSubmission([&request](const char* key) -> std::optional<QByteArray> {
            const auto found = request.params.find(key);
            return found == request.params.end() ? std::nullopt
                                                 : std::optional<QByteArray>(QByteArray::fromStdString(found->second));
        }, QDate::currentDate());
        const QByteArray token = SubmissionToken::Issue(site.secret, QDateTime::currentDateTimeUtc(),
                                                        SubmissionToken::ForRecord(std::get<RecordSubmission>(checked)));
        request.params.emplace("token", token.toStdString());
        state.ResumeTiming();
        const SiteResponse response = site.service->Handle(request);
        if (response.status != 303)
            state.SkipWithError("the record was not stored");
    }
}
BENCHMARK(BM_SubmitRecord)->Unit(benchmark::kMillisecond);

void BM_RecordTablePage(benchmark::State& state)
{
    BenchSite& site = Site();
    SiteRequest request{"GET", "/letterama/", {{"Language", "1"}}, "127.0.0.1", "", "", "", ""};
    for (auto _ : state)
        benchmark::DoNotOptimize(site.service->Handle(request));
}
BENCHMARK(BM_RecordTablePage)->Unit(benchmark::kMicrosecond);

void BM_MissingWordsList(benchmark::State& state)
{
    BenchSite& site = Site();
    SiteRequest request{"GET", "/Public/mancanti.txt", {}, "127.0.0.1", "", "", "", ""};
    for (auto _ : state)
        benchmark::DoNotOptimize(site.service->Handle(request));
}
BENCHMARK(BM_MissingWordsList)->Unit(benchmark::kMicrosecond);

// A table of 50,000 records written straight into a database the site laid out, as
// bench/site/site_load.sh does.
struct BigTable {
    QTemporaryDir folder;
    DatabaseAddress address;

    BigTable()
    {
        const QString path = QDir(folder.path()).filePath(QStringLiteral("big.sqlite"));
        address = DatabaseAddress::Parse(path).value();
        QString error;
        if (!SiteStorage::Open(address, &error))
            qFatal("database: %s", qPrintable(error));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench filler"));
            db.setDatabaseName(path);
            db.open();
            db.transaction();
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral(
                "INSERT INTO records (language, name, points, manches, note, email, program, played_on, played_at,"
                " stored_at, address) VALUES (1, ?, ?, 5, 'Sono_il_migliore', '', 'Letterama_ABC', '2026-12-09',"
                " '21:07', ?, '127.0.0.1')"));
            for (int n = 0; n < 50'000; ++n) {
                insert.addBindValue(QStringLiteral("GIOCATORE%1").arg(n));
                insert.addBindValue(n * 7919 % 30000);
                insert.addBindValue(1'800'000'000 + n);
                insert.exec();
            }
            db.commit();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench filler"));
    }
};

// The first request for the table of 50,000 records on a site that has read none
// of it yet: the read of every record in table order and the rendering of page 1.
void BM_FirstPageOfBigTable(benchmark::State& state)
{
    static BigTable table;
    const SiteRequest warm{"GET", "/letterama/letterama_update.txt", {}, "127.0.0.1", "", "", "", ""};
    const SiteRequest first{"GET", "/letterama/", {{"Language", "1"}}, "127.0.0.1", "", "", "", ""};
    for (auto _ : state) {
        state.PauseTiming();
        SiteConfig config;
        config.database = table.address;
        auto service = std::make_unique<SiteService>(std::move(config));
        service->Handle(warm);  // opens this thread's connection
        state.ResumeTiming();
        if (service->Handle(first).status != 200)
            state.SkipWithError("no table page");
        state.PauseTiming();
        service.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstPageOfBigTable)->Unit(benchmark::kMillisecond);

// Words as the live tables and the day's challenge send them: every 97th word of the
// shipped Italian lexicon of 3 to 10 letters, and as many with the last letter changed
// (mostly not in it).
void BM_LexiconHolds(benchmark::State& state)
{
    static const std::shared_ptr<const SiteLexicons> lexicons =
        SiteLexicons::Load({QStringLiteral(LETTERAMA_SOURCE_DIR "/assets/program_folder")});
    const LexiconSource source = lexicons->SourceOf(Language::Italian);
    if (!source.Words) {
        state.SkipWithError("no shipped Italian lexicon");
        return;
    }
    std::vector<QByteArray> words;
    for (int length = 3; length <= 10; ++length) {
        for (std::int32_t k = 0; k < source.Words->Count(length); k += 97) {
            const std::string_view word = source.Words->Word(length, k);
            words.emplace_back(word.data(), static_cast<qsizetype>(word.size()));
            words.push_back(words.back());
            words.back().back() = words.back().back() == 'Z' ? 'A' : static_cast<char>(words.back().back() + 1);
        }
    }
    for (auto _ : state) {
        int held = 0;
        for (const QByteArray& word : words)
            held += lexicons->Holds(Language::Italian, word) ? 1 : 0;
        benchmark::DoNotOptimize(held);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(words.size()));
}
BENCHMARK(BM_LexiconHolds)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
