// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class GameView;
class SoundEffects;
class TileBoard;
struct GameState;

// The players' side of a manche on the main window: the key filter on each word box
// (Enter finishes), the live length caption above it, which box is active, letters
// clicked on the board appended to the active box, and the masking of the boxes.
class PlayerInput : public QObject {
    Q_OBJECT

public:
    // `finish` runs when Enter is pressed in a word box.
    PlayerInput(const GameState& state, GameView& view, TileBoard& board, SoundEffects& sounds,
                std::function<void()> finish, QObject* parent = nullptr);

    // The slot whose word box last had the focus; clicked letters go there.
    int ActiveWordBox() const { return activeWordBox_; }

    // The players' view for a draw: names frozen until the next game, word boxes
    // emptied under their plain caption, open to humans only, the focus in slot 0's
    // box, and the boxes masked.
    void ResetForDraw();

    // Masks the computer players' boxes when one human plays, every box when two or
    // more humans share the keyboard.
    void MaskWordBoxes();

    // Appends letter `position` (0-based) of DrawnLetters, in lower case, to the
    // active word box and gives that box the focus.
    void AppendDrawnLetter(int position);

private:
    // Dims the tiles the word of `slot` uses and turns its text red when the board
    // cannot spell it.
    void ShowLetterUse(int slot, const QString& word);
    void OnTileClicked(int position);
    void OnLetterLabelClicked(int position);

    const GameState& state_;
    GameView& view_;
    TileBoard& board_;
    SoundEffects& sounds_;
    int activeWordBox_ = 0;
};
