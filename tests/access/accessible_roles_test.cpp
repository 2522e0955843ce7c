// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/clock_label.h"
#include "scoring/ui/end_of_game_window.h"
#include "game/ui/fill_strip.h"
#include "model/game_state.h"
#include "game/ui/game_view.h"
#include "game/ui/link_picture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QAccessibleInterface* Accessible(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(face, nullptr);
    return face;
}

// Boxes filled at one size, then the strip resized: where the boxes reach, as a
// screen reader hears it and as the strip draws them.
struct StripRow {
    const char* what;
    std::vector<QRectF> boxes;  // at an inner width of 200 and height 20
    int resizedWidth;
    int expectedPercent;
    double expectedRightAfterResize;  // right edge of the last box, in new pixels
};

class FillStripTable : public ::testing::TestWithParam<StripRow> {};

TEST_P(FillStripTable, ReportsProgressAndKeepsShareWhenResized)
{
    const StripRow& row = GetParam();
    FillStrip strip;
    strip.setFrameStyle(QFrame::NoFrame);
    strip.resize(200, 20);
    for (const QRectF& box : row.boxes)
        strip.FillBox(box, Qt::blue);
    strip.resize(row.resizedWidth, 20);

    QAccessibleInterface* face = Accessible(&strip);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::ProgressBar) << row.what;
    QAccessibleValueInterface* value = face->valueInterface();
    ASSERT_NE(value, nullptr) << row.what;
    EXPECT_EQ(value->currentValue().toInt(), row.expectedPercent) << row.what;
    EXPECT_EQ(value->maximumValue().toInt(), 100);
    EXPECT_EQ(face->text(QAccessible::Value), QStringLiteral("%1%").arg(row.expectedPercent)) << row.what;
    if (!row.boxes.empty()) {
        EXPECT_NEAR(strip.Boxes().back().area.right(), row.expectedRightAfterResize, 0.01) << row.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Strips, FillStripTable,
    ::testing::Values(StripRow{"empty", {}, 200, 0, 0},
                      StripRow{"one slice", {QRectF(0, 0, 50, 20)}, 200, 25, 50},
                      StripRow{"slices with gaps count to the last", {QRectF(0, 0, 18, 20), QRectF(20, 0, 18, 20)}, 200,
                               19, 38},
                      StripRow{"doubled width keeps the share", {QRectF(0, 0, 100, 20)}, 400, 50, 200},
                      StripRow{"halved width keeps the share", {QRectF(0, 0, 150, 20)}, 100, 75, 75},
                      StripRow{"box past the edge stops at full", {QRectF(150, -1, 100, 22)}, 200, 100, 250},
                      StripRow{"out of order boxes", {QRectF(100, 0, 100, 20), QRectF(0, 0, 100, 20)}, 300, 100,
                               150}));

TEST(FillStripAccess, ClearReturnsToZero)
{
    FillStrip strip;
    strip.resize(100, 10);
    strip.FillBox(QRectF(0, 0, 60, 10), Qt::red);
    strip.Clear();
    EXPECT_EQ(strip.FilledPercent(), 0);
    EXPECT_TRUE(strip.Boxes().empty());
}

TEST(LinkPictureAccess, IsALinkPressedByKeysAndByAssistiveTools)
{
    LinkPicture link(QStringLiteral("Visita il sito dell'autore ..."), QStringLiteral("Visita"));
    QSignalSpy opened(&link, &LinkPicture::Activated);
    QAccessibleInterface* face = Accessible(&link);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Link);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Visita il sito dell'autore ..."));
    QAccessibleActionInterface* actions = face->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(opened.count(), 1);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(&link, key);
    EXPECT_EQ(opened.count(), 4);
    QTest::keyClick(&link, Qt::Key_A);
    EXPECT_EQ(opened.count(), 4);
}

struct GameViewAccess : ::testing::Test {
    GameView view{QStringList{QStringLiteral("ANONIMO"), QStringLiteral("Computer 1"), QStringLiteral("Computer 2"),
                              QStringLiteral("Computer 3")}};
};

TEST_F(GameViewAccess, ClockIsReadByItsTextAndDescribedAsTheTime)
{
    QAccessibleInterface* face = Accessible(view.TimeLabel());
    ASSERT_NE(face, nullptr);
    for (const QString& text : {QStringLiteral("12 / 60 Sec."), QStringLiteral("Infinito")}) {
        view.TimeLabel()->setText(text);
        EXPECT_EQ(face->text(QAccessible::Name), text);
        EXPECT_EQ(face->text(QAccessible::Description), QStringLiteral("Tempo"));
    }
}

TEST_F(GameViewAccess, SecondScreenReaderLabelStartsEmptyAndStripsAreProgressBars)
{
    EXPECT_TRUE(view.ScreenReaderLabel()->text().isEmpty());
    EXPECT_EQ(Accessible(view.TimeBar())->role(), QAccessible::ProgressBar);
    EXPECT_EQ(Accessible(view.ProgressStrip())->text(QAccessible::Name), QStringLiteral("Parole lette"));
}

TEST(EndOfGameAccess, EachGameIsReadAsNamesWithTheirScores)
{
    GameState state;
    const QStringList names{QStringLiteral("ANONIMO"), QStringLiteral("Computer 1"), QStringLiteral("Computer 2"),
                            QStringLiteral("Computer 3")};
    for (int slot = 0; slot < GameState::kPlayers; ++slot)
        state.Players[slot].Name = names[slot];
    state.TotalScores = {0, 2680, 4510, 3180};
    EndOfGameWindow window;
    window.AddFinishedGame(state);
    window.AddFinishedGame(state);
    auto* list = window.findChild<QListWidget*>(QStringLiteral("gamesList"));
    // One entry per game, so that a game is heard once, not once per line.
    ASSERT_EQ(list->count(), 2);
    QAccessibleInterface* second = Accessible(list)->child(1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text(QAccessible::Name),
              QStringLiteral("2) ANONIMO 0, Computer 1 2680, Computer 2 4510, Computer 3 3180"));
    EXPECT_TRUE(Accessible(list)->child(0)->text(QAccessible::Name).startsWith(QStringLiteral("1) ")));
}

}  // namespace
