// SPDX-License-Identifier: GPL-3.0-or-later
// The editor as a keeper uses it: nothing lost on a step off the path (no lexicon, an
// export over harvested words, leaving with changes, Annulla in the edit box), and
// the review of what comes in (search, the changes view, the fit to the screen).
#include "dictionary_editor/ui/dictionary_editor_window.h"

#include "tools/core/dict_command.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_spell_checker.h"
#include "model/language.h"
#include "lexicon/core/lexicon_words.h"
#include "lexicon/core/lexicon_write_lock.h"
#include "platform/core/program_files.h"
#include "platform/core/program_folder.h"
#include "tests/support/temp_program_folder.h"
#include "tests/support/tiny_lexicon.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <map>

#include <gtest/gtest.h>

namespace {

// The word files of a keeper's folder after a harvest: the lists' words, then new ones.
const std::map<QString, QByteArray> kHarvestedFiles = {
    {"3.TXT", "ASI\r\n"},
    {"4.TXT", "CASA\r\nZERO\r\nRAMA\r\nBACO\r\n"},
    {"6.TXT", "ALBERO\r\nCAVOLO\r\n"},
};

class KeeperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& [name, bytes] : kHarvestedFiles)
            folder.Write(name, bytes);
    }
    void Open() { OpenWith(ProgramFiles(folder.Path())); }
    void OpenWith(ProgramFiles files)
    {
        window = std::make_unique<DictionaryEditorWindow>(DictionaryEditorSetup{
            Language::Italian, TableOf(Language::Italian).LexiconFileName(), std::move(files), fakes.dialogs,
            fakes.http, spelling, [this] { ++rebuilt; }});
        window->Open();
        window->FinishLoad();
    }
    void OpenOnLexicon(const QStringList& words = {"ASI", "CASA", "ZERO", "ALBERO"})
    {
        ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, words));
        Open();
    }
    QPushButton* Button(const char* name) { return window->findChild<QPushButton*>(QLatin1String(name)); }
    QListView* View(int length) { return window->findChild<QListView*>(QStringLiteral("list%1").arg(length)); }
    QLabel* Label(const char* name) { return window->findChild<QLabel*>(QLatin1String(name)); }
    QLineEdit* SearchBox() { return window->findChild<QLineEdit*>(QStringLiteral("searchBox")); }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
    QStringList Words(int length) { return window->Lists().List(length - 3).Words(); }
    QStringList Shown(int length)
    {
        QStringList rows;
        for (int row = 0; row < View(length)->model()->rowCount(); ++row)
            rows.append(View(length)->model()->index(row, 0).data().toString());
        return rows;
    }
    bool WordFilesUnchanged()
    {
        for (const auto& [name, bytes] : kHarvestedFiles) {
            if (folder.Read(name) != bytes)
                return false;
        }
        return !folder.Exists("5.TXT") && !folder.Exists("SLESSICO.1");
    }

    TempProgramFolder folder;
    FakePlatform fakes;
    FakeSpellChecker spelling;
    std::unique_ptr<DictionaryEditorWindow> window;
    int rebuilt = 0;
};

