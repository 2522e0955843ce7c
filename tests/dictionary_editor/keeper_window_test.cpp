// SPDX-License-Identifier: GPL-3.0-or-later
// The editor as a keeper uses it: nothing lost on a step off the path (no lexicon, an
// export over harvested words, leaving with changes, Annulla in the edit box), and
// the review of what comes in (search, the changes view, the fit to the screen).
#include "dictionary_editor_window.h"

#include "fake_platform.h"
#include "fake_spell_checker.h"
#include "language.h"
#include "temp_program_folder.h"
#include "tiny_lexicon.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

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
    void Open()
    {
        window = std::make_unique<DictionaryEditorWindow>(DictionaryEditorSetup{
            Language::Italian, TableOf(Language::Italian).LexiconFileName(), folder.Path(), fakes.dialogs,
            fakes.http, spelling, [this] { ++rebuilt; }});
        window->Open();
        window->FinishLoad();
    }
    void OpenOnLexicon(const QStringList& words = {"ASI", "CASA", "ZERO", "ALBERO"})
    {
        ASSERT_TRUE(WriteTinyLexicon(1, words));
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
        DictionaryEditorWindow editor({Language::Italian, TableOf(Language::Italian).LexiconFileName(), here.Path(),
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

}  // namespace
