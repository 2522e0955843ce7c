#include "fake_platform.h"
#include "search_fixture.h"
#include "temp_program_folder.h"
#include "word_lookup.h"

#include <QFile>

#include <gtest/gtest.h>

#include <random>

namespace {

std::optional<QString> Judge(const char* word, const char* excluded, const char* drawn, FakeDialogs& dialogs,
                             int language = 1)
{
    return WordLookup::Judge(LexiconSource::ForLanguage(language), QStringLiteral("USERVOCA.%1").arg(language),
                             {QString::fromLatin1(word), QString::fromLatin1(excluded), QString::fromLatin1(drawn)},
                             dialogs, Cooperation{});
}

}  // namespace

TEST(WordLookup, VerdictsFollowLettersLengthLexiconAndVocabulary)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"CASA", "CASTA", "ORO", "casa", "PORTA", "CAS\xC8", "ROSA"}));
    folder.Write(QStringLiteral("uservoca.1"), "pasta\r\nTACCO\r\nSPORCA \r\nROSA\r\nCAPO\r\n");
    struct Row {
        const char* word;
        const char* excluded;
        const char* drawn;
        const char* verdict;
    };
    const Row rows[] = {
        {"CASTA", "", "CASTAPOROX", "SI"},
        {"CASTE", "", "CASTAPOROX", "NO2"},      // E was not drawn
        {"AAA", "", "CASTAPOROX", "NO2"},        // three A, two drawn
        {"TACCO", "", "CASTAPOROX", "NO2"},      // in the vocabulary, but one C drawn
        {"CA", "", "CASTAPOROX", "NO2"},         // under three letters, every letter drawn
        {"", "", "CASTAPOROX", "NO2"},
        {"PASTA", "", "CASTAPOROX", "SI"},       // a lower-case vocabulary line counts
        {"PASTA", "PASTA", "CASTAPOROX", "NO"},  // unless it is the excluded entry
        {"ROSA", "ROSA", "CASTAPOROX", "SI"},    // the lexicon knows it whatever the vocabulary says
        {"SPORCA", "", "CASTAPOROX", "NO"},      // a line with a trailing blank is another word
        {"CAPO", "", "CASTAPOROX", "SI"},        // an empty length: only the vocabulary decides
        {"CAPRA", "", "CASTAPOROX", "NO"},
        {"casa", "", "casaCASTA", "SI"},         // lexicon words compare byte for byte
        {"CaSA", "", "casaCASTA", "NO"},
        {"CAS\xC8", "", "CAS\xC8TA", "SI"},
    };
    for (const Row& row : rows) {
        FakeDialogs dialogs;
        EXPECT_EQ(Judge(row.word, row.excluded, row.drawn, dialogs), QString::fromLatin1(row.verdict))
            << row.word << " excluded " << row.excluded;
        EXPECT_TRUE(dialogs.asked.empty());
    }
}

TEST(WordLookup, VocabularyLinesEndInCrLfOrAloneAndTheLastMayLackAnEnd)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"ORO"}));
    const std::pair<QByteArray, const char*> rows[] = {
        {"CAPO\r\nTOPO\r\n", "SI"}, {"CAPO\nTOPO", "SI"},  {"CAPO\rTOPO\r", "SI"}, {"CAPO\r\n\r\ntopo", "SI"},
        {"CAPOTOPO\r\n", "NO"},     {"TOPO S\r\n", "NO"}, {"", "NO"},
    };
    for (const auto& [file, verdict] : rows) {
        folder.Write(QStringLiteral("USERVOCA.1"), file);
        FakeDialogs dialogs;
        EXPECT_EQ(Judge("TOPO", "", "CAPOTOPO", dialogs), QString::fromLatin1(verdict)) << file.toStdString();
    }
    folder.Write(QStringLiteral("USERVOCA.1"), "\xe0rco\r\n");
    FakeDialogs dialogs;
    EXPECT_EQ(Judge("\xC0RCO", "", "\xC0RCO", dialogs), QStringLiteral("SI")) << "upper case beyond ASCII";
    QFile::remove(QStringLiteral("USERVOCA.1"));
    EXPECT_EQ(Judge("TOPO", "", "TOPO", dialogs), QStringLiteral("NO")) << "a missing vocabulary holds no words";
}

