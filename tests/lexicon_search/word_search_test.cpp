#include "fake_platform.h"
#include "search_fixture.h"
#include "temp_program_folder.h"
#include "word_search.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using Draw = std::function<QString(QString, const QByteArrayList&, std::mt19937&)>;

QString AsDrawn(QString draw, const QByteArrayList&, std::mt19937&)
{
    return draw;
}

}  // namespace

TEST(WordSearch, FindsExactlyWhatAScanOfTheFileFinds)
{
    struct Scenario {
        const char* name;
        int minLength, maxLength, letterCount;
        std::function<void(QByteArrayList&)> spoil;  // the odd words of a corrupt file
        Draw draw;                                   // made from a random ten-letter draw
    };
    const Scenario scenarios[] = {
        {"plain lexicon", 3, 10, 10, {}, AsDrawn},
        {"eight letters", 3, 10, 8, {}, AsDrawn},
        {"repeated words", 3, 6, 9, [](QByteArrayList& words) { words += words.mid(0, 500); }, AsDrawn},
        {"odd bytes in words and draw", 3, 7, 10,
         [](QByteArrayList& words) {
             for (qsizetype i = 0; i < words.size(); i += 7)
                 words[i][i % words[i].size()] = "ae1 \0\xC8\xE0\x80"[(i / 7) % 8];
         },
         [](QString draw, const QByteArrayList&, std::mt19937&) {
             return draw.left(6) + QStringLiteral("a1 ") + QChar(0xC8) + QChar(0);
         }},
        {"draw with characters beyond one byte", 3, 8, 10, {},
         [](QString draw, const QByteArrayList&, std::mt19937&) { return draw.left(8) + QChar(0x20AC) + QChar(0x0141); }},
        {"long words, up to 14 letters", 3, 14, 14, {},
         [](QString draw, const QByteArrayList& words, std::mt19937& random) {
             QByteArray letters;  // a long lexicon word, shuffled, so that long words are found
             while (letters.size() < 13)
                 letters = words[std::uniform_int_distribution<qsizetype>(0, words.size() - 1)(random)];
             std::shuffle(letters.begin(), letters.end(), random);
             return QString::fromLatin1(letters) + draw.left(14 - letters.size());
         }},
        {"too many distinct letters to split", 3, 9, 10, {},
         [](QString, const QByteArrayList&, std::mt19937&) { return QStringLiteral("ABCDEFGHILMNOPQRSTUVZ"); }},
    };
    for (const Scenario& scenario : scenarios) {
        std::mt19937 random(42);
        QByteArrayList words = RandomWords(random, 6000, scenario.minLength, scenario.maxLength);
        if (scenario.spoil)
            scenario.spoil(words);
        const auto lexicon = LoadedWords(words);
        qsizetype found = 0;
        for (int round = 0; round < 25; ++round) {
            const QString draw = scenario.draw(RandomDraw(random, 10), words, random);
            const QStringList result = WordSearch::FindAll(*lexicon, draw, scenario.letterCount);
            ASSERT_EQ(result, ReferenceSearch(words, draw, scenario.letterCount))
                << scenario.name << ", draw " << draw.toStdString();
            found += result.size();
        }
        EXPECT_GT(found, 25) << scenario.name << ": the draws should spell words";
    }
}

