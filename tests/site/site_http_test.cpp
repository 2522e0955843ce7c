// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_platform.h"
#include "scoring/core/record_address.h"
#include "tests/site/running_site.h"
#include "platform/core/site_address.h"
#include "site/core/site_storage.h"
#include "tests/site/site_test_database.h"
#include "site/core/submission_token.h"
#include "tests/support/temp_program_folder.h"
#include "tests/support/tiny_lexicon.h"

#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>
#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <set>
#include <thread>
#include <vector>

namespace {

std::string Unescaped(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text.toStdString();
}

// The hidden fields of a page's form, as a browser would send them back.
httplib::Params FormFields(const std::string& page)
{
    static const QRegularExpression hidden(
        QStringLiteral("<input type=\"hidden\" name=\"([^\"]+)\" value=\"([^\"]*)\">"));
    httplib::Params fields;
    auto matches = hidden.globalMatch(QString::fromStdString(page));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        fields.emplace(match.captured(1).toStdString(), Unescaped(match.captured(2)));
    }
    return fields;
}

// The record address the game builds for a finished game, from its path on.
std::string GameRecordAddress(const QString& name, int points, const QString& note, const QString& email,
                              Language language = Language::Italian)
{
    FakeRandom random;
    random.values = {0.1, 0.5, 0.9};
    RecordDetails details;
    details.holderName = name;
    details.points = points;
    details.manches = 5;
    details.note = note;
    details.email = email;
    details.language = language;
    const QUrl url(BuildRecordAddress(SiteAddress::FromText(QStringLiteral("http://127.0.0.1")), details, QDateTime(QDate(2026, 12, 9), QTime(21, 7)), random));
    return (url.path(QUrl::FullyEncoded) + QStringLiteral("?") + url.query(QUrl::FullyEncoded)).toStdString();
}

class SiteHttpTest : public ::testing::TestWithParam<DatabaseKind> {
protected:
    void SetUp() override
    {
        address_ = FreshDatabase(GetParam(), folder_, &whyNot_);
        SKIP_WITHOUT_DATABASE(address_, whyNot_);
        ASSERT_TRUE(WriteTinyLexicon(program_.Path(), 1, {QStringLiteral("CASA"), QStringLiteral("CANE")}));
        Start(20);
    }

    void Start(int hourlyLimit, ServerLimits limits = ServerLimits())
    {
        site_.reset();
        SiteConfig config;
        config.database = *address_;
        config.hourlySubmissions = hourlyLimit;
        config.lexicons = SiteLexicons::Load({program_.Path()});
        showWithin_ = config.otherWritesShowWithin;
        // The site's steady clock stands still until a test moves it.
        config.steadyNow = [this] { return std::chrono::steady_clock::time_point(steadyTime_.load()); };
        site_ = std::make_unique<RunningSite>(std::move(config), limits);
        ASSERT_GT(site_->Port(), 0);
        client_ = std::make_unique<httplib::Client>("127.0.0.1", site_->Port());
        client_->set_read_timeout(10, 0);
    }

    httplib::Result Get(const std::string& path) { return client_->Get(path.c_str()); }

    // Reports a word through the site's form; the answer's status.
    int Report(const char* word, const char* language)
    {
        const httplib::Result form = Get("/letterama/segnala");
        httplib::Params fields = FormFields(form->body);
        fields.emplace("parola", word);
        fields.emplace("Language", language);
        return client_->Post("/letterama/segnala", fields)->status;
    }

    // Opens the game's address, confirms, and follows the answer's redirect.
    httplib::Result SubmitAsTheGame(const std::string& address, int* postStatus = nullptr)
    {
        httplib::Result shown = Get(address);
        if (!shown || shown->status != 200) {
            if (postStatus)
                *postStatus = shown ? shown->status : 0;
            return shown;
        }
        httplib::Result posted = client_->Post("/letterama.asp", FormFields(shown->body));
        if (postStatus)
            *postStatus = posted ? posted->status : 0;
        if (!posted || posted->status != 303)
            return posted;
        return Get(posted->get_header_value("Location"));
    }

