// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/editor_word_lists.h"

#include <QString>

#include <optional>

// The editor's search box: the entries that begin with what the keeper typed, the
// word itself first (it heads the list of its own length), then the longer words that
// start with it, list by list. Each list is searched by binary search, so a search
// over the whole lexicon costs a few comparisons per list.
namespace EditorWordSearch {

struct Match {
    int list = -1;
    qsizetype row = -1;
};

// How many entries begin with `typed` (trimmed, either case).
qsizetype CountMatches(const EditorWordLists& lists, const QString& typed);

// Match number `ordinal` (0-based, taken modulo the count, so Enter after the last
// match goes back to the first); nothing when no entry begins with `typed`.
std::optional<Match> FindMatch(const EditorWordLists& lists, const QString& typed, qsizetype ordinal);

}  // namespace EditorWordSearch
