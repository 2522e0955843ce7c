// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/dict_run.h"

#include "tests/support/temp_program_folder.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DictExportRebuild, EachShippedLexiconComesBackByteForByte)
{
    const QString programDir = qEnvironmentVariable("LETTERAMA_PROGRAM_DIR");
    ASSERT_FALSE(programDir.isEmpty());
    for (int language = 1; language <= 3; ++language) {
        SCOPED_TRACE(language);
        const QString shipped = QDir(programDir).filePath(QStringLiteral("SLESSICO.%1").arg(language));
        const QByteArray original = ReadFile(shipped);
        ASSERT_GT(original.size(), 455) << shipped.toStdString();
        TempProgramFolder folder;
        const DictRun exported = RunDictIn(folder.Path(), {"export", shipped, "words"});
        ASSERT_EQ(exported.status, kDictSuccess) << exported.err.toStdString();
        const DictRun rebuilt = RunDictIn(folder.Path(), {"rebuild", "words", "-o", "again", "--language", QString::number(language)});
        ASSERT_EQ(rebuilt.status, kDictSuccess) << rebuilt.err.toStdString();
        EXPECT_TRUE(ReadFile(folder.FilePath("again")) == original);
    }
}

TEST(DictExportRebuild, RebuildSortsHandEditedFilesAndLeavesOutWhatIsNoWord)
{
    TempProgramFolder folder;
    ASSERT_TRUE(QDir(folder.Path()).mkdir("words"));
    folder.Write("words/4.txt", "ZERO\r\nCASA\r\nCA5A\r\nLUPO\r\nALBERO\r\n");
    const DictRun rebuilt = RunDictIn(folder.Path(), {"rebuild", "words"});
    ASSERT_EQ(rebuilt.status, kDictSuccess) << rebuilt.err.toStdString();
    EXPECT_TRUE(rebuilt.out.contains("2 lines of another length or with other characters left out"))
        << rebuilt.out.toStdString();
    const QByteArray lexicon = folder.Read("SLESSICO.1");
    EXPECT_EQ(lexicon.mid(439, 12), "CASALUPOZERO");
    EXPECT_EQ(lexicon.size(), 455);

    const DictRun exported = RunDictIn(folder.Path(), {"export", "SLESSICO.1", "back"});
    ASSERT_EQ(exported.status, kDictSuccess);
    EXPECT_EQ(folder.Read("back/4.TXT"), "CASA\r\nLUPO\r\nZERO\r\n");
    EXPECT_EQ(folder.Read("back/5.TXT"), "");
}

TEST(DictExportRebuild, BadArgumentsAndMissingFilesFailWithAMessage)
{
    TempProgramFolder folder;
    folder.Write("not-a-folder", "x");
    ASSERT_TRUE(QDir(folder.Path()).mkdir("empty"));
    struct Row {
        QStringList arguments;
        int status;
        const char* says;
    };
    const Row rows[] = {
        {{"export", "SLESSICO.1"}, kDictUsage, "give a lexicon file and a folder"},
        {{"export", "SLESSICO.1", "out"}, kDictFailure, "SLESSICO.1"},
        {{"rebuild"}, kDictUsage, "no folder given"},
        {{"rebuild", "empty", "--language", "4"}, kDictUsage, "the language must be"},
        {{"rebuild", "nowhere"}, kDictFailure, "no such folder"},
        {{"rebuild", "not-a-folder"}, kDictFailure, "no such folder"},
        {{"rebuild", "empty"}, kDictFailure, "no word files"},
        {{"rebuild", "empty", "--colour"}, kDictUsage, "unknown option"},
    };
    for (const Row& row : rows) {
        const DictRun run = RunDictIn(folder.Path(), row.arguments);
        EXPECT_EQ(run.status, row.status) << row.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(row.says))) << run.err.toStdString();
    }
    EXPECT_FALSE(folder.Exists("SLESSICO.1")) << "a failed rebuild writes nothing";
}

}  // namespace