    QTemporaryDir folder_;
    TempProgramFolder program_;
    QString whyNot_;
    std::optional<DatabaseAddress> address_;
    std::unique_ptr<RunningSite> site_;
    std::unique_ptr<httplib::Client> client_;
    std::atomic<std::chrono::steady_clock::duration> steadyTime_{};
    std::chrono::milliseconds showWithin_{};
};

TEST_P(SiteHttpTest, TheGamesRecordIsShownThenStoredOnConfirmationAndMarkedInTheTable)
{
    const std::string address =
        GameRecordAddress(QStringLiteral("BRUNO"), 5400, QStringLiteral("Sono il migliore"), QStringLiteral("b@x.it"));
    const httplib::Result shown = Get(address);
    ASSERT_TRUE(shown);
    ASSERT_EQ(shown->status, 200);
    EXPECT_NE(shown->body.find("BRUNO"), std::string::npos);
    EXPECT_NE(shown->body.find("5400"), std::string::npos);
    EXPECT_NE(shown->body.find("Sono il migliore"), std::string::npos);
    EXPECT_NE(shown->body.find("09-12-2026"), std::string::npos);

    // Opening the address stored nothing.
    const httplib::Result before = Get("/letterama/");
    ASSERT_TRUE(before);
    EXPECT_EQ(before->body.find("BRUNO"), std::string::npos);

    const httplib::Result posted = client_->Post("/letterama.asp", FormFields(shown->body));
    ASSERT_TRUE(posted);
    ASSERT_EQ(posted->status, 303);
    const httplib::Result table = Get(posted->get_header_value("Location"));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->status, 200);
    EXPECT_NE(table->body.find("<tr class=\"nuovo\" id=\"nuovo\"><td>1</td><td>BRUNO"), std::string::npos) << table->body;
    EXPECT_EQ(table->body.find("b@x.it"), std::string::npos) << "the e-mail address is never shown";
}

TEST_P(SiteHttpTest, ConfirmingTwiceOrWithoutAGenuineTokenStoresOnce)
{
    const httplib::Result shown = Get(GameRecordAddress(QStringLiteral("ANNA"), 300, QString(), QString()));
    ASSERT_TRUE(shown);
    httplib::Params fields = FormFields(shown->body);
    EXPECT_EQ(client_->Post("/letterama.asp", fields)->status, 303);
    EXPECT_EQ(client_->Post("/letterama.asp", fields)->status, 400);
    fields.erase("token");
    fields.emplace("token", "00.1800000000.00");
    EXPECT_EQ(client_->Post("/letterama.asp", fields)->status, 400);
    fields.erase("token");
    EXPECT_EQ(client_->Post("/letterama.asp", fields)->status, 400);

    // The same game sent again with a fresh confirmation is the same record.
    SubmitAsTheGame(GameRecordAddress(QStringLiteral("ANNA"), 300, QString(), QString()));
    QString error;
    const auto storage = SiteStorage::Open(*address_, &error);
    ASSERT_TRUE(storage);
    EXPECT_EQ(storage->RecordCount(Language::Italian), 1);
}

