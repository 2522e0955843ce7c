// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/change_watch.h"
#include "site/core/database_address.h"
#include "site/core/html_text.h"
#include "site/core/missing_words.h"
#include "site/core/page_cache.h"
#include "site/core/record_ranking.h"
#include "site/core/site_lexicons.h"
#include "site/core/submission_token.h"
#include "site/core/version_digits.h"
#include "lexicon/core/lexicon_writer.h"
#include "lexicon/core/word_lookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <utility>
#include <set>

namespace {

struct RankCase {
    const char* what;
    std::vector<int> points;
    int firstPosition;
    int betterThanFirst;
    std::vector<int> ranks;
};

TEST(RecordRanking, EqualPointsShareARankAndTheNextSkips)
{
    const RankCase rows[] = {
        {"all different", {900, 800, 700}, 0, 0, {1, 2, 3}},
        {"a tie in the middle", {900, 800, 800, 700}, 0, 0, {1, 2, 2, 4}},
        {"all tied", {500, 500, 500}, 0, 0, {1, 1, 1}},
        {"second page, first row tied with the page before", {600, 600, 400}, 25, 23, {24, 24, 28}},
        {"second page starting fresh", {600, 500}, 25, 25, {26, 27}},
        {"empty page", {}, 0, 0, {}},
    };
    for (const RankCase& row : rows)
        EXPECT_EQ(RanksOfPage(row.points, row.firstPosition, row.betterThanFirst), row.ranks) << row.what;
}

// The site judges a reported or played word by the game's own rule: its lexicon holds
// exactly the words the game's lookup finds, byte for byte.
TEST(SiteLexicons, HoldExactlyWhatTheGamesLookupFinds)
{
    LexiconWordLists lists;
    lists[0] = {"ORA"};
    lists[1] = {"ROMA", "AMOR"};
    lists[3] = {"PERCH\xC8"};  // a letter outside A-Z, as a shipped lexicon has none
    lists[7] = {"ABCDEFGHIL"};
    QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath(TableOf(Language::Italian).LexiconFileName()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ComposeLexicon(lists, LexiconBanner(Language::Italian)).bytes);
    file.close();
    const std::shared_ptr<const SiteLexicons> site = SiteLexicons::Load({folder.path()});
    const std::shared_ptr<const LexiconWords> game = site->SourceOf(Language::Italian).Words;
    ASSERT_TRUE(game);

    struct Row {
        const char* what;
        QByteArray word;
        bool held;
    };
    const Row rows[] = {
        {"a word", "ROMA", true},
        {"its anagram, also a word", "AMOR", true},
        {"an anagram that is none", "MORA", false},
        {"three letters", "ORA", true},
        {"ten letters", "ABCDEFGHIL", true},
        {"a prefix", "ABCDEFGHI", false},
        {"lower case", "roma", false},
        {"a letter outside A-Z", "PERCH\xC8", true},
        {"the same word in UTF-8", "PERCH\xC3\x88", false},
        {"a neighbour of it", "PERCH\xC9", false},
        {"empty", "", false},
        {"two letters", "OR", false},
        {"sixteen letters", QByteArray(16, 'A'), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(site->Holds(Language::Italian, row.word), row.held);
        EXPECT_EQ(WordLookup::InLexicon(*game, QString::fromLatin1(row.word)), row.held);
    }
    // A language with no lexicon holds nothing.
    EXPECT_FALSE(site->Holds(Language::English, "ROMA"));
}

struct ReportableCase {
    const char* what;
    QString typed;
    Language language;
    const char* word;  // nullptr: refused
};

TEST(MissingWords, AReportedWordIsThreeToTenLettersOfItsLanguage)
{
    const ReportableCase rows[] = {
        {"plain word", QStringLiteral("casa"), Language::Italian, "CASA"},
        {"blanks around", QStringLiteral("  casa "), Language::Italian, "CASA"},
        {"accented letters fold", QStringLiteral("città"), Language::Italian, "CITTA"},
        {"three letters", QStringLiteral("re"), Language::Italian, nullptr},
        {"three letters exactly", QStringLiteral("ape"), Language::Italian, "APE"},
        {"ten letters", QStringLiteral("abcdefghil"), Language::Italian, "ABCDEFGHIL"},
        {"eleven letters", QStringLiteral("abcdefghilm"), Language::Italian, nullptr},
        {"J is no Italian letter", QStringLiteral("jeep"), Language::Italian, nullptr},
        {"J is an English letter", QStringLiteral("jeep"), Language::English, "JEEP"},
        {"a digit", QStringLiteral("cas4"), Language::Italian, nullptr},
        {"an apostrophe", QStringLiteral("dell'anno"), Language::Italian, nullptr},
        {"markup", QStringLiteral("<b>casa"), Language::Italian, nullptr},
        {"two words", QStringLiteral("casa mia"), Language::Italian, nullptr},
        {"another script", QStringLiteral("дом"), Language::English, nullptr},
    };
    for (const ReportableCase& row : rows) {
        const std::optional<QByteArray> word = ReportableWord(row.typed, row.language);
        if (row.word) {
            EXPECT_EQ(word, QByteArray(row.word)) << row.what;
        } else {
            EXPECT_FALSE(word) << row.what;
        }
    }
}

TEST(MissingWords, ListIsMostReportedFirstInCrLfLinesWithoutKnownWords)
{
    const std::set<QByteArray> lexicon{"CASA"};
    const std::vector<ReportedWord> reported{
        {"ZEBRA", 2}, {"CASA", 9}, {"ALBERO", 2}, {"PIRLA", 5}, {"JEEP", 7}, {"CANE", 1}};
    const QByteArray list = MissingWordsList(
        reported, Language::Italian, [&](const QByteArray& word) { return lexicon.count(word) > 0; }, 100);
    // CASA is known, JEEP is no Italian word; ties in alphabetical order.
    EXPECT_EQ(list, QByteArray("PIRLA\r\nALBERO\r\nZEBRA\r\nCANE\r\n"));
}

TEST(MissingWords, ListStopsAtItsLineLimit)
{
    const std::vector<ReportedWord> reported{{"UNO", 3}, {"DUE", 2}, {"TRE", 1}};
    EXPECT_EQ(MissingWordsList(reported, Language::Italian, [](const QByteArray&) { return false; }, 2),
              QByteArray("UNO\r\nDUE\r\n"));
}

TEST(PageCache, APageIsHandedOutOnlyAtTheNumberItWasRenderedAt)
{
    PageCache cache(2);
    cache.Keep("table 1 1", 7, "pagina sette");
    struct Row {
        const char* key;
        qint64 number;
        const char* expected;  // nullptr: not kept
    } rows[] = {
        {"table 1 1", 7, "pagina sette"},
        {"table 1 1", 8, nullptr},  // written since
        {"table 1 1", 6, nullptr},  // a database started afresh
        {"table 2 1", 7, nullptr},
    };
    for (const Row& row : rows) {
        const auto page = cache.Find(row.key, row.number);
        EXPECT_EQ(page ? *page : std::string("(nessuna)"), row.expected ? row.expected : "(nessuna)")
            << row.key << " " << row.number;
    }
}

TEST(PageCache, AtTheBoundPagesOfAnOlderNumberGoFirst)
{
    PageCache cache(2);
    cache.Keep("vecchia", 1, "v");
    cache.Keep("attuale", 2, "a");
    cache.Keep("nuova", 2, "n");  // full: the page of number 1 goes, the others stay
    EXPECT_FALSE(cache.Find("vecchia", 1));
    ASSERT_TRUE(cache.Find("attuale", 2));
    ASSERT_TRUE(cache.Find("nuova", 2));
}

TEST(PageCache, ARenderedAgainPageReplacesTheOldAndTheBoundStartsAfresh)
{
    PageCache cache(2);
    cache.Keep("a", 1, "vecchia");
    cache.Keep("a", 2, "nuova");
    ASSERT_TRUE(cache.Find("a", 2));
    EXPECT_EQ(*cache.Find("a", 2), "nuova");
    EXPECT_FALSE(cache.Find("a", 1));
    cache.Keep("b", 2, "b");
    cache.Keep("c", 2, "c");  // a third page: the cache starts afresh
    EXPECT_FALSE(cache.Find("a", 2));
    EXPECT_FALSE(cache.Find("b", 2));
    ASSERT_TRUE(cache.Find("c", 2));
    EXPECT_EQ(*cache.Find("c", 2), "c");
}

// A watch over a database whose change number the test sets, on a clock it moves.
struct WatchedDatabase {
    std::chrono::steady_clock::time_point now{};
    qint64 number = 1;
    int reads = 0;
    std::function<void()> duringRead;
    ChangeWatch watch{std::chrono::milliseconds(10), [this] { return now; }};

    std::optional<qint64> Current()
    {
        return watch.Current([this]() -> std::optional<qint64> {
            ++reads;
            const qint64 read = number;
            if (duringRead)
                std::exchange(duringRead, nullptr)();
            return read;
        });
    }
};

TEST(ChangeWatch, TheNumberIsReadAgainWhenTooOldOrAfterAWriteOfThisProcess)
{
    WatchedDatabase db;
    EXPECT_EQ(db.Current(), 1);
    db.number = 2;
    db.now += std::chrono::milliseconds(9);
    EXPECT_EQ(db.Current(), 1) << "a reading younger than the time is used again";
    db.now += std::chrono::milliseconds(1);
    EXPECT_EQ(db.Current(), 2) << "an older one is read again";
    db.number = 3;
    db.watch.Forget();
    EXPECT_EQ(db.Current(), 3) << "a write of this process is seen at once";
    EXPECT_EQ(db.reads, 3);
}

TEST(ChangeWatch, OneThreadReadsAgainWhileTheOthersGoOnWithTheLastReading)
{
    WatchedDatabase db;
    EXPECT_EQ(db.Current(), 1);
    db.now += std::chrono::milliseconds(10);
    db.number = 2;
    db.duringRead = [&] { EXPECT_EQ(db.Current(), 1) << "another request meanwhile"; };
    EXPECT_EQ(db.Current(), 2);
    EXPECT_EQ(db.reads, 2);
}

TEST(ChangeWatch, AReadingOvertakenByAWriteOrANewerReadingIsNotKept)
{
    WatchedDatabase db;
    // This process writes while a request reads the old number: the old number
    // answers that request only.
    db.duringRead = [&] {
        db.number = 2;
        db.watch.Forget();
    };
    EXPECT_EQ(db.Current(), 1);
    EXPECT_EQ(db.Current(), 2);

    // After a write every request reads for itself; a slow reading begun before a
    // newer one ends after it, and the newer stays.
    db.watch.Forget();
    db.duringRead = [&] {
        db.number = 3;
        db.now += std::chrono::milliseconds(1);
        EXPECT_EQ(db.Current(), 3);
    };
    EXPECT_EQ(db.Current(), 2);
    EXPECT_EQ(db.Current(), 3);
    EXPECT_EQ(db.reads, 4);
}

TEST(HtmlText, MarkupAndQuotesBecomeText)
{
    EXPECT_EQ(HtmlEscaped(QStringLiteral("<script>alert(\"x\")</script> & 'y'")),
              QStringLiteral("&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; &#39;y&#39;"));
}

TEST(HtmlText, WrittenStraightIntoAPageItIsTheSameTextInUtf8)
{
    const QString rows[] = {
        QStringLiteral("<script>alert(\"x\")</script> & 'y'"),
        QStringLiteral("CITTÀ è ß"),
        QStringLiteral("€ <b>"),
        QStringLiteral("EMOJI \U0001F600&"),
        QString(),
    };
    for (const QString& text : rows) {
        std::string page = "<td>";
        AppendHtmlEscaped(page, text);
        EXPECT_EQ(page, "<td>" + HtmlEscaped(text).toStdString()) << text.toStdString();
    }
    // Half of a pair on its own is no character: it stands as U+FFFD, and the letters
    // around it are kept.
    std::string page;
    AppendHtmlEscaped(page, QString(QChar(0xD83D)) + QStringLiteral("A") + QChar(0xDE00));
    EXPECT_EQ(page, "\xEF\xBF\xBD" "A" "\xEF\xBF\xBD");
}

TEST(VersionDigits, TheKeepersVersionRunsTogetherAsTheGameReadsIt)
{
    const std::pair<const char*, const char*> rows[] = {
        {"1.0.1", "101"},   {" 2.3.4 ", "234"}, {"101", "101"}, {"1.10.1", nullptr},
        {"1.0.10", nullptr}, {"1010", nullptr},  {"1.0", nullptr}, {"uno", nullptr},
        {"", nullptr},       {"12", nullptr},
    };
    for (const auto& [text, digits] : rows) {
        const std::optional<QString> result = VersionDigits(QString::fromLatin1(text));
        if (digits) {
            EXPECT_EQ(result, QString::fromLatin1(digits)) << text;
        } else {
            EXPECT_FALSE(result) << text;
        }
    }
}

TEST(SubmissionToken, OnlyAFreshTokenSignedWithTheSecretForThisFormIsGenuine)
{
    const QDateTime issued = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);
    RecordSubmission record;
    record.name = QStringLiteral("ANNA");
    record.program = QStringLiteral("Letterama_ABC");
    record.playedOn = QDate(2026, 12, 9);
    record.playedAt = QTime(21, 7);
    record.points = 300;
    record.manches = 5;
    const QByteArray forAnna = SubmissionToken::ForRecord(record);
    RecordSubmission more = record;
    more.points = 32767;
    const QByteArray token = SubmissionToken::Issue("secret", issued, forAnna);
    QByteArray tampered = token;
    tampered[0] = tampered[0] == 'a' ? 'b' : 'a';
    struct Row {
        const char* what;
        QByteArray token;
        QByteArray secret;
        qint64 later;
        QByteArray confirms;
        bool genuine;
    };
    const Row rows[] = {
        {"just issued", token, "secret", 0, forAnna, true},
        {"an hour later", token, "secret", 3600, forAnna, true},
        {"past its lifetime", token, "secret", SubmissionToken::kLifetimeSeconds + 1, forAnna, false},
        {"another site's secret", token, "other", 0, forAnna, false},
        {"a changed nonce", tampered, "secret", 0, forAnna, false},
        {"empty", QByteArray(), "secret", 0, forAnna, false},
        {"no secret at all", token, QByteArray(), 0, forAnna, false},
        {"for another record", token, "secret", 0, SubmissionToken::ForRecord(more), false},
        {"the report form's, for a record", SubmissionToken::Issue("secret", issued, SubmissionToken::ForReport()),
         "secret", 0, forAnna, false},
        {"a record's, for the report form", token, "secret", 0, SubmissionToken::ForReport(), false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SubmissionToken::IsGenuine(row.token, row.secret, issued.addSecs(row.later), row.confirms), row.genuine)
            << row.what;
    EXPECT_NE(SubmissionToken::Issue("secret", issued, forAnna), token) << "two tokens are never the same";
}

TEST(DatabaseAddress, SQLiteByDefaultAndPostgreSQLByUrl)
{
    const auto file = DatabaseAddress::Parse(QStringLiteral("/var/lib/site.sqlite"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->kind, DatabaseAddress::Kind::SQLite);
    EXPECT_EQ(file->path, QStringLiteral("/var/lib/site.sqlite"));

    const auto socket = DatabaseAddress::Parse(QStringLiteral("postgresql:///letterama?host=/tmp/pg&user=site"));
    ASSERT_TRUE(socket);
    EXPECT_EQ(socket->kind, DatabaseAddress::Kind::PostgreSQL);
    EXPECT_EQ(socket->host, QStringLiteral("/tmp/pg"));
    EXPECT_EQ(socket->user, QStringLiteral("site"));
    EXPECT_EQ(socket->databaseName, QStringLiteral("letterama"));

    const auto network = DatabaseAddress::Parse(QStringLiteral("postgresql://site:pw@db.example:5433/letterama"));
    ASSERT_TRUE(network);
    EXPECT_EQ(network->port, 5433);
    EXPECT_EQ(network->password, QStringLiteral("pw"));
    EXPECT_FALSE(network->Described().contains(QStringLiteral("pw"))) << "the password stays out of messages";

    EXPECT_FALSE(DatabaseAddress::Parse(QStringLiteral("postgresql://db.example/")));
    EXPECT_FALSE(DatabaseAddress::Parse(QString()));
}

}  // namespace
