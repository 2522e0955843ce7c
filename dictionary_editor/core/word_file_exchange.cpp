// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/word_file_exchange.h"

#include "lexicon/core/per_length_files.h"

#include <algorithm>

QString ExportWordFiles(const EditorWordLists& lists, const ProgramFiles& files)
{
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        const SortedWordList& list = lists.List(k);
        QString error;
        if (!PerLengthFiles::Write(files, list.Length(), list.Words(), &error))
            return QStringLiteral("Impossibile scrivere il file ") + PerLengthFiles::FileName(list.Length()) +
                   QStringLiteral(": ") + error;
    }
    return {};
}

bool WordFiles::AnyRead() const
{
    return std::any_of(entries.cbegin(), entries.cend(), [](const auto& file) { return file.has_value(); });
}

WordFiles ReadWordFiles(const ProgramFiles& programFiles)
{
    WordFiles files;
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        PerLengthFiles::ReadResult file = PerLengthFiles::Read(programFiles, k + EditorWordLists::kShortest);
        switch (file.status) {
        case PerLengthFiles::ReadResult::Status::Missing:
            break;
        case PerLengthFiles::ReadResult::Status::Unreadable:
            files.errors.append(file.error);
            break;
        case PerLengthFiles::ReadResult::Status::Read:
            files.linesRead += file.words.size();
            files.entries[k] = ImportedEntries(std::move(file.words));
            break;
        }
    }
    return files;
}

WordFileImport ApplyWordFiles(EditorWordLists& lists, const WordFiles& files, ImportMode mode)
{
    WordFileImport import;
    import.linesRead = files.linesRead;
    import.errors = files.errors;
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        if (!files.entries[k])
            continue;
        SortedWordList& list = lists.List(k);
        import.read[k] = true;
        if (mode == ImportMode::Replace) {
            list.SetWords(*files.entries[k], true);
            continue;
        }
        QStringList merged = list.Words();
        const qsizetype before = merged.size();
        for (const QString& entry : *files.entries[k]) {
            if (!entry.isEmpty() && !list.IndexOf(entry))
                merged.append(entry);
        }
        if (merged.size() == before)
            continue;
        // Repeated lines of a file go in once.
        std::stable_sort(merged.begin(), merged.end(), WordLess);
        merged.erase(std::unique(merged.begin(), merged.end()), merged.end());
        import.added += merged.size() - before;
        list.SetWords(std::move(merged), true);
    }
    return import;
}

WordFileImport ImportWordFiles(EditorWordLists& lists, const ProgramFiles& files, ImportMode mode)
{
    return ApplyWordFiles(lists, ReadWordFiles(files), mode);
}

qsizetype ListLosses::Total() const
{
    qsizetype total = 0;
    for (const qsizetype count : lost)
        total += count;
    return total;
}

ImportLosses LossesOfReplacing(const EditorWordLists& lists, const WordFiles& files)
{
    ImportLosses losses;
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        if (!files.entries[k])
            continue;
        const SortedWordList& list = lists.List(k);
        QStringList incoming = *files.entries[k];
        std::stable_sort(incoming.begin(), incoming.end(), WordLess);
        for (const QString& word : list.Words()) {
            if (!word.isEmpty() && !std::binary_search(incoming.cbegin(), incoming.cend(), word, WordLess))
                ++losses.lost[k];
        }
        // A word deleted since the load and not yet rebuilt away comes back when the
        // file still holds it.
        if (!list.Changed())
            continue;
        for (const QString& word : list.LexiconWords()) {
            if (!list.IndexOf(word) && std::binary_search(incoming.cbegin(), incoming.cend(), word, WordLess))
                ++losses.deletionsUndone;
        }
    }
    return losses;
}

QStringList ImportedEntries(QStringList lines)
{
    for (QString& line : lines)
        line = line.toUpper();
    return lines;
}

ExportLosses EntriesLostByExport(const EditorWordLists& lists, const ProgramFiles& files)
{
    ExportLosses losses;
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        const SortedWordList& list = lists.List(k);
        PerLengthFiles::ReadResult file = PerLengthFiles::Read(files, list.Length());
        if (file.status == PerLengthFiles::ReadResult::Status::Unreadable) {
            losses.errors.append(file.error);
            losses.unreadable[k] = true;
        }
        if (file.status != PerLengthFiles::ReadResult::Status::Read)
            continue;
        // Compared as an import would take them in, so a line the list holds
        // upper-cased is no loss; an empty line holds no word to lose.
        for (const QString& entry : ImportedEntries(std::move(file.words))) {
            if (!entry.isEmpty() && !list.IndexOf(entry))
                ++losses.lost[k];
        }
    }
    return losses;
}
