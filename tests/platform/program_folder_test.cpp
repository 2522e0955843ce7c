// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/program_folder.h"
#include "tests/support/temp_program_folder.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include <gtest/gtest.h>

TEST(ProgramFolder, NamesMatchWithoutRegardToCase)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("Sound2.wav"), "RIFF");

    EXPECT_TRUE(ProgramFolder::Exists(folder.FilePath(QStringLiteral("SOUND2.wav"))));
    EXPECT_TRUE(ProgramFolder::Exists(folder.FilePath(QStringLiteral("sound2.WAV"))));
    EXPECT_EQ(ProgramFolder::Resolve(folder.FilePath(QStringLiteral("SOUND2.WAV"))), folder.FilePath(QStringLiteral("Sound2.wav")));
    EXPECT_EQ(ProgramFolder::ReadAll(folder.FilePath(QStringLiteral("SOUND2.WAV"))).value_or(""), QByteArray("RIFF"));
    EXPECT_FALSE(ProgramFolder::Exists(folder.FilePath(QStringLiteral("TIC.WAV"))));
    EXPECT_FALSE(ProgramFolder::ReadAll(folder.FilePath(QStringLiteral("TIC.WAV"))).has_value());
}

TEST(ProgramFolder, AtomicWriteReplacesTheFileUnderItsOwnName)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("lettrama.ini"), "old");

    ASSERT_TRUE(ProgramFolder::WriteAtomically(folder.FilePath(QStringLiteral("LETTRAMA.INI")), "new\r\n"));

    EXPECT_EQ(folder.Read(QStringLiteral("lettrama.ini")), QByteArray("new\r\n"));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{QStringLiteral("lettrama.ini")});
}

TEST(ProgramFolder, FailedAtomicWriteLeavesTheOldFileWhole)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("USERVOCA.1"), "CASA\r\n");
    QFile::setPermissions(folder.Path(), QFile::ReadOwner | QFile::ExeOwner);

    QString error;
    const bool written = ProgramFolder::WriteAtomically(folder.FilePath(QStringLiteral("USERVOCA.1")), "X\r\n", &error);
    QFile::setPermissions(folder.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    if (written)
        GTEST_SKIP() << "running as a user that writes into read-only folders";
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(folder.Read(QStringLiteral("USERVOCA.1")), QByteArray("CASA\r\n"));
}

TEST(ProgramFolder, AppendLineAddsOneCrLfRecord)
{
    TempProgramFolder folder;
    ASSERT_TRUE(ProgramFolder::AppendLine(folder.FilePath(QStringLiteral("USERVOCA.2")), "WORD"));
    ASSERT_TRUE(ProgramFolder::AppendLine(folder.FilePath(QStringLiteral("uservoca.2")), "OTHER"));
    EXPECT_EQ(folder.Read(QStringLiteral("USERVOCA.2")), QByteArray("WORD\r\nOTHER\r\n"));
}

namespace {

// A write step that acts out a disk that fills up: the bytes are taken, the last flush fails.
bool FullDisk(QFileDevice& file, const QByteArray& bytes)
{
    file.write(bytes.left(bytes.size() / 2));
    return false;
}

enum class Odd { Missing, Folder, Fifo, DeviceLink, TooLarge, Unreadable, Regular };

struct ReadCase {
    const char* label;
    Odd kind;
    ProgramFolder::ReadStatus expected;
};

// Makes "LETTRAMA.INI" the odd thing the row names; false when this system cannot.
bool MakeOdd(const TempProgramFolder& folder, Odd kind)
{
    const QString path = folder.FilePath(QStringLiteral("LETTRAMA.INI"));
    switch (kind) {
    case Odd::Missing:
        return true;
    case Odd::Folder:
        return QDir(folder.Path()).mkdir(QStringLiteral("LETTRAMA.INI"));
    case Odd::Fifo:
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case Odd::DeviceLink:
        return QFile::link(QStringLiteral("/dev/zero"), path);
    case Odd::TooLarge:
        folder.Write(QStringLiteral("LETTRAMA.INI"), QByteArray(101, 'x'));
        return true;
    case Odd::Unreadable:
        folder.Write(QStringLiteral("LETTRAMA.INI"), "Livello=Medio\r\n");
        return QFile::setPermissions(path, QFile::WriteOwner) && !QFile(path).open(QIODevice::ReadOnly);
    case Odd::Regular:
        folder.Write(QStringLiteral("LETTRAMA.INI"), QByteArray(100, 'x'));
        return true;
    }
    return false;
}

}  // namespace

TEST(ProgramFolder, ReadOpensOnlyRegularFilesWithinTheLimit)
{
    using ProgramFolder::ReadStatus;
    const ReadCase cases[] = {
        {"missing", Odd::Missing, ReadStatus::Missing},
        {"folder", Odd::Folder, ReadStatus::NotARegularFile},
        {"fifo", Odd::Fifo, ReadStatus::NotARegularFile},
        {"link to /dev/zero", Odd::DeviceLink, ReadStatus::NotARegularFile},
        {"one byte over the limit", Odd::TooLarge, ReadStatus::TooLarge},
        {"no read permission", Odd::Unreadable, ReadStatus::Unreadable},
        {"exactly at the limit", Odd::Regular, ReadStatus::Ok},
    };
    for (const ReadCase& row : cases) {
        SCOPED_TRACE(row.label);
        TempProgramFolder folder;
        if (!MakeOdd(folder, row.kind)) {
            // Only a user who reads everything (root) cannot be denied a file.
            EXPECT_EQ(row.kind, Odd::Unreadable) << "cannot make the file for this row";
            continue;
        }
        const ProgramFolder::ReadResult result = ProgramFolder::Read(folder.FilePath(QStringLiteral("lettrama.ini")), 100);
        EXPECT_EQ(result.status, row.expected);
        EXPECT_EQ(result.bytes.size(), row.expected == ReadStatus::Ok ? 100 : 0);
        EXPECT_EQ(ProgramFolder::ReadAll(folder.FilePath(QStringLiteral("LETTRAMA.INI")), 100).has_value(), result.Ok());
        if (!result.Ok()) {
            EXPECT_TRUE(ProgramFolder::ReadFailureText(result.status, QStringLiteral("LETTRAMA.INI"))
                            .contains(QStringLiteral("LETTRAMA.INI")));
        }
        QFile::setPermissions(folder.FilePath(QStringLiteral("LETTRAMA.INI")), QFile::ReadOwner | QFile::WriteOwner);
    }
}

TEST(ProgramFolder, AFailedFlushKeepsTheOldFileAndSaysSo)
{
    struct Row {
        const char* label;
        bool append;
    };
    const Row rows[] = {{"whole-file write", false}, {"append", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        TempProgramFolder folder;
        folder.Write(QStringLiteral("Lettrama.HIS"), "Bruno,12300\r\n");

        QString error;
        const QString file = folder.FilePath(QStringLiteral("LETTRAMA.HIS"));
        const bool written = row.append ? ProgramFolder::AppendLine(file, "Anna,900", &error, FullDisk)
                                        : ProgramFolder::WriteAtomically(file, "Anna,900\r\n", &error, FullDisk);

        EXPECT_FALSE(written);
        EXPECT_FALSE(error.isEmpty());
        if (!row.append) {
            EXPECT_EQ(folder.Read(QStringLiteral("Lettrama.HIS")), QByteArray("Bruno,12300\r\n"));
            EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{QStringLiteral("Lettrama.HIS")});
        } else {
            EXPECT_TRUE(folder.Read(QStringLiteral("Lettrama.HIS")).startsWith("Bruno,12300\r\n"));
        }
    }
}
