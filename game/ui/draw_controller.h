// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class Game;
class GameView;
class MainMenu;
class TileBoard;
class Dialogs;

// The five draw buttons of the main window: the letter draws (vowel, consonant,
// auto) and the word draws (typed string, program-chosen word), with what every
// draw does around them: the players' view reset for the draw, the new-game and
// vocabulary items disabled and the time menu hidden until the board is complete,
// and, once it is, the draw buttons hidden and the manche handed on.
class DrawController : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        // The players' boxes are reset for the draw and masked.
        std::function<void()> resetPlayers;
        // The board is complete and the draw buttons are hidden: start the manche.
        std::function<void()> drawComplete;
    };

    // The draws are the game's; `dialogs` asks for a typed string.
    DrawController(Game& game, Dialogs& dialogs, GameView& view, MainMenu& menu, TileBoard& board, Hooks hooks,
                   QObject* parent = nullptr);

    // New game or next manche, once the game has emptied its draw: empties the board,
    // abandoning any draw still showing its tiles.
    void ResetDraw();

private:
    void ConnectGame();
    void DrawTypedWord();
    void PrepareDraw();
    // A letter drawn on its own is said once its tile is in place.
    void SayLetterWhenInPlace(qsizetype drawnBefore);
    void CompleteDraw();
    void SetDrawMenus(bool available);

    Game& game_;
    Dialogs& dialogs_;
    GameView& view_;
    MainMenu& menu_;
    TileBoard& board_;
    Hooks hooks_;
};
