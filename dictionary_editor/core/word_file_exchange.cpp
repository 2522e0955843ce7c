// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_file_exchange.h"

#include "per_length_files.h"

QString ExportWordFiles(const EditorWordLists& lists, const QString& folder)
{
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        const SortedWordList& list = lists.List(k);
        QString error;
        if (!PerLengthFiles::Write(folder, list.Length(), list.Words(), &error))
            return QStringLiteral("Impossibile scrivere il file ") + PerLengthFiles::FileName(list.Length()) +
                   QStringLiteral(": ") + error;
    }
    return {};
}

WordFileImport ImportWordFiles(EditorWordLists& lists, const QString& folder)
{
    WordFileImport import;
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        SortedWordList& list = lists.List(k);
        PerLengthFiles::ReadResult file = PerLengthFiles::Read(folder, list.Length());
        switch (file.status) {
        case PerLengthFiles::ReadResult::Status::Missing:
            break;
        case PerLengthFiles::ReadResult::Status::Unreadable:
            import.errors.append(file.error);
            break;
        case PerLengthFiles::ReadResult::Status::Read:
            import.linesRead += file.words.size();
            list.SetWords(ImportedEntries(std::move(file.words)), true);
            import.read[k] = true;
            break;
        }
    }
    return import;
}

QStringList ImportedEntries(QStringList lines)
{
    for (QString& line : lines)
        line = line.toUpper();
    return lines;
}

qsizetype ExportLosses::Total() const
{
    qsizetype total = 0;
    for (const qsizetype count : lost)
        total += count;
    return total;
}

ExportLosses EntriesLostByExport(const EditorWordLists& lists, const QString& folder)
{
    ExportLosses losses;
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        const SortedWordList& list = lists.List(k);
        PerLengthFiles::ReadResult file = PerLengthFiles::Read(folder, list.Length());
        if (file.status == PerLengthFiles::ReadResult::Status::Unreadable)
            losses.errors.append(file.error);
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
