// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <chrono>
#include <functional>

class EndOfGameWindow;
class Game;
class PauseControl;
class ProgramFiles;
class GameView;
class QTimer;
class ResultsJudging;
class ResultsWindow;
class RoundClock;
struct Platform;

// A manche from the complete draw to its end, and a game of five of them, on the
// main window: the window's one periodic timer ticks the game's clock; the finish
// buttons and Enter fast-forward it; the time bar, the time label and the computer
// players' word boxes show what it does; its end opens the results window, resets
// the board for the next draw and, after the fifth manche, shows the high scores and
// the end-of-game window before a new game.
class MancheController : public QObject {
    Q_OBJECT

public:
    // What the main window does for a game, beside what this controller does.
    struct Hooks {
        // The manche ended: a lexicon file rebuilt meanwhile is taken for its judging.
        std::function<void()> beforeJudging;
        // The window's part of a new game (draw buttons, players' panels, board).
        std::function<void()> resetForNewGame;
        // Ready for the next draw: the draw and the board are emptied.
        std::function<void()> resetForNextManche;
        // "&Fine" in the end-of-game window: the program ends.
        std::function<void()> endProgram;
    };

    MancheController(Game& game, const Platform& platform, const ProgramFiles& files, GameView& view, ResultsWindow& results, Hooks hooks,
                     QWidget* window);
    ~MancheController() override;

    // The draw is complete: the clock starts at one tick a second.
    void StartClock();
    // One tick of the game's clock, dropped while a modal window or the pause holds
    // the game: the timer's, or a test's.
    void Tick();
    // "Finished": the second is remembered and the rest runs out at once.
    void FinishNow();
    void NewGame();
    void BoardClicked();
    // The time key: says the seconds left (or gone, or that the clock is still).
    void SayTimeNow();
    // The window is closing: no more ticks, and a sequence waiting on one of the
    // game's windows goes no further.
    void Abandon();

    QTimer* Timer() const { return timer_; }
    // The pause of a running manche; a paused clock drops its ticks.
    PauseControl* Pause() const { return pause_; }
    // The tile board, which a pause hides.
    void SetBoard(QWidget* board);
    const RoundClock& Clock() const;
    EndOfGameWindow* EndOfGame() const;

private:
    void ConnectClock();
    void ConnectFlow();
    void SetTimerPeriod(int ms, std::chrono::milliseconds firstAfter);
    // At 30 and 10 seconds before the end of a timed manche, on the line a screen
    // reader speaks.
    void SpeakSecondsLeft();
    void ShowHighScores();
    void ShowEndOfGame();

    Game& game_;
    const Platform& platform_;
    const ProgramFiles& files_;
    GameView& view_;
    // The results window shows the game's judging of each manche.
    ResultsJudging* judging_;
    Hooks hooks_;
    QWidget* window_;
    QTimer* timer_;
    // Starts the timer once a sound's hold after "finished" is over.
    QTimer* delayedStart_;
    // One for the run: it counts the games played and keeps their list.
    QPointer<EndOfGameWindow> endOfGame_;
    PauseControl* pause_ = nullptr;
};