TEST_P(SiteHttpTest, MarkupInANameOrNoteIsShownAsText)
{
    const httplib::Result table = SubmitAsTheGame(GameRecordAddress(
        QStringLiteral("<script>alert(1)</script>"), 700, QStringLiteral("<img src=x onerror=alert(2)>"), QString()));
    ASSERT_TRUE(table);
    ASSERT_EQ(table->status, 200);
    EXPECT_NE(table->body.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
    EXPECT_EQ(table->body.find("<script"), std::string::npos);
    EXPECT_EQ(table->body.find("<img"), std::string::npos);
    EXPECT_NE(table->get_header_value("Content-Security-Policy").find("default-src 'none'"), std::string::npos);
}

TEST_P(SiteHttpTest, ABadFieldGetsA400PageNamingIt)
{
    const std::string good = GameRecordAddress(QStringLiteral("BRUNO"), 5400, QString(), QString());
    const std::pair<const char*, const char*> rows[] = {
        {"punti=5400", "punti=40000"},  {"Language=1", "Language=7"}, {"Manches=5", "Manches=9"},
        {"Nome=BRUNO", "Nome=BR%0ANO"}, {"data=09-12-2026", "data=2026-12-09"}, {"ora=21:07", "ora=9pm"},
        {"E_MAIL=", "E_MAIL=nessuno"},
    };
    for (const auto& [from, to] : rows) {
        std::string bad = good;
        bad.replace(bad.find(from), std::string(from).size(), to);
        const httplib::Result answer = Get(bad);
        ASSERT_TRUE(answer) << to;
        EXPECT_EQ(answer->status, 400) << to;
        const std::string field = std::string(to).substr(0, std::string(to).find('='));
        EXPECT_NE(answer->body.find("&quot;" + field + "&quot;"), std::string::npos) << to << answer->body;
        // The same refusal for a forged POST that skips the confirmation page.
        httplib::Params fields;
        for (const QString& pair : QString::fromStdString(bad.substr(bad.find('?') + 1)).split(QLatin1Char('&'))) {
            const qsizetype eq = pair.indexOf(QLatin1Char('='));
            fields.emplace(pair.left(eq).toStdString(),
                           QUrl::fromPercentEncoding(pair.mid(eq + 1).toUtf8()).toStdString());
        }
        EXPECT_EQ(client_->Post("/letterama.asp", fields)->status, 400) << to;
    }
}

TEST_P(SiteHttpTest, TheTableIsPagedWithSharedRanksAndTheNewestHaveTheirPage)
{
    QString error;
    auto storage = SiteStorage::Open(*address_, &error);
    ASSERT_TRUE(storage);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < 30; ++i) {
        RecordSubmission record;
        record.name = QStringLiteral("GIOCATORE%1").arg(i);
        record.program = QStringLiteral("Letterama_AAA");
        record.playedOn = QDate(2026, 1, 1).addDays(i);
        record.playedAt = QTime(12, 0);
        record.points = 1000 - (i / 2) * 10;  // pairs share their points
        record.manches = 5;
        record.language = Language::Latin;
        ASSERT_EQ(storage->SubmitRecord(record, QByteArray::number(i), QStringLiteral("x"), now.addSecs(i), 100).outcome,
                  SiteStorage::Outcome::Stored);
    }
    const httplib::Result second = Get("/letterama/?Language=3&pagina=2");
    ASSERT_TRUE(second);
    // Places 26 and 27 hold GIOCATORE25 (tied with 24 on page one) and GIOCATORE26.
    EXPECT_NE(second->body.find("<tr><td>25</td><td>GIOCATORE25</td>"), std::string::npos) << second->body;
    EXPECT_NE(second->body.find("<tr><td>27</td><td>GIOCATORE26</td>"), std::string::npos);
    EXPECT_NE(second->body.find("Pagina precedente"), std::string::npos);
    EXPECT_EQ(second->body.find("Pagina successiva"), std::string::npos);
    EXPECT_EQ(Get("/letterama/?Language=1")->body.find("GIOCATORE"), std::string::npos) << "Latin records only";

    const httplib::Result newest = Get("/letterama/recenti");
    ASSERT_TRUE(newest);
    const size_t last = newest->body.find("GIOCATORE29");
    const size_t earlier = newest->body.find("GIOCATORE28");
    ASSERT_NE(last, std::string::npos);
    EXPECT_LT(last, earlier);
}

TEST_P(SiteHttpTest, ReportedWordsMakeTheMissingWordsList)
{
    auto report = [this](const char* word, const char* language) { return Report(word, language); };
    EXPECT_EQ(report("albero", "1"), 200);
    EXPECT_EQ(report("Zebra", "1"), 200);
    EXPECT_EQ(report("zebra", "1"), 200);
    EXPECT_EQ(report("casa", "1"), 200);  // the site's lexicon knows it
    EXPECT_EQ(report("jeep", "2"), 200);
    EXPECT_EQ(report("jeep", "1"), 400);  // J is no Italian letter
    EXPECT_EQ(report("ab", "1"), 400);
    EXPECT_EQ(report("<b>x</b>", "1"), 400);

    const httplib::Result italian = Get("/Public/mancanti.txt");
    ASSERT_TRUE(italian);
    EXPECT_EQ(italian->status, 200);
    EXPECT_EQ(italian->body, "ZEBRA\r\nALBERO\r\n");
    EXPECT_NE(italian->get_header_value("Content-Type").find("windows-1252"), std::string::npos);
    EXPECT_EQ(Get("/Public/mancanti.txt?Language=2")->body, "JEEP\r\n");
    EXPECT_EQ(Get("/Public/mancanti.txt?Language=9")->status, 400);
}

