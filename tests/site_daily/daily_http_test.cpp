// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/word_search.h"
#include "site/core/site_lexicons.h"
#include "site/core/site_storage.h"
#include "tests/site/running_site.h"
#include "tests/site/site_test_database.h"

#include <QRegularExpression>

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>

namespace {

std::shared_ptr<const SiteLexicons> Shipped()
{
    static const std::shared_ptr<const SiteLexicons> lexicons =
        SiteLexicons::Load({QStringLiteral(LETTERAMA_SHIPPED_LEXICONS)});
    return lexicons;
}

std::string Captured(const std::string& text, const char* pattern)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromStdString(text));
    return match.hasMatch() ? match.captured(1).toStdString() : std::string();
}

// One browser: its cookie, kept as a browser keeps it.
struct Browser {
    std::string cookie;
    std::string token;  // of the board's page last opened
    httplib::Headers Headers() const { return cookie.empty() ? httplib::Headers{} : httplib::Headers{{"Cookie", cookie}}; }
    void Take(const httplib::Result& answer)
    {
        if (answer && answer->has_header("Set-Cookie"))
            cookie = answer->get_header_value("Set-Cookie").substr(0, answer->get_header_value("Set-Cookie").find(';'));
    }
};

class DailyHttpTest : public ::testing::TestWithParam<DatabaseKind> {
protected:
    void SetUp() override
    {
        address_ = FreshDatabase(GetParam(), folder_, &whyNot_);
        SKIP_WITHOUT_DATABASE(address_, whyNot_);
        ASSERT_TRUE(Shipped()->Has(Language::Italian));
        SiteConfig config;
        config.database = *address_;
        config.lexicons = Shipped();
        config.now = [this] { return QDateTime::fromMSecsSinceEpoch(nowMs_.load(), Qt::UTC); };
        site_ = std::make_unique<RunningSite>(std::move(config), ServerLimits());
        ASSERT_GT(site_->Port(), 0);
        client_ = std::make_unique<httplib::Client>("127.0.0.1", site_->Port());
        client_->set_read_timeout(10, 0);
    }

    QDate Today() const { return QDateTime::fromMSecsSinceEpoch(nowMs_.load(), Qt::UTC).toLocalTime().date(); }
    void Wait(qint64 ms) { nowMs_ += ms; }

    std::string BoardText(int language = 1)
    {
        const httplib::Result text = client_->Get("/letterama/sfida/oggi.txt?lingua=" + std::to_string(language));
        EXPECT_TRUE(text && text->status == 200);
        return text ? text->body : std::string();
    }
    static QString LettersOf(const std::string& boardText) { return QString::fromStdString(boardText).split("\r\n").value(3); }

    // Opens the board's page, presses "Gioca": the letters the site sends.
    std::string Start(Browser& browser, const char* name, int language = 1)
    {
        const httplib::Result page =
            client_->Get("/letterama/sfida/gioca?lingua=" + std::to_string(language), browser.Headers());
        browser.Take(page);
        if (!page || page->status != 200)
            return "status " + std::to_string(page ? page->status : 0);
        browser.token = Captured(page->body, "name=\"token\" value=\"([^\"]+)\"");
        const httplib::Result started = client_->Post(
            "/letterama/sfida/inizia", browser.Headers(),
            httplib::Params{{"lingua", std::to_string(language)}, {"nome", name}, {"token", browser.token}});
        return started ? started->body : std::string();
    }

    // Sends a word: the result page the answer leads to.
    httplib::Result Send(Browser& browser, const std::string& word, int language = 1)
    {
        const httplib::Result sent = client_->Post(
            "/letterama/sfida/invia", browser.Headers(),
            httplib::Params{{"lingua", std::to_string(language)}, {"parola", word}, {"token", browser.token}});
        if (!sent || sent->status != 303)
            return httplib::Result(sent ? std::make_unique<httplib::Response>(sent.value()) : nullptr, sent.error());
        return client_->Get(sent->get_header_value("Location"), browser.Headers());
    }

    static std::string LongestWord(const std::string& letters, Language language = Language::Italian)
    {
        const QStringList found =
            WordSearch::FindAll(*Shipped()->SourceOf(language).Words, QString::fromStdString(letters), 10);
        return found.isEmpty() ? std::string() : found.last().toStdString();
    }

