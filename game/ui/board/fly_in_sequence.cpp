// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/board/fly_in_sequence.h"

#include "game/ui/board/tile_geometry.h"

#include <QRect>

#include <algorithm>
#include <cmath>

void FlyInSequence::Add(Tile tile)
{
    queue_.push_back(std::move(tile));
    if (phase_ == Phase::Idle)
        ShowNext();
}

void FlyInSequence::ShowNext()
{
    if (queue_.empty()) {
        phase_ = Phase::Idle;
        // The last flights report once they have landed.
        if (flights_.empty())
            board_.AllInPlace();
        return;
    }
    const Board::Shown shown = board_.Show(queue_.front());
    headFlies_ = shown.flies;
    phase_ = Phase::Holding;
    board_.StepAfter(shown.hold);
}

void FlyInSequence::Step(Clock::time_point now)
{
    if (queue_.empty()) {
        phase_ = Phase::Idle;
        return;
    }
    const Tile& tile = queue_.front();
    switch (phase_) {
    case Phase::Idle:
        return;
    case Phase::Holding:
        if (headFlies_) {
            Launch(tile.position, now);
            Finish();
            return;
        }
        phase_ = Phase::Dropping;
        [[fallthrough]];
    case Phase::Dropping:
        board_.DropAcross(tile.position);
        phase_ = Phase::Landing;
        break;
    case Phase::Landing:
        board_.Land(tile);
        Finish();
        return;
    }
    board_.StepAfter(std::chrono::milliseconds(0));
}

void FlyInSequence::Finish()
{
    queue_.pop_front();
    ShowNext();
}

int FlyInSequence::FirstSeenStep(int position)
{
    // The path begins far below and, for every slot but the first, far to the left:
    // most of it lies outside the board, where nothing is seen.
    using namespace TileGeometry;
    const QRect board(QPoint(0, 0), BoardSize());
    const QSize size(kTileWidth, kTileHeight);
    for (int k = kFlyFirst; k < kFlyLast; ++k) {
        if (board.intersects(QRect(FlyInTopLeft(position, k), size)))
            return k;
    }
    return kFlyLast;
}

void FlyInSequence::Launch(int position, Clock::time_point now)
{
    const int firstSeen = FirstSeenStep(position);
    board_.Launch(position, firstSeen);
    flights_.push_back({position, now, firstSeen});
    if (!framesRunning_) {
        framesRunning_ = true;
        board_.StartFrames();
    }
}

void FlyInSequence::Frame(Clock::time_point now)
{
    using TileGeometry::kFlyLast;
    // A frame that was already due when the sequence stopped moves nothing.
    if (!framesRunning_)
        return;
    for (auto flight = flights_.begin(); flight != flights_.end();) {
        // Where the time says the tile is.
        const double progress =
            flightTime_.count() <= 0
                ? 1.0
                : std::min(1.0, std::chrono::duration<double>(now - flight->start) /
                                    std::chrono::duration<double>(flightTime_));
        const int k = flight->firstSeen + static_cast<int>(std::lround(progress * (kFlyLast - flight->firstSeen)));
        board_.FlyTo(flight->position, k);
        if (progress >= 1.0)
            flight = flights_.erase(flight);
        else
            ++flight;
    }
    if (!flights_.empty())
        return;
    framesRunning_ = false;
    board_.StopFrames();
    if (queue_.empty() && phase_ == Phase::Idle)
        board_.AllInPlace();
}

void FlyInSequence::Stop()
{
    queue_.clear();
    flights_.clear();
    phase_ = Phase::Idle;
    framesRunning_ = false;
}
