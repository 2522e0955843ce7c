// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/language.h"
#include "lexicon/core/lexicon_writer.h"

#include <QDir>
#include <QString>
#include <QStringList>

// Writes "SLESSICO.<language>" into `folder` holding just `words`.
inline bool WriteTinyLexicon(const QString& folder, int language, const QStringList& words)
{
    std::array<QStringList, kLexiconListCount> lists;
    for (const QString& word : words)
        lists[word.size() - 3].append(word);
    return WriteLexiconFile(QDir(folder).filePath(TableOf(static_cast<Language>(language)).LexiconFileName()), ComposeLexicon(ToLexiconWordLists(lists), LexiconBanner(static_cast<Language>(language))));
}
