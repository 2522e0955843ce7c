// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/program_files.h"
#include "platform/core/program_folder.h"
#include "tests/support/temp_program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

// Marks a program folder as the install marks an installed copy's data folder.
void MarkInstalled(const QString& folder)
{
    QFile marker(QDir(folder).filePath(QString::fromLatin1(ProgramFolder::kInstalledMarker)));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
}

// The files of a folder, but for the install's marker.
Files ReadFolder(const QString& folder)
{
    Files files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        if (name == QLatin1String(ProgramFolder::kInstalledMarker))
            continue;
        QFile file(QDir(folder).filePath(name));
        files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

// A shipped program folder, marked as installed or not, under a writable user folder.
class UserFolderOverlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(userRoot_.isValid());
        userFolder_ = QDir(userRoot_.path()).filePath(QStringLiteral("letterama"));
    }
    ProgramFiles LayOver(bool installed)
    {
        if (installed)
            MarkInstalled(program_.Path());
        return ProgramFiles::Of(program_.Path(), userFolder_);
    }

    TempProgramFolder program_;
    QTemporaryDir userRoot_;
    QString userFolder_;
};

struct ReadCase {
    const char* what;
    Files shipped;
    Files user;
    QString name;
    std::optional<QByteArray> expected;
};

TEST_F(UserFolderOverlay, ReadsTheUserCopyFirstThenTheShippedFile)
{
    const std::vector<ReadCase> cases = {
        {"a lexicon rebuilt in the user folder wins over the shipped one",
         {{"SLESSICO.1", "shipped"}}, {{"SLESSICO.1", "rebuilt"}}, "SLESSICO.1", "rebuilt"},
        {"the user copy wins whatever the case of either name",
         {{"SLESSICO.2", "shipped"}}, {{"slessico.2", "rebuilt"}}, "Slessico.2", "rebuilt"},
        {"a file missing from the user folder falls back to the shipped one",
         {{"REGPAROL.TXT", "rules"}}, {{"LETTRAMA.INI", "x"}}, "regparol.txt", "rules"},
        {"a file of the user alone is read from the user folder",
         {}, {{"USERVOCA.1", "CASA\r\n"}}, "uservoca.1", "CASA\r\n"},
        {"a file in neither folder is missing",
         {{"SLESSICO.1", "shipped"}}, {}, "Lettrama.HIS", std::nullopt},
        {"a word file is laid over as any other file",
         {{"3.txt", "old"}}, {{"3.TXT", "new"}}, "3.txt", "new"},
    };
    for (const ReadCase& row : cases) {
        SCOPED_TRACE(row.what);
        TempProgramFolder program;
        QTemporaryDir userRoot;
        const QString user = QDir(userRoot.path()).filePath(QStringLiteral("letterama"));
        WriteFiles(program.Path(), row.shipped);
        MarkInstalled(program.Path());
        const ProgramFiles files = ProgramFiles::Of(program.Path(), user);
        ASSERT_TRUE(files.HasUserFolder());
        WriteFiles(user, row.user);

        EXPECT_EQ(files.ReadAll(row.name), row.expected);
        EXPECT_EQ(files.Exists(row.name), row.expected.has_value());
    }
}

struct WriteCase {
    const char* what;
    Files shipped;
    Files user;
    bool append;
    QString name;
    Files expectedUser;
};

TEST_F(UserFolderOverlay, WritesGoToTheUserFolderAndLeaveTheShippedFilesAlone)
{
    const std::vector<WriteCase> cases = {
        {"settings are written to the user folder",
         {}, {}, false, "LETTRAMA.INI", {{"LETTRAMA.INI", "new"}}},
        {"a rebuilt lexicon takes the shipped file's name in the user folder",
         {{"SLESSICO.1", "shipped"}}, {}, false, "slessico.1", {{"SLESSICO.1", "new"}}},
        {"an existing user copy is replaced under its own name",
         {{"Lettrama.HIS", "shipped"}}, {{"LETTRAMA.HIS", "old"}}, false, "lettrama.his", {{"LETTRAMA.HIS", "new"}}},
        {"a line added to a shipped file follows the shipped lines",
         {{"REGPAROL.TXT", "A\r\n"}}, {}, true, "regparol.txt", {{"REGPAROL.TXT", "A\r\nnew\r\n"}}},
        {"a line added to a user copy follows the user's lines only",
         {{"USERVOCA.1", "A\r\n"}}, {{"USERVOCA.1", "B\r\n"}}, true, "USERVOCA.1", {{"USERVOCA.1", "B\r\nnew\r\n"}}},
        {"a line added to a new file starts it",
         {}, {}, true, "5.txt", {{"5.txt", "new\r\n"}}},
    };
    for (const WriteCase& row : cases) {
        SCOPED_TRACE(row.what);
        TempProgramFolder program;
        QTemporaryDir userRoot;
        const QString user = QDir(userRoot.path()).filePath(QStringLiteral("letterama"));
        WriteFiles(program.Path(), row.shipped);
        MarkInstalled(program.Path());
        const ProgramFiles files = ProgramFiles::Of(program.Path(), user);
        ASSERT_TRUE(files.HasUserFolder());
        WriteFiles(user, row.user);

        const bool written = row.append ? files.AppendLine(row.name, "new") : files.WriteWhole(row.name, "new");
        EXPECT_TRUE(written);
        EXPECT_EQ(ReadFolder(user), row.expectedUser);
        EXPECT_EQ(ReadFolder(program.Path()), row.shipped);
    }
}

