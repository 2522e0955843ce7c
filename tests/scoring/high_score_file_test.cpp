// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/high_score_file.h"
#include "tests/support/temp_program_folder.h"
#include "platform/core/program_files.h"

#include <gtest/gtest.h>

#include <vector>

using Entries = std::vector<HighScoreEntry>;

TEST(HighScoreFile, WritesNumericPrintFormAndQuotesOnlyNamesThatNeedIt)
{
    EXPECT_EQ(HighScoreFile::Format({{QStringLiteral("Bruno"), 12300}, {QStringLiteral("Meno"), -40},
                                     {QStringLiteral("Rossi, Mario"), 10}, {QStringLiteral("Il \"Mago\""), 0}})
                  .value_or(QByteArray()),
              QByteArray("Bruno, 12300\r\nMeno,-40\r\n\"Rossi, Mario\", 10\r\n\"Il \"\"Mago\"\"\", 0\r\n"));
}

// Names that comma-separated input would cut or strip come back exactly as written.
TEST(HighScoreFile, EveryNameReadsBackAsWritten)
{
    const Entries written = {
        {QStringLiteral("Rossi, Mario"), 4200}, {QStringLiteral("\""), 4000},
        {QStringLiteral("\"\",,\"\""), 3900},   {QStringLiteral("  spazi intorno "), 3800},
        {QStringLiteral("Niccolò Œ€ ÿ"), 3700},  {QString(), 3600},
    };
    EXPECT_EQ(HighScoreFile::Parse(HighScoreFile::Format(written).value_or(QByteArray())), written);
}

TEST(HighScoreFile, KeepsWhatParsesAndDropsTheRest)
{
    const HighScoreEntry ada{QStringLiteral("Ada"), 800};
    const struct {
        const char* label;
        QByteArray file;
        Entries expected;
    } cases[] = {
        {"empty file", "", {}},
        {"only line ends", "\r\n\r\n  \r\n", {}},
        {"blanks around the number, no last line end", "Ada ,  800  \r\nBo,-5",
         {ada, {QStringLiteral("Bo"), -5}}},
        {"line feeds only", "Ada, 800\n", {ada}},
        {"no comma", "Bruno 900\r\nAda, 800\r\n", {ada}},
        {"no number", "Bruno,\r\nCarlo, tanti\r\nAda, 800\r\n", {ada}},
        {"text after the number", "Bruno, 900 punti\r\nAda, 800\r\n", {ada}},
        {"beyond 16 bits", "Bruno, 40000\r\nAda, 800\r\n", {ada}},
        {"unclosed quote", "\"Bruno, 900\r\nAda, 800\r\n", {ada}},
        {"text after a closing quote", "\"Bruno\" x, 900\r\nAda, 800\r\n", {ada}},
        {"older single-byte file", "Niccol\xF2, 700\r\n", {{QStringLiteral("Niccolò"), 700}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HighScoreFile::Parse(c.file), c.expected) << c.label;

    QByteArray longFile;
    for (int i = 0; i < 80; ++i)
        longFile += "P" + QByteArray::number(i) + ", " + QByteArray::number(8000 - i) + "\r\n";
    EXPECT_EQ(HighScoreFile::Parse(longFile).size(), 80u);
}

TEST(HighScoreFile, FoundWithoutRegardToCaseAndReplacedUnderItsOwnName)
{
    TempProgramFolder folder;
    EXPECT_TRUE(HighScoreFile::Load(ProgramFiles(folder.Path())).contents.entries.empty());
    folder.Write(QStringLiteral("LETTRAMA.HIS"), "Bruno, 900\r\n");
    EXPECT_EQ(HighScoreFile::Load(ProgramFiles(folder.Path())).contents.entries, (Entries{{QStringLiteral("Bruno"), 900}}));

    ASSERT_TRUE(HighScoreFile::Save(ProgramFiles(folder.Path()), {{QStringLiteral("Ada"), 1000}}));
    EXPECT_EQ(folder.Read(QStringLiteral("LETTRAMA.HIS")), QByteArray("Ada, 1000\r\n"));
    EXPECT_FALSE(folder.Exists(QStringLiteral("Lettrama.HIS")));
}

TEST(HighScoreFile, NamesAreWrittenInTheSingleByteCodePageAndEveryByteComesBack)
{
    QByteArray everyByte = "A";  // a plain name starts with no blank
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte != ',' && byte != '"')
            everyByte.append(static_cast<char>(byte));
    }
    const QByteArray file = everyByte + ", 100\r\n";
    const Entries read = HighScoreFile::Parse(file);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(HighScoreFile::Format(read).value_or(QByteArray()), file);

    // A name the code page has no byte for is refused, never written as "?".
    EXPECT_FALSE(HighScoreFile::Format({{QStringLiteral("Łukasz"), 900}}).has_value());
    TempProgramFolder folder;
    folder.Write(QStringLiteral("Lettrama.HIS"), "Ada, 1000\r\n");
    QString error;
    EXPECT_FALSE(HighScoreFile::Save(ProgramFiles(folder.Path()), {{QStringLiteral("Łukasz"), 900}}, {}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(folder.Read(QStringLiteral("Lettrama.HIS")), QByteArray("Ada, 1000\r\n"));
}

TEST(HighScoreFile, LinesThatDoNotParseAreKeptByteForByte)
{
    const struct {
        const char* label;
        QByteArray file;
        std::vector<QByteArray> unparsed;
    } cases[] = {
        {"score beyond 16 bits", "Ada, 800\r\nBruno, 40000\r\n", {"Bruno, 40000"}},
        {"exponent", "Ada, 800\r\nCarlo, 1e3\r\n", {"Carlo, 1e3"}},
        {"unclosed quote, single-byte text", "\"Dino\xE8, 5\r\nAda, 800\r\n", {"\"Dino\xE8, 5"}},
        {"blank lines are no lines", "Ada, 800\r\n\r\n   \r\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const HighScoreFile::Contents contents = HighScoreFile::ParseContents(c.file);
        EXPECT_EQ(contents.entries, (Entries{{QStringLiteral("Ada"), 800}}));
        EXPECT_EQ(contents.unparsedLines, c.unparsed);
    }
}
