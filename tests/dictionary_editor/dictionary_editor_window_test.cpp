// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/dictionary_editor_window.h"

#include "tests/support/fake_platform.h"
#include "platform/ui/hunspell_spell_checker.h"
#include "model/language.h"
#include "tests/support/temp_program_folder.h"
#include "tests/support/tiny_lexicon.h"
#include "platform/core/program_files.h"
#include "dictionary_editor/core/bulk_text.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Replaces every text with a fixed correction, and counts the checks.
class FixedSpelling : public SpellChecker {
public:
    QString SpellCheck(const QString& text) override
    {
        checked.append(text);
        return correction;
    }
    QString correction;
    QStringList checked;
};

class EditorWindowTest : public ::testing::Test {
protected:
    void Open(int language = 1, const QStringList& words = {"ASI", "CASA", "ZERO", "ALBERO"})
    {
        ASSERT_TRUE(WriteTinyLexicon(folder.Path(), language, words));
        lexiconBefore = folder.Read(TableOf(static_cast<Language>(language)).LexiconFileName());
        window = std::make_unique<DictionaryEditorWindow>(DictionaryEditorSetup{
            static_cast<Language>(language), TableOf(static_cast<Language>(language)).LexiconFileName(), ProgramFiles(folder.Path()), fakes.dialogs,
            fakes.http, spelling, [this] { ++rebuilt; }, site});
        window->Open();
    }
    QPushButton* Button(const char* name) { return window->findChild<QPushButton*>(QLatin1String(name)); }
    QListView* View(int length) { return window->findChild<QListView*>(QStringLiteral("list%1").arg(length)); }
    QLabel* Label(const QString& name) { return window->findChild<QLabel*>(name); }
    QLineEdit* WordBox() { return window->findChild<QLineEdit*>(QStringLiteral("wordBox")); }
    QPlainTextEdit* BulkBox() { return window->findChild<QPlainTextEdit*>(QStringLiteral("bulkBox")); }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
    QStringList Words(int length) { return window->Lists().List(length - 3).Words(); }

    TempProgramFolder folder;
    FakePlatform fakes;
    FixedSpelling spelling;
    SiteAddress site = SiteAddress::FromText(QStringLiteral("https://club.example"));
    std::unique_ptr<DictionaryEditorWindow> window;
    QByteArray lexiconBefore;
    int rebuilt = 0;
};

TEST_F(EditorWindowTest, ButtonsWaitForTheLoadAndTheListsShowTheLexicon)
{
    Open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Letterama - Dizionario principale"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->Loading());
    for (const char* name : {"addWord", "deleteWord", "rebuild", "exportFiles", "importFiles", "missingWords"})
        EXPECT_FALSE(Button(name)->isEnabled()) << name;
    EXPECT_EQ(Label("status")->text(), QStringLiteral("In corso la lettura del dizionario ..."));

    QSignalSpy finished(window.get(), &DictionaryEditorWindow::loadFinished);
    ASSERT_TRUE(finished.wait(5000));
    for (const char* name : {"addWord", "deleteWord", "rebuild", "exportFiles", "importFiles", "missingWords"})
        EXPECT_TRUE(Button(name)->isEnabled()) << name;
    EXPECT_EQ(View(4)->model()->rowCount(), 2);
    EXPECT_EQ(View(4)->model()->index(1, 0).data().toString(), QStringLiteral("ZERO"));
    EXPECT_EQ(View(4)->accessibleName(), QStringLiteral("4 Caratt."));
    EXPECT_EQ(Label("count5")->text(), QStringLiteral("(0) parole")) << "an empty section";
    EXPECT_EQ(Label("count4")->text(), QStringLiteral("(2) parole"));
    EXPECT_EQ(Label("total")->text(), QStringLiteral("4"));
    EXPECT_TRUE(Label("status")->text().isEmpty());
}

