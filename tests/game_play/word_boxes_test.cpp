// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"

#include "game/ui/main_menu.h"
#include "game/ui/player_input.h"
#include "game/ui/player_panel.h"
#include "tests/support/run_until.h"
#include "game/ui/board/tile_board.h"
#include "game/ui/board/tile_face.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using Draw = GameView::DrawButton;

namespace {

// Types `text` key by key, as a keyboard would, accented letters included.
void Type(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        const int key = c.isLetter() ? QChar(c.toUpper()).unicode() : c.unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
}

}  // namespace

TEST_F(PlayTest, WordBoxKeepsOnlyTheLettersOfTheAlphabet)
{
    Start();
    DrawTyped(QStringLiteral("CASTELLOAR"));
    QLineEdit* box = View().WordBox(0);
    ASSERT_TRUE(box->isEnabled());
    Type(box, QStringLiteral("c1à a"));
    EXPECT_EQ(box->text(), QStringLiteral("ca"));
    QTest::keyClicks(box, QStringLiteral("sjt"));  // J is no Italian letter
    EXPECT_EQ(box->text(), QStringLiteral("cast"));
    EXPECT_EQ(View().Player(0)->WordCaption()->text(), QStringLiteral("Parola trovata:  (4 Caratt.) "));
    EXPECT_EQ(State().Players[0].Word, QStringLiteral("cast"));
}

TEST_F(PlayTest, WordBoxTakesAsManyLettersAsAreDrawn)
{
    Start("NumeroLettere=8");
    DrawTyped(QStringLiteral("CASTELLO"));
    QTest::keyClicks(View().WordBox(0), QStringLiteral("castellone"));
    EXPECT_EQ(View().WordBox(0)->text(), QStringLiteral("castello"));
}

TEST_F(PlayTest, EveryDrawResetsThePlayersBoxes)
{
    Start();
    View().NameBox(2)->setText(QStringLiteral("Giacomo"));  // a second human
    DrawTyped(QStringLiteral("CASTELLOAR"));
    QTest::keyClicks(View().WordBox(0), QStringLiteral("cast"));
    Window().NewGame();
    DrawTyped(QStringLiteral("CAMPANELLO"));
    for (int slot = 0; slot < GameState::kPlayers; ++slot) {
        PlayerPanel* panel = View().Player(slot);
        EXPECT_FALSE(panel->NameBox()->isEnabled()) << slot;
        EXPECT_EQ(panel->WordBox()->text(), QString()) << slot;
        EXPECT_EQ(panel->WordCaption()->text(), QStringLiteral("Parola trovata:")) << slot;
        EXPECT_EQ(panel->WordBox()->isEnabled(), slot == 0 || slot == 2) << slot;
    }
    EXPECT_EQ(Window().Input()->ActiveWordBox(), 0);
}

struct MaskRow {
    int renamedSlot;
    const char* name;
    std::array<bool, 4> masked;
};

class MaskRows : public PlayTest, public ::testing::WithParamInterface<MaskRow> {};

TEST_P(MaskRows, BoxesAreMaskedByHowManyHumansPlay)
{
    const MaskRow row = GetParam();
    Start();
    View().NameBox(row.renamedSlot)->setText(QString::fromLatin1(row.name));
    Press(Draw::Auto);
    for (int slot = 0; slot < GameState::kPlayers; ++slot) {
        EXPECT_EQ(View().WordBox(slot)->echoMode() == QLineEdit::Password, row.masked[slot]) << slot;
    }
}

INSTANTIATE_TEST_SUITE_P(Players, MaskRows,
                         ::testing::Values(MaskRow{0, "Anonimo", {false, true, true, true}},
                                           MaskRow{1, "Valentina", {true, true, true, true}},
                                           MaskRow{3, "Andrea (cpu)", {true, true, true, true}},
                                           MaskRow{2, "Io (CPU) e te", {false, true, true, true}}));

// ---- Letters clicked on the board ----

TEST_F(PlayTest, ClickedTileAppendsItsLetterInLowerCaseToTheActiveBox)
{
    Start("SfondoCasella=3");
    DrawTyped(QStringLiteral("CASTELLOAR"));
    QTest::keyClicks(View().WordBox(0), QStringLiteral("a"));
    QTest::mouseClick(Window().Board()->Tile(2), Qt::LeftButton);
    EXPECT_EQ(View().WordBox(0)->text(), QStringLiteral("as"));
    EXPECT_EQ(View().Player(0)->WordCaption()->text(), QStringLiteral("Parola trovata:  (2 Caratt.) "));
    // The tile is back in its place after the press.
    EXPECT_EQ(Window().Board()->Tile(2)->pos(), Window().Board()->Tile(1)->pos() + QPoint(62, 0));
}

TEST_F(PlayTest, ClickedLetterLabelGoesToTheBoxLastFocused)
{
    Start("SfondoCasella=4");
    View().NameBox(1)->setText(QStringLiteral("Valentina"));
    DrawTyped(QStringLiteral("CASTELLOAR"));
    QApplication::setActiveWindow(&Window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    View().WordBox(1)->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(Window().Input()->ActiveWordBox(), 1);
    QTest::mouseClick(Window().Board()->LetterLabel(9), Qt::LeftButton);
    QTest::mouseClick(Window().Board()->LetterLabel(0), Qt::LeftButton);
    EXPECT_EQ(View().WordBox(1)->text(), QStringLiteral("rc"));
    EXPECT_EQ(View().WordBox(0)->text(), QString());
}

TEST_F(PlayTest, ClicksPlayTheirSoundWhenSoundIsOn)
{
    Start("SfondoCasella=3");
    DrawTyped(QStringLiteral("CASTELLOAR"));
    Window().Menu()->Action(MainMenu::Command::Sound)->trigger();
    ASSERT_TRUE(State().Settings.SoundOn);
    fakes.wave.played.clear();
    QTest::mouseClick(Window().Board()->Tile(0), Qt::LeftButton);
    ASSERT_EQ(fakes.wave.played.size(), 1);
    EXPECT_TRUE(fakes.wave.played.first().endsWith(QStringLiteral("SOUND2.wav")));
}

TEST_F(PlayTest, TilesTheTypedWordUsesDimAndAWordTheBoardCannotSpellTurnsRed)
{
    Start();
    DrawTyped(QStringLiteral("CASTELLOAR"));
    QLineEdit* box = View().WordBox(0);
    const QColor normal = box->palette().color(QPalette::Text);
    const auto dimmed = [this] {
        QString marks;
        for (int i = 0; i < 10; ++i)
            marks += Window().Board()->TileDimmed(i) ? QLatin1Char('*') : QLatin1Char('.');
        return marks;
    };

    QTest::keyClicks(box, QStringLiteral("cass"));
    EXPECT_EQ(dimmed(), QStringLiteral("***......."));
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::red));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QStringLiteral("a"));
    EXPECT_EQ(dimmed(), QStringLiteral("***.....*."));
    EXPECT_EQ(box->palette().color(QPalette::Text), normal);

    // A new game brightens every tile again.
    Choose(Window().Menu()->Action(MainMenu::Command::NewGame));
    EXPECT_EQ(dimmed(), QStringLiteral(".........."));
}
