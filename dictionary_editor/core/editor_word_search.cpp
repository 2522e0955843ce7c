// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/editor_word_search.h"

#include <algorithm>

namespace {

struct Range {
    qsizetype first = 0;
    qsizetype end = 0;
};

// The rows of `words` that begin with `prefix`, ignoring case: under WordLess they
// sit together, from the prefix itself up to the prefix followed by the last code.
Range PrefixRange(const QStringList& words, const QString& prefix)
{
    const auto first = std::lower_bound(words.cbegin(), words.cend(), prefix, WordLess);
    auto end = first;
    while (end != words.cend() && end->startsWith(prefix, Qt::CaseInsensitive))
        ++end;
    return {first - words.cbegin(), end - words.cbegin()};
}

// The lists whose words are at least as long as `prefix`, shortest first.
int FirstList(const QString& prefix)
{
    return std::max(0, EditorWordLists::ListFor(prefix.size()));
}

}  // namespace

namespace EditorWordSearch {

qsizetype CountMatches(const EditorWordLists& lists, const QString& typed)
{
    const QString prefix = typed.trimmed().toUpper();
    if (prefix.isEmpty())
        return 0;
    qsizetype count = 0;
    for (int k = FirstList(prefix); k < EditorWordLists::kListCount; ++k) {
        const Range range = PrefixRange(lists.List(k).Words(), prefix);
        count += range.end - range.first;
    }
    return count;
}

std::optional<Match> FindMatch(const EditorWordLists& lists, const QString& typed, qsizetype ordinal)
{
    const qsizetype count = CountMatches(lists, typed);
    if (count == 0)
        return std::nullopt;
    const QString prefix = typed.trimmed().toUpper();
    qsizetype wanted = ((ordinal % count) + count) % count;
    for (int k = FirstList(prefix); k < EditorWordLists::kListCount; ++k) {
        const Range range = PrefixRange(lists.List(k).Words(), prefix);
        if (wanted < range.end - range.first)
            return Match{k, range.first + wanted};
        wanted -= range.end - range.first;
    }
    return std::nullopt;
}

}  // namespace EditorWordSearch
