// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/board/tile_board.h"

#include "tests/support/fake_platform.h"
#include "model/game_state.h"
#include "tests/support/run_until.h"
#include "game/core/sound_effects.h"
#include "tests/support/temp_program_folder.h"
#include "game/ui/board/tile_face.h"
#include "game/ui/board/tile_geometry.h"
#include "platform/core/program_files.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMovie>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace TileGeometry;

namespace {

// The file names of the sounds played, without the program folder's path.
QStringList PlayedNames(const QStringList& played)
{
    QStringList names;
    for (const QString& path : played)
        names.append(QFileInfo(path).fileName());
    return names;
}

// A one-pixel animated GIF: two frames of 0.1 s, looping for ever.
const QByteArray kTinyGif = QByteArray::fromHex(
    "47494638396101000100800000ffffff000000"
    "21ff0b4e45545343415045322e300301000000"
    "21f904000a0000002c000000000100010000020244010021f904000a0000002c0000000001000100000202440100"
    "3b");

// Records where a widget is moved to.
class MoveRecorder : public QObject {
public:
    explicit MoveRecorder(QWidget* watched) { watched->installEventFilter(this); }
    std::vector<QPoint> moves;
    std::function<void(QPoint)> onMove;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move) {
            const QPoint to = static_cast<QWidget*>(watched)->pos();
            moves.push_back(to);
            if (onMove)
                onMove(to);
        }
        return false;
    }
};

// A main window stand-in holding the board and the two screen-reader labels, laid
// out by hand as the board expects of labels it centres.
struct BoardFixture : ::testing::Test {
    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    FakePlatform fake;
    GameState state;
    SoundEffects sounds{state.Settings.SoundOn, fake.wave, files};
    QWidget window;
    QLabel* textCopy = new QLabel("123456789", &window);
    QLabel* secondLabel = new QLabel("(Label per screen reader)", &window);
    TileBoard* board = new TileBoard(state, sounds, files, &window);

    void SetUp() override
    {
        window.resize(800, 400);
        textCopy->setGeometry(10, 250, 200, 20);
        secondLabel->setGeometry(30, 280, 150, 20);
        board->SetScreenReaderLabels(textCopy, secondLabel);
        board->Reset();
        window.show();
        state.Settings.SoundOn = false;
    }

    // Appends the letter and draws it, as the letter draw does, and lets the board's
    // steps run until the tile is in place (or the board was reset or destroyed).
    void Draw(const QString& letter)
    {
        state.DrawnLetters += letter;
        board->DrawTile(static_cast<int>(state.DrawnLetters.size()) - 1, letter);
        ASSERT_TRUE(RunUntil([this] { return !board || !board->Drawing(); }, 5000));
    }

    bool Parked(QWidget* element) const { return !element->isVisible() && element->y() >= board->height(); }
};

}  // namespace

TEST_F(BoardFixture, FirstLetterClearsTheCaptionAndShowsTheTextCopy)
{
    QSignalSpy captions(board, &TileBoard::CaptionChanged);
    EXPECT_EQ(board->Caption(), "Area estrazione lettere");
    EXPECT_FALSE(textCopy->isVisible());
    Draw("A");
    EXPECT_EQ(captions.size(), 1);
    EXPECT_EQ(board->Caption(), "");
    EXPECT_EQ(textCopy->text(), "A         ");
    EXPECT_TRUE(textCopy->isVisible());
    EXPECT_TRUE(secondLabel->isVisible());
    // Centred in the window; the second label takes the same left and width.
    EXPECT_EQ(textCopy->x(), (800 - 200) / 2);
    EXPECT_EQ(secondLabel->geometry(), QRect(300, 280, 200, 20));
}