TEST(WordSearch, ListsWordsByLengthInFileOrderWithinEachLength)
{
    const auto lexicon = LoadedWords({"TRAMONTANA", "CASTA", "ASTA", "TASCA", "TOCCA", "ACCASATO", "CASA", "SACCA",
                                      "OCA", "ASSO"});
    struct Row {
        const char* draw;
        int letterCount;
        QStringList expected;
    };
    const Row rows[] = {
        {"ACSTAOXYZQ", 10, {"OCA", "ASTA", "CASA", "CASTA", "TASCA"}},
        {"ACSTAOXYZC", 10, {"OCA", "ASTA", "CASA", "CASTA", "TASCA", "TOCCA", "SACCA"}},  // C twice
        {"EEIIUUBBDD", 10, {}},
        // Longer words than LetterCount are left out, however many letters there are.
        {"ACCASATOTS", 7, {"OCA", "ASTA", "CASA", "ASSO", "CASTA", "TASCA", "TOCCA", "SACCA"}},
        {"TRAMONTANA", 10, {"TRAMONTANA"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(WordSearch::FindAll(*lexicon, QString::fromLatin1(row.draw), row.letterCount), row.expected) << row.draw;
    EXPECT_EQ(FoundWordLine(QStringLiteral("CASTA")), QStringLiteral("(5) -   CASTA"));
    EXPECT_EQ(FoundWordLine(QStringLiteral("TRAMONTANA")), QStringLiteral("(10) -   TRAMONTANA"));
}

TEST(WordSearch, ReportsEachLengthInTurnAndKeepsEveryWordFound)
{
    TempProgramFolder folder;
    QByteArrayList words;  // far more finds than a table of 1000 would hold
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'Z'; ++b)
            words << QByteArray(1, a) + b + 'O' << "O" + QByteArray(1, a) + b + 'A';
    folder.Write(QStringLiteral("slessico.2"), LexiconBytes(words));
    FakeDialogs dialogs;
    const QString draw = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZOA");
    std::vector<int> lengths;
    QStringList found{QStringLiteral("STALE")};
    WordSearch::Callbacks callbacks;
    callbacks.started = [&] { found.clear(); };
    callbacks.lengthDone = [&](int length, const QStringList& words) {
        lengths.push_back(length);
        found += words;
    };

    EXPECT_EQ(WordSearch::Run(LexiconSource::ForLanguage(2), draw, 9, dialogs, callbacks),
              WordSearch::Outcome::Completed);
    EXPECT_EQ(lengths, (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(found, ReferenceSearch(words, draw, 9)) << "read from the file, found without regard to case";
    EXPECT_GT(found.size(), 1000);
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST(WordSearch, MissingLexiconShowsTheMessageAndResetsNothing)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"CASA"}));
    const auto loaded = LexiconWords::Load(QStringLiteral("SLESSICO.1"));
    // The file of language 1 goes away after loading: the words in memory do not count.
    QFile::remove(QStringLiteral("SLESSICO.1"));
    for (const int language : {1, 3}) {
        FakeDialogs dialogs;
        WordSearch::Callbacks callbacks;
        bool called = false;
        callbacks.started = [&] { called = true; };
        callbacks.lengthDone = [&](int, const QStringList&) { called = true; };

        EXPECT_EQ(WordSearch::Run(LexiconSource::ForLanguage(language, loaded), QStringLiteral("CASAXXXXXX"), 10,
                                  dialogs, callbacks),
                  WordSearch::Outcome::LexiconMissing);
        EXPECT_EQ(dialogs.Texts(),
                  QStringList{QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.%1").arg(language)});
        EXPECT_EQ(dialogs.asked.front().kind, QStringLiteral("inform"));
        EXPECT_FALSE(called);
    }
}

// Each change acts at a chosen yield, as the event loop would run it, and nothing of
// the old search may reach the state that is current afterwards.
TEST(WordSearch, OvertakenSearchStopsAndWritesNothing)
{
    std::mt19937 random(3);
    const QByteArray lexicon = LexiconBytes(RandomWords(random, 4000, 3, 10));
    for (const Change change : kChanges) {
        for (int atYield = 1; atYield <= 8; ++atYield) {  // one yield per length 3 to 10
            TempProgramFolder folder;
            folder.Write(QStringLiteral("SLESSICO.1"), lexicon);
            folder.Write(QStringLiteral("SLESSICO.2"), LexiconBytes({"CASA"}));
            FakeDialogs dialogs;
            auto game = std::make_unique<GameSide>();
            game->lexicon = LexiconSource::ForLanguage(1, LexiconWords::Load(QStringLiteral("SLESSICO.1")));
            game->drawnLetters = QStringLiteral("AEIOCSTRLN");
            const std::weak_ptr<const LexiconWords> searched = game->lexicon.Words;
            int yields = 0;
            int lengthsDone = 0;
            WordSearch::Callbacks callbacks;
            callbacks.cooperation = ChangingAt(change, atYield, game, yields);
            callbacks.lengthDone = [&](int, const QStringList& words) {
                ++lengthsDone;
                game->written += words;
            };
            const auto stillHeld = callbacks.cooperation.yield;
            bool heldMeanwhile = true;
            callbacks.cooperation.yield = [&] {
                stillHeld();
                heldMeanwhile = heldMeanwhile && !searched.expired();
            };

            const auto outcome = WordSearch::Run(game->lexicon, game->drawnLetters, 10, dialogs, callbacks);

            SCOPED_TRACE(testing::Message() << "change " << static_cast<int>(change) << " at yield " << atYield);
            EXPECT_EQ(outcome, WordSearch::Outcome::Overtaken);
            EXPECT_EQ(yields, atYield) << "the search stops at the yield that overtook it";
            EXPECT_EQ(lengthsDone, atYield - 1);
            if (game) {
                EXPECT_TRUE(game->written.isEmpty());
            }
            EXPECT_TRUE(heldMeanwhile) << "the lexicon searched outlives the change until the search returns";
            EXPECT_EQ(searched.expired(), change == Change::OtherLanguage || change == Change::WindowClosed);
        }
    }
}

TEST(WordSearch, YieldsOnlyOnceTheIntervalHasPassed)
{
    std::mt19937 random(5);
    QByteArrayList words = RandomWords(random, 2000, 3, 5);
    for (qsizetype i = 0; i < words.size(); i += 2)
        words[i][0] = 'a';  // odd words are tested one by one, a step each
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes(words));
    FakeDialogs dialogs;
    for (const auto interval : {std::chrono::microseconds(0), std::chrono::microseconds(std::chrono::hours(1))}) {
        int yields = 0;
        WordSearch::Callbacks callbacks;
        callbacks.cooperation.interval = interval;
        callbacks.cooperation.yield = [&] { ++yields; };
        WordSearch::Run(LexiconSource::ForLanguage(1), QStringLiteral("AEIOUaCSTR"), 10, dialogs, callbacks);
        if (interval.count() == 0)
            EXPECT_GE(yields, 1000) << "every step yields";
        else
            EXPECT_EQ(yields, 0);
    }
}
