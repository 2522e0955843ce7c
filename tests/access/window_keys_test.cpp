// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/about_window.h"
#include "lexicon/ui/confirm_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_spell_checker.h"
#include "game/ui/game_view.h"
#include "scoring/ui/results_window.h"
#include "platform/core/program_files.h"
#include "tests/support/temp_program_folder.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(AboutWindowKeys, CloseIsTheDefaultButtonNotALink)
{
    FakeShell shell;
    FakeDialogs dialogs;
    TempProgramFolder folder;
    const ProgramFiles files(folder.Path());
    AboutWindow about(shell, dialogs, SiteAddress::FromText(QStringLiteral("https://club.example")), files);
    int defaults = 0;
    for (QPushButton* button : about.findChildren<QPushButton*>()) {
        if (!button->isDefault())
            continue;
        ++defaults;
        EXPECT_EQ(button->text(), QStringLiteral("&Chiudi"));
    }
    EXPECT_EQ(defaults, 1);
    about.show();
    QTest::keyClick(&about, Qt::Key_Return);
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_FALSE(about.isVisible());
}

TEST(FinishButtonKeys, VisibleButtonAnswersAltTWhileAWordBoxHasTheFocus)
{
    GameView view(QStringList{QStringLiteral("ANONIMO"), {}, {}, {}});
    view.FinishButton(1)->hide();
    int finishes = 0;
    QObject::connect(view.FinishButton(0), &QPushButton::clicked, [&finishes] { ++finishes; });
    view.show();
    QApplication::setActiveWindow(&view);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.WordBox(0)->setEnabled(true);
    view.WordBox(0)->setFocus();
    QTest::keyClick(view.WordBox(0), Qt::Key_T, Qt::AltModifier);
    QTest::qWait(200);  // the animated click ends on a timer
    EXPECT_EQ(finishes, 1);
    EXPECT_EQ(view.FinishButton(0)->text(), QStringLiteral("Fine Tempo"));
}

TEST(ResultsWindowKeys, TabLeavesTheTableAndArrowsMoveInside)
{
    FakePlatform fake;
    FakeSpellChecker speller;
    TempProgramFolder folder;
    const ProgramFiles files(folder.Path());
    ResultsWindow window(fake.platform(), files, speller);
    window.show();
    auto* table = window.findChild<QTableWidget*>(QStringLiteral("scoreBoard"));
    ASSERT_NE(table, nullptr);
    table->setFocus();
    table->setCurrentCell(0, 0);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(table->currentRow(), 1);
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), table);
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Backtab);
    EXPECT_NE(QApplication::focusWidget(), table);
}

TEST(ConfirmWindowAccess, OptionsAreNamedAfterTheQuestionAndTheWordLabelTakesNoFocus)
{
    FakeShell shell;
    FakeSpellChecker speller;
    TempProgramFolder folder;
    const ProgramFiles files(folder.Path());
    ConfirmWindow window(shell, speller, files);
    auto* options = window.findChild<QGroupBox*>(QStringLiteral("options"));
    ASSERT_NE(options, nullptr);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(options);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->text(QAccessible::Name), window.windowTitle());
    EXPECT_FALSE(face->text(QAccessible::Name).isEmpty());
    auto* wordLabel = window.findChild<QLabel*>(QStringLiteral("wordLabel"));
    ASSERT_NE(wordLabel, nullptr);
    EXPECT_EQ(wordLabel->focusPolicy(), Qt::NoFocus);
}

}  // namespace
