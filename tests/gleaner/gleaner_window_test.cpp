// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_command.h"
#include "tests/support/fake_platform.h"
#include "gleaner/ui/folder_browser.h"
#include "gleaner/ui/gleaner_window.h"
#include "tests/support/harvest_folders.h"
#include "model/language.h"
#include "lexicon/core/lexicon_writer.h"
#include "platform/core/site_address.h"
#include "platform/core/program_files.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

using Files = std::map<QString, QByteArray>;

// Writes a lexicon file of `words` at `path`.
bool WriteLexiconAt(const QString& path, const QStringList& words)
{
    std::array<QStringList, kLexiconListCount> lists;
    for (const QString& word : words)
        lists[word.size() - 3].append(word);
    return WriteLexiconFile(path, ComposeLexicon(ToLexiconWordLists(lists), LexiconBanner(Language::Italian)));
}

class GleanerWindowTest : public ::testing::Test {
protected:
    GleanerWindowTest() : window_(fake_.platform(), ProgramFiles(folders_.words.path())) {}

    template <typename T>
    T* Find(const char* name) const
    {
        return window_.findChild<T*>(QString::fromLatin1(name));
    }
    QListWidget* FileList() const { return Find<QListWidget>("fileList"); }
    QLabel* Status() const { return Find<QLabel>("status"); }
    QProgressBar* Progress() const { return Find<QProgressBar>("progress"); }

    QListWidgetItem* FileItem(const QString& name) const
    {
        const QList<QListWidgetItem*> items = FileList()->findItems(name, Qt::MatchExactly);
        return items.isEmpty() ? nullptr : items.first();
    }

    // Clicks the file's name in the list, as the user does.
    void ClickFile(const QString& name)
    {
        QListWidgetItem* item = FileItem(name);
        ASSERT_NE(item, nullptr) << name.toStdString();
        QTest::mouseClick(FileList()->viewport(), Qt::LeftButton, {},
                          FileList()->visualItemRect(item).center());
    }

    bool WaitForTheEnd() { return QTest::qWaitFor([this] { return !window_.Harvesting(); }, 20000); }

    HarvestFolders folders_;
    FakePlatform fake_;
    GleanerWindow window_;
};

TEST_F(GleanerWindowTest, ShowsItsControlsWithTheirTextsAndTips)
{
    struct Expected {
        const char* name;
        QString text;
        QString tip;
    };
    const std::vector<Expected> controls{
        {"placeList", {}, "Elenco drives"},
        {"folderList", {}, "Elenco cartelle"},
        {"fileList", {}, "Elenco dei files importabili (ma*.txt)"},
        {"foreignLetters", "Usa le lettere JKXYW", "Importa anche le parole straniere con le lettere JKXYW"},
        {"readerWords", "Separa le parole alla &punteggiatura e salta i nomi",
         "Taglia le parole a punteggiatura, cifre e tabulazioni, salta la parte apostrofata (\"dell'anno\" dà "
         "ANNO) e le parole scritte con la maiuscola dentro la frase (i nomi)"},
        {"fine", "&Fine", "Uscita dal programma"},
        {"makersSite", {}, "Sito dell'autore ..."},
    };
    for (const Expected& control : controls) {
        QWidget* widget = Find<QWidget>(control.name);
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->toolTip(), control.tip) << control.name;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << control.name;
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !control.text.isEmpty()) {
            EXPECT_EQ(button->text(), control.text) << control.name;
        }
    }
    EXPECT_EQ(window_.windowTitle(),
              QStringLiteral("Gleaner - legge le parole da files di testo e aggiorna vocabolario (.TXT)"));
    EXPECT_TRUE(Find<QLabel>("note")->text().startsWith(
        QStringLiteral("Questo programma appende in coda ai files 2.txt,3.txt,4.txt,...15.txt")));
    EXPECT_FALSE(Find<QCheckBox>("foreignLetters")->isChecked());
}

