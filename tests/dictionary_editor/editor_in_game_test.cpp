// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"

#include "tools/core/dict_command.h"
#include "dictionary_editor/ui/dictionary_editor_window.h"
#include "game/ui/main_menu.h"
#include "scoring/ui/results_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <gtest/gtest.h>

// The results board, once judged, is read and closed as the player would. Any other
// modal window (the confirmation of an unknown word) is closed and counted, so that a
// word the game does not know fails the test instead of holding it.
class EditorInGameTest : public PlayTest {
protected:
    struct Manche {
        int humanPoints = -1;
        int otherWindows = 0;
    };

    // Plays a manche on CASTELLOAR with "cartello" typed, up to its judged results.
    Manche PlayCartello()
    {
        Manche manche;
        QTimer answer;
        answer.setInterval(1);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* results = qobject_cast<ResultsWindow*>(modal);
            if (modal && !results && modal->isVisible()) {
                ++manche.otherWindows;
                modal->close();
                return;
            }
            if (!results || !results->Evaluated())
                return;
            answer.stop();
            manche.humanPoints = State().TotalScores[0];
            results->findChild<QPushButton*>(QStringLiteral("continueButton"))->click();
        });
        answer.start();
        DrawTyped(QStringLiteral("CASTELLOAR"));
        QTest::keyClicks(View().WordBox(0), QStringLiteral("cartello"));
        QTest::keyClick(View().WordBox(0), Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return manche.humanPoints >= 0; }, 10000)) << "no judged results";
        return manche;
    }
};

// A keeper adds a word in the dictionary editor and rebuilds the lexicon; the very
// next manche judges that word with the new lexicon, without a restart.
TEST_F(EditorInGameTest, AWordAddedAndRebuiltInTheEditorCountsInTheNextManche)
{
    Start();
    ASSERT_EQ(Window().Lexicon().SectionCount[8], 1) << "CASTELLO only";

    Window().Menu()->Action(MainMenu::Command::ManageDictionary)->trigger();
    auto* editor = Window().findChild<DictionaryEditorWindow*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Letterama - Dizionario principale"));
    EXPECT_EQ(QApplication::activeModalWidget(), editor);
    editor->FinishLoad();
    EXPECT_EQ(editor->Lists().TotalWords(), kWords.size());

    editor->findChild<QPushButton*>(QStringLiteral("addWord"))->click();
    QTest::keyClicks(editor->findChild<QLineEdit*>(QStringLiteral("wordBox")), QStringLiteral("cartello"));
    QTest::keyClick(editor->findChild<QLineEdit*>(QStringLiteral("wordBox")), Qt::Key_Return);
    QSignalSpy reloaded(editor, &DictionaryEditorWindow::loadFinished);
    editor->findChild<QPushButton*>(QStringLiteral("rebuild"))->click();  // the fake answers OK
    ASSERT_TRUE(reloaded.wait(5000));
    EXPECT_EQ(Window().Lexicon().SectionCount[8], 2) << "the game reloaded the rebuilt lexicon";
    editor->findChild<QPushButton*>(QStringLiteral("exit"))->click();

    const Manche manche = PlayCartello();
    ASSERT_GE(manche.humanPoints, 0);
    const int humanPoints = manche.humanPoints;
    const int otherWindows = manche.otherWindows;
    EXPECT_GE(humanPoints, 800) << "CARTELLO judged SI: 100 points a letter";
    EXPECT_EQ(otherWindows, 0) << "no confirmation of an unknown word";
    for (const FakeDialogs::Question& question : fakes.dialogs.asked)
        EXPECT_FALSE(question.text.contains("CARTELLO") && question.kind != "inform") << question.text.toStdString();
}

// The same word rebuilt into the lexicon by letterama-dict while the game runs: the
// game sees the file changed before the manche is judged and judges with it.
TEST_F(EditorInGameTest, AWordAddedByTheLexiconToolCountsInTheNextMancheWithoutARestart)
{
    Start();
    ASSERT_EQ(Window().Lexicon().SectionCount[8], 1) << "CASTELLO only";
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("raccolta")));
    folder.Write(QStringLiteral("raccolta/8.txt"), "CARTELLO\r\n");
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    DictIo io{outStream, errStream, folder.Path()};
    ASSERT_EQ(RunDictCommandLine({"rebuild", "raccolta", "--add"}, io), kDictSuccess) << err.toStdString();

    const Manche manche = PlayCartello();
    ASSERT_GE(manche.humanPoints, 0);
    const int humanPoints = manche.humanPoints;
    const int otherWindows = manche.otherWindows;
    EXPECT_GE(humanPoints, 800) << "CARTELLO judged SI";
    EXPECT_EQ(otherWindows, 0) << "no confirmation of an unknown word";
    EXPECT_EQ(Window().Lexicon().SectionCount[8], 2) << "the game follows the rebuilt file";
}
