// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/draw_controller.h"

#include "game/ui/fill_strip.h"
#include "model/game_state.h"
#include "game/ui/game_view.h"
#include "game/ui/main_menu.h"
#include "platform/core/platform.h"
#include "game/core/spoken_text.h"
#include "game/ui/board/tile_board.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

DrawController::DrawController(GameState& state, const Platform& platform, const LexiconIndex& index,
                               const ProgramFiles& files,
                               GameView& view, MainMenu& menu, TileBoard& board, Hooks hooks, QObject* parent)
    : QObject(parent),
      state_(state),
      view_(view),
      menu_(menu),
      board_(board),
      hooks_(std::move(hooks)),
      letters_(state, platform.random, platform.dialogs, LetterHooks()),
      words_(state, letters_, platform.dialogs, platform.random, index, files)
{
    using Button = GameView::DrawButton;
    auto onPress = [this](Button button, auto handler) {
        connect(view_.DrawButtonOf(button), &QPushButton::clicked, this, handler);
    };
    onPress(Button::Auto, [this] { letters_.PressAuto(); });
    onPress(Button::Vowel, [this] {
        const qsizetype before = state_.DrawnLetters.size();
        letters_.PressVowel();
        SayLetterWhenInPlace(before);
    });
    onPress(Button::Consonant, [this] {
        const qsizetype before = state_.DrawnLetters.size();
        letters_.PressConsonant();
        SayLetterWhenInPlace(before);
    });
    onPress(Button::InputWord, [this] { words_.PressTypedWord(); });
    onPress(Button::ComputerWord, [this] { words_.PressProgramWord(); });
}

LetterDraw::Hooks DrawController::LetterHooks()
{
    LetterDraw::Hooks hooks;
    hooks.resetTiles = [this] { board_.Reset(); };
    hooks.prepareDraw = [this] { PrepareDraw(); };
    hooks.drawTile = [this](int position, const QString& letter) { board_.DrawTile(position, letter); };
    // The manche starts once the last tile is in place; a reset meanwhile drops it.
    hooks.drawComplete = [this] { board_.WhenTilesInPlace([this] { CompleteDraw(); }); };
    return hooks;
}

void DrawController::SayLetterWhenInPlace(qsizetype drawnBefore)
{
    // A refused press drew nothing; the last letter of the board is said with all the
    // others, as the manche starts.
    const int drawn = static_cast<int>(state_.DrawnLetters.size());
    if (drawn != drawnBefore + 1 || drawn >= state_.Settings.LetterCount)
        return;
    const QString said = SpokenText::DrawnLetter(state_.DrawnLetters.right(1), drawn, state_.Settings.LetterCount);
    board_.WhenTilesInPlace([this, said] { view_.SpokenLine()->Say(said); });
}

void DrawController::ResetDraw()
{
    letters_.ResetDraw();
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
    state_.ElapsedSeconds = 0;
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
