// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/temp_program_folder.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

// Runs the built letterama-dict as a separate process, as the scripts that make the
// shipped lexicons do.
namespace {

struct Outcome {
    int exitCode = -1;
    bool crashed = true;
    QString out;
    QString err;
};

Outcome RunDict(const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(LETTERAMA_DICT_PATH), arguments);
    Outcome outcome;
    if (!process.waitForFinished(60000))
        return outcome;
    outcome.crashed = process.exitStatus() != QProcess::NormalExit;
    outcome.exitCode = process.exitCode();
    outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
    return outcome;
}

TEST(LetteramaDictProcess, TwoFiveLetterWordsGiveA455ByteFileWithOneSection)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("two.txt"), "pasta\r\nmarmo\r\n");

    const Outcome build = RunDict({"build", "--language", "1", "two.txt"}, folder.Path());
    ASSERT_FALSE(build.crashed);
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_EQ(QFileInfo(folder.FilePath(QStringLiteral("SLESSICO.1"))).size(), 455);

    const Outcome info = RunDict({"info", "SLESSICO.1"}, folder.Path());
    ASSERT_EQ(info.exitCode, 0);
    const QStringList lines = info.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 13);
    for (int n = 3; n <= 15; ++n)
        EXPECT_EQ(lines[n - 3], n == 5 ? QStringLiteral("5 440 2") : QStringLiteral("%1 0 0").arg(n));
}

TEST(LetteramaDictProcess, FailuresExitNonZeroWithAMessageOnStandardError)
{
    TempProgramFolder folder;
    const Outcome missing = RunDict({"info", "SLESSICO.1"}, folder.Path());
    EXPECT_FALSE(missing.crashed);
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_TRUE(missing.err.contains(QLatin1String("SLESSICO.1")));
    EXPECT_TRUE(missing.out.isEmpty());

    const Outcome bad = RunDict({"build", "--language", "7", "x.txt"}, folder.Path());
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_FALSE(bad.err.isEmpty());

    const Outcome help = RunDict({"--help"}, folder.Path());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QLatin1String("build")));
}

TEST(LetteramaDictProcess, GarbageFilesNeverCrashIt)
{
    TempProgramFolder folder;
    QByteArray noise;
    for (int i = 0; i < 5000; ++i)
        noise.append(static_cast<char>((i * 7919 + i / 13) % 256));
    const QList<QByteArray> files = {QByteArray(), QByteArray(100, '9'), QByteArray(439, '9'), noise,
                                     QByteArray(440, '\xff')};
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString name = QStringLiteral("garbage%1").arg(i);
        folder.Write(name, files[i]);
        const Outcome info = RunDict({"info", name}, folder.Path());
        EXPECT_FALSE(info.crashed) << i;
        EXPECT_EQ(info.exitCode, 0) << i;
        EXPECT_EQ(info.out.count(QLatin1Char('\n')), 13) << i;
        const Outcome build = RunDict({"build", "--language", "3", "-o", name + ".lex", name}, folder.Path());
        EXPECT_FALSE(build.crashed) << i;
        EXPECT_EQ(build.exitCode, 0) << i;
    }
}

}  // namespace
