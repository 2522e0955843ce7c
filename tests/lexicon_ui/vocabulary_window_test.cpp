// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/ui/vocabulary_window.h"

#include "tests/support/fake_platform.h"
#include "model/game_state.h"
#include "model/language.h"
#include "lexicon/core/personal_vocabulary.h"
#include "platform/core/program_files.h"
#include "platform/core/program_folder.h"
#include "tests/support/run_until.h"
#include "tests/support/temp_program_folder.h"
#include "tests/support/tiny_lexicon.h"
#include "tests/support/when_modal_opens.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QFile>
#include <QFileDevice>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kAlphabetMessage = QStringLiteral(
    "Sono stati utilizzati uno o più caratteri non contemplati dall'alfabeto oppure caratteri numerici!");

class VocabularyWindowTest : public ::testing::Test {
protected:
    VocabularyWindowTest()
    {
        state.Settings.LexiconLanguage = static_cast<Language>(1);
        state.Settings.LetterCount = 8;
        state.Alphabet = TableOf(Language::Italian).Alphabet;
        WriteTinyLexicon(folder.Path(), 1, {"CASA", "TRENO", "ALBERO"});
        folder.Write("USERVOCA.1", "PIPPO\r\npluto\r\n");
    }

    void OpenWindow()
    {
        window.Load();
        window.show();
    }
    QPushButton* Button(const char* name) { return window.findChild<QPushButton*>(QLatin1String(name)); }
    QLineEdit* WordBox() { return window.findChild<QLineEdit*>(QStringLiteral("wordBox")); }
    QListWidget* List() { return window.findChild<QListWidget*>(QStringLiteral("words")); }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
    // "&Nuova parola", the word typed, then Enter.
    void Enter(const QString& typed)
    {
        Click("newWord");
        QTest::keyClicks(WordBox(), typed);
        QTest::keyClick(WordBox(), Qt::Key_Return);
    }

    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    GameState state;
    FakeDialogs dialogs;
    VocabularyWindow window{state.Settings, files, dialogs};
};

TEST_F(VocabularyWindowTest, ListShowsTheFileInUpperCaseAndTheWordBoxWaitsForNuovaParola)
{
    OpenWindow();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Edit vocabolario personale"));
    EXPECT_EQ(window.Words(), QStringList({"PIPPO", "PLUTO"}));
    EXPECT_TRUE(WordBox()->isHidden());
    EXPECT_FALSE(Button("insertWord")->isEnabled());

    Click("newWord");
    EXPECT_FALSE(WordBox()->isHidden());
    EXPECT_TRUE(Button("insertWord")->isEnabled());
}

TEST_F(VocabularyWindowTest, OpeningCreatesAMissingFileEmpty)
{
    state.Settings.LexiconLanguage = static_cast<Language>(2);
    state.Alphabet = TableOf(Language::English).Alphabet;
    OpenWindow();
    EXPECT_TRUE(folder.Exists("USERVOCA.2"));
    EXPECT_EQ(folder.Read("USERVOCA.2"), QByteArray());
    EXPECT_TRUE(window.Words().isEmpty());
}

TEST_F(VocabularyWindowTest, RefusedWordsShowTheirMessageAndLeaveTheListAlone)
{
    const std::pair<QString, QString> cases[] = {
        {"gatto7", kAlphabetMessage},
        {"jazz", kAlphabetMessage},  // no J in the Italian alphabet
        {"casa", QStringLiteral("Parola già inserita nel vocabolario generale!")},
        {"ALBERO", QStringLiteral("Parola già inserita nel vocabolario generale!")},
        {"Pluto", QStringLiteral("Parola già inserita nel vocabolario personale!")},
    };
    OpenWindow();
    for (const auto& [typed, message] : cases) {
        dialogs.asked.clear();
        Enter(typed);
        EXPECT_EQ(dialogs.Texts(), QStringList{message}) << typed.toStdString();
        EXPECT_EQ(window.Words(), QStringList({"PIPPO", "PLUTO"})) << typed.toStdString();
        EXPECT_EQ(WordBox()->text(), typed) << "kept for correction";
    }
}

TEST_F(VocabularyWindowTest, NewWordJoinsTheEndOfTheListInUpperCaseOnEnterOrButton)
{
    OpenWindow();
    Enter("paperino");
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_TRUE(WordBox()->text().isEmpty());

    QTest::keyClicks(WordBox(), "Topolino");
    Click("insertWord");
    EXPECT_EQ(window.Words(), QStringList({"PIPPO", "PLUTO", "PAPERINO", "TOPOLINO"}));
    // Said while the focus stays in the word box, on a line a screen reader speaks.
    const auto* added = window.findChild<QLabel*>(QStringLiteral("addedNotice"));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->text(), QStringLiteral("Parola TOPOLINO aggiunta al vocabolario personale"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(const_cast<QLabel*>(added))->role(), QAccessible::Notification);

    Enter("paperino");  // the same word a second time
    EXPECT_EQ(dialogs.LastText(), QStringLiteral("Parola già inserita nel vocabolario personale!"));
    EXPECT_EQ(window.Words().count(QStringLiteral("PAPERINO")), 1);
    EXPECT_EQ(folder.Read("USERVOCA.1"), QByteArray("PIPPO\r\npluto\r\n")) << "only going back saves";
}

