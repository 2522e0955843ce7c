// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/ui/confirm_window.h"

#include "tests/support/fake_platform.h"
#include "tests/support/fake_spell_checker.h"
#include "tests/support/run_until.h"
#include "platform/core/spell_checker.h"
#include "tests/support/temp_program_folder.h"
#include "tests/support/when_modal_opens.h"
#include "platform/core/program_files.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ConfirmWindowTest : public ::testing::Test {
protected:
    template <typename T>
    static T* Child(QWidget* window, const char* name)
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    static void Click(QWidget* window, const char* name)
    {
        QTest::mouseClick(Child<QAbstractButton>(window, name), Qt::LeftButton);
    }

    // Opens the window as the results board does and waits until it closes; the
    // answer it sent.
    int AskAndWait(const QString& word, int previousChoice)
    {
        int answer = 0;
        const QMetaObject::Connection chosen =
            QObject::connect(&window, &ConfirmWindow::Chosen, [&answer](int choice) { answer = choice; });
        window.Ask(word, previousChoice);
        EXPECT_TRUE(RunUntil([this] { return !window.isVisible(); }, 5000));
        QObject::disconnect(chosen);
        return answer;
    }

    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    FakeShell shell;
    FakeSpellChecker spellChecker;
    ConfirmWindow window{shell, spellChecker, files};
};

TEST_F(ConfirmWindowTest, EachOptionAnswersItsNumber)
{
    const std::pair<const char*, int> cases[] = {{"option1", 1}, {"option2", 2}, {"option3", 3}};
    for (const auto& [option, choice] : cases) {
        WhenModalOpens([&, option = option](QWidget* modal) {
            Click(modal, option);
            Click(modal, "ok");
        });
        EXPECT_EQ(AskAndWait(QStringLiteral("pippo"), 0), choice) << option;
        EXPECT_EQ(window.ConfirmChoice(), choice);
    }
}

TEST_F(ConfirmWindowTest, OpensWithNonInserireSelectedAndTheWordInUpperCase)
{
    QString label, box;
    bool doNotAddChecked = false;
    WhenModalOpens([&](QWidget* modal) {
        label = Child<QLabel>(modal, "wordLabel")->text();
        box = Child<QLineEdit>(modal, "wordBox")->text();
        doNotAddChecked = Child<QRadioButton>(modal, "option3")->isChecked();
        QTest::keyClick(modal, Qt::Key_Return);  // OK is the default button
    });
    EXPECT_EQ(AskAndWait(QStringLiteral("Zorro"), 1), ConfirmWindow::kDoNotAdd);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Conferma accettazione parola"));
    EXPECT_EQ(label, QStringLiteral("ZORRO"));
    EXPECT_EQ(box, QStringLiteral("Zorro"));
    EXPECT_TRUE(doNotAddChecked);
}

TEST_F(ConfirmWindowTest, SpellCheckCorrectsTheBoxButTheDecisionStaysWithTheWordHandedIn)
{
    spellChecker.correction = QStringLiteral("CASA");
    QString boxAfter;
    WhenModalOpens([&](QWidget* modal) {
        auto* box = Child<QLineEdit>(modal, "wordBox");
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, "z");
        Click(modal, "spellCheck");
        boxAfter = box->text();
        Click(modal, "option1");
        Click(modal, "ok");
    });
    EXPECT_EQ(AskAndWait(QStringLiteral("CAZA"), 0), ConfirmWindow::kAddAndScore);
    EXPECT_EQ(spellChecker.given, QStringList{QStringLiteral("CAZz")});
    EXPECT_EQ(boxAfter, QStringLiteral("CASA"));
    EXPECT_EQ(window.WordToConfirm(), QStringLiteral("CAZA"));
}

TEST_F(ConfirmWindowTest, ClosingWithoutOkLeavesTheWordOut)
{
    WhenModalOpens([&](QWidget* modal) {
        Click(modal, "option1");
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(AskAndWait(QStringLiteral("pippo"), 1), ConfirmWindow::kDoNotAdd);
}

TEST_F(ConfirmWindowTest, RulesBoxShowsTheRulesOrSaysTheFileIsMissing)
{
    QString text;
    const auto readRules = [&](QWidget* modal) { text = Child<QPlainTextEdit>(modal, "rulesBox")->toPlainText(); };

    WhenModalOpens(readRules);
    AskAndWait(QStringLiteral("pippo"), 3);
    EXPECT_EQ(text, QStringLiteral("File REGPAROL.txt non trovato"));

    folder.Write("Regparol.Txt", "Niente sigle.\r\nNiente nomi propri.\r\n");
    WhenModalOpens(readRules);
    AskAndWait(QStringLiteral("pippo"), 3);
    EXPECT_EQ(text, QStringLiteral("Niente sigle.\nNiente nomi propri."));
}

TEST_F(ConfirmWindowTest, PictureOpensTheSitesHomePageOrSaysThereIsNoSite)
{
    struct Row {
        const char* label;
        QString homePage;
        QStringList opened;
    };
    const Row rows[] = {
        {"a site", QStringLiteral("https://club.example/"), {QStringLiteral("https://club.example/")}},
        {"no site", QString(), {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        shell.opened.clear();
        window.SetHomePage(row.homePage);
        WhenModalOpens([&](QWidget* modal) {
            auto* picture = Child<QPushButton>(modal, "picture");
            EXPECT_FALSE(picture->accessibleName().isEmpty());
            EXPECT_EQ(picture->isEnabled(), !row.homePage.isEmpty());
            if (row.homePage.isEmpty()) {
                EXPECT_TRUE(picture->accessibleDescription().contains(QStringLiteral("Nessun sito")));
            }
            Click(modal, "picture");
            EXPECT_TRUE(modal->isVisible()) << "the window waits for OK";
            Click(modal, "ok");
        });
        AskAndWait(QStringLiteral("pippo"), 3);
        EXPECT_EQ(shell.opened, row.opened);
    }
}

}  // namespace
