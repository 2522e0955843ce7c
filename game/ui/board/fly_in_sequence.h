// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>
#include <deque>
#include <vector>

// The order and timing of a draw's tiles, without a widget or a timer: the tile board
// shows what this sequence says, and calls it back when the time it asked for has
// passed, so a test can play a whole draw by calling it with chosen times.
//
// Each tile, in the order asked: it is shown (painted, its sound started) and held
// for the sound's length; then it either flies in along its path, one position per
// frame over kFlightTime whatever the machine's speed, or (3D styles) drops into
// place across then down. The next tile does not wait for a flight: with sound off
// the tiles of a draw fly together, so a whole draw is slower by one flight only.
// When no tile is waiting, held or flying, the board hears that every tile is in
// place.
class FlyInSequence {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kFlightTime{250};

    struct Tile {
        int position;
        QString letter;
        QString drawnSoFar;  // the drawn letters when the tile was asked for
    };

    // What the board does at each step.
    class Board {
    public:
        virtual ~Board() = default;
        struct Shown {
            std::chrono::milliseconds hold;  // how long the tile's sound holds the sequence
            bool flies;                      // flies in; else drops into place
        };
        // The tile at the head is shown: caption, text copy, painted tile, its sound.
        virtual Shown Show(const Tile& tile) = 0;
        // Call Step once `wait` has passed.
        virtual void StepAfter(std::chrono::milliseconds wait) = 0;
        // Call Frame on every frame of the screen until StopFrames.
        virtual void StartFrames() = 0;
        virtual void StopFrames() = 0;
        // A flight begins: the element of slot `position` is shown on top at point
        // `k` (in twips) of its fly-in path.
        virtual void Launch(int position, int k) = 0;
        // A flying element moves to point `k` of its path.
        virtual void FlyTo(int position, int k) = 0;
        // The 3D drop: first across to the slot's column, then down into place.
        virtual void DropAcross(int position) = 0;
        virtual void Land(const Tile& tile) = 0;
        virtual void AllInPlace() = 0;
    };

    explicit FlyInSequence(Board& board) : board_(board) {}

    // Asks for a tile; it is shown at once when nothing else is being shown.
    void Add(Tile tile);
    // The wait asked by StepAfter is over.
    void Step(Clock::time_point now);
    // One frame of every flight under way. A slow frame makes a tile jump ahead,
    // never arrive late.
    void Frame(Clock::time_point now);
    // Forgets every tile waiting, held or flying; the board hears nothing more of them.
    void Stop();

    bool Drawing() const { return !queue_.empty() || phase_ != Phase::Idle || !flights_.empty(); }

    void SetFlightTime(std::chrono::milliseconds time) { flightTime_ = time; }
    std::chrono::milliseconds FlightTime() const { return flightTime_; }

    // The first point of the fly-in path (its k, in twips) at which a tile at slot
    // `position` shows on the natural board: the flight is spent on the part seen.
    static int FirstSeenStep(int position);

private:
    enum class Phase { Idle, Holding, Dropping, Landing };
    struct Flight {
        int position;
        Clock::time_point start;
        int firstSeen;
    };

    void ShowNext();
    void Launch(int position, Clock::time_point now);
    void Finish();

    Board& board_;
    std::deque<Tile> queue_;  // the head is the tile being shown
    Phase phase_ = Phase::Idle;
    bool headFlies_ = false;
    std::vector<Flight> flights_;
    bool framesRunning_ = false;
    std::chrono::milliseconds flightTime_ = kFlightTime;
};
