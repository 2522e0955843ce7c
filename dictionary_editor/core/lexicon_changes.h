// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/sorted_word_list.h"

#include <QStringList>

// What the next rebuild will change in one length of the lexicon file: the entries
// the list holds and the file lacks (added), and the file's words the list no longer
// holds (removed), each in list order.
struct LexiconChanges {
    QStringList added;
    QStringList removed;

    bool Empty() const { return added.isEmpty() && removed.isEmpty(); }
};

// One merge pass over the list and the file's words, both kept in WordLess order: a
// list of a hundred thousand words is compared in a few milliseconds.
LexiconChanges ChangesOf(const SortedWordList& list);
