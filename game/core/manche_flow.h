// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_rules.h"

#include <QString>

#include <functional>

class Dialogs;
class RoundClock;
struct GameState;

// The flow of a game of five manches: what follows the end of a manche's clock (the
// results, the reset for the next draw, after the fifth manche the high scores, the
// end-of-game window and a new game), the new-game operation itself, and the hint
// that the letter board gives on its first click.
//
// The state is reset here; the window does its part through the hooks. Wiring:
//     clock hook endOfManche          -> flow.EndOfManche()
//     results window finished         -> flow.ResultsClosed()
//     high-score window finished      -> flow.HighScoresClosed()
//     end-of-game window finished     -> flow.EndOfGameClosed(choice)
//     "&Nuova Partita" (F2)           -> flow.NewGame()
//     click on the letter board       -> flow.BoardClicked()
//     the main window closing         -> flow.Abandon()
//
// The results, high-score and end-of-game windows are modal but opened without an
// event loop of their own: the hooks open them and return, and the sequence goes on
// when the window reports that it closed. A window that closes after a new game or
// Abandon has taken the flow elsewhere is not waited for any more and changes nothing,
// so a manche is never counted twice and no game starts over a newer one.
class MancheFlow {
public:
    static constexpr int kManchesPerGame = GameRules::kManchesPerGame;

    static inline const QString kBoardHint = QStringLiteral("Premi il tasto <F2> per nuova partita");
    // Board panel captions: after a new game, and while waiting for the next draw.
    static inline const QString kNewGameBoardCaption = QStringLiteral("Area estrazione lettere");
    static inline const QString kNextMancheBoardCaption = QStringLiteral("Cliccare bottoni estrazione");

    enum class EndOfGameChoice { PlayAgain, Quit };

    // What the flow's owner (the game, and through its signals the window) does for
    // it. Any hook may be left empty.
    struct Hooks {
        // Opens the results window, modal; ResultsClosed follows when it closes.
        std::function<void()> showResults;
        // Ready for the next draw: show the draw buttons; clear the time bar, the
        // progress strip and the time label; empty and disable the word boxes and
        // caption them "Parola trovata:"; reset the tiles (and the letter draw);
        // caption the board panel kNextMancheBoardCaption.
        std::function<void()> resetForNextManche;
        std::function<void(const QString& text)> setMancheLabel;
        // Opens the high-score window at the end of a game, modal (GameOver is set);
        // HighScoresClosed follows.
        std::function<void()> showHighScores;
        // Opens the end-of-game window, modal; EndOfGameClosed follows with the
        // player's choice.
        std::function<void()> showEndOfGame;
        // The window's part of a new game: draw buttons shown, time bar, progress
        // strip and time label cleared, second "finished" button hidden, board
        // background, name boxes enabled, word boxes emptied and disabled, score
        // labels cleared, tiles reset (and the letter draw), board panel captioned
        // kNewGameBoardCaption.
        std::function<void()> newGame;
    };

    MancheFlow(GameState& state, RoundClock& clock, Dialogs& dialogs, Hooks hooks);
    MancheFlow(const MancheFlow&) = delete;
    MancheFlow& operator=(const MancheFlow&) = delete;

    // The clock has ended the manche: the results window opens.
    void EndOfManche();
    // The results window closed: the next manche, or after the fifth the high scores.
    void ResultsClosed();
    // The high-score window closed: the end-of-game window.
    void HighScoresClosed();
    // The end-of-game window closed: a new game, unless the player chose to quit (the
    // window ends the program itself).
    void EndOfGameClosed(EndOfGameChoice choice);

    // A new game: the clock stops, the draw, the found words, the players' words and
    // the totals are emptied, GameOver is cleared and the manche is 1 again.
    void NewGame();

    // A click on the letter board: the first of the run shows kBoardHint.
    void BoardClicked();

    // The window is closing: a sequence waiting on one of its windows goes no further.
    void Abandon();

    // Which window the flow waits for, if any.
    enum class Waiting { Nothing, Results, HighScores, EndOfGame };
    Waiting WaitingFor() const { return waiting_; }

    // "Manche " + n + "/" + kManchesPerGame: "Manche 2/5".
    static QString MancheLabel(int manche);

private:
    void ResetForNextManche();

    GameState& state_;
    RoundClock& clock_;
    Dialogs& dialogs_;
    Hooks hooks_;
    Waiting waiting_ = Waiting::Nothing;
    bool hintShown_ = false;
};
