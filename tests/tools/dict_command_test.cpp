// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/dict_run.h"
#include "lexicon/core/lexicon_writer.h"
#include "tests/support/temp_program_folder.h"
#include "platform/version.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QString InfoLines(std::initializer_list<const char*> lines)
{
    QString text;
    for (const char* line : lines)
        text += QString::fromLatin1(line) + QLatin1Char('\n');
    return text;
}

struct BadArguments {
    const char* name;
    QStringList arguments;
    int status;
    const char* complaint;  // part of what stderr must say
};

class DictArguments : public ::testing::TestWithParam<BadArguments> {};

TEST_P(DictArguments, AreRefusedWithAMessageAndNoFileWritten)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("words.txt"), "casa\n");
    const DictRun run = RunDictIn(folder.Path(), GetParam().arguments);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_TRUE(run.err.contains(QLatin1String(GetParam().complaint))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_FALSE(folder.Exists(QStringLiteral("SLESSICO.1")));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DictArguments,
    ::testing::Values(
        BadArguments{"nothing", {}, kDictUsage, "Usage: letterama-dict COMMAND"},
        BadArguments{"unknown_command", {"make"}, kDictUsage, "unknown command 'make'"},
        BadArguments{"build_without_language", {"build", "words.txt"}, kDictUsage, "--language is required"},
        BadArguments{"build_language_zero", {"build", "--language", "0", "words.txt"}, kDictUsage, "not '0'"},
        BadArguments{"build_language_four", {"build", "--language=4", "words.txt"}, kDictUsage, "not '4'"},
        BadArguments{"build_language_word", {"build", "-l", "it", "words.txt"}, kDictUsage, "not 'it'"},
        BadArguments{"build_language_without_value", {"build", "words.txt", "--language"}, kDictUsage,
                     "--language needs a value"},
        BadArguments{"build_output_without_value", {"build", "--language", "1", "words.txt", "-o"}, kDictUsage,
                     "-o needs a value"},
        BadArguments{"build_empty_output", {"build", "--language", "1", "--output=", "words.txt"}, kDictUsage,
                     "output file name is empty"},
        BadArguments{"build_unknown_option", {"build", "--language", "1", "--fast", "words.txt"}, kDictUsage,
                     "unknown option '--fast'"},
        BadArguments{"build_without_lists", {"build", "--language", "1"}, kDictUsage, "no word list given"},
        BadArguments{"build_missing_list", {"build", "--language", "1", "words.txt", "none.txt"}, kDictFailure,
                     "cannot read word list 'none.txt': no such file"},
        BadArguments{"build_folder_as_list", {"build", "--language", "1", "."}, kDictFailure,
                     "cannot read word list '.': not a file"},
        BadArguments{"info_without_file", {"info"}, kDictUsage, "give exactly one lexicon file"},
        BadArguments{"info_two_files", {"info", "a", "b"}, kDictUsage, "give exactly one lexicon file"},
        BadArguments{"info_missing_file", {"info", "SLESSICO.9"}, kDictFailure,
                     "no such lexicon file: SLESSICO.9"},
        BadArguments{"info_folder", {"info", "."}, kDictFailure, "lexicon file is a folder, not a regular file: ."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DictCommandLine, HelpGoesToStandardOutputAndSucceeds)
{
    for (const QStringList& arguments :
         {QStringList{"--help"}, QStringList{"help"}, QStringList{"-h"}}) {
        const DictRun run = RunDict(arguments);
        EXPECT_EQ(run.status, kDictSuccess);
        for (const DictCommand& command : DictCommands())
            EXPECT_TRUE(run.out.contains(QLatin1String(command.name))) << command.name;
        EXPECT_TRUE(run.err.isEmpty());
    }
    const DictRun build = RunDict({"build", "--language", "1", "--help"});
    EXPECT_EQ(build.status, kDictSuccess);
    EXPECT_TRUE(build.out.startsWith(QLatin1String("Usage: letterama-dict build --language N")));
    EXPECT_EQ(RunDict({"help", "info"}).out, RunDict({"info", "-h"}).out);
}

// The tool reports the version the game's about window shows, both from one header.
TEST(DictCommandLine, ReportsTheGamesVersion)
{
    const QString game = QStringLiteral("%1.%2.%3").arg(Version::kMajor).arg(Version::kMinor).arg(Version::kRevision);
    for (const char* option : {"--version", "-v"}) {
        const DictRun run = RunDict({QString::fromLatin1(option)});
        EXPECT_EQ(run.status, kDictSuccess);
        EXPECT_EQ(run.out, QStringLiteral("letterama-dict ") + game + QLatin1Char('\n')) << option;
    }
}

// The files of the process's current folder, each with its size and time.
QStringList CurrentFolderFiles()
{
    QStringList files;
    for (const QFileInfo& info : QDir::current().entryInfoList(QDir::Files))
        files.append(QStringLiteral("%1 %2 %3").arg(info.fileName()).arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch()));
    return files;
}

// Relative paths are the user's, from the folder letterama-dict was started in,
// wherever the process's current folder is.
TEST(DictCommandLine, PathsAreTakenFromTheFolderItWasStartedIn)
{
    const QStringList currentBefore = CurrentFolderFiles();
    QTemporaryDir started;
    QFile list(QDir(started.path()).filePath(QStringLiteral("w.txt")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("CASA\r\nMARE\r\n");
    list.close();

    const DictRun build = RunDictIn(started.path(), {"build", "--language", "1", "w.txt"});
    EXPECT_EQ(build.status, kDictSuccess) << build.err.toStdString();
    EXPECT_TRUE(QFileInfo(QDir(started.path()).filePath(QStringLiteral("SLESSICO.1"))).isFile());
    EXPECT_EQ(CurrentFolderFiles(), currentBefore) << "nothing written where the test process runs";
    const DictRun lookup = RunDictIn(started.path(), {"lookup", "--lexicon", "SLESSICO.1", "CASAXX", "CASA"});
    EXPECT_EQ(lookup.status, kDictSuccess) << lookup.err.toStdString();
}

TEST(DictBuild, WritesTheDefaultFileFromEveryListGiven)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("a.txt"), "casa\nmare\ncitt\xC3\xA0\n");
    folder.Write(QStringLiteral("b.txt"), "PASTA\r\nCASA\r\nJAZZ\r\n");

    const DictRun run = RunDictIn(folder.Path(), {"build", "--language", "1", "a.txt", "b.txt"});

    ASSERT_EQ(run.status, kDictSuccess) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_TRUE(run.out.contains(QLatin1String("SLESSICO.1: 4 words"))) << run.out.toStdString();
    const QByteArray file = folder.Read(QStringLiteral("SLESSICO.1"));
    EXPECT_EQ(file.mid(439), "CASAMARECITTAPASTA");
    EXPECT_EQ(RunDictIn(folder.Path(), {"info", "SLESSICO.1"}).out,
              InfoLines({"3 0 0", "4 440 2", "5 448 2", "6 0 0", "7 0 0", "8 0 0", "9 0 0", "10 0 0", "11 0 0",
                         "12 0 0", "13 0 0", "14 0 0", "15 0 0"}));
}

TEST(DictBuild, TheLanguageSetsTheAlphabetAndTheDefaultName)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("w.txt"), "jazz\nkiwi\n");
    ASSERT_EQ(RunDictIn(folder.Path(), {"build", "--language=2", "w.txt"}).status, kDictSuccess);
    ASSERT_EQ(RunDictIn(folder.Path(), {"build", "-l", "1", "-o", "it.lex", "w.txt"}).status, kDictSuccess);
    EXPECT_EQ(folder.Read(QStringLiteral("SLESSICO.2")).mid(439, 8), "JAZZKIWI");
    EXPECT_EQ(folder.Read(QStringLiteral("it.lex")).size(), 455) << "no Italian word among them";
}

