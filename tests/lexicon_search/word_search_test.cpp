#include "fake_platform.h"
#include "search_fixture.h"
#include "temp_program_folder.h"
#include "word_search.h"
#include "work_generation.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// What the game keeps of one search: the found words, the list lines and the lengths
// whose progress segment was painted.
struct SearchSink {
    QStringList foundWords;
    QStringList listLines;
    std::vector<int> lengthsDone;
    int starts = 0;

    WordSearch::Callbacks Callbacks()
    {
        WordSearch::Callbacks callbacks;
        callbacks.started = [this] {
            ++starts;
            foundWords.clear();
            listLines.clear();
        };
        callbacks.lengthDone = [this](int length, const QStringList& words) {
            lengthsDone.push_back(length);
            foundWords += words;
            for (const QString& word : words)
                listLines.append(FoundWordLine(word));
        };
        return callbacks;
    }
};

}  // namespace

TEST(WordSearch, FindsExactlyWhatAScanOfTheFileFinds)
{
    struct Scenario {
        const char* name;
        int minLength, maxLength, letterCount;
        std::function<void(QByteArrayList&)> spoil;  // odd words of a corrupt file
        // From a random draw of ten letters, the words and the generator.
        std::function<QString(QString, const QByteArrayList&, std::mt19937&)> draw;
    };
    const auto plain = [](QString draw, const QByteArrayList&, std::mt19937&) { return draw; };
    const Scenario scenarios[] = {
        {"plain lexicon", 3, 10, 10, {}, plain},
        {"eight letters", 3, 10, 8, {}, plain},
        {"words repeated in the file",
         3, 6, 9,
         [](QByteArrayList& words) { words += words.mid(0, 500); },
         plain},
        {"odd bytes in words and in the draw",
         3, 7, 10,
         [](QByteArrayList& words) {
             for (qsizetype i = 0; i < words.size(); i += 7) {
                 const char odd[] = {'a', 'e', '1', ' ', '\0', '\xC8', '\xE0', '\x80'};
                 words[i][i % words[i].size()] = odd[(i / 7) % 8];
             }
         },
         [](QString draw, const QByteArrayList&, std::mt19937&) {
             return draw.left(6) + QStringLiteral("a1 ") + QChar(0xC8) + QChar(0);
         }},
        {"draw with characters no lexicon byte stands for",
         3, 8, 10, {},
         [](QString draw, const QByteArrayList&, std::mt19937&) {
             return draw.left(8) + QChar(0x20AC) + QChar(0x0141);
         }},
        {"long words, up to 14 letters",
         3, 14, 14, {},
         [](QString draw, const QByteArrayList& words, std::mt19937& random) {
             // The letters of a long lexicon word, shuffled, so that long words are found.
             QByteArray letters;
             while (letters.size() < 13)
                 letters = words[std::uniform_int_distribution<qsizetype>(0, words.size() - 1)(random)];
             std::shuffle(letters.begin(), letters.end(), random);
             return QString::fromLatin1(letters) + draw.left(14 - letters.size());
         }},
        {"rich draw of many distinct letters",
         3, 9, 10, {},
         [](QString, const QByteArrayList&, std::mt19937&) { return QStringLiteral("ABCDEFGHILMNOPQRSTUVZ"); }},
    };
    for (const Scenario& scenario : scenarios) {
        std::mt19937 random(42);
        QByteArrayList words = RandomWords(random, 6000, scenario.minLength, scenario.maxLength);
        if (scenario.spoil)
            scenario.spoil(words);
        const auto lexicon = LoadedWords(words);
        int found = 0;
        for (int round = 0; round < 25; ++round) {
            const QString draw = scenario.draw(RandomDraw(random, 10), words, random);
            const QStringList result = WordSearch::FindAll(*lexicon, draw, scenario.letterCount);
            ASSERT_EQ(result, ReferenceSearch(words, draw, scenario.letterCount))
                << scenario.name << ", draw " << draw.toStdString();
            found += static_cast<int>(result.size());
        }
        EXPECT_GT(found, 25) << scenario.name << ": the draws should spell words";
    }
}

