#include "high_score_file.h"
#include "temp_program_folder.h"

#include <gtest/gtest.h>

#include <vector>

using Entries = std::vector<HighScoreEntry>;

TEST(HighScoreFile, WritesNameCommaAndNumericPrintFormWithCrLf)
{
    EXPECT_EQ(HighScoreFile::Format({{QStringLiteral("Bruno"), 12300}, {QStringLiteral("ANONIMO"), 0},
                                     {QStringLiteral("Meno"), -40}}),
              QByteArray("Bruno, 12300\r\nANONIMO, 0\r\nMeno,-40\r\n"));
}

// Names that comma-separated input would cut or strip come back exactly as written.
TEST(HighScoreFile, EveryNameReadsBackAsWritten)
{
    const Entries written = {
        {QStringLiteral("Rossi, Mario"), 4200},
        {QStringLiteral("Il \"Mago\""), 4100},
        {QStringLiteral("\""), 4000},
        {QStringLiteral("\"\",,\"\""), 3900},
        {QStringLiteral("  spazi intorno "), 3800},
        {QStringLiteral("Niccolò Città"), 3700},
        {QString(), 3600},
        {QStringLiteral("名前"), 3500},
        {QStringLiteral("Zio Pino"), 3400},
    };
    EXPECT_EQ(HighScoreFile::Parse(HighScoreFile::Format(written)), written);
}

TEST(HighScoreFile, QuotesOnlyTheNamesThatNeedIt)
{
    EXPECT_EQ(HighScoreFile::Format({{QStringLiteral("Rossi, Mario"), 10}, {QStringLiteral("Il \"Mago\""), 20},
                                     {QStringLiteral("Zio Pino"), 30}}),
              QByteArray("\"Rossi, Mario\", 10\r\n\"Il \"\"Mago\"\"\", 20\r\nZio Pino, 30\r\n"));
}

struct ParseCase {
    const char* label;
    QByteArray file;
    Entries expected;
};

class HighScoreFileParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(HighScoreFileParse, KeepsWhatParsesAndDropsTheRest)
{
    EXPECT_EQ(HighScoreFile::Parse(GetParam().file), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HighScoreFileParse,
    ::testing::Values(
        ParseCase{"empty file", "", {}},
        ParseCase{"only line ends", "\r\n\r\n  \r\n", {}},
        ParseCase{"blanks around the number", "Bruno ,  900  \r\nAda,-5\r\n",
                  {{QStringLiteral("Bruno"), 900}, {QStringLiteral("Ada"), -5}}},
        ParseCase{"last line without line end", "Bruno, 900\r\nAda, 800",
                  {{QStringLiteral("Bruno"), 900}, {QStringLiteral("Ada"), 800}}},
        ParseCase{"line feeds only", "Bruno, 900\nAda, 800\n",
                  {{QStringLiteral("Bruno"), 900}, {QStringLiteral("Ada"), 800}}},
        ParseCase{"line without a comma", "Bruno 900\r\nAda, 800\r\n", {{QStringLiteral("Ada"), 800}}},
        ParseCase{"line without a number", "Bruno,\r\nCarlo, tanti\r\nAda, 800\r\n", {{QStringLiteral("Ada"), 800}}},
        ParseCase{"number with trailing text", "Bruno, 900 punti\r\nAda, 800\r\n", {{QStringLiteral("Ada"), 800}}},
        ParseCase{"number beyond 16 bits", "Bruno, 40000\r\nAda, 32767\r\n", {{QStringLiteral("Ada"), 32767}}},
        ParseCase{"unclosed quote", "\"Bruno, 900\r\nAda, 800\r\n", {{QStringLiteral("Ada"), 800}}},
        ParseCase{"text after a closing quote", "\"Bruno\" x, 900\r\nAda, 800\r\n", {{QStringLiteral("Ada"), 800}}},
        ParseCase{"a name of an older single-byte file", "Niccol\xF2, 700\r\n", {{QStringLiteral("Niccolò"), 700}}}),
    [](const ::testing::TestParamInfo<ParseCase>& info) {
        std::string name = info.param.label;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(HighScoreFile, ReadsAFileOfMoreThan55LinesWhole)
{
    QByteArray file;
    for (int i = 0; i < 80; ++i)
        file += "Player" + QByteArray::number(i) + ", " + QByteArray::number(8000 - i) + "\r\n";
    const Entries entries = HighScoreFile::Parse(file);
    ASSERT_EQ(entries.size(), 80u);
    EXPECT_EQ(entries.back(), (HighScoreEntry{QStringLiteral("Player79"), 7921}));
}

TEST(HighScoreFile, LoadFindsTheFileWithoutRegardToCaseAndSaveKeepsItsName)
{
    TempProgramFolder folder;
    EXPECT_TRUE(HighScoreFile::Load().empty());

    folder.Write(QStringLiteral("LETTRAMA.HIS"), "Bruno, 900\r\n");
    EXPECT_EQ(HighScoreFile::Load(), (Entries{{QStringLiteral("Bruno"), 900}}));

    ASSERT_TRUE(HighScoreFile::Save({{QStringLiteral("Ada"), 1000}, {QStringLiteral("Bruno"), 900}}));
    EXPECT_EQ(folder.Read(QStringLiteral("LETTRAMA.HIS")), QByteArray("Ada, 1000\r\nBruno, 900\r\n"));
    EXPECT_FALSE(folder.Exists(QStringLiteral("Lettrama.HIS")));
}