    QTemporaryDir folder_;
    QString whyNot_;
    std::optional<DatabaseAddress> address_;
    std::atomic<qint64> nowMs_{QDateTime(QDate(2026, 12, 10), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch()};
    std::unique_ptr<RunningSite> site_;
    std::unique_ptr<httplib::Client> client_;
};

TEST_P(DailyHttpTest, EveryRequestOfADayHasTheSameBoardAndTheNextDayAnother)
{
    Browser anna, bruno;
    const std::string text = BoardText();
    const QString letters = LettersOf(text);
    ASSERT_EQ(letters.size(), 10) << text;
    EXPECT_TRUE(text.starts_with("sfida\r\n" + Today().toString(Qt::ISODate).toStdString() + "\r\n1\r\n"));
    EXPECT_EQ(BoardText(), text);
    EXPECT_NE(Start(anna, "Anna").find("\"lettere\":\"" + letters.toStdString() + "\""), std::string::npos);
    EXPECT_NE(Start(bruno, "Bruno").find("\"lettere\":\"" + letters.toStdString() + "\""), std::string::npos);
    EXPECT_NE(LettersOf(BoardText(2)), letters);
    Wait(24 * 3600 * 1000LL);
    EXPECT_NE(LettersOf(BoardText()), letters);
    EXPECT_GE(LongestWord(LettersOf(BoardText()).toStdString()).size(), 8u);
}

TEST_P(DailyHttpTest, APlayerHasOneTryADayAndASecondShowsTheFirstResult)
{
    Browser anna;
    const std::string started = Start(anna, "Anna");
    const std::string letters = Captured(started, "\"lettere\":\"([A-Z]+)\"");
    ASSERT_EQ(letters.size(), 10u) << started;
    ASSERT_FALSE(anna.cookie.empty());
    const std::string word = LongestWord(letters);
    Wait(23'400);
    const httplib::Result result = Send(anna, word);
    ASSERT_TRUE(result);
    ASSERT_EQ(result->status, 200);
    const int points = 100 * static_cast<int>(word.size()) + 10 * (60 - 23);
    EXPECT_NE(result->body.find(word), std::string::npos);
    EXPECT_NE(result->body.find(std::to_string(points) + " punti"), std::string::npos) << result->body;
    EXPECT_NE(result->body.find("Letterama " + Today().toString("dd-MM-yyyy").toStdString() + " · " +
                                std::to_string(word.size()) + " lettere · 23 s"),
              std::string::npos);

    // Again: the board's page leads to the result, the start says it is done, a word is not taken.
    const httplib::Result again = client_->Get("/letterama/sfida/gioca?lingua=1", anna.Headers());
    EXPECT_EQ(again->status, 303);
    const httplib::Result restarted =
        client_->Post("/letterama/sfida/inizia", anna.Headers(),
                      httplib::Params{{"lingua", "1"}, {"nome", "Anna"}, {"token", anna.token}});
    EXPECT_NE(restarted->body.find("\"fatto\":true"), std::string::npos);
    const httplib::Result second = Send(anna, "CASA");
    EXPECT_EQ(second->body.find("CASA</strong>"), std::string::npos);
    EXPECT_NE(second->body.find(std::to_string(points) + " punti"), std::string::npos);

    // A cookie signed by anyone else is no player.
    Browser forged{anna.cookie.substr(0, anna.cookie.size() - 1) + (anna.cookie.back() == 'a' ? "b" : "a"), ""};
    const httplib::Result forgedResult = client_->Get("/letterama/sfida/risultato?lingua=1", forged.Headers());
    EXPECT_NE(forgedResult->body.find("Non hai ancora giocato"), std::string::npos);
}

TEST_P(DailyHttpTest, TheClockIsTheSitesAndAWordAfterItScoresNothing)
{
    Browser anna, bruno;
    const std::string letters = Captured(Start(anna, "Anna"), "\"lettere\":\"([A-Z]+)\"");
    Wait(10'000);
    // Opening the page again goes on with the first start's clock.
    EXPECT_NE(Start(anna, "Anna").find("\"millisecondi\":50000"), std::string::npos);
    Start(bruno, "Bruno");
    Wait(70'000);
    const httplib::Result late = Send(anna, LongestWord(letters));
    EXPECT_NE(late->body.find("<strong>0 punti</strong>"), std::string::npos) << late->body;
    const httplib::Result unknown = Send(bruno, "ZZZ");
    EXPECT_NE(unknown->body.find("non valida"), std::string::npos);
}

TEST_P(DailyHttpTest, TheRankingListsTheDaysTriesAndTheArchiveShowsOnlyPastDays)
{
    Browser anna, bruno, carla;
    const std::string letters = Captured(Start(anna, "Anna"), "\"lettere\":\"([A-Z]+)\"");
    Start(bruno, "<b>Bruno</b>");
    Start(carla, "Carla");
    const std::string word = LongestWord(letters);
    Wait(5'000);
    Send(bruno, word);
    Wait(5'000);
    Send(anna, word);
    const httplib::Result ranking = Send(carla, "QQQ");
    ASSERT_TRUE(ranking);
    const std::string& page = ranking->body;
    EXPECT_NE(page.find("Classifica di oggi"), std::string::npos);
    EXPECT_EQ(page.find("<b>Bruno"), std::string::npos);
    const std::size_t first = page.find("&lt;b&gt;Bruno");
    const std::size_t second = page.find("<td>Anna</td>");
    const std::size_t third = page.find("Carla (tu)");
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    EXPECT_NE(page.find("<th scope=\"row\">" + std::to_string(word.size()) + " lettere</th><td>2</td>"),
              std::string::npos);

    const httplib::Result today = client_->Get("/letterama/sfida/archivio");
    EXPECT_EQ(today->body.find(letters), std::string::npos);
    Wait(24 * 3600 * 1000LL);
    const httplib::Result tomorrow = client_->Get("/letterama/sfida/archivio");
    EXPECT_NE(tomorrow->body.find(letters), std::string::npos);
    EXPECT_NE(tomorrow->body.find(QString::fromStdString(word).toStdString()), std::string::npos);
    EXPECT_NE(tomorrow->body.find("&lt;b&gt;Bruno&lt;/b&gt; ("), std::string::npos) << tomorrow->body;
    EXPECT_EQ(tomorrow->body.find("Anna ("), std::string::npos);
}

TEST_P(DailyHttpTest, TheGamesTryIsJudgedAgainAndTakenOnce)
{
    Browser player;
    const std::string letters = LettersOf(BoardText()).toStdString();
    const std::string word = LongestWord(letters);
    const httplib::Result foreign = client_->Get("/letterama/sfida/gioco?lingua=1&parola=QQQQQQQQ&secondi=10");
    EXPECT_EQ(foreign->status, 400);
    const httplib::Result shown =
        client_->Get("/letterama/sfida/gioco?lingua=1&parola=" + word + "&secondi=12", player.Headers());
    ASSERT_EQ(shown->status, 200);
    player.Take(shown);
    const std::string token = Captured(shown->body, "name=\"token\" value=\"([^\"]+)\"");
    // The token is signed with the word and the seconds: another time is refused.
    const httplib::Result changed = client_->Post(
        "/letterama/sfida/gioco", player.Headers(),
        httplib::Params{{"lingua", "1"}, {"parola", word}, {"secondi", "1"}, {"nome", "Dario"}, {"token", token}});
    EXPECT_EQ(changed->status, 400);
    const httplib::Result stored = client_->Post(
        "/letterama/sfida/gioco", player.Headers(),
        httplib::Params{{"lingua", "1"}, {"parola", word}, {"secondi", "12"}, {"nome", "Dario"}, {"token", token}});
    ASSERT_EQ(stored->status, 303);
    const httplib::Result result = client_->Get(stored->get_header_value("Location"), player.Headers());
    EXPECT_NE(result->body.find(std::to_string(100 * word.size() + 480) + " punti"), std::string::npos);
    const httplib::Result again =
        client_->Get("/letterama/sfida/gioco?lingua=1&parola=" + word + "&secondi=0", player.Headers());
    EXPECT_EQ(again->status, 303);
}

TEST_P(DailyHttpTest, TriesFinishedTogetherAreEachTakenOnce)
{
    QString error;
    const std::unique_ptr<SiteStorage> storage = SiteStorage::Open(*address_, &error);
    ASSERT_TRUE(storage) << error.toStdString();
    const auto tryOf = [](const char* player, const char* word) {
        DailyTry row;
        row.day = QStringLiteral("2026-12-10");
        row.player = QString::fromLatin1(player);
        row.name = row.player;
        row.word = QString::fromLatin1(word);
        row.verdict = QStringLiteral("SI");
        row.length = static_cast<int>(row.word.size());
        row.points = 100 * row.length;
        row.finished = true;
        return row;
    };
    DailyTry opened = tryOf("anna", "");
    opened.startedAt = 1000;
    ASSERT_TRUE(storage->OpenDailyTry(opened));
    // Anna's open try is finished, Bruno's arrives from the game, Bruno's second is refused.
    const auto done = storage->FinishDailyTries({tryOf("anna", "CASTELLO"), tryOf("bruno", "CASA"), tryOf("bruno", "CANE")});
    ASSERT_TRUE(done);
    EXPECT_EQ(*done, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(storage->FinishDailyTry(tryOf("anna", "SALE")), false);
    const auto tries = storage->DailyTries(QStringLiteral("2026-12-10"), Language::Italian);
    ASSERT_TRUE(tries);
    ASSERT_EQ(tries->size(), 2u);
    for (const DailyTry& row : *tries)
        EXPECT_EQ(row.word, row.player == "anna" ? QStringLiteral("CASTELLO") : QStringLiteral("CASA"));
    EXPECT_EQ(storage->DailyTries(QStringLiteral("2026-12-11"), Language::Italian)->size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Databases, DailyHttpTest, ::testing::Values(DatabaseKind::SQLite, DatabaseKind::PostgreSQL),
                         KindName);

}  // namespace
