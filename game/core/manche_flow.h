#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class Dialogs;
class RoundClock;
struct GameState;

// The flow of a game of five manches: what follows the end of a manche's clock (the
// results, the reset for the next draw, after the fifth manche the high scores, the
// end-of-game window and a new game), the new-game operation itself, and the hint
// that the letter board gives on its first click.
//
// The state is reset here; the window does its part through the hooks. Wiring:
//     clock hook endOfManche   -> flow.EndOfManche()
//     "&Nuova Partita" (F2)    -> flow.NewGame()
//     click on the letter board -> flow.BoardClicked()
//     the main window closing  -> flow.Abandon()
//
// The results, high-score and end-of-game windows are modal and run their own event
// loops. A new game, another end of manche or Abandon while one of them is open
// makes the sequence that opened it stop as soon as the window closes, so it never
// counts a manche twice or starts a game over a newer one. The flow may be destroyed
// while one of its windows is open.
class MancheFlow {
public:
    static constexpr int kManchesPerGame = 5;

    static inline const QString kBoardHint = QStringLiteral("Premi il tasto <F2> per nuova partita");
    // Board panel captions: after a new game, and while waiting for the next draw.
    static inline const QString kNewGameBoardCaption = QStringLiteral("Area estrazione lettere");
    static inline const QString kNextMancheBoardCaption = QStringLiteral("Cliccare bottoni estrazione");

    enum class EndOfGameChoice { PlayAgain, Quit };

    // What the main window does for the flow. Any hook may be left empty.
    struct Hooks {
        // The results window, modal; returns once it has been closed.
        std::function<void()> showResults;
        // Ready for the next draw: show the draw buttons; clear the time bar, the
        // progress strip and the time label; empty and disable the word boxes and
        // caption them "Parola trovata:"; reset the tiles (and the letter draw);
        // caption the board panel kNextMancheBoardCaption.
        std::function<void()> resetForNextManche;
        std::function<void(const QString& text)> setMancheLabel;
        // The high-score window at the end of a game, modal (GameOver is set).
        std::function<void()> showHighScores;
        // The end-of-game window, modal. Quit when the player chose "&Fine" (the
        // window ends the program itself; the flow starts no new game).
        std::function<EndOfGameChoice()> showEndOfGame;
        // The window's part of a new game: draw buttons shown, time bar, progress
        // strip and time label cleared, second "finished" button hidden, board
        // background, name boxes enabled, word boxes emptied and disabled, score
        // labels cleared, tiles reset (and the letter draw), board panel captioned
        // kNewGameBoardCaption.
        std::function<void()> newGame;
    };

    MancheFlow(GameState& state, RoundClock& clock, Dialogs& dialogs, Hooks hooks);
    ~MancheFlow();
    MancheFlow(const MancheFlow&) = delete;
    MancheFlow& operator=(const MancheFlow&) = delete;

    // The clock has ended the manche: results, then the next manche, or after the
    // fifth the end of the game and a new one.
    void EndOfManche();

    // A new game: the clock stops, the draw, the found words, the players' words and
    // the totals are emptied, GameOver is cleared and the manche is 1 again.
    void NewGame();

    // A click on the letter board: the first of the run shows kBoardHint.
    void BoardClicked();

    // The window is closing: a sequence waiting on one of its windows goes no further.
    void Abandon();

    // "Manche " + n + "/5".
    static QString MancheLabel(int manche);

private:
    bool StillCurrent(const std::shared_ptr<bool>& alive, std::uint64_t generation) const
    {
        return *alive && generation == generation_;
    }
    void ResetForNextManche();
    void EndOfGame(const std::shared_ptr<bool>& alive, std::uint64_t generation);
    void EmptyDraw();

    GameState& state_;
    RoundClock& clock_;
    Dialogs& dialogs_;
    Hooks hooks_;
    // Every end of manche, new game and Abandon opens a new generation; a sequence
    // of an older one stops when its modal window returns.
    std::uint64_t generation_ = 0;
    bool hintShown_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
