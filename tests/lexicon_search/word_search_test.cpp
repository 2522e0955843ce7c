// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_scan.h"
#include "tests/lexicon_search/search_fixture.h"
#include "tests/support/temp_program_folder.h"
#include "lexicon/core/word_search.h"
#include "platform/core/program_files.h"

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
        // The single-query pass over the file must list the very same words.
        TempProgramFolder folder;
        folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes(words));
        const LexiconResult<LexiconScan> file = LexiconScan::Open(folder.FilePath(QStringLiteral("SLESSICO.1")));
        ASSERT_TRUE(file);
        qsizetype found = 0;
        for (int round = 0; round < 25; ++round) {
            const QString draw = scenario.draw(RandomDraw(random, 10), words, random);
            const QStringList result = WordSearch::FindAll(*lexicon, draw, scenario.letterCount);
            ASSERT_EQ(result, ReferenceSearch(words, draw, scenario.letterCount))
                << scenario.name << ", draw " << draw.toStdString();
            ASSERT_EQ(file->FindAll(draw, scenario.letterCount), result)
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

TEST(WordSearch, RunGivesEachLengthsWordsAndKeepsEveryWordFound)
{
    TempProgramFolder folder;
    QByteArrayList words;  // far more finds than a table of 1000 would hold
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'Z'; ++b)
            words << QByteArray(1, a) + b + 'O' << "O" + QByteArray(1, a) + b + 'A';
    folder.Write(QStringLiteral("slessico.2"), LexiconBytes(words));
    const QString draw = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZOA");

    const LexiconResult<WordSearch::Found> found = WordSearch::Run(LexiconSource::ForLanguage(ProgramFiles(folder.Path()), Language::English), draw, 9);

    ASSERT_TRUE(found) << "read from the file, found without regard to case";
    EXPECT_EQ(found->InOrder(), ReferenceSearch(words, draw, 9));
    EXPECT_GT(found->InOrder().size(), 1000);
    for (int length = 0; length <= 16; ++length) {
        QStringList expected;
        for (const QString& word : ReferenceSearch(words, draw, 9))
            if (word.size() == length)
                expected << word;
        EXPECT_EQ(found->OfLength(length), expected) << "length " << length;
    }
}

// The search over words in memory still looks for the file first: a player who
// removed it is told, whether or not its words were loaded.
TEST(WordSearch, MissingLexiconGivesItsErrorAndNoWords)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"CASA"}));
    const auto loaded = LexiconWords::Load(folder.FilePath(QStringLiteral("SLESSICO.1")));
    QFile::remove(folder.FilePath(QStringLiteral("SLESSICO.1")));
    for (const int language : {1, 3}) {
        const auto found = WordSearch::Run(LexiconSource::ForLanguage(ProgramFiles(folder.Path()), static_cast<Language>(language), loaded), QStringLiteral("CASAXXXXXX"), 10);
        ASSERT_FALSE(found);
        EXPECT_EQ(found.Error().kind, LexiconError::Kind::Missing);
        EXPECT_EQ(found.Error().Message(),
                  QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.%1").arg(language));
    }
}