TEST_F(VocabularyWindowTest, ShortWordQuestionOkGoesBackToTheBoxCancelEndsTheEntry)
{
    OpenWindow();
    dialogs.answers = {Dialogs::Answer::Ok, Dialogs::Answer::Cancel};

    Enter("re");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, QStringLiteral("okcancel"));
    EXPECT_EQ(dialogs.asked[0].text,
              QStringLiteral("La parola deve essere composta da 3 a 8 caratteri, vuoi continuare?"));
    EXPECT_FALSE(WordBox()->isHidden());
    EXPECT_EQ(WordBox()->text(), QStringLiteral("re"));

    QTest::keyClick(WordBox(), Qt::Key_Return);
    EXPECT_EQ(dialogs.asked.size(), 2u);
    EXPECT_TRUE(WordBox()->isHidden());
    EXPECT_FALSE(Button("insertWord")->isEnabled());
    EXPECT_EQ(window.Words(), QStringList({"PIPPO", "PLUTO"}));
}

TEST_F(VocabularyWindowTest, EscEmptiesTheBoxAndAddsNothing)
{
    OpenWindow();
    Click("newWord");
    QTest::keyClicks(WordBox(), "zorro");
    QTest::keyClick(WordBox(), Qt::Key_Escape);

    EXPECT_TRUE(WordBox()->text().isEmpty());
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_TRUE(window.isVisible()) << "Esc in the word box does not close the window";
    EXPECT_EQ(window.Words(), QStringList({"PIPPO", "PLUTO"}));
}

TEST_F(VocabularyWindowTest, MissingLexiconIsReportedAndTheWordIsNotAdded)
{
    QFile::remove(folder.FilePath("SLESSICO.1"));
    OpenWindow();
    Enter("zorro");
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.1")});
    EXPECT_EQ(window.Words(), QStringList({"PIPPO", "PLUTO"}));
}

TEST_F(VocabularyWindowTest, DeleteNeedsAWordAndASelection)
{
    OpenWindow();
    List()->clearSelection();
    Click("deleteWord");
    EXPECT_EQ(dialogs.LastText(), QStringLiteral("Occorre prima selezionare la parola da cancellare!"));
    EXPECT_EQ(window.Words().size(), 2);

    List()->item(0)->setSelected(true);
    Click("deleteWord");
    EXPECT_EQ(window.Words(), QStringList{QStringLiteral("PLUTO")});
    List()->item(0)->setSelected(true);
    Click("deleteWord");
    EXPECT_TRUE(window.Words().isEmpty());

    Click("deleteWord");
    EXPECT_EQ(dialogs.LastText(), QStringLiteral("Non ci sono parole da cancellare dal vocabolario privato!"));
}

TEST_F(VocabularyWindowTest, EnteringTheListTellsOfItsCurrentWord)
{
    OpenWindow();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Button("newWord")->setFocus();
    List()->setCurrentRow(1);
    // A view tells a screen reader of an item when its current one changes while it
    // has the focus; the rows it would tell of are the ones changed that way.
    QList<int> toldRows;
    QObject::connect(List()->selectionModel(), &QItemSelectionModel::currentChanged, &window,
            [&](const QModelIndex& current) {
                if (List()->hasFocus() && current.isValid())
                    toldRows.append(current.row());
            });

    List()->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(RunUntil([&] { return !toldRows.isEmpty(); }, 2000)) << "the list was heard by its name alone";
    EXPECT_EQ(toldRows.count(1), toldRows.size()) << "only the current word is told";
    EXPECT_EQ(List()->currentRow(), 1) << "the first Down goes on from the word heard";
}

TEST_F(VocabularyWindowTest, GoingBackAfterDeletingEverythingLeavesAnEmptyFile)
{
    bool ran = false;
    WhenModalOpens([&](QWidget*) {
        ran = true;
        while (List()->count() > 0) {
            List()->item(0)->setSelected(true);
            Click("deleteWord");
        }
        Click("backToGame");
    });
    window.Open();
    EXPECT_TRUE(RunUntil([&] { return ran && !window.isVisible(); }, 5000));

    EXPECT_TRUE(ran);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(folder.Exists("USERVOCA.1"));
    EXPECT_EQ(folder.Read("USERVOCA.1"), QByteArray());
}

TEST_F(VocabularyWindowTest, GoingBackSavesTheListInUpperCaseInListOrder)
{
    OpenWindow();
    Enter("zorro");
    Click("backToGame");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(folder.Read("USERVOCA.1"), QByteArray("PIPPO\r\nPLUTO\r\nZORRO\r\n"));
}

