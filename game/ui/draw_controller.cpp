// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/draw_controller.h"

#include "game/ui/fill_strip.h"
#include "game/core/game.h"
#include "game/core/word_draw.h"
#include "platform/core/dialogs.h"
#include "game/ui/game_view.h"
#include "game/ui/main_menu.h"
#include "game/core/spoken_text.h"
#include "game/ui/board/tile_board.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

DrawController::DrawController(Game& game, Dialogs& dialogs, GameView& view, MainMenu& menu, TileBoard& board,
                               Hooks hooks, QObject* parent)
    : QObject(parent), game_(game), dialogs_(dialogs), view_(view), menu_(menu), board_(board), hooks_(std::move(hooks))
{
    using Button = GameView::DrawButton;
    auto onPress = [this](Button button, auto handler) {
        connect(view_.DrawButtonOf(button), &QPushButton::clicked, this, handler);
    };
    onPress(Button::Auto, [this] { game_.DrawAuto(); });
    onPress(Button::Vowel, [this] {
        const qsizetype before = game_.Letters().size();
        game_.DrawVowel();
        SayLetterWhenInPlace(before);
    });
    onPress(Button::Consonant, [this] {
        const qsizetype before = game_.Letters().size();
        game_.DrawConsonant();
        SayLetterWhenInPlace(before);
    });
    onPress(Button::InputWord, [this] { DrawTypedWord(); });
    onPress(Button::ComputerWord, [this] { game_.DrawComputerWord(); });
    ConnectGame();
}

void DrawController::ConnectGame()
{
    connect(&game_, &Game::drawReset, &board_, &TileBoard::Reset);
    connect(&game_, &Game::drawStarted, this, &DrawController::PrepareDraw);
    connect(&game_, &Game::letterDrawn, &board_, &TileBoard::DrawTile);
    // The manche starts once the last tile is in place; a reset meanwhile drops it.
    connect(&game_, &Game::drawCompleted, this, [this] { board_.WhenTilesInPlace([this] { CompleteDraw(); }); });
}

void DrawController::DrawTypedWord()
{
    // Asked before the draw: a cancelled box answers with nothing, which the game
    // refuses like any string of the wrong length.
    if (game_.CurrentPhase() != Game::Phase::Drawing)
        return;
    const QString typed =
        dialogs_.InputBox(WordDraw::TypedWordPrompt(game_.Settings().LetterCount)).value_or(QString());
    game_.DrawTypedWord(typed);
}

void DrawController::SayLetterWhenInPlace(qsizetype drawnBefore)
{
    // A refused press drew nothing; the last letter of the board is said with all the
    // others, as the manche starts.
    const QString& letters = game_.Letters();
    const int letterCount = game_.Settings().LetterCount;
    const int drawn = static_cast<int>(letters.size());
    if (drawn != drawnBefore + 1 || drawn >= letterCount)
        return;
    const QString said = SpokenText::DrawnLetter(letters.right(1), drawn, letterCount);
    board_.WhenTilesInPlace([this, said] { view_.SpokenLine()->Say(said); });
}

void DrawController::ResetDraw()
{
    board_.Reset();
    SetDrawMenus(true);
}

void DrawController::PrepareDraw()
{
    view_.TimeBar()->Clear();
    view_.ProgressStrip()->Clear();
    view_.TimeLabel()->clear();
    if (hooks_.resetPlayers)
        hooks_.resetPlayers();
    SetDrawMenus(false);
}

void DrawController::CompleteDraw()
{
    view_.DrawPanel()->hide();
    SetDrawMenus(true);
    if (hooks_.drawComplete)
        hooks_.drawComplete();
}

void DrawController::SetDrawMenus(bool available)
{
    // Until the board is complete a new game or another vocabulary would pull the
    // draw from under itself, and another time limit would change the manche.
    menu_.Action(MainMenu::Command::NewGame)->setEnabled(available);
    menu_.Action(MainMenu::Command::EditVocabulary)->setEnabled(available);
    menu_.TimeMenu()->menuAction()->setVisible(available);
}
