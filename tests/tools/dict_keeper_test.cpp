// SPDX-License-Identifier: GPL-3.0-or-later
// letterama-dict as careful as the editor: export and rebuild never lose a word the
// files or the lexicon hold unless told to, and only one rebuild writes at a time.
#include "tests/support/dict_run.h"
#include "lexicon/core/lexicon_words.h"
#include "tests/support/temp_program_folder.h"
#include "tests/support/tiny_lexicon.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// The words of one length of the lexicon file at `file`.
QStringList WordsOf(const QString& file, int length)
{
    QStringList words;
    const std::shared_ptr<const LexiconWords> lexicon = LexiconWords::Load(file);
    if (!lexicon)
        return {QStringLiteral("<no lexicon>")};
    for (std::int32_t k = 0; k < lexicon->Count(length); ++k)
        words.append(QString::fromLatin1(lexicon->Word(length, k)));
    return words;
}

const QStringList kLexicon = {"ASI", "CASA", "LUPO", "ZERO", "CAPRA", "PESTO", "ALBERO"};

class DictKeeperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, kLexicon));
        ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("words")));
        lexicon = folder.Read(QStringLiteral("SLESSICO.1"));
    }

    TempProgramFolder folder;
    QByteArray lexicon;
};

TEST_F(DictKeeperTest, ExportDoesNotWriteOverHarvestedWordsUnlessForced)
{
    // Gleaner's files, in its lower-case names: the lexicon's words and two new ones.
    folder.Write(QStringLiteral("words/4.txt"), "CASA\r\nLUPO\r\nZERO\r\nBACO\r\nRAMA\r\n");
    folder.Write(QStringLiteral("words/6.txt"), "ALBERO\r\nCAVOLO\r\n");
    const QByteArray four = folder.Read(QStringLiteral("words/4.txt"));

    const DictRun refused = RunDictIn(folder.Path(), {"export", "SLESSICO.1", "words"});
    EXPECT_EQ(refused.status, kDictRefused);
    EXPECT_TRUE(refused.err.contains("hold 3 words that SLESSICO.1 lacks (4.TXT: 2, 6.TXT: 1)")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("--force"));
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_EQ(folder.Read(QStringLiteral("words/4.txt")), four);
    EXPECT_FALSE(folder.Exists(QStringLiteral("words/5.TXT"))) << "nothing written at all";

    const DictRun forced = RunDictIn(folder.Path(), {"export", "--force", "SLESSICO.1", "words"});
    ASSERT_EQ(forced.status, kDictSuccess) << forced.err.toStdString();
    EXPECT_EQ(folder.Read(QStringLiteral("words/4.txt")), "CASA\r\nLUPO\r\nZERO\r\n");

    // Files that hold nothing the lexicon lacks are written over without --force.
    const DictRun again = RunDictIn(folder.Path(), {"export", "SLESSICO.1", "words"});
    EXPECT_EQ(again.status, kDictSuccess) << again.err.toStdString();
}

