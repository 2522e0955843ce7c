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
// leaves its list as it was. Lines are taken as they stand (the rebuild leaves out
// those that do not belong in the lexicon). Files of lengths 2 and 11 to 15 are not
// read. The replaced lists count as unchanged: they now match their files.
WordFileImport ImportWordFiles(EditorWordLists& lists, const QString& folder);