// The table and the list are kept between requests: a write by another connection
// on the database (another site process, or the keeper's command) shows once the
// site's time for seeing it has passed, a write through the site itself at once.
TEST_P(SiteHttpTest, KeptPagesFollowWritesByThisSiteAndByAnotherProcess)
{
    QString error;
    auto other = SiteStorage::Open(*address_, &error);
    ASSERT_TRUE(other) << error.toStdString();
    const RecordSubmission record =
        Record(QStringLiteral("ALTROPROCESSO"), 4321, Language::Italian, QStringLiteral("Letterama_OTH"));
    const QDateTime now = QDateTime::currentDateTimeUtc();

    struct Step {
        const char* what;
        std::function<bool()> write;
        bool byThisSite;
        const char* path;
        const char* expectedText;  // present after the write, or absent when `shown` is false
        bool shown;
    };
    qint64 id = 0;
    const Step steps[] = {
        {"record stored",
         [&] {
             const auto stored = other->SubmitRecord(record, "altro-1", QStringLiteral("x"), now, 100);
             id = stored.id;
             return stored.outcome == SiteStorage::Outcome::Stored;
         },
         false, "/letterama/", "ALTROPROCESSO", true},
        {"record deleted", [&] { return other->DeleteRecord(id) == true; }, false, "/letterama/?Language=1",
         "ALTROPROCESSO", false},
        {"word reported through the site", [&] { return Report("albero", "1") == 200; }, true, "/Public/mancanti.txt",
         "ALBERO", true},
        {"word deleted", [&] { return other->DeleteReportedWord(Language::Italian, "ALBERO") == true; }, false,
         "/Public/mancanti.txt?Language=1", "ALBERO", false},
        {"word reported",
         [&] {
             return other->SubmitReport(Language::Italian, "ZEBRA", "altro-2", QStringLiteral("x"), now, 100) ==
                    SiteStorage::Outcome::Stored;
         },
         false, "/Public/mancanti.txt", "ZEBRA", true},
    };
    for (const Step& step : steps) {
        // Twice, so that the page is certainly kept before the write.
        ASSERT_EQ(Get(step.path)->status, 200) << step.what;
        ASSERT_EQ(Get(step.path)->status, 200) << step.what;
        ASSERT_TRUE(step.write()) << step.what;
        if (!step.byThisSite)
            steadyTime_ = steadyTime_.load() + showWithin_;
        const httplib::Result after = Get(step.path);
        ASSERT_TRUE(after);
        EXPECT_EQ(after->body.find(step.expectedText) != std::string::npos, step.shown) << step.what;
    }
}

