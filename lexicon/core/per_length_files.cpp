// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/per_length_files.h"

#include "platform/core/bounded_read.h"
#include "platform/core/program_folder.h"
#include "platform/core/safe_file_write.h"
#include "platform/core/single_byte_text.h"

#include <QDir>
#include <QFileInfo>

namespace PerLengthFiles {

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines.append(text.mid(start, end - start));
        if (end + 1 < size && text[end] == u'\r' && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

QString FileName(int length)
{
    return QString::number(length) + QStringLiteral(".TXT");
}

QString PathOf(const ProgramFiles& files, int length)
{
    return files.Resolve(FileName(length));
}

QString AppendFileName(int length)
{
    return QString::number(length) + QStringLiteral(".txt");
}

QString AppendPathOf(const ProgramFiles& files, int length)
{
    return files.Resolve(AppendFileName(length));
}

ReadResult Read(const ProgramFiles& files, int length)
{
    ReadResult result;
    const QString path = PathOf(files, length);
    const BoundedRead::Result file = BoundedRead::Read(path, kMaxFileBytes);
    switch (file.status) {
    case BoundedRead::Status::Ok:
        result.words = SplitLines(SingleByteText::DecodeAny(file.bytes));
        result.status = ReadResult::Status::Read;
        break;
    case BoundedRead::Status::Missing:
        break;
    default:
        result.status = ReadResult::Status::Unreadable;
        result.error = BoundedRead::FailureText(file.status, QDir::toNativeSeparators(path));
        break;
    }
    return result;
}

std::optional<QByteArray> Format(const QStringList& words)
{
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString& word : words)
        size += word.size() + 2;
    bytes.reserve(size);
    for (const QString& word : words) {
        const std::optional<QByteArray> line = SingleByteText::Encode(word);
        if (!line)
            return std::nullopt;
        bytes.append(*line);
        bytes.append("\r\n", 2);
    }
    return bytes;
}

bool Write(const ProgramFiles& files, int length, const QStringList& words, QString* error)
{
    const std::optional<QByteArray> bytes = Format(words);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("Una parola di ") + FileName(length) +
                     QStringLiteral(" contiene caratteri che il file non può contenere");
        return false;
    }
    return files.WriteWhole(FileName(length), *bytes, error);
}

bool AppendWord(const ProgramFiles& files, const QByteArray& word, QString* error)
{
    const auto length = static_cast<int>(word.size());
    const QString path = AppendPathOf(files, length);
    const QString name = QDir::toNativeSeparators(path);
    const SafeFileWrite::Target target = SafeFileWrite::Inspect(path);
    if (!target.Writable()) {
        *error = QStringLiteral("Il file ") + name + QStringLiteral(" non è un file di testo normale: ") +
                 SafeFileWrite::Describe(target);
        return false;
    }
    QString reason;
    if (files.AppendLine(QFileInfo(path).fileName(), word, &reason))
        return true;
    *error = QStringLiteral("Impossibile scrivere nel file ") + name + QStringLiteral(": la parola ") +
             QString::fromLatin1(word) + QStringLiteral(" non è stata aggiunta (") + reason + QStringLiteral(")");
    return false;
}

}  // namespace PerLengthFiles