TEST_F(GleanerWindowTest, ListsMaTextsUnlessEveryTextIsAsked)
{
    for (const char* name : {"mare.txt", "MANZONI.TXT", "casa.txt", "ma.doc", "manuale.txt"})
        folders_.WriteText(QString::fromLatin1(name), "x");
    QDir(folders_.texts.path()).mkdir(QStringLiteral("macro.txt"));
    ASSERT_TRUE(window_.Browser().ShowFolder(folders_.texts.path()));

    auto names = [this] {
        QStringList list;
        for (int i = 0; i < FileList()->count(); ++i)
            list.append(FileList()->item(i)->text());
        return list;
    };
    EXPECT_EQ(names(), (QStringList{"manuale.txt", "MANZONI.TXT", "mare.txt"}));

    Find<QComboBox>("filePattern")->setCurrentText(FolderBrowser::kEveryTextPattern);
    EXPECT_EQ(names(), (QStringList{"casa.txt", "manuale.txt", "MANZONI.TXT", "mare.txt"}));
    EXPECT_EQ(FileList()->toolTip(), QStringLiteral("Elenco dei files importabili (*.txt)"));

    // Many texts have no ".txt" ending.
    Find<QComboBox>("filePattern")->setCurrentText(FolderBrowser::kEveryFileCaption);
    EXPECT_EQ(names(), (QStringList{"casa.txt", "ma.doc", "manuale.txt", "MANZONI.TXT", "mare.txt"}));
    EXPECT_EQ(FileList()->toolTip(), QStringLiteral("Elenco dei files importabili (*)"));
}

TEST_F(GleanerWindowTest, TheReaderBoxTakesWordsAtPunctuationWithoutNamesAndTheStatusCountsThem)
{
    const QByteArray text = "Era stanca, e Marco dorme.\r\n";
    struct Row {
        bool readerWords;
        Files after;
        QString status;
    };
    const Row rows[] = {
        {false, {{"3.txt", "ERA\r\n"}, {"5.txt", "MARCO\r\n"}}, "Ultimato il giro: 2 parole aggiunte"},
        {true, {{"3.txt", "ERA\r\n"}, {"5.txt", "MARCO\r\nDORME\r\n"}, {"6.txt", "STANCA\r\n"}},
         "Ultimato il giro: 2 parole aggiunte"},  // ERA and MARCO are known by then
    };
    folders_.WriteText(QStringLiteral("mare.txt"), text);
    ASSERT_TRUE(window_.Browser().ShowFolder(folders_.texts.path()));
    EXPECT_FALSE(Find<QCheckBox>("readerWords")->isChecked()) << "clear by default";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.readerWords);
        Find<QCheckBox>("readerWords")->setChecked(row.readerWords);
        ClickFile(QStringLiteral("mare.txt"));
        ASSERT_TRUE(WaitForTheEnd());
        EXPECT_EQ(folders_.WordFiles(), row.after) << Describe(folders_.WordFiles());
        EXPECT_EQ(Status()->text(), row.status);
    }
    folders_.WriteText(QStringLiteral("mare.txt"), "uno\r\n");
    ClickFile(QStringLiteral("mare.txt"));
    ASSERT_TRUE(WaitForTheEnd());
    EXPECT_EQ(Status()->text(), QStringLiteral("Ultimato il giro: 1 parola aggiunta"));
}

TEST_F(GleanerWindowTest, FolderListEntersSubfoldersAndGoesBackUp)
{
    QDir(folders_.texts.path()).mkpath(QStringLiteral("libri/romanzi"));
    folders_.WriteText(QStringLiteral("libri/romanzi/manzoni.txt"), "x");
    ASSERT_TRUE(window_.Browser().ShowFolder(folders_.texts.path()));
    auto* folderList = Find<QListWidget>("folderList");

    auto enter = [folderList](const QString& name) {
        const QList<QListWidgetItem*> items = folderList->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        folderList->setCurrentItem(items.first());
        QTest::keyClick(folderList, Qt::Key_Return);
    };
    enter(QStringLiteral("libri"));
    enter(QStringLiteral("romanzi"));
    EXPECT_EQ(window_.Browser().Folder(), QDir(folders_.texts.path()).filePath(QStringLiteral("libri/romanzi")));
    EXPECT_NE(FileItem(QStringLiteral("manzoni.txt")), nullptr);

    enter(FolderBrowser::kParentEntry);
    EXPECT_EQ(window_.Browser().Folder(), QDir(folders_.texts.path()).filePath(QStringLiteral("libri")));
    EXPECT_EQ(FileList()->count(), 0);
    EXPECT_FALSE(window_.Browser().ShowFolder(QDir(folders_.texts.path()).filePath(QStringLiteral("manca"))));
    EXPECT_EQ(window_.Browser().Folder(), QDir(folders_.texts.path()).filePath(QStringLiteral("libri")));
}