TEST_F(BoardFixture, EachStyleShowsItsElementAtRest)
{
    folder.Write("tilepic5.bmp", {});
    QImage(63, 90, QImage::Format_RGB32).save(folder.FilePath("tilepic5.bmp"), "BMP");
    struct Row {
        int style, manche;
        bool labelShown, bordered, picture;
    };
    for (const Row& row : {Row{4, 1, true, true, false}, Row{3, 5, false, false, true}, Row{3, 1, false, false, false},
                           Row{0, 1, false, true, false}}) {
        board->Reset();
        state.DrawnLetters.clear();
        state.Settings.TileStyle = static_cast<TileLook>(row.style);
        state.MancheNumber = row.manche;
        Draw("Q");
        Draw("R");
        TileFace* tile = board->Tile(1);
        QLabel* label = board->LetterLabel(1);
        QWidget* shown = row.labelShown ? static_cast<QWidget*>(label) : tile;
        SCOPED_TRACE(row.style);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_EQ(shown->pos(), RestTopLeft(1));
        EXPECT_TRUE(Parked(row.labelShown ? static_cast<QWidget*>(tile) : label));
        EXPECT_EQ(label->text(), "R");
        EXPECT_EQ(tile->PrintedLetter(), "R");
        EXPECT_EQ(tile->Bordered(), row.bordered);
        EXPECT_EQ(tile->HasPicture(), row.picture);
        EXPECT_EQ(tile->LetterFont().pointSize(), 54);
        EXPECT_EQ(shown->accessibleName(), "Lettera R, posizione 2");
        EXPECT_FALSE(board->AnimatedPicture(1)->isVisible());
    }
}

TEST_F(BoardFixture, ThreeDStylesShowTheLetterPictureOrElseThePrintedLetter)
{
    folder.Write("M.gif", kTinyGif);
    for (const int style : {1, 2}) {
        for (const QString letter : {"M", "Z"}) {  // no Z.gif
            board->Reset();
            state.DrawnLetters.clear();
            state.Settings.TileStyle = static_cast<TileLook>(style);
            QSignalSpy started(board->Movie(0), &QMovie::started);
            Draw(letter);
            SCOPED_TRACE(qPrintable(QString::number(style) + letter));
            TileFace* tile = board->Tile(0);
            EXPECT_EQ(tile->pos(), RestTopLeft(0));
            EXPECT_EQ(tile->PrintedLetter(), letter == "Z" ? "Z" : "");
            EXPECT_EQ(tile->HasPicture(), style == 2 && letter == "M");
            EXPECT_EQ(board->AnimatedPicture(0)->isVisible(), style == 1);
            EXPECT_EQ(started.size(), style == 1 && letter == "M" ? 1 : 0);
            if (style == 1) {
                EXPECT_EQ(board->AnimatedPicture(0)->pos(), MovieTopLeft(0));
            }
        }
    }
}

TEST_F(BoardFixture, TileFliesAlongTheFlyInPath)
{
    state.Settings.TileStyle = static_cast<TileLook>(3);
    MoveRecorder recorder(board->Tile(2));
    Draw("A");
    Draw("B");
    Draw("C");
    // Only ever forward along the path, from where it enters the board to its end.
    ASSERT_GE(recorder.moves.size(), 2u);
    EXPECT_EQ(recorder.moves.back(), FlyInTopLeft(2, kFlyLast));
    EXPECT_TRUE(QRect(QPoint(0, 0), BoardSize()).intersects(QRect(recorder.moves.front(), QSize(kTileWidth, kTileHeight))));
    int lastK = kFlyFirst - 1;
    for (const QPoint& move : recorder.moves) {
        int k = lastK + 1;
        while (k <= kFlyLast && FlyInTopLeft(2, k) != move)
            ++k;
        ASSERT_LE(k, kFlyLast) << "off the path: " << move.x() << "," << move.y();
        lastK = k;
    }
}

// What a screen of 100 frames a second shows of a widget: where it stands at each
// frame while it is on the board.
class FrameSampler : public QObject {
public:
    FrameSampler(QWidget* watched, QWidget* board) : watched_(watched), board_(board)
    {
        frames_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&frames_, &QTimer::timeout, this, [this] {
            if (watched_->isVisible() && board_->rect().intersects(watched_->geometry()))
                shown.push_back(watched_->pos());
        });
        frames_.start(10);
    }
    std::vector<QPoint> shown;

private:
    QWidget* watched_;
    QWidget* board_;
    QTimer frames_;
};

