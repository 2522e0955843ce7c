// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/player_input.h"

#include "model/game_state.h"
#include "game/ui/game_view.h"
#include "game/core/letter_use.h"
#include "game/ui/player_panel.h"
#include "game/core/sound_effects.h"
#include "game/ui/board/tile_board.h"
#include "game/ui/board/word_box_filter.h"
#include "game/core/word_entry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace {

const QString kClickSound = QStringLiteral("SOUND2.wav");

}  // namespace

PlayerInput::PlayerInput(const GameState& state, GameView& view, TileBoard& board, SoundEffects& sounds,
                         std::function<void()> finish, QObject* parent)
    : QObject(parent), state_(state), view_(view), board_(board), sounds_(sounds)
{
    for (int slot = 0; slot < GameState::kPlayers; ++slot) {
        QLineEdit* box = view_.WordBox(slot);
        new WordBoxFilter(box, state_.Alphabet, finish, [this, slot] { activeWordBox_ = slot; });
        connect(box, &QLineEdit::textChanged, this, [this, slot](const QString& word) {
            view_.Player(slot)->WordCaption()->setText(WordEntry::Caption(static_cast<int>(word.size())));
            ShowLetterUse(slot, word);
        });
    }
    connect(&board_, &TileBoard::TileClicked, this, &PlayerInput::OnTileClicked);
    connect(&board_, &TileBoard::LetterLabelClicked, this, &PlayerInput::OnLetterLabelClicked);
}

void PlayerInput::ShowLetterUse(int slot, const QString& word)
{
    // Only what a human types shows on the board; a computer's announced word stays hidden.
    if (IsComputerPlayer(state_.Players[slot].Name))
        return;
    QLineEdit* box = view_.WordBox(slot);
    // A masked box hides its word from the other players at the keyboard: dimmed
    // tiles or red text would show them which letters it uses.
    const bool masked = box->echoMode() != QLineEdit::Normal;
    const LetterUse use = masked ? LetterUse{} : LetterUse::Of(state_.DrawnLetters, word);
    board_.DimUsedTiles(use.usedTiles);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, use.spelt ? QApplication::palette().color(QPalette::Text) : QColor(Qt::red));
    box->setPalette(palette);
    box->setAccessibleDescription(use.spelt ? QString() : QStringLiteral("Parola non componibile con le lettere estratte"));
}

void PlayerInput::ResetForDraw()
{
    for (int slot = 0; slot < GameState::kPlayers; ++slot) {
        PlayerPanel* panel = view_.Player(slot);
        panel->NameBox()->setEnabled(false);
        panel->WordBox()->clear();
        panel->WordCaption()->setText(WordEntry::kCaption);
        panel->WordBox()->setEnabled(!IsComputerPlayer(state_.Players[slot].Name));
    }
    // The focus goes to slot 0's box, which makes it the active one even while the
    // window itself is not active and no focus event comes.
    view_.WordBox(0)->setFocus();
    activeWordBox_ = 0;
    MaskWordBoxes();
}

void PlayerInput::MaskWordBoxes()
{
    const auto masked = WordEntry::MaskWordBoxes(state_.Players);
    for (int slot = 0; slot < GameState::kPlayers; ++slot)
        ApplyWordBoxMask(*view_.WordBox(slot), masked[slot]);
}

void PlayerInput::AppendDrawnLetter(int position)
{
    if (position < 0 || position >= state_.DrawnLetters.size())
        return;
    QLineEdit* box = view_.WordBox(activeWordBox_);
    if (!box->isEnabled())  // between manches, or a computer player's box
        return;
    box->setText(box->text() + state_.DrawnLetters.at(position).toLower());
    box->setFocus();
}

void PlayerInput::OnTileClicked(int position)
{
    sounds_.PlaySound(kClickSound);
    board_.AnimateClick(position, false, [this, position] { AppendDrawnLetter(position); });
}

void PlayerInput::OnLetterLabelClicked(int position)
{
    board_.AnimateClick(position, true, [this, position] { AppendDrawnLetter(position); });
    sounds_.PlaySound(kClickSound);
}