// A confirmation's token confirms the record it was shown with and nothing else, and
// a form is taken only from a page of this site.
TEST_P(SiteHttpTest, AFormIsTakenOnlyForWhatItConfirmedAndFromThisSite)
{
    const httplib::Result anna = Get(GameRecordAddress(QStringLiteral("ANNA"), 300, QString(), QString()));
    const httplib::Result report = Get("/letterama/segnala");
    ASSERT_TRUE(anna && report);
    const std::string annasToken = FormFields(anna->body).find("token")->second;
    const std::string reportToken = FormFields(report->body).find("token")->second;
    const std::string thisSite = "http://127.0.0.1:" + std::to_string(site_->Port());

    struct Row {
        const char* what;
        int points;                 // the record posted
        std::string token;          // empty: the one its own page gave
        httplib::Headers headers;
        int status;
    };
    const Row rows[] = {
        {"another record's token, for more points", 32767, annasToken, {}, 400},
        {"the report form's token", 32767, reportToken, {}, 400},
        {"a page of another site", 301, "", {{"Origin", "https://evil.example"}}, 403},
        {"a page of another site, by its address", 302, "", {{"Referer", "https://evil.example/a.html"}}, 403},
        {"a sandboxed page", 303, "", {{"Origin", "null"}}, 403},
        {"a page of this site", 304, "", {{"Origin", thisSite}}, 303},
        {"no page at all (the game, a command line)", 305, "", {}, 303},
    };
    for (const Row& row : rows) {
        const httplib::Result shown = Get(GameRecordAddress(QStringLiteral("BRUNO"), row.points, QString(), QString()));
        ASSERT_TRUE(shown) << row.what;
        httplib::Params fields = FormFields(shown->body);
        if (!row.token.empty()) {
            fields.erase("token");
            fields.emplace("token", row.token);
        }
        const httplib::Result posted = client_->Post("/letterama.asp", row.headers, fields);
        ASSERT_TRUE(posted) << row.what;
        EXPECT_EQ(posted->status, row.status) << row.what;
    }
    // The report form's own token still reports a word; ANNA's token her record.
    httplib::Params word{{"parola", "albero"}, {"Language", "1"}, {"token", reportToken}};
    EXPECT_EQ(client_->Post("/letterama/segnala", word)->status, 200);
    EXPECT_EQ(client_->Post("/letterama.asp", FormFields(anna->body))->status, 303);
    QString error;
    const auto storage = SiteStorage::Open(*address_, &error);
    ASSERT_TRUE(storage);
    const auto stored = storage->AllRecords(Language::Italian);
    ASSERT_TRUE(stored);
    std::set<int> points;
    for (const StoredRecord& record : *stored)
        points.insert(record.record.points);
    EXPECT_EQ(points, (std::set<int>{300, 304, 305}));
}

TEST_P(SiteHttpTest, AnEqualsSignInAValueStaysInIt)
{
    std::string address = GameRecordAddress(QStringLiteral("ANNA"), 300, QString(), QString());
    address.replace(address.find("Nome=ANNA"), 9, "Nome=Anna=Maria");
    const httplib::Result shown = Get(address);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->status, 200);
    EXPECT_NE(shown->body.find("<dd>Anna=Maria</dd>"), std::string::npos) << shown->body;
}

TEST_P(SiteHttpTest, TheTableHasPageNumbersACountAndASearchAndNoPagePastTheLast)
{
    QString error;
    auto storage = SiteStorage::Open(*address_, &error);
    ASSERT_TRUE(storage);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < 60; ++i) {
        const RecordSubmission record = Record(QStringLiteral("GIOCATORE%1").arg(i), 1000 - i, Language::Latin);
        ASSERT_EQ(storage->SubmitRecord(record, QByteArray::number(i), QStringLiteral("x"), now, 100).outcome,
                  SiteStorage::Outcome::Stored);
    }
    struct Row {
        const char* path;
        int status;
        std::vector<const char*> shown;
        std::vector<const char*> notShown;
    };
    const Row rows[] = {
        {"/letterama/?Language=3", 200,
         {"60 record in latino", "pagina 1 di 3", "<strong aria-current=\"page\">1</strong>",
          "href=\"/letterama/?Language=3&amp;pagina=3\" aria-label=\"Ultima pagina, 3\""},
         {"Prima pagina", "GIOCATORE25<"}},
        {"/letterama/?Language=3&pagina=3", 200,
         {"pagina 3 di 3", "GIOCATORE59<", "aria-label=\"Prima pagina\""},
         {"Ultima pagina"}},
        {"/letterama/?Language=3&pagina=4", 404, {"3 pagine", "href=\"/letterama/?Language=3&amp;pagina=3\""}, {}},
        {"/letterama/?Language=3&pagina=999999", 404, {"3 pagine"}, {}},
        {"/letterama/?Language=3&nome=giocatore1", 200,
         {"11 record in latino con un nome che contiene \"giocatore1\"", "<tr><td>2</td><td>GIOCATORE1<",
          "<tr><td>11</td><td>GIOCATORE10<"},
         {"GIOCATORE2<"}},
        {"/letterama/?Language=3&nome=%25", 200, {"Nessun record in latino con un nome che contiene"}, {}},
        {"/letterama/recenti", 200, {"Registrato il", "<td class=\"data\">09-12-2026</td>"}, {}},
    };
    for (const Row& row : rows) {
        // Twice: the second may come from the kept pages.
        for (int time = 0; time < 2; ++time) {
            const httplib::Result answer = Get(row.path);
            ASSERT_TRUE(answer) << row.path;
            EXPECT_EQ(answer->status, row.status) << row.path;
            for (const char* text : row.shown)
                EXPECT_NE(answer->body.find(text), std::string::npos) << row.path << ": " << text;
            for (const char* text : row.notShown)
                EXPECT_EQ(answer->body.find(text), std::string::npos) << row.path << ": " << text;
        }
    }
    // The stored time, on the site's clock, beside each of the newest records.
    const httplib::Result newest = Get("/letterama/recenti");
    ASSERT_TRUE(newest);
    EXPECT_TRUE(QString::fromStdString(newest->body)
                    .contains(QRegularExpression(QStringLiteral("<td class=\"data\">\\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d</td>"))));
}

