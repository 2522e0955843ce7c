#include "fake_platform.h"
#include "search_fixture.h"
#include "temp_program_folder.h"
#include "word_lookup.h"
#include "work_generation.h"

#include <QFile>

#include <gtest/gtest.h>

#include <random>

namespace {

const QString kVocabulary = QStringLiteral("USERVOCA.1");

std::optional<QString> Judge(const QString& word, const QString& excluded, const QString& drawn,
                             FakeDialogs& dialogs, int language = 1)
{
    return WordLookup::Judge(LexiconSource::ForLanguage(language), QStringLiteral("USERVOCA.%1").arg(language),
                             {word, excluded, drawn}, dialogs, Cooperation{});
}

}  // namespace

TEST(WordLookup, VerdictsFollowLettersLengthLexiconAndVocabulary)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"),
                 LexiconBytes({"CASA", "CASTA", "ORO", "ASTA", "casa", "PORTA", "CAS\xC8", "ROSA"}));
    folder.Write(QStringLiteral("uservoca.1"), "pasta\r\nTACCO\r\nSPORCA \r\nROSA\r\nCAPO\r\n");
    struct Row {
        const char* word;
        const char* excluded;
        const char* drawn;
        const char* verdict;
    };
    const Row rows[] = {
        {"CASTA", "", "CASTAPOROX", "SI"},
        {"ORO", "", "CASTAPOROX", "SI"},
        {"CASTE", "", "CASTAPOROX", "NO2"},   // E was not drawn
        {"AAA", "", "CASTAPOROX", "NO2"},     // three A, two drawn
        {"TACCO", "", "CASTAPOROX", "NO2"},   // in the vocabulary, but one C drawn
        {"CA", "", "CASTAPOROX", "NO2"},      // under three letters, every letter drawn
        {"", "", "CASTAPOROX", "NO2"},
        {"PASTA", "", "CASTAPOROX", "SI"},    // a lower-case vocabulary line counts
        {"PASTA", "PASTA", "CASTAPOROX", "NO"},  // unless it is the excluded entry
        {"ROSA", "ROSA", "CASTAPOROX", "SI"},    // the lexicon knows it whatever the vocabulary says
        {"SPORCA", "", "CASTAPOROX", "NO"},   // a line with a trailing blank is another word
        {"TOPAZ", "", "CASTAPOROZ", "NO"},    // spelt, known nowhere
        {"CAPO", "", "CASTAPOROX", "SI"},     // a length without words: only the vocabulary decides
        {"CAPRA", "", "CASTAPOROX", "NO"},
        {"casa", "", "casaCASTA", "SI"},      // the lexicon compares bytes: lower case stands apart
        {"CaSA", "", "casaCASTA", "NO"},
        {"CAS\xC8", "", "CAS\xC8TA", "SI"},
        {"SACT", "", "CASTAPOROX", "NO"},
    };
    for (const Row& row : rows) {
        FakeDialogs dialogs;
        const auto verdict = Judge(QString::fromLatin1(row.word), QString::fromLatin1(row.excluded),
                                   QString::fromLatin1(row.drawn), dialogs);
        EXPECT_EQ(verdict, QString::fromLatin1(row.verdict)) << row.word << " excluded " << row.excluded;
        EXPECT_TRUE(dialogs.asked.empty());
    }
}

TEST(WordLookup, VocabularyLinesEndInCrLfOrAloneAndTheLastMayLackAnEnd)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"ORO"}));
    struct Row {
        QByteArray file;
        const char* word;
        const char* verdict;
    };
    const Row rows[] = {
        {"CAPO\r\nTOPO\r\n", "TOPO", "SI"},
        {"CAPO\nTOPO", "TOPO", "SI"},
        {"CAPO\rTOPO\r", "TOPO", "SI"},
        {"CAPO\r\n\r\nTOPO", "TOPO", "SI"},
        {"CAPOTOPO\r\n", "TOPO", "NO"},
        {"\xe0rco\r\n", "\xC0RCO", "SI"},  // upper case beyond ASCII too
        {"", "TOPO", "NO"},
    };
    for (const Row& row : rows) {
        folder.Write(kVocabulary, row.file);
        FakeDialogs dialogs;
        EXPECT_EQ(Judge(QString::fromLatin1(row.word), {}, QStringLiteral("CAPOTOPO\xC0R"), dialogs),
                  QString::fromLatin1(row.verdict))
            << row.file.toStdString();
    }
    QFile::remove(folder.FilePath(kVocabulary));
    FakeDialogs dialogs;
    EXPECT_EQ(Judge(QStringLiteral("TOPO"), {}, QStringLiteral("TOPO"), dialogs), QStringLiteral("NO"))
        << "a missing vocabulary holds no words";
    EXPECT_EQ(Judge(QStringLiteral("ORO"), {}, QStringLiteral("ORO"), dialogs), QStringLiteral("SI"));
}

