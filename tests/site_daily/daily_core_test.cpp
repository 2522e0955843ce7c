// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_writer.h"
#include "lexicon/core/word_lookup.h"
#include "lexicon/core/word_search.h"
#include "site/core/site_lexicons.h"
#include "site/daily/core/daily_board.h"
#include "site/daily/core/daily_pages.h"
#include "site/daily/core/daily_player_key.h"
#include "site/daily/core/daily_scoring.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <set>

namespace {

const QByteArray kSecret = QByteArray::fromHex("00112233445566778899aabbccddeeff00112233445566778899aabbccddeeff");

std::shared_ptr<const SiteLexicons> Shipped()
{
    static const std::shared_ptr<const SiteLexicons> lexicons =
        SiteLexicons::Load({QStringLiteral(LETTERAMA_SHIPPED_LEXICONS)});
    return lexicons;
}

const LexiconWords& WordsOf(Language language)
{
    const LexiconSource source = Shipped()->SourceOf(language);
    EXPECT_TRUE(source.Words) << "no shipped lexicon of language " << TableOf(language).Number();
    static const LexiconWords* none = nullptr;
    return source.Words ? *source.Words : *none;
}

const Language kLanguages[] = {Language::Italian, Language::English, Language::Latin};

TEST(DailyBoardTest, TheSameDayAndLanguageGiveTheSameBoardAndTheNextDayAnother)
{
    const QDate day(2026, 12, 10);
    for (const Language language : kLanguages) {
        const auto first = DrawDailyBoard(kSecret, day, language, WordsOf(language));
        const auto again = DrawDailyBoard(kSecret, day, language, WordsOf(language));
        const auto next = DrawDailyBoard(kSecret, day.addDays(1), language, WordsOf(language));
        ASSERT_TRUE(first && again && next);
        EXPECT_EQ(first->letters, again->letters);
        EXPECT_NE(first->letters, next->letters);
    }
}

TEST(DailyBoardTest, AnotherSecretGivesAnotherBoardOfTheSameDay)
{
    const QByteArray otherSecret(32, 'x');
    int differ = 0;
    for (int d = 0; d < 10; ++d) {
        const QDate day = QDate(2026, 1, 1).addDays(d);
        differ += DrawDailyBoard(kSecret, day, Language::Italian, WordsOf(Language::Italian))->letters !=
                  DrawDailyBoard(otherSecret, day, Language::Italian, WordsOf(Language::Italian))->letters;
    }
    EXPECT_EQ(differ, 10);
}

TEST(DailyBoardTest, EveryBoardOfAYearHoldsAWordOfEightLettersOrMoreDrawnByTheRules)
{
    for (const Language language : kLanguages) {
        const LanguageTable& table = TableOf(language);
        std::set<QString> boards;
        for (int d = 0; d < 365; ++d) {
            const QDate day = QDate(2027, 1, 1).addDays(d);
            const auto board = DrawDailyBoard(kSecret, day, language, WordsOf(language));
            ASSERT_TRUE(board) << day.toString(Qt::ISODate).toStdString();
            boards.insert(board->letters);
            ASSERT_EQ(board->letters.size(), DailyBoard::kLetters);
            for (int i = 0; i < DailyBoard::kLetters; ++i)
                EXPECT_TRUE((i % 2 == 0 ? table.VowelPool : table.ConsonantPool).contains(board->letters[i]))
                    << board->letters.toStdString();
            ASSERT_FALSE(board->longestWords.isEmpty());
            for (const QString& word : board->longestWords) {
                EXPECT_GE(word.size(), DailyBoard::kShortestLongWord);
                EXPECT_EQ(WordLookup::JudgeWith(
                              [&](const QString& w) { return WordLookup::InLexicon(WordsOf(language), w); }, QString(),
                              {word, QString(), board->letters}),
                          WordVerdict::Valid)
                    << word.toStdString() << " from " << board->letters.toStdString();
            }
        }
        EXPECT_GT(boards.size(), 360u) << "boards repeat in language " << table.Number();
    }
}

TEST(DailyBoardTest, ALexiconWithNoLongWordGivesNoBoard)
{
    std::array<QStringList, kLexiconListCount> lists;
    lists[0] = {QStringLiteral("ORA")};
    lists[1] = {QStringLiteral("CASA")};
    const LexiconImage image = ComposeLexicon(ToLexiconWordLists(lists), LexiconBanner(Language::Italian));
    const auto words = LexiconWords::FromFileBytes(image.bytes);
    ASSERT_TRUE(words);
    EXPECT_FALSE(DrawDailyBoard(kSecret, QDate(2026, 12, 10), Language::Italian, *words));
}

struct PointsCase {
    const char* verdict;
    int length;
    int seconds;
    int points;
};

TEST(DailyScoringTest, ATryScoresItsLettersAndTheSecondsBeforeTheSixtieth)
{
    const PointsCase cases[] = {
        {"SI", 8, 23, 800 + 370}, {"SI", 6, 12, 600 + 480}, {"SI", 10, 0, 1000 + 600},
        {"SI", 5, 60, 500},       {"NO", 9, 5, 0},          {"NO2", 10, 1, 0},
    };
    for (const PointsCase& c : cases)
        EXPECT_EQ(DailyScoring::Points(QString::fromLatin1(c.verdict), c.length, c.seconds), c.points)
            << c.verdict << " " << c.length << " " << c.seconds;
}

TEST(DailyScoringTest, TheSecondsAreTheSitesWholeSecondsAndALateWordIsOutOfTime)
{
    struct Case {
        qint64 sentAfterMs;
        int seconds;
        bool inTime;
    } const cases[] = {{0, 0, true}, {999, 0, true}, {23'400, 23, true}, {60'000, 60, true},
                       {62'900, 60, true}, {63'001, 60, false}, {-5'000, 0, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(DailyScoring::SecondsTaken(1'000'000, 1'000'000 + c.sentAfterMs), c.seconds) << c.sentAfterMs;
        EXPECT_EQ(DailyScoring::InTime(1'000'000, 1'000'000 + c.sentAfterMs), c.inTime) << c.sentAfterMs;
    }
}

DailyTry Try(const char* name, const char* verdict, int length, int seconds, qint64 finishedAt)
{
    DailyTry entry;
    entry.player = QString::fromLatin1(name).toLower();
    entry.name = QString::fromLatin1(name);
    entry.verdict = QString::fromLatin1(verdict);
    entry.length = length;
    entry.seconds = seconds;
    entry.points = DailyScoring::Points(entry.verdict, length, seconds);
    entry.finishedAt = finishedAt;
    entry.finished = true;
    return entry;
}

TEST(DailyScoringTest, TheRankingPutsMostPointsFirstThenTheQuickerAndTiesSharePlaces)
{
    const std::vector<DailyTry> tries = {
        Try("Anna", "SI", 8, 23, 1),  Try("Bruno", "NO", 10, 5, 2), Try("Carla", "SI", 9, 40, 3),
        Try("Dario", "SI", 8, 23, 4), Try("Elena", "SI", 7, 0, 5),  Try("Fabio", "NO2", 3, 2, 6),
        Try("Ivo", "SI", 9, 23, 7),
    };
    const std::vector<DailyScoring::Ranked> ranked = DailyScoring::Ranking(tries);
    // Elena 700+600, Ivo 900+370, Anna and Dario 800+370, Carla 900+200, Bruno and Fabio 0 (Fabio quicker).
    const std::vector<std::pair<QString, int>> expected = {{"Elena", 1}, {"Ivo", 2},   {"Anna", 3}, {"Dario", 3},
                                                           {"Carla", 5}, {"Fabio", 6}, {"Bruno", 7}};
    ASSERT_EQ(ranked.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(ranked[i].entry.name, expected[i].first) << i;
        EXPECT_EQ(ranked[i].place, expected[i].second) << i;
    }
    const std::map<int, int> lengths = DailyScoring::LengthCounts(tries);
    EXPECT_EQ(lengths, (std::map<int, int>{{7, 1}, {8, 2}, {9, 2}}));
}

TEST(DailyScoringTest, TheShareTextNamesTheDayTheLengthAndTheTimeButNotTheWord)
{
    DailyTry entry = Try("Anna", "SI", 8, 23, 1);
    entry.word = QStringLiteral("CASTELLO");
    const QString text = DailyScoring::ShareText(QDate(2026, 12, 10), entry);
    EXPECT_EQ(text, QStringLiteral("Letterama 10-12-2026 · 8 lettere · 23 s"));
    EXPECT_FALSE(text.contains(entry.word));
    EXPECT_EQ(DailyScoring::ShareText(QDate(2026, 12, 10), Try("Bruno", "NO", 9, 41, 2)),
              QStringLiteral("Letterama 10-12-2026 · nessuna parola · 41 s"));
}

TEST(DailyPlayerKeyTest, OnlyAKeySignedWithTheSecretIsTaken)
{
    const QString key = DailyPlayerKey::Make();
    const QByteArray cookie = DailyPlayerKey::Signed(key, kSecret);
    EXPECT_EQ(DailyPlayerKey::Checked(cookie, kSecret), key);
    QByteArray forged = cookie;
    forged[0] = forged[0] == 'a' ? 'b' : 'a';
    const QByteArray cases[] = {forged, DailyPlayerKey::Signed(key, QByteArray(32, 'y')), cookie.left(40), "",
                                key.toLatin1() + ".", QByteArray(32, 'g') + cookie.mid(32)};
    for (const QByteArray& refused : cases)
        EXPECT_FALSE(DailyPlayerKey::Checked(refused, kSecret)) << refused.toStdString();
    EXPECT_EQ(DailyPlayerKey::FromCookieHeader("a=1; sfida=" + cookie + "; b=2", "sfida"), cookie);
    EXPECT_EQ(DailyPlayerKey::FromCookieHeader("nosfida=1", "sfida"), QByteArray());
}

TEST(DailyPagesTest, NamesAndWordsAreEscapedOnTheResultPage)
{
    DailyPages::Day day;
    day.day = QDate(2026, 12, 10);
    DailyTry evil = Try("x", "SI", 8, 10, 1);
    evil.name = QStringLiteral("<script>alert(1)</script> %1 %2");
    evil.word = QStringLiteral("CASTELLO");
    day.ranking = DailyScoring::Ranking({evil});
    day.lengths = DailyScoring::LengthCounts({evil});
    const QByteArray section = DailyPages::RankingSection(day, evil.player);
    const QByteArray page = DailyPages::Result(day, evil, section);
    EXPECT_FALSE(page.contains("<script>alert"));
    EXPECT_TRUE(page.contains("&lt;script&gt;alert(1)&lt;/script&gt; %1 %2 (tu)"));
    EXPECT_TRUE(page.contains("Classifica di oggi"));
    EXPECT_TRUE(page.contains("Letterama 10-12-2026 · 8 lettere · 10 s"));
    EXPECT_FALSE(page.contains("style="));
}

}  // namespace
