// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_platform.h"
#include "tests/support/fake_spell_checker.h"
#include "scoring/core/high_score_file.h"
#include "game/ui/main_menu.h"
#include "game/ui/main_window.h"
#include "lexicon/core/personal_vocabulary.h"
#include "platform/core/program_folder.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
#include <map>
#include <vector>

// A copy installed by `cmake --install` into a temporary prefix (the test fixture
// installed_copy_setup), run in this process as the game runs it: whoever runs it,
// root included, it writes nothing under its install tree and keeps every file it
// writes in the user's data folder.
namespace {

// Every entry of a tree with what would show a change: kind, size, time, contents.
using Snapshot = std::map<QString, QString>;

Snapshot SnapshotOf(const QString& root)
{
    Snapshot entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString state = info.isSymLink() ? QStringLiteral("link ") + info.symLinkTarget()
                        : info.isDir()   ? QStringLiteral("folder")
                                         : QStringLiteral("file %1 ").arg(info.size());
        state += info.lastModified().toString(Qt::ISODateWithMs);
        if (info.isFile() && !info.isSymLink()) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly))
                state += QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
        }
        entries[QDir(root).relativeFilePath(info.filePath())] = state;
    }
    return entries;
}

class InstalledCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        prefix_ = qEnvironmentVariable("LETTERAMA_INSTALLED_PREFIX");
        if (prefix_.isEmpty() || !QFileInfo(QDir(prefix_).filePath(QStringLiteral("games/letterama"))).isFile())
            GTEST_SKIP() << "no installed copy: run through ctest, which installs one first";
        dataHomeReplaced_ = true;
        hadDataHome_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        previousDataHome_ = qgetenv("XDG_DATA_HOME");
        ASSERT_TRUE(home_.isValid());
        qputenv("XDG_DATA_HOME", home_.path().toLocal8Bit());
    }
    void TearDown() override
    {
        if (!dataHomeReplaced_)
            return;
        if (hadDataHome_)
            qputenv("XDG_DATA_HOME", previousDataHome_);
        else
            qunsetenv("XDG_DATA_HOME");
    }

    QString prefix_;
    QTemporaryDir home_;
    bool dataHomeReplaced_ = false;
    bool hadDataHome_ = false;
    QByteArray previousDataHome_;
};

TEST_F(InstalledCopy, WritesNothingUnderItsTreeAndKeepsTheUsersFilesInTheDataFolder)
{
    // The folder the installed game finds beside its program, as main() finds it.
    const QString games = QDir(prefix_).filePath(QStringLiteral("games"));
    const QString programFolder = ProgramFolder::ProgramFolderFor(games, QStringLiteral("../share/games/letterama"));
    ASSERT_EQ(programFolder, QDir(prefix_).filePath(QStringLiteral("share/games/letterama")))
        << "the install did not mark its data folder";
    if (geteuid() == 0)
        RecordProperty("run_as", "root");

    const Snapshot installed = SnapshotOf(prefix_);
    FakePlatform fakes;
    FakeSpellChecker spelling;
    MainWindow window(fakes.platform(), ProgramFiles::Of(programFolder), spelling);
    ASSERT_TRUE(window.Startup()) << fakes.dialogs.Texts().join(QLatin1Char('\n')).toStdString();
    const QString user = QDir(home_.path()).filePath(QStringLiteral("letterama"));
    EXPECT_EQ(window.Files().WriteFolder(), user);

    struct Row {
        const char* what;
        std::function<bool()> write;
        QString userFile;
    };
    const std::vector<Row> rows = {
        {"a changed setting", [&] {
             window.Menu()->Action(MainMenu::Command::Sound)->trigger();
             return true;
         }, QStringLiteral("LETTRAMA.INI")},
        {"a word of the personal vocabulary",
         [&] { return PersonalVocabulary(1, window.Files()).AppendWord(QStringLiteral("PAROLONA")); }, QStringLiteral("USERVOCA.1")},
        {"a high score", [&] { return HighScoreFile::Save(window.Files(), {{QStringLiteral("Root"), 1200}}); },
         QStringLiteral("Lettrama.HIS")},
        {"a word Gleaner harvests", [&] {
             return window.Files().AppendLine(QStringLiteral("8.txt"), "PAROLONA");
         }, QStringLiteral("8.txt")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_TRUE(row.write());
        EXPECT_TRUE(QFileInfo(QDir(user).filePath(row.userFile)).isFile());
        EXPECT_EQ(SnapshotOf(prefix_), installed);
    }
    EXPECT_TRUE(fakes.dialogs.asked.empty()) << fakes.dialogs.Texts().join(QLatin1Char('\n')).toStdString();
}

// What the install puts beside the programs points at what it installed: the README
// at the pictures it shows, the site's service at the site's program, and the site,
// in its own folder, at the game's lexicons.
TEST_F(InstalledCopy, TheReadmeTheServiceAndTheSiteFindWhatTheyName)
{
    const QDir prefix(prefix_);
    const QString doc = prefix.filePath(QStringLiteral("share/doc/letterama"));
    QFile readme(QDir(doc).filePath(QStringLiteral("README.md")));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    static const QRegularExpression link(QStringLiteral("\\]\\(([^)#:]+)\\)"));
    int links = 0;
    for (auto it = link.globalMatch(text); it.hasNext(); ++links) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(QFileInfo(QDir(doc).filePath(target)).isFile()) << target.toStdString() << " is not installed";
    }
    EXPECT_GT(links, 0);

    QFile unit(prefix.filePath(QStringLiteral("lib/systemd/system/letterama-site.service")));
    ASSERT_TRUE(unit.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch start =
        QRegularExpression(QStringLiteral("^ExecStart=(\\S+)"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(unit.readAll()));
    ASSERT_TRUE(start.hasMatch());
    EXPECT_EQ(start.captured(1), prefix.filePath(QStringLiteral("bin/letterama-site")));
    EXPECT_TRUE(QFileInfo(start.captured(1)).isExecutable());

    EXPECT_EQ(ProgramFolder::ProgramFolderFor(prefix.filePath(QStringLiteral("bin")),
                                              QStringLiteral("../share/games/letterama")),
              prefix.filePath(QStringLiteral("share/games/letterama")));
}

}  // namespace