TEST_F(UserFolderOverlay, ABuildFolderKeepsEveryFileInItself)
{
    program_.Write(QStringLiteral("SLESSICO.1"), "shipped");
    const ProgramFiles files = LayOver(false);
    EXPECT_FALSE(files.HasUserFolder());

    ASSERT_TRUE(files.WriteWhole(QStringLiteral("LETTRAMA.INI"), "settings"));
    ASSERT_TRUE(files.WriteWhole(QStringLiteral("slessico.1"), "rebuilt"));
    EXPECT_EQ(ReadFolder(program_.Path()), (Files{{"LETTRAMA.INI", "settings"}, {"SLESSICO.1", "rebuilt"}}));
    EXPECT_FALSE(QFileInfo::exists(userFolder_));
    EXPECT_EQ(files.Resolve(QStringLiteral("lettrama.ini")), program_.FilePath(QStringLiteral("LETTRAMA.INI")));
}

// The overlay belongs to its ProgramFiles alone: the plain path helpers know nothing of it.
TEST_F(UserFolderOverlay, FilesOutsideTheProgramFolderAreNotLaidOver)
{
    ASSERT_TRUE(LayOver(true).HasUserFolder());
    QTemporaryDir elsewhere;
    const QString other = QDir(elsewhere.path()).filePath(QStringLiteral("Notes.txt"));
    WriteFiles(elsewhere.path(), {{"Notes.txt", "mine"}});

    EXPECT_EQ(ProgramFolder::Resolve(QDir(elsewhere.path()).filePath(QStringLiteral("NOTES.TXT"))), other);
    ASSERT_TRUE(ProgramFolder::WriteAtomically(other, "changed"));
    EXPECT_EQ(ReadFolder(elsewhere.path()), (Files{{"Notes.txt", "changed"}}));
    EXPECT_TRUE(ReadFolder(userFolder_).empty());
}

TEST_F(UserFolderOverlay, AFileOpenedDirectlyForAppendingIsCreatedInTheUserFolder)
{
    const ProgramFiles files = LayOver(true);
    ASSERT_TRUE(files.HasUserFolder());
    // Some writers open the resolved path themselves: it must lie in a folder that
    // exists and that they may write.
    QFile file(files.Resolve(QStringLiteral("USERVOCA.3")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Append));
    file.write("ROSA\r\n");
    file.close();
    EXPECT_EQ(ReadFolder(userFolder_), (Files{{"USERVOCA.3", "ROSA\r\n"}}));
    EXPECT_TRUE(ReadFolder(program_.Path()).empty());
}

TEST(ProgramFolderWritable, ProbeTellsAWritableFolderFromAMissingOne)
{
    QTemporaryDir folder;
    struct Row {
        QString folder;
        bool writable;
    };
    const std::vector<Row> rows = {
        {folder.path(), true},
        {QDir(folder.path()).filePath(QStringLiteral("missing")), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.folder.toStdString());
        EXPECT_EQ(ProgramFolder::CanCreateFilesIn(row.folder), row.writable);
    }
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

// What the install leaves in the tree, under a temporary prefix: the programs in
// games/, the data folder share/games/letterama/ with or without its marker.
TEST(InstalledCopy, OnlyTheInstallsMarkerMakesAFolderAnInstalledCopy)
{
    enum class Marker { None, File, Folder };
    struct Row {
        const char* what;
        bool dataFolder;
        Marker marker;
        bool installed;
    };
    const std::vector<Row> rows = {
        {"a marked data folder beside the programs is an installed copy", true, Marker::File, true},
        {"a data folder without the marker is not, writable or not", true, Marker::None, false},
        {"a folder in the marker's place is no marker", true, Marker::Folder, false},
        {"a program with no data folder is a build folder", false, Marker::None, false},
    };
    const QString dataFromPrograms = QStringLiteral("../share/games/letterama");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir prefix;
        const QDir root(prefix.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("games")));
        const QString programs = root.filePath(QStringLiteral("games"));
        const QString data = root.filePath(QStringLiteral("share/games/letterama"));
        if (row.dataFolder) {
            ASSERT_TRUE(root.mkpath(data));
        }
        if (row.marker == Marker::File)
            MarkInstalled(data);
        if (row.marker == Marker::Folder) {
            ASSERT_TRUE(QDir(data).mkdir(QString::fromLatin1(ProgramFolder::kInstalledMarker)));
        }

        const QString folder = ProgramFolder::ProgramFolderFor(programs, dataFromPrograms);
        EXPECT_EQ(folder, row.installed ? data : programs);
        EXPECT_EQ(ProgramFolder::IsInstalledCopy(folder), row.installed);

        QTemporaryDir userRoot;
        const QString user = QDir(userRoot.path()).filePath(QStringLiteral("letterama"));
        const ProgramFiles files = ProgramFiles::Of(folder, user);
        EXPECT_EQ(files.HasUserFolder(), row.installed);
        EXPECT_EQ(files.WriteFolder(), row.installed ? user : folder);
    }
}

}  // namespace