TEST_P(SiteHttpTest, TheUpdateNoticeHoldsTheVersionTheKeeperSet)
{
    EXPECT_EQ(Get("/letterama/letterama_update.txt")->status, 404);
    QString error;
    auto storage = SiteStorage::Open(*address_, &error);
    ASSERT_TRUE(storage->SetLatestVersion(QStringLiteral("102")));
    const httplib::Result notice = Get("/letterama/letterama_update.txt");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->status, 200);
    EXPECT_EQ(notice->body, "102\r\n");
}

TEST_P(SiteHttpTest, SubmissionsPerAddressAndHourAreLimited)
{
    Start(2);
    int status = 0;
    SubmitAsTheGame(GameRecordAddress(QStringLiteral("UNO"), 1, QString(), QString()), &status);
    EXPECT_EQ(status, 303);
    SubmitAsTheGame(GameRecordAddress(QStringLiteral("DUE"), 2, QString(), QString()), &status);
    EXPECT_EQ(status, 303);
    const httplib::Result refused = SubmitAsTheGame(GameRecordAddress(QStringLiteral("TRE"), 3, QString(), QString()),
                                                    &status);
    EXPECT_EQ(status, 429);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->body.find("troppi record"), std::string::npos);
    EXPECT_EQ(Get("/letterama/")->body.find("TRE"), std::string::npos);
}

TEST_P(SiteHttpTest, EveryPathAnswersAndOthersAreRefusedPolitely)
{
    struct Row {
        const char* method;
        const char* path;
        int status;
        const char* contentType;
    };
    const Row rows[] = {
        {"GET", "/", 200, "text/html; charset=utf-8"},
        {"GET", "/letterama/", 200, "text/html; charset=utf-8"},
        {"GET", "/letterama/online/", 200, "text/html; charset=utf-8"},
        {"GET", "/letterama/recenti", 200, "text/html; charset=utf-8"},
        {"GET", "/letterama/segnala", 200, "text/html; charset=utf-8"},
        {"GET", "/Public/mancanti.txt", 200, "text/plain; charset=windows-1252"},
        {"GET", "/stile.css", 200, "text/css; charset=utf-8"},
        {"GET", "/letterama.asp", 400, "text/html; charset=utf-8"},
        {"GET", "/nessuna/pagina", 404, "text/html; charset=utf-8"},
        {"GET", "/../../etc/passwd", 404, "text/html; charset=utf-8"},
        {"DELETE", "/letterama/", 405, "text/html; charset=utf-8"},
        {"POST", "/", 405, "text/html; charset=utf-8"},
    };
    for (const Row& row : rows) {
        httplib::Request request;
        request.method = row.method;
        request.path = row.path;
        const httplib::Result answer = client_->send(request);
        ASSERT_TRUE(answer) << row.method << ' ' << row.path;
        EXPECT_EQ(answer->status, row.status) << row.method << ' ' << row.path;
        EXPECT_EQ(answer->get_header_value("Content-Type"), row.contentType) << row.path;
        EXPECT_EQ(answer->get_header_value("X-Content-Type-Options"), "nosniff") << row.path;
        EXPECT_FALSE(answer->get_header_value("Content-Security-Policy").empty()) << row.path;
    }
}

