// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/fake_platform.h"
#include "model/game_state.h"
#include "tests/support/temp_program_folder.h"
#include "tests/support/tiny_lexicon.h"

#include <QStringList>

#include <array>

// A manche over the ten letters CASTELLOAR (two A, two L) and a lexicon that knows a
// handful of the words they spell; SALTO and RESTO are spelt from them but unknown.
namespace MancheFixture {

inline const QString kLetters = QStringLiteral("CASTELLOAR");
inline const QStringList kLexiconWords = {
    QStringLiteral("ORA"),    QStringLiteral("SALE"),   QStringLiteral("CELLA"),
    QStringLiteral("CASTA"),  QStringLiteral("STELLA"), QStringLiteral("LOCALE"),
    QStringLiteral("CASTELLO"),
};

// Into `folder`, as its "SLESSICO.<language>".
inline bool WriteLexicon(const TempProgramFolder& folder, int language, const QStringList& words = kLexiconWords)
{
    return WriteTinyLexicon(folder.Path(), language, words);
}

// The default slots: the human "Anonimo" first, then the three computer players, with
// these words.
inline std::array<PlayerSlot, GameState::kPlayers> Players(const QString& human, const QString& cpu1,
                                                          const QString& cpu2, const QString& cpu3)
{
    GameState state;
    std::array<PlayerSlot, GameState::kPlayers> players = state.Players;
    const QString words[] = {human, cpu1, cpu2, cpu3};
    for (int p = 0; p < GameState::kPlayers; ++p)
        players[p].Word = words[p];
    return players;
}

}  // namespace MancheFixture
