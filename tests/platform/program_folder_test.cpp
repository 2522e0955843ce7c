#include "program_folder.h"
#include "temp_program_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(ProgramFolder, NamesMatchWithoutRegardToCase)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("Sound2.wav"), "RIFF");

    EXPECT_TRUE(ProgramFolder::Exists(QStringLiteral("SOUND2.wav")));
    EXPECT_TRUE(ProgramFolder::Exists(QStringLiteral("sound2.WAV")));
    EXPECT_EQ(ProgramFolder::Resolve(QStringLiteral("SOUND2.WAV")), QStringLiteral("Sound2.wav"));
    EXPECT_EQ(ProgramFolder::ReadAll(QStringLiteral("SOUND2.WAV")).value_or(""), QByteArray("RIFF"));
    EXPECT_FALSE(ProgramFolder::Exists(QStringLiteral("TIC.WAV")));
    EXPECT_FALSE(ProgramFolder::ReadAll(QStringLiteral("TIC.WAV")).has_value());
}

TEST(ProgramFolder, AtomicWriteReplacesTheFileUnderItsOwnName)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("lettrama.ini"), "old");

    ASSERT_TRUE(ProgramFolder::WriteAtomically(QStringLiteral("LETTRAMA.INI"), "new\r\n"));

    EXPECT_EQ(folder.Read(QStringLiteral("lettrama.ini")), QByteArray("new\r\n"));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{QStringLiteral("lettrama.ini")});
}

TEST(ProgramFolder, FailedAtomicWriteLeavesTheOldFileWhole)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("USERVOCA.1"), "CASA\r\n");
    QFile::setPermissions(folder.Path(), QFile::ReadOwner | QFile::ExeOwner);

    QString error;
    const bool written = ProgramFolder::WriteAtomically(QStringLiteral("USERVOCA.1"), "X\r\n", &error);
    QFile::setPermissions(folder.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    if (written)
        GTEST_SKIP() << "running as a user that writes into read-only folders";
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(folder.Read(QStringLiteral("USERVOCA.1")), QByteArray("CASA\r\n"));
}

TEST(ProgramFolder, AppendLineAddsOneCrLfRecord)
{
    TempProgramFolder folder;
    ASSERT_TRUE(ProgramFolder::AppendLine(QStringLiteral("USERVOCA.2"), "WORD"));
    ASSERT_TRUE(ProgramFolder::AppendLine(QStringLiteral("uservoca.2"), "OTHER"));
    EXPECT_EQ(folder.Read(QStringLiteral("USERVOCA.2")), QByteArray("WORD\r\nOTHER\r\n"));
}
