// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/lexicon_changes.h"

LexiconChanges ChangesOf(const SortedWordList& list)
{
    LexiconChanges changes;
    if (!list.Changed())
        return changes;
    const QStringList& now = list.Words();
    const QStringList& before = list.LexiconWords();
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < now.size() && j < before.size()) {
        if (WordLess(now[i], before[j])) {
            changes.added.append(now[i++]);
        } else if (WordLess(before[j], now[i])) {
            changes.removed.append(before[j++]);
        } else {
            ++i;
            ++j;
        }
    }
    for (; i < now.size(); ++i)
        changes.added.append(now[i]);
    for (; j < before.size(); ++j)
        changes.removed.append(before[j]);
    return changes;
}