TEST(DictBuild, AnUnwritableOutputIsAFailure)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("w.txt"), "casa\n");
    const DictRun run = RunDictIn(folder.Path(), {"build", "--language", "1", "-o", "no/such/folder/SLESSICO.1", "w.txt"});
    EXPECT_EQ(run.status, kDictFailure);
    EXPECT_TRUE(run.err.contains(QLatin1String("cannot write 'no/such/folder/SLESSICO.1'"))) << run.err.toStdString();
}

TEST(DictInfo, ReadsTheIndexAsTheGameDoesEvenWhenItIsNonsense)
{
    TempProgramFolder folder;
    QByteArray bytes(439, '\0');
    bytes.replace(200, 16, "     440     449");   // 3 words of length 3
    bytes.replace(216, 16, "99999999999999999"); // garbage, past the end
    bytes.replace(232, 16, "  -77   x   12  ");  // no leading number
    bytes.append("ASIBUE");                       // but the file holds only two
    folder.Write(QStringLiteral("slessico.1"), bytes);

    const DictRun run = RunDictIn(folder.Path(), {"info", "SLESSICO.1"});

    EXPECT_EQ(run.status, kDictSuccess);
    EXPECT_TRUE(run.out.startsWith(InfoLines({"3 440 2", "4 99999999 0", "5 0 0", "6 0 0"}))) << run.out.toStdString();
}

// What the test puts where a file is expected; never a real device, which a fault
// would replace for the whole machine.
enum class InTheWay { Folder, Fifo, LinkToFolder, LinkToFifo, HugeSparseFile };