TEST(WordLookup, MissingLexiconGivesTheEmptyVerdictAfterTheMessage)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("USERVOCA.3"), "CASA\r\n");
    FakeDialogs dialogs;

    EXPECT_EQ(Judge("CASA", "", "CASA", dialogs, 3), QString());
    EXPECT_EQ(Judge("XY", "", "CASA", dialogs, 3), QString()) << "the file is looked for first";
    EXPECT_EQ(dialogs.Texts(), QStringList(2, QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.3")));
}

TEST(WordLookup, LexiconMatchEqualsAByteScanOfTheSection)
{
    std::mt19937 random(11);
    QByteArrayList words = RandomWords(random, 3000, 3, 14);
    for (qsizetype i = 0; i < words.size(); i += 9)
        words[i][0] = "a1 \xC8"[i % 4];
    const auto lexicon = LoadedWords(words);
    const Cooperation alone;
    YieldPacer pacer(alone);

    QByteArrayList probes = words.mid(0, 600);
    for (QByteArray word : words.mid(600, 600)) {
        probes << word.left(word.size() - 1);
        std::swap(word[0], word[word.size() - 1]);  // often an anagram that is no word
        probes << word;
    }
    probes << "" << "AB" << QByteArray(16, 'A');
    for (const QByteArray& probe : probes)
        EXPECT_EQ(WordLookup::InLexicon(*lexicon, QString::fromLatin1(probe), pacer), words.contains(probe)) << probe.data();
    // A character no byte stands for matches nothing, not even where its low byte would.
    const auto casa = LoadedWords({"CASA"});
    EXPECT_EQ(WordLookup::InLexicon(*casa, QStringLiteral("CAS") + QChar(0x0141), pacer), false);
    EXPECT_EQ(WordLookup::InLexicon(*casa, QStringLiteral("CAS") + QChar(0x0100 + 'A'), pacer), false);
}

// Overtaken while it lets events run (here while it reads the vocabulary, a yield
// per line), a lookup returns nothing, so no verdict reaches the new state.
TEST(WordLookup, OvertakenLookupReturnsNothing)
{
    QByteArray vocabulary;
    for (int i = 0; i < 50; ++i)
        vocabulary += "PAROLA" + QByteArray::number(i) + "\r\n";
    vocabulary += "PASTA\r\n";
    for (const Change change : kChanges) {
        for (const int atYield : {1, 50, 51}) {
            TempProgramFolder folder;
            folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"CASA"}));
            folder.Write(QStringLiteral("SLESSICO.2"), LexiconBytes({"PASTA"}));
            folder.Write(QStringLiteral("USERVOCA.1"), vocabulary);
            FakeDialogs dialogs;
            auto game = std::make_unique<GameSide>();
            game->lexicon = LexiconSource::ForLanguage(1, LexiconWords::Load(QStringLiteral("SLESSICO.1")));
            game->drawnLetters = QStringLiteral("CASTAPOROX");
            int yields = 0;
            const Cooperation cooperation = ChangingAt(change, atYield, game, yields);

            const auto verdict = WordLookup::Judge(game->lexicon, QStringLiteral("USERVOCA.1"),
                                                   {QStringLiteral("PASTA"), {}, game->drawnLetters}, dialogs,
                                                   cooperation);

            SCOPED_TRACE(testing::Message() << "change " << static_cast<int>(change) << " at yield " << atYield);
            // The word stands on line 51: only 50 lines pass before it is found.
            EXPECT_EQ(verdict.has_value(), atYield > 50);
            EXPECT_EQ(yields, std::min(atYield, 50));
        }
    }
}

TEST(WordLookup, OvertakenDuringTheMissingLexiconMessageReturnsNothing)
{
    TempProgramFolder folder;
    FakeDialogs dialogs;
    WorkGeneration generation;
    dialogs.onQuestion = [&](const FakeDialogs::Question&) { generation.Advance(); };
    Cooperation cooperation;
    cooperation.stillCurrent = generation.CurrentCheck();

    EXPECT_FALSE(WordLookup::Judge(LexiconSource::ForLanguage(1), QStringLiteral("USERVOCA.1"),
                                   {QStringLiteral("CASA"), {}, QStringLiteral("CASA")}, dialogs, cooperation)
                     .has_value());
    EXPECT_EQ(dialogs.asked.size(), 1u);
}