TEST(WordLookup, MissingLexiconGivesTheEmptyVerdictAfterTheMessage)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("USERVOCA.3"), "CASA\r\n");
    FakeDialogs dialogs;

    EXPECT_EQ(Judge(QStringLiteral("CASA"), {}, QStringLiteral("CASA"), dialogs, 3), QString());
    EXPECT_EQ(Judge(QStringLiteral("XY"), {}, QStringLiteral("CASA"), dialogs, 3), QString())
        << "the file is looked for before anything else";
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
    for (const QByteArray& word : words.mid(600, 600)) {
        QByteArray changed = word;
        std::swap(changed[0], changed[changed.size() - 1]);  // often an anagram that is no word
        probes << changed << word.left(word.size() - 1);
    }
    probes << "" << "AB" << QByteArray(16, 'A') << QByteArray(20, 'A');
    for (const QByteArray& probe : probes) {
        const bool expected = words.contains(probe);
        EXPECT_EQ(WordLookup::InLexicon(*lexicon, QString::fromLatin1(probe), pacer), expected) << probe.toStdString();
    }
    // A character no byte stands for matches nothing, even where its low byte would.
    const auto withA = LoadedWords({"CASA"});
    EXPECT_EQ(WordLookup::InLexicon(*withA, QStringLiteral("CAS") + QChar(0x0141), pacer), false);
    EXPECT_EQ(WordLookup::InLexicon(*withA, QStringLiteral("CAS") + QChar(0x0100 + 'A'), pacer), false);
}

// A lookup overtaken while it lets events run returns nothing, so the results board
// writes no verdict into the state that replaced its own.
TEST(WordLookup, OvertakenLookupReturnsNothing)
{
    QByteArray vocabulary;
    for (int i = 0; i < 50; ++i)
        vocabulary += "PAROLA" + QByteArray::number(i) + "\r\n";
    vocabulary += "PASTA\r\n";

    struct Board {
        WorkGeneration generation;
        LexiconSource lexicon;
        QString drawnLetters = QStringLiteral("CASTAPOROX");
        QString word = QStringLiteral("PASTA");
    };
    enum class Change { NewGame, OtherLanguage, NewDraw, WindowClosed };
    for (const Change change : {Change::NewGame, Change::OtherLanguage, Change::NewDraw, Change::WindowClosed}) {
        for (const int atYield : {1, 20, 50}) {
            TempProgramFolder folder;
            folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"CASA"}));
            folder.Write(QStringLiteral("SLESSICO.2"), LexiconBytes({"PASTA"}));
            folder.Write(kVocabulary, vocabulary);
            FakeDialogs dialogs;
            auto board = std::make_unique<Board>();
            board->lexicon = LexiconSource::ForLanguage(1, LexiconWords::Load(QStringLiteral("SLESSICO.1")));

            int yields = 0;
            Cooperation cooperation;
            cooperation.interval = std::chrono::microseconds(0);
            cooperation.stillCurrent = board->generation.CurrentCheck();
            cooperation.yield = [&] {
                if (++yields != atYield)
                    return;
                switch (change) {
                case Change::NewGame:
                    board->generation.Advance();
                    board->word.clear();
                    break;
                case Change::OtherLanguage:
                    board->generation.Advance();
                    board->lexicon = LexiconSource::ForLanguage(2, LexiconWords::Load(QStringLiteral("SLESSICO.2")));
                    break;
                case Change::NewDraw:
                    board->generation.Advance();
                    board->drawnLetters = QStringLiteral("ZZZ");
                    break;
                case Change::WindowClosed:
                    board.reset();
                    break;
                }
            };

            const auto verdict = WordLookup::Judge(board->lexicon, kVocabulary,
                                                   {board->word, QString(), board->drawnLetters}, dialogs, cooperation);

            SCOPED_TRACE(testing::Message() << "change " << static_cast<int>(change) << " at yield " << atYield);
            EXPECT_FALSE(verdict.has_value());
            EXPECT_EQ(yields, atYield);
        }
    }
    // Left alone, the same lookup reads the whole vocabulary and finds the word.
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"CASA"}));
    folder.Write(kVocabulary, vocabulary);
    FakeDialogs dialogs;
    int yields = 0;
    Cooperation cooperation;
    cooperation.interval = std::chrono::microseconds(0);
    cooperation.yield = [&] { ++yields; };
    EXPECT_EQ(WordLookup::Judge(LexiconSource::ForLanguage(1), kVocabulary,
                                {QStringLiteral("PASTA"), {}, QStringLiteral("CASTAPOROX")}, dialogs, cooperation),
              QStringLiteral("SI"));
    EXPECT_EQ(yields, 50);
}

TEST(WordLookup, OvertakenDuringTheMissingLexiconMessageReturnsNothing)
{
    TempProgramFolder folder;
    FakeDialogs dialogs;
    WorkGeneration generation;
    dialogs.onQuestion = [&](const FakeDialogs::Question&) { generation.Advance(); };
    Cooperation cooperation;
    cooperation.stillCurrent = generation.CurrentCheck();

    EXPECT_FALSE(WordLookup::Judge(LexiconSource::ForLanguage(1), kVocabulary,
                                   {QStringLiteral("CASA"), {}, QStringLiteral("CASA")}, dialogs, cooperation)
                     .has_value());
    EXPECT_EQ(dialogs.asked.size(), 1u);
}
