// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/ui/end_of_game_window.h"

#include "platform/ui/button_keys.h"
#include "platform/ui/current_item_on_focus.h"
#include "scoring/core/end_of_game_summary.h"
#include "model/game_state.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

EndOfGameWindow::EndOfGameWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Letterama - Fine Partita"));
    setModal(true);

    auto* heading = new QLabel(QStringLiteral("PARTITE GIOCATE"), this);
    heading->setAlignment(Qt::AlignCenter);

    games_ = new QListWidget(this);
    games_->setObjectName(QStringLiteral("gamesList"));
    games_->setAccessibleName(heading->text());
    games_->setAccessibleDescription(QStringLiteral("Vuoi fare un'altra partitina?"));
    CurrentItemOnFocus::Announce(games_);
    heading->setBuddy(games_);
    // The lines are laid out in fixed columns; only a fixed-pitch font keeps them.
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    games_->setFont(courier);
    games_->setMinimumSize(QFontMetrics(courier).horizontalAdvance(QString(70, QLatin1Char('0'))) + 30, 200);

    auto* question = new QLabel(QStringLiteral("Vuoi fare un'altra partitina?"), this);
    question->setAlignment(Qt::AlignCenter);

    yes_ = new QPushButton(QStringLiteral("&Sì"), this);
    yes_->setObjectName(QStringLiteral("yesButton"));
    yes_->setAccessibleName(QStringLiteral("Sì"));
    yes_->setAccessibleDescription(question->text());
    yes_->setDefault(true);
    connect(yes_, &QPushButton::clicked, this, [this] { Answer(Choice::NewGame); });

    quit_ = new QPushButton(QStringLiteral("&Fine"), this);
    quit_->setObjectName(QStringLiteral("quitButton"));
    quit_->setAccessibleName(QStringLiteral("Fine"));
    quit_->setAutoDefault(false);
    connect(quit_, &QPushButton::clicked, this, [this] { Answer(Choice::Quit); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes_);
    buttons->addWidget(quit_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(games_, 1);
    layout->addWidget(question);
    layout->addLayout(buttons);

    setTabOrder(games_, yes_);
    setTabOrder(yes_, quit_);
    ButtonKeys::EnterPressesFocusedButton(this);
}

void EndOfGameWindow::Open(const GameState& state)
{
    // Counted once per game, not on every activation: switching to another program
    // and back must not list the same game twice.
    AddFinishedGame(state);
    choice_ = Choice::NewGame;
    // The window opens on the game just finished, read once; Enter there answers yes,
    // as on the button.
    games_->setFocus();
    open();
}

void EndOfGameWindow::done(int result)
{
    QDialog::done(result);
    if (choice_ == Choice::Quit)
        emit QuitRequested();
    else
        emit NewGameRequested();
}

void EndOfGameWindow::AddFinishedGame(const GameState& state)
{
    ++gamesPlayed_;
    // The names and the scores stand on two lines for the eye, in one entry of the
    // list: a screen reader reads each game once, each name with its score.
    auto* item = new QListWidgetItem(EndOfGameSummary::OnScreen(EndOfGameSummary::NameLine(gamesPlayed_, state)) +
                                         QLatin1Char('\n') +
                                         EndOfGameSummary::OnScreen(EndOfGameSummary::ScoreLine(state)),
                                     games_);
    item->setData(Qt::AccessibleTextRole, SpokenGame(gamesPlayed_, state));
    games_->setCurrentRow(games_->count() - 1);
    // Scrolling lays the list out; a hidden list is scrolled when it is shown.
    if (isVisible())
        games_->scrollToItem(games_->currentItem());
}

QString EndOfGameWindow::SpokenGame(int gameNumber, const GameState& state)
{
    QStringList players;
    for (std::size_t slot = 0; slot < state.Players.size(); ++slot) {
        const QString& name = state.Players[slot].Name;
        if (!name.trimmed().isEmpty() && slot < state.TotalScores.size())
            players.append(QStringLiteral("%1 %2").arg(name.trimmed()).arg(state.TotalScores[slot]));
    }
    return QStringLiteral("%1) %2").arg(gameNumber).arg(players.join(QStringLiteral(", ")));
}

void EndOfGameWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QListWidgetItem* last = games_->currentItem())
        games_->scrollToItem(last);
    if (centred_)
        return;
    centred_ = true;
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.left() + (available.width() - width()) / 2,
             available.top() + (available.height() - height()) / 2);
    }
}

void EndOfGameWindow::Answer(Choice choice)
{
    choice_ = choice;
    if (choice == Choice::Quit)
        reject();
    else
        accept();
}
