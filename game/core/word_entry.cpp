// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/word_entry.h"

namespace WordEntry {

KeyVerdict FilterKey(QChar typed, const QString& alphabet)
{
    if (typed == QChar(13))
        return KeyVerdict::Finish;
    if (typed == QChar(8))
        return KeyVerdict::Keep;
    // toUpper leaves accented letters accented, so "à" stays outside the alphabet.
    const QChar upper = typed.toUpper();
    return upper.isLetter() && alphabet.contains(upper) ? KeyVerdict::Keep : KeyVerdict::Discard;
}

QString Caption(int characters)
{
    return QStringLiteral("Parola trovata:  (") + QString::number(characters) + QStringLiteral(" Caratt.) ");
}

std::array<bool, GameState::kPlayers> MaskWordBoxes(const std::array<PlayerSlot, GameState::kPlayers>& players)
{
    int computers = 0;
    for (int slot = 1; slot < GameState::kPlayers; ++slot)
        computers += IsComputerPlayer(players[slot].Name) ? 1 : 0;
    std::array<bool, GameState::kPlayers> masked{};
    masked.fill(true);
    if (computers == GameState::kPlayers - 1)
        masked[0] = false;
    return masked;
}

}  // namespace WordEntry