TEST_F(VocabularyWindowTest, AFailedSaveOffersToRetryOrToLeaveWithoutSaving)
{
    struct Case {
        const char* label;
        std::deque<Dialogs::Answer> answers;
        int failingSaves;     // how many saves fail before the disk has room again
        QByteArray fileAfter;
    };
    const Case cases[] = {
        {"leave at once", {Dialogs::Answer::No}, 5, "PIPPO\r\npluto\r\n"},
        {"retry, then leave", {Dialogs::Answer::Yes, Dialogs::Answer::No}, 5, "PIPPO\r\npluto\r\n"},
        {"retry succeeds", {Dialogs::Answer::Yes}, 1, "PIPPO\r\nPLUTO\r\nZORRO\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        folder.Write("USERVOCA.1", "PIPPO\r\npluto\r\n");
        dialogs.asked.clear();
        dialogs.answers = c.answers;
        OpenWindow();
        Enter("zorro");
        int failuresLeft = c.failingSaves;
        // The window writes through the fixture's files: these are they until the case ends.
        files = ProgramFiles(folder.Path()).WithWriteStep([&failuresLeft](QFileDevice& file, const QByteArray& bytes) {
            if (failuresLeft-- > 0)
                return false;
            return file.write(bytes) == bytes.size() && file.flush();
        });
        QTest::keyClick(&window, Qt::Key_Escape);
        files = ProgramFiles(folder.Path());

        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(dialogs.asked.size(), c.answers.size());
        for (const FakeDialogs::Question& question : dialogs.asked) {
            EXPECT_EQ(question.kind, QStringLiteral("yesno"));
            EXPECT_TRUE(question.text.contains(QStringLiteral("USERVOCA.1")));
        }
        EXPECT_EQ(folder.Read("USERVOCA.1"), c.fileAfter);
    }
}

TEST_F(VocabularyWindowTest, AFileThatCannotBeReadIsToldAndNeverOverwritten)
{
    struct Case {
        const char* label;
        QByteArray contents;
        const char* expectedWords;
    };
    const Case cases[] = {
        {"over the size limit", QByteArray(PersonalVocabulary::kMaxFileBytes + 1, 'A'), "troppo grande"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        folder.Write("USERVOCA.1", c.contents);
        dialogs.asked.clear();
        OpenWindow();
        EXPECT_EQ(List()->count(), 0);
        EXPECT_TRUE(dialogs.LastText().contains(QLatin1String(c.expectedWords))) << dialogs.LastText().toStdString();
        Enter("zorro");
        Click("backToGame");
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(folder.Read("USERVOCA.1"), c.contents);
    }
}

TEST_F(VocabularyWindowTest, RulesButtonShowsTheRulesFileOrItsError)
{
    OpenWindow();
    Click("rules");
    EXPECT_EQ(dialogs.LastText(),
              QStringLiteral("ERRORE 0001: File contenente le regole sulle parole non trovato: REGPAROL.TXT"));

    folder.Write("REGPAROL.TXT", "Solo parole italiane.\r\nNiente nomi propri.\r\n");
    Click("rules");
    EXPECT_EQ(dialogs.LastText(), QStringLiteral("Solo parole italiane.\nNiente nomi propri."));
}

TEST_F(VocabularyWindowTest, EnglishTakesJAndReadsItsOwnFile)
{
    state.Settings.LexiconLanguage = static_cast<Language>(2);
    state.Alphabet = TableOf(Language::English).Alphabet;
    WriteTinyLexicon(folder.Path(), 2, {"HOUSE"});
    OpenWindow();
    Enter("jazz");
    Enter("house");
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Parola già inserita nel vocabolario generale!")});
    Click("backToGame");
    EXPECT_EQ(folder.Read("USERVOCA.2"), QByteArray("JAZZ\r\n"));
    EXPECT_EQ(folder.Read("USERVOCA.1"), QByteArray("PIPPO\r\npluto\r\n"));
}

}  // namespace

TEST_F(VocabularyWindowTest, ReadsAndSavesTheVocabularyOfTheFilesItIsHanded)
{
    // Another copy's folder, not the current one: its list is shown and saved there.
    QTemporaryDir other;
    ProgramFiles otherFiles(other.path());
    ASSERT_TRUE(otherFiles.WriteWhole(QStringLiteral("USERVOCA.1"), "CANE\r\n"));
    VocabularyWindow elsewhere(state.Settings, otherFiles, dialogs);
    elsewhere.Load();
    EXPECT_EQ(elsewhere.Words(), QStringList({"CANE"}));
    elsewhere.reject();
    EXPECT_EQ(otherFiles.ReadAll(QStringLiteral("USERVOCA.1")), QByteArray("CANE\r\n"));
    EXPECT_EQ(folder.Read(QStringLiteral("USERVOCA.1")), QByteArray("PIPPO\r\npluto\r\n"));
}
