// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/dict_run.h"
#include "tests/lexicon_search/search_fixture.h"
#include "tests/support/temp_program_folder.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

// The words of the output lines, "(n) -   WORD" each.
std::set<QString> WordsOfLines(const QString& output)
{
    std::set<QString> words;
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        words.insert(line.section(QLatin1Char(' '), -1));
    return words;
}

QString RunProgram(const QString& program, const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("<%1 did not finish>").arg(program);
    return QString::fromLatin1(process.readAllStandardOutput());
}

}  // namespace

TEST(DictSolve, PrintsTheFoundWordsListOfTheGame)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("it.lex"), LexiconBytes({"CASTA", "ASTA", "TOCCA", "OCA", "ACCATTONAS", "CASA"}));

    const DictRun result = RunDictIn(folder.Path(), {"solve", "--lexicon", "IT.LEX", "accattonas"});

    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("(3) -   OCA\n(4) -   ASTA\n(4) -   CASA\n(5) -   CASTA\n(5) -   TOCCA\n"
                                         "(10) -   ACCATTONAS\n"));
    EXPECT_TRUE(result.err.isEmpty());
}

TEST(DictSolveAndLookup, RefuseBadArgumentsAndMissingFiles)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"CASA"}));
    struct Row {
        QStringList arguments;
        int status;
        const char* complaint;
    };
    const Row rows[] = {
        {{"solve", "CASA"}, 2, "--lexicon is required"},
        {{"solve", "--lexicon", "SLESSICO.1"}, 2, "give the drawn letters"},
        {{"solve", "--lexicon", "SLESSICO.1", "--vocabulary", "V", "CASA"}, 2, "unknown option '--vocabulary'"},
        {{"solve", "--lexicon", "SLESSICO.2", "CASA"}, 1, "no such lexicon file: SLESSICO.2"},
        {{"lookup", "--lexicon=SLESSICO.3", "CASA", "CASA"}, 1, "no such lexicon file: SLESSICO.3"},
        {{"lookup", "--lexicon", "SLESSICO.1", "--vocabulary", "USERVOCA.9", "CASA", "CASA"}, 1,
         "no such vocabulary file: USERVOCA.9"},
    };
    for (const Row& row : rows) {
        const DictRun result = RunDictIn(folder.Path(), row.arguments);
        EXPECT_EQ(result.status, row.status) << row.arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(QLatin1String(row.complaint))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

TEST(DictLookup, PrintsTheVerdictOfTheGame)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes({"CASA", "CASTA", "ORO"}));
    folder.Write(QStringLiteral("uservoca.1"), "pasta\r\nTOPPO\r\n");
    struct Row {
        QStringList arguments;
        const char* verdict;
    };
    const Row rows[] = {
        {{"CASTAPOROX", "CASTA"}, "SI"},
        {{"castaporox", "orO"}, "SI"},
        {{"CASTAPOROX", "PASTA"}, "NO"},  // no vocabulary named
        {{"--vocabulary", "USERVOCA.1", "CASTAPOROX", "PASTA"}, "SI"},
        {{"--vocabulary", "USERVOCA.1", "--excluded", "pasta", "CASTAPOROX", "PASTA"}, "NO"},
        {{"--vocabulary", "USERVOCA.1", "CASTAPOROX", "TOPPO"}, "NO2"},
    };
    for (const Row& row : rows) {
        const DictRun result = RunDictIn(folder.Path(), QStringList{"lookup", "--lexicon", "SLESSICO.1"} + row.arguments);
        EXPECT_EQ(result.status, 0) << result.err.toStdString();
        EXPECT_EQ(result.out, QString::fromLatin1(row.verdict) + '\n') << row.arguments.join(' ').toStdString();
    }
}

// The search must find exactly what the public anagram finder `an` finds in the
// lexicon's own words, whatever the draw.
TEST(DictSolveProcess, FindsTheSameWordsAsAnOverTheSameWordList)
{
    const QString an = QStandardPaths::findExecutable(QStringLiteral("an"), {QStringLiteral("/usr/games"),
                                                                            QStringLiteral("/usr/bin")});
    if (an.isEmpty())
        GTEST_SKIP() << "the anagram tool an is not installed";

    TempProgramFolder folder;
    std::mt19937 random(1234);
    QByteArrayList words = RandomWords(random, 4000, 3, 10);
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::shuffle(words.begin(), words.end(), random);
    folder.Write(QStringLiteral("SLESSICO.1"), LexiconBytes(words));
    // The word list for `an`: the lexicon's own words, read back from the file.
    const auto lexicon = LexiconWords::Load(folder.FilePath(QStringLiteral("SLESSICO.1")));
    ASSERT_TRUE(lexicon);
    QByteArray list;
    for (int n = 3; n <= 15; ++n)
        for (std::int32_t k = 0; k < lexicon->Count(n); ++k)
            list += QByteArray(lexicon->Word(n, k).data(), n) + '\n';
    folder.Write(QStringLiteral("words.txt"), list);

    std::size_t found = 0;
    for (int round = 0; round < 12; ++round) {
        const QString draw = RandomDraw(random, 8 + round % 3);
        const QString solve = RunProgram(QStringLiteral(LETTERAMA_DICT_PATH),
                                         {"solve", "--lexicon", "SLESSICO.1", draw}, folder.Path());
        const QString byAn = RunProgram(an, {"-w", "-m", "3", "-d", "words.txt", draw}, folder.Path());
        const std::set<QString> ours = WordsOfLines(solve);
        EXPECT_EQ(ours, WordsOfLines(byAn)) << "draw " << draw.toStdString();
        found += ours.size();
    }
    EXPECT_GT(found, 100u) << "the draws should spell words";
}
