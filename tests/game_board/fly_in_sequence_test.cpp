// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/board/fly_in_sequence.h"
#include "game/ui/board/tile_geometry.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using Clock = FlyInSequence::Clock;

// Records what the sequence asks of the board, as short lines: "show 0 A", "wait 600",
// "launch 0", "fly 0 200", "drop 0", "land 0", "frames on", "frames off", "in place".
class RecordingBoard : public FlyInSequence::Board {
public:
    std::chrono::milliseconds hold = 0ms;
    bool flies = true;
    QStringList said;
    // Lands the rest of what the sequence asked for in a callback, as the game does.
    std::function<void()> onInPlace;

    Shown Show(const FlyInSequence::Tile& tile) override
    {
        said << QStringLiteral("show %1 %2").arg(tile.position).arg(tile.letter);
        return {hold, flies};
    }
    void StepAfter(std::chrono::milliseconds wait) override { said << QStringLiteral("wait %1").arg(wait.count()); }
    void StartFrames() override { said << QStringLiteral("frames on"); }
    void StopFrames() override { said << QStringLiteral("frames off"); }
    void Launch(int position, int) override { said << QStringLiteral("launch %1").arg(position); }
    void FlyTo(int position, int k) override { said << QStringLiteral("fly %1 %2").arg(position).arg(k); }
    void DropAcross(int position) override { said << QStringLiteral("drop %1").arg(position); }
    void Land(const FlyInSequence::Tile& tile) override { said << QStringLiteral("land %1").arg(tile.position); }
    void AllInPlace() override
    {
        said << QStringLiteral("in place");
        if (onInPlace)
            onInPlace();
    }
};

const Clock::time_point kStart{};

TEST(FlyInSequence, WithSoundOffTheTilesOfADrawFlyTogetherAndReportOnceTheLastLands)
{
    RecordingBoard board;
    FlyInSequence sequence(board);
    sequence.Add({0, QStringLiteral("A"), QStringLiteral("A")});
    sequence.Add({1, QStringLiteral("B"), QStringLiteral("AB")});
    sequence.Step(kStart);        // A's hold ends: A flies, B is shown at once
    sequence.Step(kStart + 10ms); // B's hold ends: B flies while A is still in the air
    EXPECT_EQ(board.said, (QStringList{"show 0 A", "wait 0", "launch 0", "frames on", "show 1 B", "wait 0",
                                       "launch 1"}));
    EXPECT_TRUE(sequence.Drawing());

    board.said.clear();
    sequence.Frame(kStart + FlyInSequence::kFlightTime);  // A lands, B has 10 ms to go
    EXPECT_FALSE(board.said.contains("in place"));
    sequence.Frame(kStart + FlyInSequence::kFlightTime + 10ms);
    EXPECT_EQ(board.said.mid(board.said.size() - 2), (QStringList{"frames off", "in place"}));
    EXPECT_FALSE(sequence.Drawing());
}

struct FrameRow {
    const char* label;
    std::chrono::milliseconds after;  // since the launch
    double shareOfThePath;            // of the part from the first point seen to the end
};

class FlightFrames : public ::testing::TestWithParam<FrameRow> {};

// Where a tile is depends on the time alone: a late frame makes it jump ahead, never
// arrive late, and no frame takes it past its place.
TEST_P(FlightFrames, PlaceTheTileWhereTheTimeSays)
{
    RecordingBoard board;
    FlyInSequence sequence(board);
    sequence.Add({3, QStringLiteral("C"), QStringLiteral("C")});
    sequence.Step(kStart);
    board.said.clear();

    sequence.Frame(kStart + GetParam().after);

    const int first = FlyInSequence::FirstSeenStep(3);
    const int k = first + static_cast<int>(std::lround(GetParam().shareOfThePath * (TileGeometry::kFlyLast - first)));
    ASSERT_FALSE(board.said.isEmpty());
    EXPECT_EQ(board.said.front(), QStringLiteral("fly 3 %1").arg(k)) << GetParam().label;
    EXPECT_EQ(sequence.Drawing(), GetParam().shareOfThePath < 1.0) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(Times, FlightFrames,
                         ::testing::Values(FrameRow{"at the launch", 0ms, 0.0}, FrameRow{"halfway", 125ms, 0.5},
                                           FrameRow{"on time", 250ms, 1.0}, FrameRow{"a late frame", 900ms, 1.0}));

TEST(FlyInSequence, AThreeDTileDropsAcrossThenDownWithoutAFlight)
{
    RecordingBoard board;
    board.flies = false;
    board.hold = 600ms;
    FlyInSequence sequence(board);
    sequence.Add({2, QStringLiteral("D"), QStringLiteral("D")});
    sequence.Step(kStart);
    sequence.Step(kStart);
    EXPECT_EQ(board.said,
              (QStringList{"show 2 D", "wait 600", "drop 2", "wait 0", "land 2", "in place"}));
}

TEST(FlyInSequence, AStopMidDrawForgetsEveryTileAndReportsNothingMore)
{
    RecordingBoard board;
    board.hold = 600ms;
    FlyInSequence sequence(board);
    sequence.Add({0, QStringLiteral("A"), QStringLiteral("A")});
    sequence.Step(kStart);  // A flies; B's sound holds
    sequence.Add({1, QStringLiteral("B"), QStringLiteral("AB")});
    sequence.Stop();
    board.said.clear();

    sequence.Step(kStart + 600ms);
    sequence.Frame(kStart + 1s);

    EXPECT_TRUE(board.said.isEmpty()) << board.said.join(", ").toStdString();
    EXPECT_FALSE(sequence.Drawing());
}

TEST(FlyInSequence, ATileAskedForWhenTheLastLandsStartsANewDraw)
{
    RecordingBoard board;
    FlyInSequence sequence(board);
    board.onInPlace = [&] {
        board.onInPlace = nullptr;
        sequence.Add({1, QStringLiteral("E"), QStringLiteral("AE")});
    };
    sequence.Add({0, QStringLiteral("A"), QStringLiteral("A")});
    sequence.Step(kStart);
    sequence.Frame(kStart + 1s);

    EXPECT_EQ(board.said.mid(board.said.size() - 3), (QStringList{"in place", "show 1 E", "wait 0"}));
    EXPECT_TRUE(sequence.Drawing());
}

}  // namespace
