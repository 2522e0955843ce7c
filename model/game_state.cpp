// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/game_state.h"

bool IsComputerPlayer(const QString& name)
{
    return name.contains(QStringLiteral("(CPU)"));
}

void GameState::UseLettersOf(Language language)
{
    const LanguageTable& table = TableOf(language);
    Alphabet = table.Alphabet;
    VowelPool = table.VowelPool;
    ConsonantPool = table.ConsonantPool;
}