INSTANTIATE_TEST_SUITE_P(Databases, SiteHttpTest, ::testing::Values(DatabaseKind::SQLite, DatabaseKind::PostgreSQL),
                         KindName);

// Limits of the HTTP layer, the same whatever the database.
class SiteLimitsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SiteConfig config;
        config.database.path = QDir(folder_.path()).filePath(QStringLiteral("site.sqlite"));
        ServerLimits limits;
        limits.readTimeoutSeconds = 1;
        limits.keepAliveSeconds = 1;
        limits.mostBodyBytes = 4096;
        limits.mostHeaders = 20;
        limits.mostPerAddress = kMostPerAddress;
        site_ = std::make_unique<RunningSite>(std::move(config), limits);
        ASSERT_GT(site_->Port(), 0);
    }

    static constexpr int kMostPerAddress = 4;

    // A connection to the site; -1 when it cannot connect.
    int Open()
    {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(site_->Port()));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        timeval timeout{10, 0};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            close(fd);
            return -1;
        }
        return fd;
    }

    // Sends raw bytes and reads until the server closes; gives up after 10 seconds.
    std::string Raw(const std::string& request, std::chrono::milliseconds* closedAfter = nullptr)
    {
        const int fd = Open();
        if (fd < 0)
            return {};
        const auto start = std::chrono::steady_clock::now();
        send(fd, request.data(), request.size(), MSG_NOSIGNAL);
        std::string answer;
        char buffer[4096];
        ssize_t got = 0;
        while ((got = recv(fd, buffer, sizeof buffer, 0)) > 0)
            answer.append(buffer, static_cast<size_t>(got));
        if (closedAfter)
            *closedAfter = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        close(fd);
        return answer;
    }

    QTemporaryDir folder_;
    std::unique_ptr<RunningSite> site_;
};

TEST_F(SiteLimitsTest, OversizedRequestsAreRefusedWithAPageOfTheSite)
{
    struct Row {
        const char* what;
        std::string request;
        const char* status;
    };
    std::string manyHeaders = "GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n";
    for (int i = 0; i < 40; ++i)
        manyHeaders += "X-Extra-" + std::to_string(i) + ": y\r\n";
    const std::string bigBody(8192, 'a');
    const Row rows[] = {
        {"too many headers", manyHeaders + "\r\n", "HTTP/1.1 431"},
        {"a body over the limit",
         "POST /letterama.asp HTTP/1.1\r\nHost: x\r\nConnection: close\r\nContent-Type: "
         "application/x-www-form-urlencoded\r\nContent-Length: " +
             std::to_string(bigBody.size()) + "\r\n\r\n" + bigBody,
         "HTTP/1.1 413"},
        {"an address over the limit", "GET /" + std::string(9000, 'a') + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n",
         "HTTP/1.1 414"},
    };
    for (const Row& row : rows) {
        const std::string answer = Raw(row.request);
        EXPECT_EQ(answer.substr(0, 12), row.status) << row.what << '\n' << answer.substr(0, 200);
        EXPECT_NE(answer.find("Content-Security-Policy"), std::string::npos) << row.what;
        EXPECT_EQ(answer.find("httplib"), std::string::npos) << row.what;
    }
}

TEST_F(SiteLimitsTest, AClientThatStopsSendingIsDropped)
{
    std::chrono::milliseconds closedAfter{0};
    Raw("GET / HTTP/1.1\r\nHost: x\r\n", &closedAfter);  // never finishes its headers
    EXPECT_LT(closedAfter.count(), 4000);
}