TEST_F(EditorWindowTest, TypedWordsAreCheckedAndAnsweredWithTheirMessages)
{
    Open();
    window->FinishLoad();
    Click("addWord");
    ASSERT_TRUE(WordBox()->isVisible());
    QTest::keyClicks(WordBox(), QStringLiteral("l1u p"));
    QTest::sendKeyEvent(QTest::Click, WordBox(), Qt::Key_unknown, QStringLiteral("è"), Qt::NoModifier);
    QTest::keyClicks(WordBox(), QStringLiteral("oj"));
    EXPECT_EQ(WordBox()->text(), QStringLiteral("LUPO")) << "only Italian letters, shown upper case";
    QTest::keyClick(WordBox(), Qt::Key_Return);
    EXPECT_EQ(Words(4), QStringList({"CASA", "LUPO", "ZERO"}));
    EXPECT_EQ(View(4)->currentIndex().row(), 1);
    EXPECT_EQ(Label("count4")->text(), QStringLiteral("(3) Parole"));
    EXPECT_TRUE(Label("count4")->styleSheet().contains("red"));
    EXPECT_FALSE(Label("count3")->styleSheet().contains("red"));
    EXPECT_EQ(Label("total")->text(), QStringLiteral("5"));
    EXPECT_TRUE(fakes.dialogs.LastText().startsWith("La parola 'LUPO' è stata momentaneamente aggiunta"));

    struct Row {
        QString typed;
        QString message;
    };
    const Row rows[] = {
        {"casa", "La parola 'CASA' esiste già nel dizionario."},
        {"re", "Nel dizionario sono ammesse solamente parole formate da 3 a 10 caratteri."},
    };
    for (const Row& row : rows) {
        WordBox()->clear();
        QTest::keyClicks(WordBox(), row.typed);
        Click("insertWord");
        EXPECT_EQ(fakes.dialogs.LastText(), row.message);
    }
    EXPECT_EQ(window->Lists().TotalWords(), 5);
}

TEST_F(EditorWindowTest, DeleteNeedsASelectionAndAsksFirst)
{
    Open();
    window->FinishLoad();
    Click("deleteWord");
    EXPECT_EQ(fakes.dialogs.LastText(), QStringLiteral("Selezionare prima una parola da eliminare dal dizionario."));

    QTest::mouseClick(View(4)->viewport(), Qt::LeftButton, {}, View(4)->visualRect(View(4)->model()->index(1, 0)).center());
    fakes.dialogs.answers = {Dialogs::Answer::Cancel};
    Click("deleteWord");
    EXPECT_EQ(fakes.dialogs.LastText(), QStringLiteral("Si desidera veramente eliminare la parola: ZERO"));
    EXPECT_EQ(Words(4), QStringList({"CASA", "ZERO"}));
    Click("deleteWord");
    EXPECT_EQ(Words(4), QStringList({"CASA"}));
    EXPECT_EQ(Label("count4")->text(), QStringLiteral("(1) Parole"));
    EXPECT_TRUE(fakes.dialogs.LastText().startsWith("Parola eliminata"));
}

TEST_F(EditorWindowTest, DoubleClickOnAnEntryEditsIt)
{
    Open();
    window->FinishLoad();
    fakes.dialogs.inputs = {QString("lupo")};
    const QRect zero = View(4)->visualRect(View(4)->model()->index(1, 0));
    // A double-click is a press and release followed by the double-click itself.
    QTest::mouseClick(View(4)->viewport(), Qt::LeftButton, {}, zero.center());
    QTest::mouseDClick(View(4)->viewport(), Qt::LeftButton, {}, zero.center());
    ASSERT_FALSE(fakes.dialogs.asked.empty());
    EXPECT_EQ(fakes.dialogs.asked.back().kind, QStringLiteral("input"));
    EXPECT_EQ(Words(4), QStringList({"CASA", "LUPO"}));
}

TEST_F(EditorWindowTest, RebuildCancelledTouchesNothingAndConfirmedWritesAndReloads)
{
    Open();
    window->FinishLoad();
    window->Lists().InsertWord("LUPO");
    fakes.dialogs.answers = {Dialogs::Answer::Cancel};
    Click("rebuild");
    EXPECT_EQ(fakes.dialogs.LastText(), QStringLiteral("Operazione annulata."));
    EXPECT_EQ(folder.Read("SLESSICO.1"), lexiconBefore);
    EXPECT_EQ(rebuilt, 0);

    Click("rebuild");
    EXPECT_EQ(Label("status")->text(), QStringLiteral("In corso la scrittura del dizionario ..."));
    EXPECT_FALSE(Button("exit")->isEnabled()) << "the window cannot be left while the file is written";
    QSignalSpy reloaded(window.get(), &DictionaryEditorWindow::loadFinished);
    ASSERT_TRUE(reloaded.wait(5000));
    EXPECT_EQ(rebuilt, 1);
    EXPECT_TRUE(folder.Read("SLESSICO.1").contains("ASICASALUPOZERO"));
    EXPECT_EQ(Label("status")->text(), QStringLiteral("Dizionario riscritto correttamente"));
    EXPECT_EQ(Label("count4")->text(), QStringLiteral("(3) parole")) << "the lists agree with the file again";
    EXPECT_TRUE(Button("exit")->isEnabled());
}

