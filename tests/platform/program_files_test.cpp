// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/program_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

namespace {

using Files = std::map<QString, QByteArray>;

void WriteFiles(const QString& folder, const Files& files)
{
    for (const auto& [name, bytes] : files) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
}

Files ReadFolder(const QString& folder)
{
    Files files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(QDir(folder).filePath(name));
        files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

// A shipped data folder and a user's folder, neither of them the current folder.
struct ProgramFilesTest : ::testing::Test {
    QTemporaryDir shipped;
    QTemporaryDir user;
};

// What each kind of copy reads and where each write lands.
TEST_F(ProgramFilesTest, ReadsUserFilesFirstAndWritesOnlyWhereWritesGo)
{
    struct Row {
        const char* name;
        bool installed;
        Files shippedFiles;
        Files userFiles;
        std::function<bool(const ProgramFiles&)> act;
        Files shippedAfter;
        Files userAfter;
    };
    const auto appendWord = [](const ProgramFiles& f) { return f.AppendLine(QStringLiteral("USERVOCA.1"), "NUOVA"); };
    const auto writeSettings = [](const ProgramFiles& f) {
        return f.WriteWhole(QStringLiteral("lettrama.ini"), "Tempo=30\r\n");
    };
    const std::vector<Row> rows = {
        {"a build folder appends in place, under the file's own case", false, {{"uservoca.1", "CASA\r\n"}}, {},
         appendWord, {{"uservoca.1", "CASA\r\nNUOVA\r\n"}}, {}},
        {"a build folder writes a new file into itself", false, {}, {}, writeSettings,
         {{"lettrama.ini", "Tempo=30\r\n"}}, {}},
        {"an installed copy starts the user's copy from the shipped lines", true, {{"USERVOCA.1", "CASA\r\n"}}, {},
         appendWord, {{"USERVOCA.1", "CASA\r\n"}}, {{"USERVOCA.1", "CASA\r\nNUOVA\r\n"}}},
        {"an installed copy appends to the user's copy alone", true, {{"USERVOCA.1", "CASA\r\n"}},
         {{"USERVOCA.1", "MARE\r\n"}}, appendWord, {{"USERVOCA.1", "CASA\r\n"}},
         {{"USERVOCA.1", "MARE\r\nNUOVA\r\n"}}},
        {"an installed copy writes under the shipped file's name", true, {{"LETTRAMA.INI", "Tempo=60\r\n"}}, {},
         writeSettings, {{"LETTRAMA.INI", "Tempo=60\r\n"}}, {{"LETTRAMA.INI", "Tempo=30\r\n"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir shippedFolder;
        QTemporaryDir userFolder;
        WriteFiles(shippedFolder.path(), row.shippedFiles);
        WriteFiles(userFolder.path(), row.userFiles);
        const ProgramFiles files = row.installed ? ProgramFiles(shippedFolder.path(), userFolder.path())
                                                 : ProgramFiles(shippedFolder.path());
        EXPECT_TRUE(row.act(files));
        EXPECT_EQ(ReadFolder(shippedFolder.path()), row.shippedAfter);
        EXPECT_EQ(ReadFolder(userFolder.path()), row.userAfter);
    }
}

TEST_F(ProgramFilesTest, ReadsTheUsersCopyThenTheShippedFileWithoutRegardToCase)
{
    WriteFiles(shipped.path(), {{"SLESSICO.1", "shipped"}, {"REGPAROL.TXT", "rules"}});
    WriteFiles(user.path(), {{"slessico.1", "rebuilt"}});
    const ProgramFiles files(shipped.path(), user.path());
    EXPECT_EQ(files.ReadAll(QStringLiteral("SLESSICO.1")), QByteArray("rebuilt"));
    EXPECT_EQ(files.ReadAll(QStringLiteral("regparol.txt")), QByteArray("rules"));
    EXPECT_FALSE(files.Exists(QStringLiteral("USERVOCA.1")));
    EXPECT_EQ(files.Resolve(QStringLiteral("USERVOCA.1")), QDir(user.path()).filePath(QStringLiteral("USERVOCA.1")));
}

TEST_F(ProgramFilesTest, ReadsOnlyRegularFilesWithinTheLimit)
{
    WriteFiles(shipped.path(), {{"big.txt", QByteArray(101, 'x')}, {"ok.txt", QByteArray(100, 'x')}});
    ASSERT_TRUE(QDir(shipped.path()).mkdir(QStringLiteral("folder.txt")));
    const ProgramFiles files(shipped.path());
    const struct {
        const char* name;
        ProgramFolder::ReadStatus status;
    } rows[] = {
        {"ok.txt", ProgramFolder::ReadStatus::Ok},
        {"big.txt", ProgramFolder::ReadStatus::TooLarge},
        {"folder.txt", ProgramFolder::ReadStatus::NotARegularFile},
        {"missing.txt", ProgramFolder::ReadStatus::Missing},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(files.Read(QString::fromLatin1(row.name), 100).status, row.status);
    }
}

// Two copies side by side, neither made current: each sees only its own files.
TEST_F(ProgramFilesTest, TwoProgramFoldersLiveSideBySide)
{
    const ProgramFiles first(shipped.path());
    const ProgramFiles second(user.path());
    ASSERT_TRUE(first.WriteWhole(QStringLiteral("LETTRAMA.INI"), "first"));
    ASSERT_TRUE(second.WriteWhole(QStringLiteral("LETTRAMA.INI"), "second"));
    EXPECT_EQ(first.ReadAll(QStringLiteral("LETTRAMA.INI")), QByteArray("first"));
    EXPECT_EQ(second.ReadAll(QStringLiteral("LETTRAMA.INI")), QByteArray("second"));
}

TEST_F(ProgramFilesTest, WriteOverSomethingElseIsRefusedWithItsReason)
{
    ASSERT_TRUE(QDir(shipped.path()).mkdir(QStringLiteral("USERVOCA.1")));
    const ProgramFiles files(shipped.path());
    QString error;
    EXPECT_FALSE(files.AppendLine(QStringLiteral("uservoca.1"), "CASA", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("cartella"))) << qPrintable(error);
    EXPECT_TRUE(QFileInfo(QDir(shipped.path()).filePath(QStringLiteral("USERVOCA.1"))).isDir());
}

}  // namespace
