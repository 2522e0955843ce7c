// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/main_window.h"

#include "game/ui/draw_controller.h"
#include "game/ui/fill_strip.h"
#include "game/core/game.h"
#include "game/ui/main_menu.h"
#include "game/ui/game_view.h"
#include "game/ui/manche_controller.h"
#include "game/core/manche_flow.h"
#include "game/ui/main_menu.h"
#include "game/ui/palette_colors.h"
#include "game/ui/pause_control.h"
#include "game/ui/player_input.h"
#include "game/ui/player_panel.h"
#include "scoring/ui/results_window.h"
#include "game/core/spoken_text.h"
#include "game/ui/board/tile_board.h"
#include "game/core/word_entry.h"

#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QTimer>

// The main window's part in a manche: the board, the draw buttons, the players'
// boxes, the computer search, the clock and the flow of the game, wired together.

void MainWindow::BuildBoard()
{
    board_ = new TileBoard(game_->View(), sounds_, files_);
    view_->PlaceBoard(board_);
    board_->SetScreenReaderLabels(view_->BoardTextCopy(), view_->ScreenReaderLabel());
    connect(board_, &TileBoard::CaptionChanged, view_->BoardPanel(), &QGroupBox::setTitle);
    connect(this, &MainWindow::TileStyleChanged, board_, &TileBoard::RedrawAll);
    board_->installEventFilter(this);
    view_->BoardPanel()->installEventFilter(this);
}

void MainWindow::BuildManche()
{
    search_ = std::make_unique<SearchRunner>(game_->View(), *view_->ProgressStrip(), *view_->TimeLabel());
    input_ = new PlayerInput(game_->View(), *view_, *board_, sounds_, [this] { manche_->FinishNow(); }, this);
    // A lexicon rebuilt meanwhile is searched and judged from this draw on.
    connect(game_.get(), &Game::drawStarted, this, &MainWindow::FollowLexiconFile);

    DrawController::Hooks drawHooks;
    drawHooks.resetPlayers = [this] { input_->ResetForDraw(); };
    drawHooks.drawComplete = [this] { StartManche(); };
    draw_ = new DrawController(*game_, platform_.dialogs, *view_, *menu_, *board_, std::move(drawHooks), this);

    // Made now and kept hidden, so that the search can fill its list of found words.
    results_ = new ResultsWindow(platform_, files_, spellChecker_, this);
    connect(results_, &ResultsWindow::ScoreLabelsChanged, this, [this](const QStringList& labels) {
        for (int slot = 0; slot < GameState::kPlayers && slot < labels.size(); ++slot)
            view_->Player(slot)->ScoreLabel()->setText(labels.at(slot));
    });
    search_->SetFoundWordsList({[this] { results_->ClearFoundWords(); },
                                [this](const QStringList& lines) { results_->AppendFoundWords(lines); }});

    MancheController::Hooks mancheHooks;
    mancheHooks.beforeJudging = [this] { FollowLexiconFile(); };
    mancheHooks.resetForNewGame = [this] { ResetViewForNewGame(); };
    mancheHooks.resetForNextManche = [this] { ResetViewForNextManche(); };
    mancheHooks.endProgram = [this] { EndProgram(); };
    manche_ = new MancheController(*game_, platform_, files_, *view_, *results_, std::move(mancheHooks), this);
    manche_->SetBoard(board_);
    connect(manche_->Pause(), &PauseControl::PausedChanged, menu_->Action(MainMenu::Command::Pause),
            &QAction::setChecked);
    AddTimeKey();
}

void MainWindow::AddTimeKey()
{
    // Ctrl+T types nothing into a word box, so the key works while the player writes.
    QAction* sayTime = menu_->HelpMenu()->addAction(QString::fromUtf8(kTimeKeyCaption));
    sayTime->setObjectName(QStringLiteral("sayTimeAction"));
    sayTime->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(sayTime, &QAction::triggered, manche_, &MancheController::SayTimeNow);
}

QTimer* MainWindow::MancheClock() const
{
    return manche_->Timer();
}

void MainWindow::StartManche()
{
    manche_->StartClock();
    // What a player typed while the tiles flew in counts from the first second.
    for (int slot = 0; slot < GameState::kPlayers; ++slot)
        game_->EnterWord(slot, view_->WordBox(slot)->text());
    view_->FinishButton(0)->setEnabled(true);
    view_->SpokenLine()->Say(SpokenText::Letters(game_->Letters()));
    search_->Show();
}

void MainWindow::PaintBoardBackground()
{
    // The classic tiles with a background picture stand on white, every other style on
    // grey; on a dark desktop both take their shades from its palette.
    QPalette board = view_->BoardPanel()->palette();
    board.setColor(QPalette::Window, PaletteColors::BoardBackground(
                                         palette(), game_->Settings().TileStyle == TileLook::ClassicPicture));
    view_->BoardPanel()->setPalette(board);
}

void MainWindow::ResetViewForNewGame()
{
    view_->DrawPanel()->show();
    draw_->ResetDraw();

    view_->TimeBar()->Clear();
    view_->ProgressStrip()->Clear();
    view_->TimeLabel()->clear();
    view_->FinishButton(1)->hide();

    PaintBoardBackground();
    for (int slot = 0; slot < GameState::kPlayers; ++slot)
        view_->Player(slot)->ResetForNewGame();
    view_->BoardPanel()->setTitle(MancheFlow::kNewGameBoardCaption);
    WaitForTheDraw();
}

void MainWindow::ResetViewForNextManche()
{
    view_->DrawPanel()->show();
    view_->TimeBar()->Clear();
    view_->ProgressStrip()->Clear();
    view_->TimeLabel()->clear();
    for (int slot = 0; slot < GameState::kPlayers; ++slot) {
        PlayerPanel* panel = view_->Player(slot);
        panel->WordBox()->clear();
        panel->WordBox()->setEnabled(false);
        panel->WordCaption()->setText(WordEntry::kCaption);
    }
    draw_->ResetDraw();
    view_->BoardPanel()->setTitle(MancheFlow::kNextMancheBoardCaption);
    WaitForTheDraw();
}

void MainWindow::WaitForTheDraw()
{
    // No manche runs until the draw is complete: there is no time to end.
    view_->FinishButton(0)->setEnabled(false);
    view_->SpokenLine()->Clear();
    // The word box that had the focus is disabled now; the focus would move on to
    // whatever comes next, a link picture that Enter opens in the browser.
    view_->DrawButtonOf(GameView::DrawButton::Auto)->setFocus();
}
