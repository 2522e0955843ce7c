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
            list.SetWords(std::move(file.words), false);
            import.read[k] = true;
            break;
        }
    }
    return import;
}