TEST_F(GleanerWindowTest, OneClickHarvestsIntoTheProgramFolderWithProgress)
{
    QByteArray text;
    for (int i = 0; i < 30000; ++i)
        text += "la città sul mare, il sole e la luna\r\n";
    folders_.WriteText(QStringLiteral("mare.txt"), text);
    ASSERT_TRUE(window_.Browser().ShowFolder(folders_.texts.path()));

    ClickFile(QStringLiteral("mare.txt"));
    ASSERT_TRUE(window_.Harvesting());
    EXPECT_FALSE(FileList()->isEnabled());
    // The window goes on answering between steps: the bar moves, the label shows a word.
    ASSERT_TRUE(QTest::qWaitFor([this] { return Progress()->value() > 0 || !window_.Harvesting(); }, 20000));
    if (window_.Harvesting()) {
        EXPECT_LT(Progress()->value(), Progress()->maximum());
        EXPECT_TRUE(QStringList({"LA", "CITTA", "SUL", "IL", "SOLE", "LUNA"}).contains(Status()->text()))
            << Status()->text().toStdString();
    }
    ASSERT_TRUE(WaitForTheEnd());

    EXPECT_EQ(Status()->text(), GleanerWindow::kDone + QStringLiteral(": 6 parole aggiunte"));
    EXPECT_EQ(Progress()->value(), Progress()->maximum());
    EXPECT_TRUE(FileList()->isEnabled());
    EXPECT_EQ(folders_.WordFiles(),
              (Files{{"2.txt", "LA\r\nIL\r\n"}, {"3.txt", "SUL\r\n"}, {"4.txt", "SOLE\r\nLUNA\r\n"}, {"5.txt", "CITTA\r\n"}}))
        << Describe(folders_.WordFiles());
    EXPECT_TRUE(fake_.dialogs.asked.empty());
}

TEST_F(GleanerWindowTest, EnterOnAFileHarvestsItAndTheBoxLetsForeignWordsIn)
{
    folders_.WriteText(QStringLiteral("mare.txt"), "jazz e whisky\r\n");
    ASSERT_TRUE(window_.Browser().ShowFolder(folders_.texts.path()));
    Find<QCheckBox>("foreignLetters")->setChecked(true);

    FileList()->setCurrentItem(FileItem(QStringLiteral("mare.txt")));
    QTest::keyClick(FileList(), Qt::Key_Return);
    ASSERT_TRUE(WaitForTheEnd());

    EXPECT_EQ(folders_.WordFiles(), (Files{{"4.txt", "JAZZ\r\n"}, {"6.txt", "WHISKY\r\n"}}));
}

TEST_F(GleanerWindowTest, UnreadableTextIsToldByNameAndTheListComesBack)
{
    folders_.WriteText(QStringLiteral("mare.txt"), "casa\r\n");
    ASSERT_TRUE(window_.Browser().ShowFolder(folders_.texts.path()));
    // Gone between listing and clicking, and a folder in its place.
    QFile::remove(folders_.TextPath(QStringLiteral("mare.txt")));
    QDir(folders_.texts.path()).mkdir(QStringLiteral("mare.txt"));

    ClickFile(QStringLiteral("mare.txt"));
    ASSERT_TRUE(WaitForTheEnd());

    ASSERT_EQ(fake_.dialogs.asked.size(), 1u);
    EXPECT_TRUE(fake_.dialogs.LastText().contains(QStringLiteral("mare.txt"))) << fake_.dialogs.LastText().toStdString();
    EXPECT_TRUE(FileList()->isEnabled());
    EXPECT_NE(Status()->text(), GleanerWindow::kDone);
    EXPECT_TRUE(folders_.WordFiles().empty());
}