TEST_F(EditorWindowTest, BulkImportSummarisesAndTheQuestionLoopStopsAtCancel)
{
    Open();
    window->FinishLoad();
    BulkBox()->setPlainText(QStringLiteral("lupo\nLUPO\nre"));
    Click("importAll");
    EXPECT_TRUE(fakes.dialogs.LastText().contains("Esaminate N. 3 parole\r\nSono state importate 1 parole nuove"));
    EXPECT_TRUE(fakes.dialogs.LastText().contains("scartate  1 parole perchè già presenti"));
    EXPECT_TRUE(fakes.dialogs.LastText().contains("scartate  1 parole perchè o troppo corte"));
    EXPECT_TRUE(window->Lists().Interactive());

    BulkBox()->setPlainText(QStringLiteral("mare\nsole\nluna\nvento"));
    fakes.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::No, Dialogs::Answer::Yes,
                             Dialogs::Answer::Cancel};
    const size_t before = fakes.dialogs.asked.size();
    Click("importWithQuestions");
    ASSERT_EQ(fakes.dialogs.asked.size(), before + 4) << "nothing asked after Cancel";
    EXPECT_EQ(fakes.dialogs.asked[before].text, QStringLiteral("Vuoi inserire la parola MARE nel dizionario?"));
    EXPECT_EQ(Words(4), QStringList({"CASA", "LUNA", "LUPO", "MARE", "ZERO"}));
    EXPECT_EQ(Label("count4")->text(), QStringLiteral("(5) Parole"));
}

TEST_F(EditorWindowTest, MissingWordsFillTheBoxAndAFailedFetchCanBeRetried)
{
    Open();
    window->FinishLoad();
    BulkBox()->setPlainText(QStringLiteral("old"));
    Click("missingWords");
    EXPECT_FALSE(Button("missingWords")->isEnabled());
    ASSERT_EQ(fakes.http.requested, QStringList({"https://club.example/Public/mancanti.txt?Language=1"}));
    fakes.http.Answer(fakes.http.requested.first(), std::nullopt);
    EXPECT_EQ(fakes.dialogs.LastText(), QStringLiteral("Il documento che hai richiesto non è stato trovato"));
    EXPECT_TRUE(Button("missingWords")->isEnabled());
    EXPECT_EQ(BulkBox()->toPlainText(), QStringLiteral("old"));

    Click("missingWords");
    fakes.http.Answer(fakes.http.requested.first(), QByteArray("LUPO\r\nMARE"));
    EXPECT_EQ(BulkBox()->toPlainText(), QStringLiteral("LUPO\nMARE"));

    folder.Write("MANCANTI.TXT", "vento\r\nCASA\r\n");
    QTest::mouseDClick(window->findChild<QToolButton*>(QStringLiteral("missingWordsPicture")), Qt::LeftButton);
    EXPECT_EQ(Words(5), QStringList({"VENTO"}));
    EXPECT_TRUE(window->Lists().Interactive());
}