TEST_F(KeeperTest, WithoutALexiconNothingIsWrittenUntilAnImportThenALostLexiconIsRebuilt)
{
    struct Row {
        const char* what;
        void (*make)(TempProgramFolder&);
    };
    const Row rows[] = {
        {"missing", [](TempProgramFolder&) {}},
        {"unreadable (a folder of that name)",
         [](TempProgramFolder& folder) { ASSERT_TRUE(QDir(folder.Path()).mkdir("SLESSICO.1")); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempProgramFolder here;
        for (const auto& [name, bytes] : kHarvestedFiles)
            here.Write(name, bytes);
        row.make(here);
        FakePlatform quiet;
        DictionaryEditorWindow editor(DictionaryEditorSetup{Language::Italian, TableOf(Language::Italian).LexiconFileName(), ProgramFiles(here.Path()),
                                       quiet.dialogs, quiet.http, spelling, {}});
        editor.Open();
        ASSERT_FALSE(quiet.dialogs.asked.empty());
        EXPECT_FALSE(editor.findChild<QPushButton*>("exportFiles")->isEnabled());
        EXPECT_FALSE(editor.findChild<QPushButton*>("rebuild")->isEnabled());
        EXPECT_TRUE(editor.findChild<QPushButton*>("importFiles")->isEnabled());
        QTest::mouseClick(editor.findChild<QPushButton*>("exportFiles"), Qt::LeftButton);
        QTest::mouseClick(editor.findChild<QPushButton*>("rebuild"), Qt::LeftButton);
        for (const auto& [name, bytes] : kHarvestedFiles)
            EXPECT_EQ(here.Read(name), bytes) << name.toStdString();
        EXPECT_FALSE(here.Exists("5.TXT"));

        QTest::mouseClick(editor.findChild<QPushButton*>("importFiles"), Qt::LeftButton);
        EXPECT_EQ(editor.Lists().List(1).Words(), QStringList({"BACO", "CASA", "RAMA", "ZERO"}));
        EXPECT_TRUE(editor.findChild<QPushButton*>("rebuild")->isEnabled()) << "import, then rebuild";
        EXPECT_TRUE(editor.findChild<QPushButton*>("exportFiles")->isEnabled());
    }
}

TEST_F(KeeperTest, AfterTheImportOfALostLexiconTheRebuildWritesIt)
{
    Open();
    Click("importFiles");
    QSignalSpy reloaded(window.get(), &DictionaryEditorWindow::loadFinished);
    Click("rebuild");
    ASSERT_TRUE(reloaded.wait(5000));
    EXPECT_TRUE(folder.Read("SLESSICO.1").contains("BACOCASARAMAZERO"));
    EXPECT_EQ(rebuilt, 1);
}

TEST_F(KeeperTest, ExportOverHarvestedWordsAsksAndNoWritesNothing)
{
    OpenOnLexicon();
    Click("exportFiles");
    ASSERT_FALSE(fakes.dialogs.asked.empty());
    EXPECT_EQ(fakes.dialogs.asked.back().kind, QStringLiteral("yesno-default-no"));
    EXPECT_TRUE(fakes.dialogs.LastText().contains("3 parole")) << fakes.dialogs.LastText().toStdString();
    EXPECT_TRUE(fakes.dialogs.LastText().contains("4.TXT (2), 6.TXT (1)")) << fakes.dialogs.LastText().toStdString();
    EXPECT_EQ(folder.Read("4.TXT"), kHarvestedFiles.at("4.TXT"));
    EXPECT_EQ(folder.Read("6.TXT"), kHarvestedFiles.at("6.TXT"));
    EXPECT_FALSE(folder.Exists("5.TXT")) << "No writes no file at all";

    fakes.dialogs.answers = {Dialogs::Answer::Yes};
    Click("exportFiles");
    EXPECT_EQ(folder.Read("4.TXT"), "CASA\r\nZERO\r\n") << "Yes writes the lists";
    EXPECT_TRUE(fakes.dialogs.LastText().startsWith("I files 3.txt, 4.txt ... 10.txt sono stati creati"));

    const size_t asked = fakes.dialogs.asked.size();
    Click("exportFiles");
    EXPECT_EQ(fakes.dialogs.asked.size(), asked + 1) << "nothing to lose: no question, only the message";
}

TEST_F(KeeperTest, LeavingWithChangesNotRebuiltAsks)
{
    struct Row {
        const char* what;
        Dialogs::Answer answer;
        bool stays;
        bool written;
    };
    const Row rows[] = {
        {"Annulla stays", Dialogs::Answer::Cancel, true, false},
        {"No leaves without saving", Dialogs::Answer::No, false, false},
        {"Yes rebuilds, then leaves", Dialogs::Answer::Yes, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        OpenOnLexicon();
        const QByteArray before = folder.Read("SLESSICO.1");
        Click("exit");
        EXPECT_FALSE(window->isVisible()) << "no change: no question";
        window->Open();
        window->FinishLoad();
        const size_t asked = fakes.dialogs.asked.size();
        Click("importFiles");
        EXPECT_TRUE(Label("count4")->styleSheet().contains("red")) << "imported words are not in the file yet";
        fakes.dialogs.answers = {row.answer};
        QSignalSpy reloaded(window.get(), &DictionaryEditorWindow::loadFinished);
        window->close();  // the window's close button
        ASSERT_EQ(fakes.dialogs.asked.size(), asked + 1);
        EXPECT_EQ(fakes.dialogs.asked.back().kind, QStringLiteral("yesnocancel"));
        if (row.written) {
            ASSERT_TRUE(reloaded.wait(5000));
        }
        EXPECT_EQ(window->isVisible(), row.stays);
        EXPECT_EQ(folder.Read("SLESSICO.1") != before, row.written);
        EXPECT_EQ(window->Lists().AnyChanged(), !row.written);
    }
}

TEST_F(KeeperTest, AnnullaInTheEditBoxKeepsTheWord)
{
    OpenOnLexicon();
    fakes.dialogs.inputs = {std::nullopt};
    const QRect zero = View(4)->visualRect(View(4)->model()->index(1, 0));
    QTest::mouseClick(View(4)->viewport(), Qt::LeftButton, {}, zero.center());
    QTest::mouseDClick(View(4)->viewport(), Qt::LeftButton, {}, zero.center());
    ASSERT_EQ(fakes.dialogs.asked.back().kind, QStringLiteral("input"));
    EXPECT_EQ(Words(4), QStringList({"CASA", "ZERO"}));
    EXPECT_FALSE(window->Lists().AnyChanged());
}

TEST_F(KeeperTest, TheSearchBoxSelectsEachWordThatBeginsWithWhatIsTyped)
{
    OpenOnLexicon({"ASI", "CASA", "ZERO", "CASATA", "CASTA"});
    struct Row {
        const char* keys;  // typed, "\n" for Enter
        int list;          // the length of the list with the selection
        QString selected;  // empty: no match
    };
    const Row rows[] = {
        {"ca", 4, "CASA"}, {"\n", 5, "CASTA"}, {"\n", 6, "CASATA"}, {"\n", 4, "CASA"},
        {"sat", 6, "CASATA"}, {"x", 0, ""},
    };
    SearchBox()->setFocus();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.keys);
        if (QLatin1String(row.keys) == QLatin1String("\n"))
            QTest::keyClick(SearchBox(), Qt::Key_Return);
        else
            QTest::keyClicks(SearchBox(), QString::fromLatin1(row.keys));
        if (row.selected.isEmpty()) {
            EXPECT_TRUE(Label("status")->text().contains("non è in nessun elenco"));
            continue;
        }
        EXPECT_EQ(View(row.list)->currentIndex().data().toString(), row.selected);
    }
}

TEST_F(KeeperTest, TheReviewShowsWhatTheRebuildAddsAndRemovesAndDeletesFromThere)
{
    OpenOnLexicon({"ASI", "CASA", "LUPO", "ZERO", "CAPRA", "ALBERO"});
    fakes.dialogs.answers = {Dialogs::Answer::Yes};  // the files replace the lists: LUPO goes
    Click("importFiles");
    auto* review = window->findChild<QCheckBox*>(QStringLiteral("reviewChanges"));
    review->setChecked(true);
    EXPECT_EQ(Shown(4), QStringList({"+ BACO", "+ RAMA", "- LUPO"}));
    EXPECT_TRUE(Shown(5).isEmpty()) << "no 5.TXT: the list stays as loaded";
    EXPECT_EQ(Shown(6), QStringList({"+ CAVOLO"}));
    EXPECT_TRUE(Shown(3).isEmpty());

    // A harvested name is deleted before the rebuild.
    QTest::mouseClick(View(6)->viewport(), Qt::LeftButton, {}, View(6)->visualRect(View(6)->model()->index(0, 0)).center());
    fakes.dialogs.answers = {Dialogs::Answer::Ok};
    Click("deleteWord");
    EXPECT_EQ(Words(6), QStringList({"ALBERO"}));
    EXPECT_TRUE(Shown(6).isEmpty());
    EXPECT_EQ(Shown(4), QStringList({"+ BACO", "+ RAMA", "- LUPO"}));

    review->setChecked(false);
    EXPECT_EQ(Shown(4), QStringList({"BACO", "CASA", "RAMA", "ZERO"}));
}

TEST_F(KeeperTest, TheWindowFitsA1024x768ScreenAndScrollsOnASmallerOne)
{
    OpenOnLexicon({"ASI", "CASA"});
    window->Lists().InsertWord("ABBANDONAI");
    struct Row {
        QSize screen;
        bool whole;
    };
    // 960x540: a 1920x1080 screen at twice the scale.
    const Row rows[] = {{{1024, 768}, true}, {{960, 540}, true}, {{640, 400}, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.screen.width());
        window->resize(row.screen - QSize(0, 40));  // less a title bar and a panel
        QTest::qWait(0);
        auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("editorScroll"));
        ASSERT_NE(scroll, nullptr);
        const QWidget* page = scroll->widget();
        const QSize least = page->minimumSizeHint();
        const bool whole = scroll->viewport()->width() >= least.width() && scroll->viewport()->height() >= least.height();
        EXPECT_EQ(whole, row.whole) << least.width() << "x" << least.height();
        // Never clipped: what does not fit scrolls.
        EXPECT_GE(page->width(), least.width());
        EXPECT_GE(page->height(), least.height());
        if (!row.whole) {
            EXPECT_GT(scroll->verticalScrollBar()->maximum() + scroll->horizontalScrollBar()->maximum(), 0);
        }
        // The 10-letter list never cuts a word nor scrolls sideways.
        const QListView* ten = View(10);
        EXPECT_EQ(ten->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        const int text = ten->fontMetrics().horizontalAdvance(QStringLiteral("ABBANDONAI"));
        EXPECT_GE(ten->viewport()->width(), text);
        // The Internet note and the word box never overlap.
        Click("addWord");
        const QWidget* note = window->findChild<QLabel*>(QStringLiteral("internetNote"));
        const QWidget* box = window->findChild<QLineEdit*>(QStringLiteral("wordBox"));
        const QRect noteRect(note->mapTo(window.get(), QPoint()), note->size());
        const QRect boxRect(box->mapTo(window.get(), QPoint()), box->size());
        EXPECT_FALSE(noteRect.intersects(boxRect));
        EXPECT_GE(note->height(), note->heightForWidth(note->width()));
    }
}

// The words of one length of the lexicon file in `folder`.
QStringList LexiconWordsOf(const TempProgramFolder& folder, int length)
{
    const std::shared_ptr<const LexiconWords> words = LexiconWords::Load(folder.FilePath(QStringLiteral("SLESSICO.1")));
    QStringList list;
    for (std::int32_t k = 0; words && k < words->Count(length); ++k)
        list.append(QString::fromLatin1(words->Word(length, k)));
    return list;
}

TEST_F(KeeperTest, ImportOverWordsTheFilesLackAsksNamingThemAndNoAddsTheFilesWordsInstead)
{
    struct Row {
        const char* what;
        void (*change)(DictionaryEditorWindow&);  // the keeper's work before the import
        std::optional<Dialogs::Answer> answer;    // nothing: the default
        const char* named;                        // in the question; empty: no question
        QStringList four;                         // the 4-letter list afterwards
        QStringList six;
    };
    const Row rows[] = {
        {"a harvest's files lack LUPO and CALORE: the default adds", [](DictionaryEditorWindow&) {}, std::nullopt,
         "2 parole che i files non hanno e che andrebbero perse sostituendo gli elenchi con i files (1 di 4 lettere, "
         "1 di 6 lettere)",
         {"BACO", "CASA", "LUPO", "RAMA", "ZERO"}, {"ALBERO", "CALORE", "CAVOLO"}},
        {"Yes replaces", [](DictionaryEditorWindow&) {}, Dialogs::Answer::Yes, "(1 di 4 lettere, 1 di 6 lettere)",
         {"BACO", "CASA", "RAMA", "ZERO"}, {"ALBERO", "CAVOLO"}},
        {"a word added by hand and three bulk words, not rebuilt",
         [](DictionaryEditorWindow& editor) {
             for (const char* word : {"MELA", "PERA", "FICO", "BANANE"})
                 editor.Lists().InsertWord(QLatin1String(word));
         },
         std::nullopt, "6 parole che i files non hanno", {"BACO", "CASA", "FICO", "LUPO", "MELA", "PERA", "RAMA", "ZERO"},
         {"ALBERO", "BANANE", "CALORE", "CAVOLO"}},
        {"a deletion not rebuilt that the files would undo",
         [](DictionaryEditorWindow& editor) {
             editor.Lists().RemoveWord(1, *editor.Lists().List(1).IndexOf("CASA"));
         },
         Dialogs::Answer::No, "i files contengono 1 parola cancellata dagli elenchi",
         {"BACO", "CASA", "LUPO", "RAMA", "ZERO"}, {"ALBERO", "CALORE", "CAVOLO"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        OpenOnLexicon({"ASI", "CASA", "LUPO", "ZERO", "ALBERO", "CALORE"});
        row.change(*window);
        fakes.dialogs.asked.clear();
        if (row.answer)
            fakes.dialogs.answers = {*row.answer};
        Click("importFiles");
        ASSERT_FALSE(fakes.dialogs.asked.empty());
        EXPECT_EQ(fakes.dialogs.asked.front().kind, QStringLiteral("yesno-default-no"));
        EXPECT_TRUE(fakes.dialogs.asked.front().text.contains(QLatin1String(row.named)))
            << fakes.dialogs.asked.front().text.toStdString();
        EXPECT_EQ(Words(4), row.four);
        EXPECT_EQ(Words(6), row.six);
        EXPECT_EQ(Words(3), QStringList({"ASI"}));
        EXPECT_TRUE(window->Lists().AnyChanged());
    }
}

TEST_F(KeeperTest, ImportOfTheListsOwnWordsAsksNothing)
{
    OpenOnLexicon({"ASI", "CASA", "ZERO", "ALBERO"});
    fakes.dialogs.answers = {Dialogs::Answer::Yes};
    Click("exportFiles");  // over the harvested words, as asked
    fakes.dialogs.asked.clear();
    Click("importFiles");
    EXPECT_TRUE(fakes.dialogs.asked.empty()) << fakes.dialogs.LastText().toStdString();
    EXPECT_EQ(Words(4), QStringList({"CASA", "ZERO"}));
    EXPECT_FALSE(window->Lists().AnyChanged());
}

TEST_F(KeeperTest, SeveralSelectedWordsGoInOneDelete)
{
    OpenOnLexicon({"ASI", "CASA", "ZERO", "ALBERO"});
    fakes.dialogs.answers = {Dialogs::Answer::No};  // add the harvest
    Click("importFiles");
    window->findChild<QCheckBox*>(QStringLiteral("reviewChanges"))->setChecked(true);
    ASSERT_EQ(Shown(4), QStringList({"+ BACO", "+ RAMA"}));
    const auto rowCenter = [this](int row) { return View(4)->visualRect(View(4)->model()->index(row, 0)).center(); };
    QTest::mouseClick(View(4)->viewport(), Qt::LeftButton, {}, rowCenter(0));
    QTest::mouseClick(View(4)->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCenter(1));
    fakes.dialogs.asked.clear();
    fakes.dialogs.answers = {Dialogs::Answer::Ok};
    Click("deleteWord");
    ASSERT_EQ(fakes.dialogs.asked.size(), 2u) << "one question, one message";
    EXPECT_EQ(fakes.dialogs.asked[0].kind, QStringLiteral("okcancel"));
    EXPECT_EQ(fakes.dialogs.asked[0].text, QStringLiteral("Si desidera veramente eliminare le 2 parole: BACO, RAMA"));
    EXPECT_EQ(Words(4), QStringList({"CASA", "ZERO"}));
    EXPECT_TRUE(Shown(4).isEmpty());
}

TEST_F(KeeperTest, TheExportOfAnInstalledCopyNamesTheFolderTheFilesWentTo)
{
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, {"ASI", "CASA", "ZERO", "ALBERO", "LUPO"}));
    folder.Write(QString::fromLatin1(ProgramFolder::kInstalledMarker), "");
    QTemporaryDir home;
    const QString user = QDir(home.path()).filePath(QStringLiteral("letterama"));
    const ProgramFiles installed = ProgramFiles::Of(folder.Path(), user);
    ASSERT_TRUE(installed.HasUserFolder());
    OpenWith(installed);
    for (const auto& [name, bytes] : kHarvestedFiles)
        QFile::remove(folder.FilePath(name));
    Click("exportFiles");
    EXPECT_EQ(fakes.dialogs.LastText(),
              QStringLiteral("I files 3.txt, 4.txt ... 10.txt sono stati creati correttamente nella cartella dei dati "
                             "di Letterama : ") + QDir::toNativeSeparators(user));
    EXPECT_TRUE(QFile::exists(QDir(user).filePath(QStringLiteral("4.TXT"))));
    EXPECT_FALSE(folder.Exists(QStringLiteral("4.TXT"))) << "the install tree is left alone";
}

TEST_F(KeeperTest, ARebuildOverALexiconRewrittenMeanwhileOrUnderWayElsewhereWritesNothing)
{
    struct Row {
        const char* what;
        bool otherRebuild;  // letterama-dict rebuilt the file after the editor read it
        bool locked;        // another rebuild holds the lock now
        const char* says;
    };
    const Row rows[] = {
        {"another rebuild under way", false, true, "Un'altra ricostruzione del dizionario SLESSICO.1 è in corso"},
        {"rewritten by letterama-dict", true, false, "è stato riscritto da un altro programma"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        OpenOnLexicon({"ASI", "CASA", "ZERO", "ALBERO"});
        window->Lists().InsertWord(QStringLiteral("MELA"));  // the editor's own change
        if (row.otherRebuild) {
            ASSERT_TRUE(QDir(folder.Path()).mkpath(QStringLiteral("other")));
            folder.Write(QStringLiteral("other/5.TXT"), "MARMO\r\n");
            QString out;
            QString err;
            QTextStream outStream(&out);
            QTextStream errStream(&err);
            DictIo io{outStream, errStream, folder.Path()};
            ASSERT_EQ(RunDictCommandLine({"rebuild", "other", "--add"}, io), kDictSuccess) << err.toStdString();
        }
        std::optional<LexiconWriteLock> lock;
        if (row.locked)
            lock.emplace(folder.FilePath(QStringLiteral("SLESSICO.1")));
        const QByteArray before = folder.Read(QStringLiteral("SLESSICO.1"));
        fakes.dialogs.asked.clear();
        Click("rebuild");
        QTest::qWait(50);  // the rebuild starts once the status is painted
        ASSERT_FALSE(fakes.dialogs.asked.empty());
        EXPECT_TRUE(fakes.dialogs.LastText().contains(QString::fromUtf8(row.says)))
            << fakes.dialogs.LastText().toStdString();
        EXPECT_EQ(folder.Read(QStringLiteral("SLESSICO.1")), before) << "nothing written";
        EXPECT_TRUE(window->Lists().List(1).IndexOf(QStringLiteral("MELA"))) << "the editor's change is kept";
        EXPECT_TRUE(Button("rebuild")->isEnabled());
        lock.reset();
    }
    // Once the other writer is done and the lists are read again, the rebuild writes.
    window->Open();
    window->FinishLoad();
    window->Lists().InsertWord(QStringLiteral("MELA"));
    QSignalSpy reloaded(window.get(), &DictionaryEditorWindow::loadFinished);
    Click("rebuild");
    ASSERT_TRUE(reloaded.wait(5000));
    EXPECT_EQ(LexiconWordsOf(folder, 4), QStringList({"CASA", "MELA", "ZERO"}));
    EXPECT_EQ(LexiconWordsOf(folder, 5), QStringList({"MARMO"}));
}

}  // namespace
