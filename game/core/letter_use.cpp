// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/letter_use.h"

LetterUse LetterUse::Of(const QString& drawnLetters, const QString& word)
{
    LetterUse use;
    use.usedTiles.assign(static_cast<std::size_t>(drawnLetters.size()), false);
    for (const QChar letter : word.toUpper()) {
        const qsizetype tile = [&] {
            for (qsizetype i = 0; i < drawnLetters.size(); ++i) {
                if (drawnLetters[i] == letter && !use.usedTiles[static_cast<std::size_t>(i)])
                    return i;
            }
            return qsizetype(-1);
        }();
        if (tile < 0)
            use.spelt = false;
        else
            use.usedTiles[static_cast<std::size_t>(tile)] = true;
    }
    return use;
}