TEST_F(DictKeeperTest, RebuildRefusesToLoseWordsOfTheLexiconItReplaces)
{
    struct Row {
        const char* what;
        std::map<QString, QByteArray> files;
        QStringList options;
        int status;
        const char* says;          // on stderr, for a refusal
        QStringList fourLetters;   // afterwards
        QStringList fiveLetters;
    };
    const Row rows[] = {
        {"only 5.TXT: every other length would go",
         {{"5.TXT", "CAPRA\r\nPESTO\r\nMARMO\r\n"}}, {}, kDictRefused,
         "SLESSICO.1 would lose 5 of its 7 words (3 letters: 1 (no 3.TXT), 4 letters: 3 (no 4.TXT), "
         "6 letters: 1 (no 6.TXT))",
         {"CASA", "LUPO", "ZERO"}, {"CAPRA", "PESTO"}},
        {"fewer words in a length",
         {{"3.TXT", "ASI\r\n"}, {"4.TXT", "CASA\r\nZERO\r\n"}, {"5.TXT", "CAPRA\r\nPESTO\r\n"}, {"6.TXT", "ALBERO\r\n"}},
         {}, kDictRefused, "would lose 1 of its 7 words (4 letters: 1)", {"CASA", "LUPO", "ZERO"}, {"CAPRA", "PESTO"}},
        {"--add keeps the lexicon's words and adds the files'",
         {{"5.TXT", "marmo\r\nPESTO\r\n"}}, {"--add"}, kDictSuccess, "",
         {"CASA", "LUPO", "ZERO"}, {"CAPRA", "MARMO", "PESTO"}},
        {"--force replaces them",
         {{"5.TXT", "CAPRA\r\nPESTO\r\nMARMO\r\n"}}, {"--force"}, kDictSuccess, "", {}, {"CAPRA", "MARMO", "PESTO"}},
        {"every word kept: no option needed",
         {{"3.TXT", "ASI\r\n"}, {"4.TXT", "CASA\r\nZERO\r\nLUPO\r\nRAMA\r\n"}, {"5.TXT", "CAPRA\r\nPESTO\r\n"},
          {"6.TXT", "ALBERO\r\n"}},
         {}, kDictSuccess, "", {"CASA", "LUPO", "RAMA", "ZERO"}, {"CAPRA", "PESTO"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        folder.Write(QStringLiteral("SLESSICO.1"), lexicon);
        for (const QString& name : QDir(folder.FilePath("words")).entryList(QDir::Files))
            QFile::remove(folder.FilePath("words/" + name));
        for (const auto& [name, bytes] : row.files)
            folder.Write("words/" + name, bytes);

        const DictRun run = RunDictIn(folder.Path(), QStringList{"rebuild", "words"} + row.options);
        EXPECT_EQ(run.status, row.status) << run.err.toStdString();
        if (row.status == kDictRefused) {
            EXPECT_TRUE(run.err.contains(QLatin1String(row.says))) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains("Nothing written"));
            EXPECT_EQ(folder.Read(QStringLiteral("SLESSICO.1")), lexicon) << "byte for byte";
        }
        EXPECT_EQ(WordsOf(folder.FilePath(QStringLiteral("SLESSICO.1")), 4), row.fourLetters);
        EXPECT_EQ(WordsOf(folder.FilePath(QStringLiteral("SLESSICO.1")), 5), row.fiveLetters);
    }
}

TEST_F(DictKeeperTest, ARebuildUnderWayStopsAnotherUntilItEndsEvenByAKill)
{
    const QString flock = QStandardPaths::findExecutable(QStringLiteral("flock"));
    if (flock.isEmpty())
        GTEST_SKIP() << "flock (util-linux) is not installed";
    folder.Write(QStringLiteral("words/5.TXT"), "MARMO\r\n");

    // Another writer: holds the lexicon's lock as a rebuild does, until it is killed.
    QProcess writer;
    // -o: the lock stays with flock itself, not with the command it runs.
    writer.start(flock, {QStringLiteral("-o"), folder.FilePath(QStringLiteral("SLESSICO.1.lock")),
                         QStringLiteral("sleep"), QStringLiteral("5")});
    ASSERT_TRUE(writer.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return folder.Exists(QStringLiteral("SLESSICO.1.lock")); }, 5000));
    QTest::qWait(200);  // the lock is taken just after the file is made

    const DictRun busy = RunDictIn(folder.Path(), {"rebuild", "words", "--add"});
    EXPECT_EQ(busy.status, kDictRefused);
    EXPECT_TRUE(busy.err.contains("another rebuild of SLESSICO.1 is under way")) << busy.err.toStdString();
    EXPECT_EQ(folder.Read(QStringLiteral("SLESSICO.1")), lexicon);

    writer.kill();
    ASSERT_TRUE(writer.waitForFinished());
    EXPECT_TRUE(folder.Exists(QStringLiteral("SLESSICO.1.lock"))) << "a killed writer leaves its lock file";
    const DictRun after = RunDictIn(folder.Path(), {"rebuild", "words", "--add"});
    EXPECT_EQ(after.status, kDictSuccess) << after.err.toStdString();
    EXPECT_TRUE(WordsOf(folder.FilePath(QStringLiteral("SLESSICO.1")), 5).contains("MARMO"));
    EXPECT_FALSE(folder.Exists(QStringLiteral("SLESSICO.1.lock"))) << "released and removed on exit";
}

}  // namespace
