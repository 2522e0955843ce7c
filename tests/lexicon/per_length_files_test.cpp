// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/harvest_folders.h"
#include "lexicon/core/per_length_files.h"
#include "platform/core/program_folder.h"
#include "platform/core/program_files.h"

#include <QByteArray>
#include <QFileDevice>
#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Status = PerLengthFiles::ReadResult::Status;

struct ReadCase {
    const char* name;
    const char* file;  // as it lies in the folder; nullptr for none
    QByteArray bytes;
    Status status;
    QStringList words;
};

class PerLengthRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(PerLengthRead, TakesEveryLineAsOneEntry)
{
    HarvestFolders folders;
    if (GetParam().file)
        folders.WriteWords(QString::fromLatin1(GetParam().file), GetParam().bytes);

    const PerLengthFiles::ReadResult result = PerLengthFiles::Read(ProgramFiles(folders.words.path()), 5);

    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(result.words, GetParam().words);
    EXPECT_EQ(result.error.isEmpty(), GetParam().status != Status::Unreadable);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PerLengthRead,
    ::testing::Values(
        ReadCase{"missing", nullptr, "", Status::Missing, {}},
        ReadCase{"editor_name", "5.TXT", "CASCO\r\nMARMO\r\n", Status::Read, {"CASCO", "MARMO"}},
        ReadCase{"gleaner_name", "5.txt", "CASCO\r\n", Status::Read, {"CASCO"}},
        ReadCase{"other_length_of_name", "50.txt", "CASCO\r\n", Status::Missing, {}},
        ReadCase{"empty_file", "5.txt", "", Status::Read, {}},
        ReadCase{"empty_line_is_an_entry", "5.txt", "\r\nCASCO\r\n", Status::Read, {"", "CASCO"}},
        ReadCase{"last_line_without_end", "5.txt", "CASCO\r\nMARMO", Status::Read, {"CASCO", "MARMO"}},
        ReadCase{"lf_and_cr_ends", "5.txt", "CASCO\nMARMO\rPIUMA", Status::Read, {"CASCO", "MARMO", "PIUMA"}},
        ReadCase{"other_lengths_and_case_kept", "5.txt", "ab\r\nPerché\r\n", Status::Read, {"ab", "Perché"}},
        ReadCase{"windows_1252", "5.txt", "perch\xE9\r\n", Status::Read, {"perché"}},
        ReadCase{"utf8", "5.txt", "perch\xC3\xA9\r\n", Status::Read, {"perché"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PerLengthFiles, FolderOrPipeOfThatNameIsUnreadable)
{
    HarvestFolders folders;
    QDir(folders.words.path()).mkdir(QStringLiteral("5.TXT"));
    ::mkfifo(QFile::encodeName(QDir(folders.words.path()).filePath(QStringLiteral("6.txt"))), 0600);

    for (const int length : {5, 6}) {
        const PerLengthFiles::ReadResult result = PerLengthFiles::Read(ProgramFiles(folders.words.path()), length);
        EXPECT_EQ(result.status, Status::Unreadable) << length;
        EXPECT_TRUE(result.error.contains(QStringLiteral("%1.txt").arg(length), Qt::CaseInsensitive))
            << result.error.toStdString();
    }
}

struct FormatCase {
    const char* name;
    QStringList words;
    std::optional<QByteArray> bytes;
};

class PerLengthFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PerLengthFormat, WritesOneCrLfLinePerWordInTheCodePage)
{
    EXPECT_EQ(PerLengthFiles::Format(GetParam().words), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Words, PerLengthFormat,
    ::testing::Values(FormatCase{"none", {}, QByteArray()},
                      FormatCase{"two_words", {"CASA", "MARE"}, QByteArray("CASA\r\nMARE\r\n")},
                      FormatCase{"empty_entry", {""}, QByteArray("\r\n")},
                      FormatCase{"accent_in_code_page", {"perché"}, QByteArray("perch\xE9\r\n")},
                      FormatCase{"character_outside_code_page", {"CASA", "ŁÓDŹ"}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PerLengthFiles, WriteThenReadGivesTheSameWordsUnderTheExistingName)
{
    HarvestFolders folders;
    folders.WriteWords(QStringLiteral("4.txt"), "VECCHIO\r\n");
    const QStringList words{"CASA", "MARE", "perché"};

    QString error;
    ASSERT_TRUE(PerLengthFiles::Write(ProgramFiles(folders.words.path()), 4, words, &error)) << error.toStdString();

    EXPECT_EQ(PerLengthFiles::Read(ProgramFiles(folders.words.path()), 4).words, words);
    EXPECT_EQ(QDir(folders.words.path()).entryList(QDir::Files), QStringList{"4.txt"});
}

TEST(PerLengthFiles, FailedWriteKeepsTheOldFile)
{
    HarvestFolders folders;
    folders.WriteWords(QStringLiteral("4.TXT"), "CASA\r\n");

    QString error;
    EXPECT_FALSE(PerLengthFiles::Write(ProgramFiles(folders.words.path()), 4, {"MARE", "ŁÓDŹ"}, &error));

    EXPECT_TRUE(error.contains(QStringLiteral("4.TXT"))) << error.toStdString();
    EXPECT_EQ(folders.WordFiles(), (std::map<QString, QByteArray>{{"4.TXT", "CASA\r\n"}}));
}

TEST(PerLengthFiles, GleanerCreatesLowerCaseNamesAndFindsTheEditorsOnes)
{
    HarvestFolders folders;
    folders.WriteWords(QStringLiteral("3.TXT"), "");
    const QDir dir(folders.words.path());

    EXPECT_EQ(PerLengthFiles::AppendPathOf(ProgramFiles(dir.path()), 3), dir.filePath(QStringLiteral("3.TXT")));
    EXPECT_EQ(PerLengthFiles::AppendPathOf(ProgramFiles(dir.path()), 12), dir.filePath(QStringLiteral("12.txt")));
    EXPECT_EQ(PerLengthFiles::PathOf(ProgramFiles(dir.path()), 12), dir.filePath(QStringLiteral("12.TXT")));
}

}  // namespace

namespace {

TEST(PerLengthFiles, AHarvestedWordIsAppendedWholeOrNotAtAll)
{
    struct Row {
        const char* label;
        QByteArray before;
        bool diskFills;
        QByteArray after;
        const char* said;  // empty: appended
    };
    const Row rows[] = {
        {"appended after whole lines", "BUSHEL\r\n", false, "BUSHEL\r\nBUSHELS\r\n", ""},
        {"appended after an open last line", "BUSHEL", false, "BUSHEL\r\nBUSHELS\r\n", ""},
        {"disk fills during the write", "BUSHEL\r\n", true, "BUSHEL\r\n", "Spazio esaurito sul dispositivo"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        HarvestFolders folders;
        const QString path = folders.WriteWords(QStringLiteral("7.txt"), row.before);
        ProgramFolder::WriteStep fillingDisk;
        if (row.diskFills) {
            fillingDisk = [](QFileDevice& file, const QByteArray& bytes) {
                file.write(bytes.left(bytes.size() - 3));
                errno = ENOSPC;
                return false;
            };
        }
        QString error;
        const bool appended = PerLengthFiles::AppendWord(ProgramFiles(folders.words.path()).WithWriteStep(fillingDisk),
                                                         "BUSHELS", &error);

        EXPECT_EQ(appended, *row.said == '\0');
        EXPECT_TRUE(error.contains(QString::fromUtf8(row.said))) << error.toStdString();
        if (!appended) {
            EXPECT_TRUE(error.contains(QStringLiteral("BUSHELS")) && error.contains(QStringLiteral("7.txt")));
        }
        EXPECT_EQ(folders.WordFiles(), (std::map<QString, QByteArray>{{"7.txt", row.after}}));
    }
}

TEST(PerLengthFiles, AWordFileLinkedToAFolderOrPipeIsNeverWritten)
{
    HarvestFolders folders;
    const QDir dir(folders.words.path());
    ASSERT_TRUE(dir.mkdir(QStringLiteral("elsewhere")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("elsewhere")), dir.filePath(QStringLiteral("5.txt"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("pipe")), dir.filePath(QStringLiteral("6.txt"))));
    struct Row {
        int length;
        const char* said;
    };
    const Row rows[] = {{5, "è un collegamento a una cartella"}, {6, "è un collegamento a una pipe (FIFO)"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.length);
        QString error;
        EXPECT_FALSE(PerLengthFiles::AppendWord(ProgramFiles(dir.path()), QByteArray(row.length, 'A'), &error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(row.said))) << error.toStdString();
    }
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0);
    ::close(reader);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("5.txt"))).isSymLink());
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("elsewhere"))).isEmpty());
}

}  // namespace