// Makes `name` in `folder` the thing the row names. A FIFO gets a reader held open
// until the returned descriptor is closed, so that a writer opening it by mistake
// goes through instead of waiting for ever.
int MakeInTheWay(const TempProgramFolder& folder, const QString& name, InTheWay what)
{
    const QDir dir(folder.Path());
    const QString path = folder.FilePath(name);
    const auto fifoAt = [](const QString& at) {
        ::mkfifo(QFile::encodeName(at).constData(), 0600);
        return ::open(QFile::encodeName(at).constData(), O_RDONLY | O_NONBLOCK);
    };
    switch (what) {
    case InTheWay::Folder:
        dir.mkdir(name);
        return -1;
    case InTheWay::Fifo:
        return fifoAt(path);
    case InTheWay::LinkToFolder:
        dir.mkdir(QStringLiteral("elsewhere"));
        QFile::link(folder.FilePath(QStringLiteral("elsewhere")), path);
        return -1;
    case InTheWay::LinkToFifo: {
        const int reader = fifoAt(folder.FilePath(QStringLiteral("pipe")));
        QFile::link(folder.FilePath(QStringLiteral("pipe")), path);
        return reader;
    }
    case InTheWay::HugeSparseFile: {
        // 30 GB that cost no disk: only the size is set.
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.resize(30LL * 1024 * 1024 * 1024);
        return -1;
    }
    }
    return -1;
}

TEST(DictLexiconFile, ACommandSaysWhatStandsWhereTheLexiconShouldBe)
{
    struct Row {
        const char* label;
        InTheWay what;
        const char* said;
    };
    const Row rows[] = {
        {"folder", InTheWay::Folder, "lexicon file is a folder, not a regular file: SLESSICO.1"},
        {"fifo", InTheWay::Fifo, "lexicon file is a FIFO, not a regular file: SLESSICO.1"},
        {"link to a folder", InTheWay::LinkToFolder, "lexicon file is a link to a folder, not a regular file"},
        {"30 GB sparse file", InTheWay::HugeSparseFile, "lexicon file is too large: SLESSICO.1"},
    };
    const QStringList commands[] = {{"info", "SLESSICO.1"},
                                    {"solve", "--lexicon", "SLESSICO.1", "CASERMA"},
                                    {"lookup", "--lexicon", "SLESSICO.1", "CASERMA", "CASA"}};
    for (const Row& row : rows) {
        for (const QStringList& command : commands) {
            SCOPED_TRACE(std::string(row.label) + ", " + command.first().toStdString());
            TempProgramFolder folder;
            const int reader = MakeInTheWay(folder, QStringLiteral("SLESSICO.1"), row.what);
            if (row.what == InTheWay::HugeSparseFile && QFileInfo(folder.FilePath(QStringLiteral("SLESSICO.1"))).size() == 0)
                GTEST_SKIP() << "this file system makes no sparse files";

            const DictRun run = RunDictIn(folder.Path(), command);
            if (reader >= 0)
                ::close(reader);

            EXPECT_EQ(run.status, kDictFailure);
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.said))) << run.err.toStdString();
            EXPECT_TRUE(run.out.isEmpty());
        }
    }
}

TEST(DictRebuildAndExport, NeverWriteThroughALinkToAnythingButARegularFile)
{
    struct Row {
        const char* label;
        InTheWay what;
        const char* said;
    };
    const Row rows[] = {
        {"link to a fifo", InTheWay::LinkToFifo, "è un collegamento a una pipe (FIFO)"},
        {"link to a folder", InTheWay::LinkToFolder, "è un collegamento a una cartella"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        TempProgramFolder folder;
        QDir(folder.Path()).mkdir(QStringLiteral("words"));
        QDir(folder.Path()).mkdir(QStringLiteral("out"));
        folder.Write(QStringLiteral("words/3.TXT"), "ORA\r\n");
        folder.Write(QStringLiteral("words/5.TXT"), "TRENO\r\n");
        ASSERT_EQ(RunDictIn(folder.Path(), {"rebuild", "words", "-o", "SLESSICO.1"}).status, kDictSuccess);

        const int rebuildReader = MakeInTheWay(folder, QStringLiteral("linked.1"), row.what);
        const DictRun rebuild = RunDictIn(folder.Path(), {"rebuild", "words", "-o", "linked.1"});
        const int exportReader = MakeInTheWay(folder, QStringLiteral("out/5.TXT"), row.what);
        const DictRun exported = RunDictIn(folder.Path(), {"export", "SLESSICO.1", "out"});
        for (const int reader : {rebuildReader, exportReader}) {
            char byte = 0;
            EXPECT_LE(::read(reader, &byte, 1), 0);  // nothing reached a pipe
            if (reader >= 0)
                ::close(reader);
        }

        EXPECT_EQ(rebuild.status, kDictFailure);
        EXPECT_TRUE(rebuild.err.contains(QString::fromUtf8(row.said))) << rebuild.err.toStdString();
        EXPECT_EQ(exported.status, kDictFailure);
        EXPECT_TRUE(exported.err.contains(QString::fromUtf8(row.said))) << exported.err.toStdString();
        for (const char* name : {"linked.1", "out/5.TXT"}) {
            EXPECT_TRUE(QFileInfo(folder.FilePath(QString::fromLatin1(name))).isSymLink()) << name;
            EXPECT_FALSE(QFileInfo(folder.FilePath(QString::fromLatin1(name))).isFile()) << name;
        }
    }
}

}  // namespace