TEST_F(BoardFixture, TheFlyInIsSeenAtManyPlacesOnItsWay)
{
    // A flight over in a few milliseconds is seen in one frame or two, the tile
    // appearing from nowhere; in a quarter of a second the eye follows it.
    const struct {
        int style;
        bool letterLabelFlies;
    } flyingStyles[] = {{3, false}, {4, true}, {0, false}};
    board->resize(board->sizeHint());
    for (const auto& row : flyingStyles) {
        board->Reset();
        state.DrawnLetters.clear();
        state.Settings.TileStyle = static_cast<TileLook>(row.style);
        QWidget* flying = row.letterLabelFlies ? static_cast<QWidget*>(board->LetterLabel(1)) : board->Tile(1);
        Draw("A");
        FrameSampler screen(flying, board);
        Draw("B");
        std::vector<QPoint> distinct;
        for (const QPoint& at : screen.shown) {
            if (std::find(distinct.begin(), distinct.end(), at) == distinct.end())
                distinct.push_back(at);
        }
        EXPECT_GE(distinct.size(), 8u) << "style " << row.style;
        EXPECT_EQ(flying->pos(), RestTopLeft(1)) << "style " << row.style;
    }
}

TEST_F(BoardFixture, EveryTilePlaysItsLetterSoundAndWaitsItsHold)
{
    state.Settings.SoundOn = true;
    sounds.SetHold(std::chrono::milliseconds(60));
    folder.Write("b.wav", "RIFF");
    state.Settings.TileStyle = static_cast<TileLook>(4);
    QElapsedTimer elapsed;
    elapsed.start();
    Draw("A");
    Draw("B");
    EXPECT_EQ(PlayedNames(fake.wave.played), QStringList({"A.WAV", "b.wav"}));
    EXPECT_GE(elapsed.elapsed(), 2 * 60);
}

TEST_F(BoardFixture, TilesAskedForTogetherFlyInOneAfterTheOtherAndThenReport)
{
    state.Settings.TileStyle = static_cast<TileLook>(4);
    state.Settings.SoundOn = true;
    sounds.SetHold(std::chrono::milliseconds(1));
    QStringList order;
    for (const QString letter : {"C", "A", "S", "A"}) {
        state.DrawnLetters += letter;
        board->DrawTile(static_cast<int>(state.DrawnLetters.size()) - 1, letter);
    }
    // Only the first tile has started: its sound plays, the others wait their turn.
    EXPECT_EQ(PlayedNames(fake.wave.played), QStringList({"C.WAV"}));
    EXPECT_TRUE(board->Drawing());
    board->WhenTilesInPlace([&] { order.append(QStringLiteral("in place")); });
    EXPECT_TRUE(order.isEmpty());
    ASSERT_TRUE(RunUntil([this] { return !board->Drawing(); }, 5000));
    EXPECT_EQ(PlayedNames(fake.wave.played), QStringList({"C.WAV", "A.WAV", "S.WAV", "A.WAV"}));
    EXPECT_EQ(order, QStringList({"in place"}));
    EXPECT_EQ(board->LetterLabel(3)->pos(), RestTopLeft(3));
    // With nothing moving, the report comes at once; a reset drops a pending one.
    board->WhenTilesInPlace([&] { order.append(QStringLiteral("at once")); });
    EXPECT_EQ(order.size(), 2);
    Draw("E");
    state.DrawnLetters += QStringLiteral("R");
    board->DrawTile(5, QStringLiteral("R"));
    board->WhenTilesInPlace([&] { order.append(QStringLiteral("dropped")); });
    board->Reset();
    QTest::qWait(20);
    EXPECT_EQ(order.size(), 2);
}

TEST_F(BoardFixture, FullBoardInTheLightStyle)
{
    state.Settings.TileStyle = static_cast<TileLook>(4);
    for (const QChar letter : QStringLiteral("CAMPIONESS"))
        Draw(letter);
    EXPECT_EQ(board->TextCopy(), "CAMPIONESS");
    for (int i = 0; i < kSlots; ++i) {
        EXPECT_EQ(board->LetterLabel(i)->text(), state.DrawnLetters.mid(i, 1));
        EXPECT_EQ(board->LetterLabel(i)->pos(), RestTopLeft(i));
    }
}