TEST_F(EditorWindowTest, ALocalMissingWordsListThatCannotBeReadIsSaidAndInsertsNothing)
{
    const struct {
        const char* label;
        std::function<void(const TempProgramFolder&)> make;
        bool said;
    } cases[] = {
        {"no file", [](const TempProgramFolder&) {}, false},
        {"a folder in the way", [](const TempProgramFolder& f) { QDir(f.Path()).mkdir("mancanti.txt"); }, true},
        {"too large", [](const TempProgramFolder& f) { f.Write("mancanti.txt", QByteArray(BulkText::kMaxMissingWordsBytes + 1, 'A')); }, true},
        {"not text", [](const TempProgramFolder& f) { f.Write("mancanti.txt", QByteArray("LUPO\0MARE", 9)); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempProgramFolder caseFolder;
        ASSERT_TRUE(WriteTinyLexicon(caseFolder.Path(), 1, {"CASA"}));
        c.make(caseFolder);
        FakePlatform caseFakes;
        DictionaryEditorWindow editor(DictionaryEditorSetup{Language::Italian, TableOf(Language::Italian).LexiconFileName(),
                                                            ProgramFiles(caseFolder.Path()), caseFakes.dialogs,
                                                            caseFakes.http, spelling, [] {}, site});
        editor.Open();
        editor.FinishLoad();
        QTest::mouseDClick(editor.findChild<QToolButton*>(QStringLiteral("missingWordsPicture")), Qt::LeftButton);
        EXPECT_EQ(caseFakes.dialogs.Texts(),
                  c.said ? QStringList{QStringLiteral("Il file mancanti.txt non è un elenco di parole leggibile")} : QStringList{});
        EXPECT_EQ(editor.Lists().List(1).Words(), QStringList({"CASA"}));
        EXPECT_EQ(editor.Lists().List(0).Words(), QStringList());
    }
}

TEST_F(EditorWindowTest, WithNoSiteTheMissingWordsButtonSaysSoAndStaysUsable)
{
    site = SiteAddress();
    Open();
    window->FinishLoad();
    BulkBox()->setPlainText(QStringLiteral("old"));
    fakes.dialogs.asked.clear();
    Click("missingWords");
    EXPECT_TRUE(fakes.http.requested.isEmpty());
    EXPECT_EQ(fakes.dialogs.Texts(), QStringList{SiteAddress::NotSetUpMessage()});
    EXPECT_TRUE(Button("missingWords")->isEnabled());
    EXPECT_EQ(BulkBox()->toPlainText(), QStringLiteral("old"));
}

TEST_F(EditorWindowTest, SpellCheckReplacesTheLineHoldingTheCaret)
{
    Open();
    window->FinishLoad();
    BulkBox()->setPlainText(QStringLiteral("CASA\nlibero\nMARE"));
    QTextCursor cursor = BulkBox()->textCursor();
    cursor.setPosition(7);
    BulkBox()->setTextCursor(cursor);
    spelling.correction = QStringLiteral("LIBRO");
    Click("spellCheck");
    EXPECT_EQ(spelling.checked, QStringList({"libero"}));
    EXPECT_EQ(BulkBox()->toPlainText(), QStringLiteral("CASA\nLIBRO\nMARE"));
}

TEST(EditorWindowLatin, SpellCheckSaysOnceThatThereIsNoDictionary)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 3, {"LEX", "ROSA"}));
    FakePlatform fakes;
    HunspellSpellChecker hunspell([] { return TableOf(Language::Latin).HunspellLocale; }, fakes.dialogs);
    DictionaryEditorWindow window(DictionaryEditorSetup{Language::Latin, TableOf(Language::Latin).LexiconFileName(), ProgramFiles(folder.Path()),
                                   fakes.dialogs, fakes.http, hunspell, {}});
    window.Open();
    window.FinishLoad();
    window.findChild<QPlainTextEdit*>(QStringLiteral("bulkBox"))->setPlainText(QStringLiteral("rosae puellae"));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("spellCheck")), Qt::LeftButton);
    ASSERT_EQ(fakes.dialogs.asked.size(), 1u);
    EXPECT_TRUE(fakes.dialogs.asked.front().text.startsWith("Nessun dizionario ortografico"));
    EXPECT_EQ(window.findChild<QPlainTextEdit*>(QStringLiteral("bulkBox"))->toPlainText(),
              QStringLiteral("rosae puellae"));
}

TEST(EditorWindowExit, UscitaDuringTheLoadStopsItAndClosesTheWindow)
{
    TempProgramFolder folder;
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, {"CASA"}));
    FakePlatform fakes;
    FixedSpelling spelling;
    DictionaryEditorWindow window(DictionaryEditorSetup{Language::Italian, TableOf(Language::Italian).LexiconFileName(), ProgramFiles(folder.Path()), fakes.dialogs,
                                   fakes.http, spelling, {}});
    window.Open();
    ASSERT_TRUE(window.Loading());
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("exit")), Qt::LeftButton);
    EXPECT_FALSE(window.Loading());
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
