// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor_word_lists.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The editor's lists and the per-length word files "3.TXT" to "10.TXT" of a folder.

// Writes every list to the file of its length, entries in list order, one per line.
// Returns what failed, empty when all eight files were written. Each file is replaced
// whole, so a failure leaves that file as it was.
QString ExportWordFiles(const EditorWordLists& lists, const QString& folder);

struct WordFileImport {
    std::array<bool, EditorWordLists::kListCount> read{};  // the lists replaced
    std::int64_t linesRead = 0;
    QStringList errors;  // files that exist but could not be read; their lists stay
};

// Replaces each list whose file exists with the file's lines, sorted; a missing file
// leaves its list as it was. Lower-case letters are upper-cased (a file edited by
// hand keeps its words); anything else is taken as it stands (the rebuild leaves out
// what does not belong in the lexicon). Files of lengths 2 and 11 to 15 are not read.
// A replaced list counts as changed when it differs from the lexicon file's words.
WordFileImport ImportWordFiles(EditorWordLists& lists, const QString& folder);

// The entries of one word file as the editor takes them in: upper-cased.
QStringList ImportedEntries(QStringList lines);

// What an export would lose: the entries of each existing word file that its list
// lacks (the words a harvest appended, say), by length.
struct ExportLosses {
    std::array<qsizetype, EditorWordLists::kListCount> lost{};
    QStringList errors;  // files that exist but could not be read

    qsizetype Total() const;
};
ExportLosses EntriesLostByExport(const EditorWordLists& lists, const QString& folder);