TEST_F(GleanerWindowTest, FineDuringAHarvestStopsItKeepingWholeLines)
{
    QByteArray text;
    for (int i = 0; i < 400000; ++i)
        text += "parola" + QByteArray::number(i % 1000).replace('0', 'a').replace('1', 'b').replace('2', 'c')
                    .replace('3', 'd').replace('4', 'e').replace('5', 'f').replace('6', 'g').replace('7', 'h')
                    .replace('8', 'i').replace('9', 'l') + ' ';
    folders_.WriteText(QStringLiteral("mare.txt"), text);
    ASSERT_TRUE(window_.Browser().ShowFolder(folders_.texts.path()));
    window_.show();

    ClickFile(QStringLiteral("mare.txt"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return Progress()->value() > 0; }, 20000));
    QTest::mouseClick(Find<QPushButton>("fine"), Qt::LeftButton);

    EXPECT_FALSE(window_.Harvesting());
    EXPECT_FALSE(window_.isVisible());
    const Files stopped = folders_.WordFiles();
    ASSERT_FALSE(stopped.empty());
    for (const auto& [name, bytes] : stopped)
        EXPECT_TRUE(bytes.endsWith("\r\n")) << name.toStdString();
    QTest::qWait(50);
    EXPECT_EQ(folders_.WordFiles(), stopped);
}

