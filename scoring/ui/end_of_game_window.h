// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;
struct GameState;

// The end-of-game window "Letterama - Fine Partita": the games played during this run,
// two lines each (names, then totals), and the question whether to play another one.
//
// For the game: keep one window for the whole run (it counts the games and keeps the
// list) and, after the high-score window, call Open(state); when the player answers,
// the window closes and emits NewGameRequested or QuitRequested (LastChoice() tells
// the same). "&Fine" only asks for the end of the program; it never quits by itself.
// Closing the window any other way counts as going on to a new game.
class EndOfGameWindow : public QDialog {
    Q_OBJECT

public:
    enum class Choice { NewGame, Quit };

    explicit EndOfGameWindow(QWidget* parent = nullptr);

    // Adds the finished game to the list and opens the window modally; returns at once.
    void Open(const GameState& state);

    // Adds the game's two lines, counting it, and selects the last line. Open calls it
    // once per game; it is public so the window can be driven without running modally.
    void AddFinishedGame(const GameState& state);
    // One game as a screen reader reads it: "1) ANONIMO 4510, COMPUTER 4100, ...".
    static QString SpokenGame(int gameNumber, const GameState& state);

    int GamesPlayed() const { return gamesPlayed_; }
    Choice LastChoice() const { return choice_; }

signals:
    void NewGameRequested();
    void QuitRequested();

public slots:
    // Closing, however it happens, reports the choice.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Answer(Choice choice);

    int gamesPlayed_ = 0;
    bool centred_ = false;
    Choice choice_ = Choice::NewGame;
    QListWidget* games_;
    QPushButton* yes_;
    QPushButton* quit_;
};