TEST_F(BoardFixture, ResetDuringTheFlyInStopsIt)
{
    state.Settings.TileStyle = static_cast<TileLook>(3);
    QTimer::singleShot(0, board, [this] { board->Reset(); });
    Draw("A");
    EXPECT_TRUE(Parked(board->Tile(0)));
    EXPECT_EQ(board->Caption(), "Area estrazione lettere");
    EXPECT_FALSE(textCopy->isVisible());

    // The board works on as usual afterwards.
    state.DrawnLetters.clear();
    Draw("B");
    EXPECT_EQ(board->Tile(0)->pos(), RestTopLeft(0));
    EXPECT_EQ(board->Tile(0)->PrintedLetter(), "B");
}

TEST_F(BoardFixture, ResetWhileAThreeDTileDropsStartsNoPicture)
{
    folder.Write("A.gif", kTinyGif);
    state.Settings.TileStyle = static_cast<TileLook>(1);
    QSignalSpy started(board->Movie(0), &QMovie::started);
    MoveRecorder recorder(board->Tile(0));
    // The drop moves across first; a reset then comes in with the next events.
    recorder.onMove = [this](QPoint to) {
        if (to.x() == RestTopLeft(0).x() && to.y() != RestTopLeft(0).y())
            QTimer::singleShot(0, board, [this] { board->Reset(); });
    };
    Draw("A");
    EXPECT_TRUE(Parked(board->Tile(0)));
    EXPECT_TRUE(Parked(board->AnimatedPicture(0)));
    EXPECT_EQ(started.size(), 0);

    // Reset after a full draw stops the movie it started.
    recorder.onMove = nullptr;
    folder.Write("B.gif", kTinyGif);
    Draw("B");
    ASSERT_EQ(board->Movie(1)->state(), QMovie::Running);
    board->Reset();
    EXPECT_TRUE(Parked(board->AnimatedPicture(1)));
    EXPECT_EQ(board->Movie(1)->state(), QMovie::NotRunning);
}

TEST_F(BoardFixture, BoardDestroyedDuringTheFlyInIsLeftAlone)
{
    state.Settings.TileStyle = static_cast<TileLook>(4);
    QTimer::singleShot(0, [this] {
        delete board;
        board = nullptr;
    });
    Draw("A");
    EXPECT_EQ(board, nullptr);
}

TEST_F(BoardFixture, StyleChangeRedrawsEveryLetterAtOnce)
{
    state.Settings.TileStyle = static_cast<TileLook>(4);
    Draw("C");
    Draw("A");
    state.Settings.SoundOn = true;
    state.Settings.TileStyle = static_cast<TileLook>(3);
    board->RedrawAll();
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(board->Tile(i)->isVisible());
        EXPECT_EQ(board->Tile(i)->pos(), RestTopLeft(i));
        EXPECT_FALSE(board->LetterLabel(i)->isVisible());
    }
    EXPECT_EQ(board->Tile(1)->PrintedLetter(), "A");
    EXPECT_TRUE(Parked(board->Tile(2)));
    EXPECT_TRUE(fake.wave.played.isEmpty());
}

TEST_F(BoardFixture, ClicksReportTheirPositionAndPressTheElement)
{
    QSignalSpy tiles(board, &TileBoard::TileClicked);
    QSignalSpy labels(board, &TileBoard::LetterLabelClicked);
    state.Settings.TileStyle = static_cast<TileLook>(3);
    Draw("A");
    Draw("B");
    QTest::mouseClick(board->Tile(1), Qt::LeftButton);
    state.Settings.TileStyle = static_cast<TileLook>(4);
    Draw("C");
    QTest::mouseClick(board->LetterLabel(2), Qt::LeftButton);
    ASSERT_EQ(tiles.size(), 1);
    EXPECT_EQ(tiles[0][0].toInt(), 1);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0][0].toInt(), 2);

    // The pressed element sinks 220 twips while the letter is taken, then comes back.
    QPoint lowest;
    board->AnimateClick(2, true, [&] { lowest = board->LetterLabel(2)->pos(); });
    EXPECT_EQ(lowest, RestTopLeft(2) + QPoint(0, 14));
    EXPECT_EQ(board->LetterLabel(2)->pos(), RestTopLeft(2));
}