TEST_F(GleanerWindowTest, PictureOpensTheMakersSiteByMouseOrKeyboard)
{
    window_.SetSite(SiteAddress::FromText(QStringLiteral("http://127.0.0.1:8080")));
    auto* site = Find<QPushButton>("makersSite");
    QTest::mouseClick(site, Qt::LeftButton);
    site->setFocus();
    QTest::keyClick(site, Qt::Key_Space);

    EXPECT_EQ(fake_.shell.opened, QStringList(2, QStringLiteral("http://127.0.0.1:8080/")));
    EXPECT_EQ(site->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
}

TEST_F(GleanerWindowTest, WithNoSiteThePictureSaysSoAndOpensNothing)
{
    window_.SetSite(SiteAddress());
    fake_.dialogs.asked.clear();
    QTest::mouseClick(Find<QPushButton>("makersSite"), Qt::LeftButton);
    EXPECT_TRUE(fake_.shell.opened.isEmpty());
    EXPECT_EQ(fake_.dialogs.Texts(), QStringList{SiteAddress::NotSetUpMessage()});
}

TEST_F(GleanerWindowTest, ComparesWithItsWordFilesOnlyUnlessTheSkipBoxIsTickedAsItsManualPageSays)
{
    auto* skip = Find<QCheckBox>("skipKnown");
    ASSERT_NE(skip, nullptr);
    EXPECT_EQ(skip->text().remove('&'), QStringLiteral("Salta le parole già nel dizionario"));
    EXPECT_FALSE(skip->isChecked()) << "clear by default";
    const QString lexicon = folders_.WriteWords(QStringLiteral("SLESSICO.1"), {});
    ASSERT_TRUE(WriteLexiconAt(lexicon, {"CASA", "GATTO"}));
    window_.SetLexiconFile(lexicon);
    folders_.WriteText(QStringLiteral("mare.txt"), {});
    ASSERT_TRUE(window_.Browser().ShowFolder(folders_.texts.path()));

    struct Row {
        const char* what;
        bool skip;
        QByteArray text;
        QByteArray fourLetters;  // 4.txt afterwards
        QByteArray fiveLetters;
    };
    const Row rows[] = {
        {"clear: no lexicon is read, the files alone say what is new", false, "casa\r\n", "CASA\r\n", ""},
        {"ticked: the lexicon's words are skipped", true, "gatto lupo\r\n", "CASA\r\nLUPO\r\n", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        skip->setChecked(row.skip);
        folders_.WriteText(QStringLiteral("mare.txt"), row.text);
        ClickFile(QStringLiteral("mare.txt"));
        ASSERT_TRUE(WaitForTheEnd());
        EXPECT_EQ(folders_.WordFiles()[QStringLiteral("4.txt")], row.fourLetters);
        EXPECT_EQ(folders_.WordFiles().count(QStringLiteral("5.txt")), 0u);
        EXPECT_EQ(Status()->text(), QStringLiteral("Ultimato il giro: 1 parola aggiunta"));
    }

    // Ticked without a lexicon to read: nothing is appended, and the keeper is told.
    window_.SetLexiconFile(folders_.TextPath(QStringLiteral("SLESSICO.9")));
    folders_.WriteText(QStringLiteral("mare.txt"), "sole\r\n");
    ClickFile(QStringLiteral("mare.txt"));
    EXPECT_FALSE(window_.Harvesting());
    EXPECT_TRUE(fake_.dialogs.LastText().startsWith(QStringLiteral("Impossibile leggere il dizionario")));
    EXPECT_EQ(folders_.WordFiles().count(QStringLiteral("4.txt")), 1u);
    EXPECT_EQ(folders_.WordFiles()[QStringLiteral("4.txt")], "CASA\r\nLUPO\r\n");

    // The manual page tells the same: the per-length files are what Gleaner compares with.
    QFile page(QStringLiteral(LETTERAMA_SOURCE_DIR "/assets/packaging/man/gleaner.h2m"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll()).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("Confronta le parole solo con gli elenchi stessi, non con i lessici")));
    EXPECT_TRUE(text.contains(QStringLiteral("Salta le parole già nel dizionario")));
    EXPECT_FALSE(text.contains(QStringLiteral("che i lessici di Letterama non conoscono")));
    EXPECT_FALSE(text.contains(QStringLiteral("I lessici che Gleaner legge")));
}

struct SameFilesCase {
    const char* name;
    QByteArray text;
    Files before;
    bool foreignLetters;
    bool names = false;       // "Separa le parole alla punteggiatura e salta i nomi", --names
    QStringList lexicon = {};  // "Salta le parole già nel dizionario", --skip-known: its words
};


class CommandLineAndWindow : public ::testing::TestWithParam<SameFilesCase> {};

TEST_P(CommandLineAndWindow, LeaveIdenticalFiles)
{
    const SameFilesCase& row = GetParam();
    HarvestFolders byWindow;
    HarvestFolders byCommand;
    for (const auto& [name, bytes] : row.before) {
        byWindow.WriteWords(name, bytes);
        byCommand.WriteWords(name, bytes);
    }
    const QString textPath = byWindow.WriteText(QStringLiteral("mare.txt"), row.text);
    const QString lexicon = byWindow.TextPath(QStringLiteral("SLESSICO.1"));
    if (!row.lexicon.isEmpty()) {
        ASSERT_TRUE(WriteLexiconAt(lexicon, row.lexicon));
    }

    FakePlatform fake;
    GleanerWindow window(fake.platform(), ProgramFiles(byWindow.words.path()));
    window.SetLexiconFile(lexicon);
    window.findChild<QCheckBox*>(QStringLiteral("foreignLetters"))->setChecked(row.foreignLetters);
    window.findChild<QCheckBox*>(QStringLiteral("readerWords"))->setChecked(row.names);
    window.findChild<QCheckBox*>(QStringLiteral("skipKnown"))->setChecked(!row.lexicon.isEmpty());
    window.StartHarvest(textPath);
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.Harvesting(); }, 20000));
    EXPECT_TRUE(fake.dialogs.asked.empty()) << fake.dialogs.LastText().toStdString();

    QStringList arguments{QStringLiteral("harvest")};
    if (row.foreignLetters)
        arguments.append(QStringLiteral("--foreign-letters"));
    if (row.names)
        arguments.append(QStringLiteral("--names"));
    if (!row.lexicon.isEmpty())
        arguments << QStringLiteral("--skip-known") << lexicon;
    arguments << textPath << byCommand.words.path();
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    DictIo io{outStream, errStream};
    ASSERT_EQ(RunDictCommandLine(arguments, io), kDictSuccess) << err.toStdString();
    outStream.flush();

    EXPECT_EQ(byCommand.WordFiles(), byWindow.WordFiles()) << Describe(byWindow.WordFiles());
    EXPECT_FALSE(byWindow.WordFiles() == row.before);
    EXPECT_TRUE(out.startsWith(QStringLiteral("tokens read: "))) << out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CommandLineAndWindow,
    ::testing::Values(
        SameFilesCase{"plain", "la città sul mare\r\ne il sole, la luna\r\n", {}, false},
        SameFilesCase{"existing_files", "casa Casa mare kiwi\r\n", {{"4.txt", "MARE"}, {"4.TXT", "casa\r\n"}}, false},
        SameFilesCase{"foreign_letters", "jazz e whisky e kiwi\r\n", {}, true},
        SameFilesCase{"windows_1252", "perch\xE9 citt\xE0 \xE8 cos\xEC\r\n", {{"6.txt", "PERCHE\r\n"}}, false},
        SameFilesCase{"names", "Era stanca, e Marco dorme.\r\nL'anno di Dante Alighieri: BEIRUT!\r\n", {}, false, true},
        SameFilesCase{"skip_known", "la citt\xC3\xA0 sul mare, il sole\r\n", {{"4.txt", "MARE\r\n"}}, false, false,
                      {"CITTA", "SOLE", "MARE"}},
        SameFilesCase{"names_and_skip_known", "Il gatto di Marco dorme, e il lupo no.\r\n", {}, false, true,
                      {"GATTO", "DORME"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct CommandCase {
    const char* name;
    QStringList arguments;  // "TEXT" and "DIR" stand for the files of the test
    int status;
    const char* out;
    const char* err;
};

class HarvestCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(HarvestCommand, CountsOrComplains)
{
    HarvestFolders folders;
    const QString text = folders.WriteText(QStringLiteral("t.txt"), "la città, il mare e il kiwi\r\n");
    folders.WriteWords(QStringLiteral("3.txt"), "SUL\r\n");
    QStringList arguments{QStringLiteral("harvest")};
    for (const QString& argument : GetParam().arguments)
        arguments.append(argument == QLatin1String("TEXT") ? text
                         : argument == QLatin1String("DIR") ? folders.words.path()
                                                            : argument);
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    DictIo io{outStream, errStream};

    EXPECT_EQ(RunDictCommandLine(arguments, io), GetParam().status);
    outStream.flush();
    errStream.flush();
    EXPECT_EQ(out, QString::fromUtf8(GetParam().out));
    EXPECT_TRUE(err.contains(QString::fromUtf8(GetParam().err))) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, HarvestCommand,
    ::testing::Values(
        CommandCase{"counts", {"TEXT", "DIR"}, kDictSuccess,
                    "tokens read: 7\nwords appended: 3\nwords dropped: 4 (3 not words of 2 to 15 letters, "
                    "1 already in the files)\n",
                    ""},
        CommandCase{"foreign_letters", {"--foreign-letters", "TEXT", "DIR"}, kDictSuccess,
                    "tokens read: 7\nwords appended: 4\nwords dropped: 3 (2 not words of 2 to 15 letters, "
                    "1 already in the files)\n",
                    ""},
        CommandCase{"missing_text", {"none.txt", "DIR"}, kDictFailure,
                    "tokens read: 0\nwords appended: 0\nwords dropped: 0 (0 not words of 2 to 15 letters, "
                    "0 already in the files)\n",
                    "none.txt non esiste"},
        CommandCase{"missing_folder", {"TEXT", "/nonexistent/folder"}, kDictFailure, "", "no such folder"},
        CommandCase{"one_argument", {"TEXT"}, kDictUsage, "", "give the text file and the folder"},
        CommandCase{"unknown_option", {"--fast", "TEXT", "DIR"}, kDictUsage, "", "unknown option '--fast'"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
