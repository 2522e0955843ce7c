// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/results_judging.h"

#include "game/core/game.h"
#include "platform/core/site_address.h"
#include "scoring/ui/results_window.h"

#include <utility>

ResultsJudging::ResultsJudging(Game& game, ResultsWindow& results, std::function<void()> beforeJudging,
                               QObject* parent)
    : QObject(parent), game_(game), results_(&results), beforeJudging_(std::move(beforeJudging))
{
    connect(&game_, &Game::mancheEnded, this, &ResultsJudging::Open);
    // A new game (or another language) drops the board under way, answered or not.
    connect(&game_, &Game::newGameStarted, this, &ResultsJudging::Abandon);
    connect(&results, &ResultsWindow::JudgingWanted, this, &ResultsJudging::Judge);
    connect(&game_, &Game::rowJudged, &results, &ResultsWindow::ShowVerdict);
    connect(&game_, &Game::confirmationNeeded, &results, [this](const QString& word, int previousChoice) {
        results_->AskConfirmation(word, previousChoice,
                                  SiteAddress::ForPlayer(game_.Settings().Site).Page(SiteAddress::kHomePath));
    });
    connect(&results, &ResultsWindow::Confirmed, this, &ResultsJudging::Answer);
    connect(&game_, &Game::mancheJudged, &results, &ResultsWindow::ShowBoard);
    connect(&results, &QDialog::finished, &game_, &Game::CloseResults);
    // The window gone before the board was complete: the game's judging goes no
    // further, and nothing of it is counted.
    connect(&results, &QObject::destroyed, this, [this] {
        if (game_.CurrentPhase() == Game::Phase::Judging)
            game_.Abandon();
    });
}

void ResultsJudging::Open()
{
    if (beforeJudging_)
        beforeJudging_();
    if (!results_)
        return;
    // The words as the players left them when the manche ended.
    const GameState& state = game_.View();
    results_->OpenManche(state.Players, state.MancheNumber, state.FoundWords);
}

void ResultsJudging::Judge()
{
    game_.JudgeManche();
}

void ResultsJudging::Answer(int choice)
{
    game_.Confirm(choice);
    game_.JudgeManche();
}

void ResultsJudging::Abandon()
{
    if (results_)
        results_->Abandon();
}
