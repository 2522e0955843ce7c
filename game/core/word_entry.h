// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_state.h"

#include <QChar>
#include <QString>

#include <array>

// The rules of the players' word boxes: which typed keys are kept, the live length
// caption above each box, and which boxes hide their text.
namespace WordEntry {

inline const QString kCaption = QStringLiteral("Parola trovata:");

enum class KeyVerdict {
    Finish,   // Enter: the player has finished; the key itself is not typed
    Keep,     // Backspace, or a letter of the alphabet (kept in the case typed)
    Discard,  // digits, blanks, punctuation, accented letters, letters of other alphabets
};

// The verdict on a character typed into a word box while `alphabet` is in play.
KeyVerdict FilterKey(QChar typed, const QString& alphabet);

// "Parola trovata:  (" + n + " Caratt.) ", the caption of a box holding n characters.
QString Caption(int characters);

// Which of the four word boxes show their text masked: with one human (slot 0)
// against three "(CPU)" players only the computers' boxes; with two or more humans
// at the keyboard all four, so no player sees another's word.
std::array<bool, GameState::kPlayers> MaskWordBoxes(const std::array<PlayerSlot, GameState::kPlayers>& players);

}  // namespace WordEntry