TEST(WordSearch, ListsWordsByLengthInFileOrderWithinEachLength)
{
    const auto lexicon = LoadedWords({"TRAMONTANA", "CASTA", "ASTA", "TASCA", "TOCCA", "ACCASATO", "ATTACCO", "CASA",
                                      "SACCA", "ACCOSTATA", "OCA", "ASSO", "ACCATTONAS"});
    struct Row {
        const char* draw;
        int letterCount;
        QStringList expected;
    };
    const Row rows[] = {
        {"ACSTAOXYZQ", 10, {"OCA", "ASTA", "CASA", "CASTA", "TASCA"}},
        // A doubled letter needs two copies in the draw.
        {"ACSTAOXYZC", 10, {"OCA", "ASTA", "CASA", "CASTA", "TASCA", "TOCCA", "SACCA"}},
        {"EEIIUUBBDD", 10, {}},
        // Words longer than LetterCount are never read, however many letters there are.
        {"ACCASATOTCS", 8,
         {"OCA", "ASTA", "CASA", "ASSO", "CASTA", "TASCA", "TOCCA", "SACCA", "ATTACCO", "ACCASATO"}},
        {"ACCATTONAS", 10,
         {"OCA", "ASTA", "CASA", "CASTA", "TASCA", "TOCCA", "SACCA", "ATTACCO", "ACCASATO", "ACCOSTATA", "ACCATTONAS"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(WordSearch::FindAll(*lexicon, QString::fromLatin1(row.draw), row.letterCount), row.expected) << row.draw;
}

TEST(WordSearch, ListLineCarriesTheLengthThenThreeBlanks)
{
    EXPECT_EQ(FoundWordLine(QStringLiteral("CASTA")), QStringLiteral("(5) -   CASTA"));
    EXPECT_EQ(FoundWordLine(QStringLiteral("TRAMONTANA")), QStringLiteral("(10) -   TRAMONTANA"));
}

TEST(WordSearch, ReportsEachLengthInTurnAndKeepsEveryWordFound)
{
    TempProgramFolder folder;
    // More than the thousand words a fixed table would hold: all of them are kept.
    QByteArrayList words;
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'Z'; ++b)
            words << QByteArray(1, a) + b + 'O' << "O" + QByteArray(1, a) + b + 'A';
    words << "ABBOZZO";
    folder.Write(QStringLiteral("SLESSICO.2"), LexiconBytes(words));
    FakeDialogs dialogs;
    SearchSink sink;
    const QString draw = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZOA");

    const auto outcome = WordSearch::Run(LexiconSource::ForLanguage(2), draw, 9, dialogs, sink.Callbacks());

    EXPECT_EQ(outcome, WordSearch::Outcome::Completed);
    EXPECT_EQ(sink.lengthsDone, (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(sink.foundWords, ReferenceSearch(words, draw, 9));
    EXPECT_GT(sink.foundWords.size(), 1000);
    ASSERT_EQ(sink.listLines.size(), sink.foundWords.size());
    EXPECT_EQ(sink.listLines.last(), QStringLiteral("(4) -   OZYA"));
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST(WordSearch, MissingLexiconShowsTheMessageAndResetsNothing)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"CASA"}));
    const auto loaded = LexiconWords::Load(folder.FilePath(QStringLiteral("SLESSICO.1")));
    ASSERT_TRUE(loaded);
    for (const int language : {1, 3}) {
        // The file of language 1 goes away after loading: the words in memory do not count.
        QFile::remove(folder.FilePath(QStringLiteral("SLESSICO.1")));
        FakeDialogs dialogs;
        SearchSink sink;
        sink.foundWords = QStringList{QStringLiteral("ORO")};

        const auto outcome = WordSearch::Run(LexiconSource::ForLanguage(language, loaded), QStringLiteral("CASAXXXXXX"),
                                             10, dialogs, sink.Callbacks());

        EXPECT_EQ(outcome, WordSearch::Outcome::LexiconMissing);
        EXPECT_EQ(dialogs.Texts(),
                  QStringList{QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.%1").arg(language)});
        EXPECT_EQ(dialogs.asked.front().kind, QStringLiteral("inform"));
        EXPECT_EQ(sink.starts, 0);
        EXPECT_EQ(sink.foundWords, QStringList{QStringLiteral("ORO")});
    }
}

TEST(WordSearch, ReadsTheFileWhenNoWordsWereLoaded)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("slessico.1"), LexiconBytes({"CASA", "ORO", "CASTA"}));
    FakeDialogs dialogs;
    SearchSink sink;

    WordSearch::Run(LexiconSource::ForLanguage(1), QStringLiteral("ACSTAOXYZQ"), 10, dialogs, sink.Callbacks());

    EXPECT_EQ(sink.foundWords, (QStringList{QStringLiteral("CASA"), QStringLiteral("CASTA")}));
}

// A search is overtaken when the state it works for changes while it lets events run.
// Each case acts at a chosen yield, as the event loop would, and checks that nothing
// reaches the state that is current afterwards.
TEST(WordSearch, OvertakenSearchStopsAndWritesNothing)
{
    std::mt19937 random(3);
    const QByteArrayList words = RandomWords(random, 4000, 3, 10);
    const QString draw = QStringLiteral("AEIOCSTRLN");
    const int lengths = 10 - 3 + 1;

    struct Game {
        WorkGeneration generation;
        LexiconSource lexicon;
        QString drawnLetters;
        SearchSink sink;
    };
    enum class Change { NewGame, OtherLanguage, NewDraw, WindowClosed };
    for (const Change change : {Change::NewGame, Change::OtherLanguage, Change::NewDraw, Change::WindowClosed}) {
        for (int atYield = 1; atYield <= lengths; ++atYield) {
            TempProgramFolder folder;
            folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes(words));
            folder.Write(QStringLiteral("SLESSICO.2"), LexiconBytes({"CASA"}));
            FakeDialogs dialogs;
            auto game = std::make_unique<Game>();
            game->lexicon = LexiconSource::ForLanguage(1, LexiconWords::Load(QStringLiteral("SLESSICO.1")));
            game->drawnLetters = draw;
            const std::weak_ptr<const LexiconWords> searched = game->lexicon.Words;
            bool heldMeanwhile = true;

            int yields = 0;
            bool changed = false;
            std::vector<int> doneAfterChange;
            WordSearch::Callbacks callbacks = game->sink.Callbacks();
            callbacks.cooperation.interval = std::chrono::microseconds(0);
            callbacks.cooperation.stillCurrent = game->generation.CurrentCheck();
            callbacks.lengthDone = [&, write = callbacks.lengthDone](int length, const QStringList& found) {
                if (changed)
                    doneAfterChange.push_back(length);
                else
                    write(length, found);
            };
            callbacks.cooperation.yield = [&] {
                if (++yields != atYield)
                    return;
                changed = true;
                switch (change) {
                case Change::NewGame:
                    game->generation.Advance();
                    game->sink.foundWords.clear();
                    game->sink.listLines.clear();
                    break;
                case Change::OtherLanguage:
                    game->generation.Advance();
                    game->lexicon = LexiconSource::ForLanguage(2, LexiconWords::Load(QStringLiteral("SLESSICO.2")));
                    game->sink.foundWords.clear();
                    game->sink.listLines.clear();
                    heldMeanwhile = !searched.expired();
                    break;
                case Change::NewDraw:
                    game->generation.Advance();
                    game->drawnLetters = QStringLiteral("ZZZ");
                    game->sink.foundWords.clear();
                    game->sink.listLines.clear();
                    break;
                case Change::WindowClosed:
                    game.reset();
                    heldMeanwhile = !searched.expired();
                    break;
                }
            };

            const auto outcome = WordSearch::Run(game->lexicon, game->drawnLetters, 10, dialogs, callbacks);

            SCOPED_TRACE(testing::Message() << "change " << static_cast<int>(change) << " at yield " << atYield);
            EXPECT_EQ(outcome, WordSearch::Outcome::Overtaken);
            EXPECT_EQ(yields, atYield) << "the search stops at the yield that overtook it";
            EXPECT_TRUE(doneAfterChange.empty());
            if (game) {
                EXPECT_TRUE(game->sink.foundWords.isEmpty());
                EXPECT_TRUE(game->sink.listLines.isEmpty());
                EXPECT_EQ(game->sink.lengthsDone.size(), static_cast<std::size_t>(atYield - 1));
            }
            // The lexicon the search started on outlives the change until it returns.
            EXPECT_TRUE(heldMeanwhile);
            if (change == Change::OtherLanguage || change == Change::WindowClosed) {
                EXPECT_TRUE(searched.expired()) << "the search let go of the lexicon afterwards";
            }
        }
    }
}

TEST(WordSearch, YieldsAtEveryStepOnlyWhenAskedTo)
{
    std::mt19937 random(5);
    // Odd words are tested one by one, a step each.
    QByteArrayList words = RandomWords(random, 2000, 3, 5);
    for (qsizetype i = 0; i < words.size(); i += 2)
        words[i][0] = 'a';
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
            EXPECT_GE(yields, 1000) << "one yield per odd word at least";
        else
            EXPECT_EQ(yields, 0) << "no yield before the interval has passed";
    }
}
