// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class Game;
class ResultsWindow;

// The results window as the view of the game's judging: the end of a manche opens
// it; once it is on screen the game judges the board, each row appearing as it is
// judged; a word no list knows is put to the player in the window and the answer
// goes back to the game; the game's complete board fills the window; closing the
// window moves the game on. The game alone judges and keeps the totals: the window
// writes nothing of it.
class ResultsJudging : public QObject {
    Q_OBJECT

public:
    // `beforeJudging`, when given, runs as the manche ends, before its board is
    // judged (a lexicon file rebuilt meanwhile is taken then).
    ResultsJudging(Game& game, ResultsWindow& results, std::function<void()> beforeJudging = {},
                   QObject* parent = nullptr);

    // The game's holder goes away (a new game does the same by itself): the window
    // stops waiting and closes.
    void Abandon();

private:
    void Open();
    void Judge();
    void Answer(int choice);

    Game& game_;
    // Gone with its owner, maybe while a message of the judging is open.
    QPointer<ResultsWindow> results_;
    std::function<void()> beforeJudging_;
};