TEST_F(SiteLimitsTest, AWebSocketIsAcceptedOnTheSamePortFromThisSiteOnly)
{
    const std::string upgrade =
        "GET /letterama/online/ HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
        "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n";
    const struct {
        const char* origin;
        const char* status;
    } rows[] = {
        {"http://127.0.0.1", "HTTP/1.1 101"},
        {"https://evil.example", "HTTP/1.1 403"},
    };
    for (const auto& row : rows) {
        const int fd = Open();
        ASSERT_GE(fd, 0);
        const std::string request = upgrade + "Origin: " + row.origin + "\r\n\r\n";
        send(fd, request.data(), request.size(), MSG_NOSIGNAL);
        char buffer[512] = {};
        const ssize_t got = recv(fd, buffer, sizeof buffer - 1, 0);
        close(fd);
        ASSERT_GT(got, 12) << row.origin;
        EXPECT_EQ(std::string(buffer, 12), row.status) << row.origin;
        if (std::string(row.status).ends_with("101")) {
            EXPECT_NE(std::string(buffer).find("s3pPLMBiTxaQ9kYGzzhZRbK+xOo="), std::string::npos);
        }
    }
}

TEST_F(SiteLimitsTest, OneAddressHoldsOnlySoManyConnections)
{
    std::vector<int> held;
    for (int i = 0; i < kMostPerAddress; ++i) {
        held.push_back(Open());
        ASSERT_GE(held.back(), 0);
    }
    // One more is closed at once, without an answer.
    const std::string refused = Raw("GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(refused, "");
    close(held.back());
    held.pop_back();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(Raw("GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n").substr(0, 12), "HTTP/1.1 200");
    for (const int fd : held)
        close(fd);
}

}  // namespace

namespace {

TEST(SiteReadOnlyHttp, AReadOnlyDatabaseStillShowsTheTableAndASubmissionSaysItWasNotStored)
{
    QTemporaryDir folder;
    DatabaseAddress address;
    address.path = QDir(folder.path()).filePath(QStringLiteral("site.sqlite"));
    QString error;
    {
        auto storage = SiteStorage::Open(address, &error);
        ASSERT_TRUE(storage) << error.toStdString();
        ASSERT_EQ(storage->SubmitRecord(Record(QStringLiteral("ANNA"), 900), "t", QStringLiteral("a"), QDateTime::currentDateTimeUtc(), 10).outcome,
                  SiteStorage::Outcome::Stored);
    }
    SiteConfig config;
    config.database = address;
    config.database.options = QStringLiteral("QSQLITE_OPEN_READONLY");
    RunningSite site(std::move(config), ServerLimits());
    ASSERT_GT(site.Port(), 0);
    httplib::Client client("127.0.0.1", site.Port());
    const httplib::Result table = client.Get("/letterama/");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->status, 200);
    EXPECT_NE(table->body.find("ANNA"), std::string::npos);

    // The record's page says it cannot be stored now, without a button that would
    // only lead to a refusal.
    const httplib::Result shown = client.Get(
        "/letterama.asp?Nome=LUCA&programma=Letterama_ABC&data=09-12-2026&punti=500&Manches=5&Note=&E_MAIL=&ora=21:07"
        "&Language=1");
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->status, 200);
    EXPECT_EQ(shown->body.find("<button"), std::string::npos);
    EXPECT_NE(shown->body.find("non può registrare record"), std::string::npos);

    // A form signed with the database's secret, as a page shown before the file
    // became read-only would carry.
    auto reader = SiteStorage::Open(address, &error);
    ASSERT_TRUE(reader);
    RecordSubmission luca = Record(QStringLiteral("LUCA"), 500);
    luca.note.clear();
    luca.email.clear();
    httplib::Params fields{{"Nome", "LUCA"},  {"programma", "Letterama_ABC"}, {"data", "09-12-2026"},
                           {"punti", "500"},  {"Manches", "5"},               {"ora", "21:07"},
                           {"Language", "1"}, {"token", SubmissionToken::Issue(reader->TokenSecret(),
                                                                              QDateTime::currentDateTimeUtc(),
                                                                              SubmissionToken::ForRecord(luca))
                                                            .toStdString()}};
    const httplib::Result posted = client.Post("/letterama.asp", fields);
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->status, 503);
    EXPECT_NE(posted->body.find("Non è stato possibile registrare il record"), std::string::npos);
    EXPECT_EQ(posted->body.find("SQL"), std::string::npos);
    EXPECT_EQ(posted->body.find("readonly"), std::string::npos);
}

}  // namespace
