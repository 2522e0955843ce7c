// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a screen reader says of a manche while the player stays in the word box: the
// drawn letters, the seconds left, the time on request. The words are the game's
// own; the window decides when to say them and through which control.
namespace SpokenText {

// "Lettere estratte: C A S T E L L O A R": one letter at a time, so that a screen
// reader spells the board instead of trying to pronounce it as a word.
QString Letters(const QString& drawnLetters);

// "Lettera A, 3 di 10": a letter drawn on its own (a vowel or a consonant), said
// once its tile is in place; `drawn` counts it.
QString DrawnLetter(const QString& letter, int drawn, int letterCount);

// Said when a new game begins, before its first manche is named.
inline const QString kNewGame = QStringLiteral("Nuova partita");

// "Mancano 10 secondi", "Manca 1 secondo".
QString SecondsLeft(int seconds);

// The seconds left said on their own, without asking: at 30 and at 10 before the end
// of a timed manche, never at its start nor in an unlimited one (`unlimited`), where
// the end is only the player's "finished".
bool SaysSecondsLeftAt(int elapsed, int roundSeconds, bool unlimited);

// The answer of the time key: the seconds left of a running manche, the seconds gone
// of an unlimited one ("Tempo illimitato: trascorsi 12 secondi"), or "Tempo fermo"
// between manches (`running` false).
QString TimeNow(bool running, int elapsed, int roundSeconds, bool unlimited);

}  // namespace SpokenText
