// SPDX-License-Identifier: GPL-3.0-or-later
#include "harvest_targets.h"

#include "per_length_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString NativeName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool EndsWithLineEnd(QFile& file, qint64 size)
{
    char last = '\n';
    if (size > 0 && (!file.seek(size - 1) || !file.getChar(&last)))
        return false;
    return last == '\n' || last == '\r';
}

}  // namespace

HarvestTargets::HarvestTargets(QString folder) : folder_(std::move(folder)) {}

HarvestTargets::Outcome HarvestTargets::Add(const QByteArray& word, QString* error)
{
    const qsizetype length = word.size();
    if (!HarvestWords::HasHarvestLength(length)) {
        *error = QStringLiteral("La parola ") + QString::fromLatin1(word) +
                 QStringLiteral(" non ha una lunghezza da 2 a 15 lettere");
        return Outcome::Failed;
    }
    Target& target = targets_[length];
    if (!target.loaded) {
        if (!Load(static_cast<int>(length), target, error))
            return Outcome::Failed;
        target.loaded = true;
    }
    if (target.lines.Contains(word))
        return Outcome::Known;
    if (!Append(target.path, word, error))
        return Outcome::Failed;
    target.lines.Insert(word);
    return Outcome::Appended;
}

bool HarvestTargets::Load(int length, Target& target, QString* error) const
{
    target.path = PerLengthFiles::AppendPathOf(folder_, length);
    const QFileInfo info(target.path);
    if (!info.exists())
        return true;
    const QString name = NativeName(target.path);
    if (!info.isFile()) {
        *error = QStringLiteral("Il file ") + name + QStringLiteral(" non è un file di testo normale");
        return false;
    }
    if (info.size() > PerLengthFiles::kMaxFileBytes) {
        *error = QStringLiteral("Il file ") + name + QStringLiteral(" è troppo grande per un file di parole");
        return false;
    }
    QFile file(target.path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Impossibile leggere il file ") + name;
        return false;
    }
    const QByteArray bytes = file.read(PerLengthFiles::kMaxFileBytes + 1);
    if (bytes.size() > PerLengthFiles::kMaxFileBytes) {
        *error = QStringLiteral("Il file ") + name + QStringLiteral(" è troppo grande per un file di parole");
        return false;
    }
    // Lines end at CR LF, CR or LF; only a line of `length` plain capitals can be a
    // word of the file, since the words compared are plain capitals.
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    target.lines.Reserve(size / (length + 2));
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        if (end - start == length)
            target.lines.Insert(QByteArrayView(data + start, length));
        if (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return true;
}

bool HarvestTargets::Append(const QString& path, const QByteArray& word, QString* error)
{
    const QString name = NativeName(path);
    const QFileInfo info(path);
    // Opening a pipe or a device of that name could block or write elsewhere.
    if (info.exists() && !info.isFile()) {
        *error = QStringLiteral("Il file ") + name + QStringLiteral(" non è un file di testo normale");
        return false;
    }
    const QString failed = QStringLiteral("Impossibile scrivere nel file ") + name +
                           QStringLiteral(": la parola ") + QString::fromLatin1(word) +
                           QStringLiteral(" non è stata aggiunta");
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        *error = failed;
        return false;
    }
    const qint64 size = file.size();
    // A last line edited by hand may lack its line end: add one, or the word would
    // be glued to it.
    QByteArray record;
    record.reserve(word.size() + 4);
    if (!EndsWithLineEnd(file, size))
        record.append("\r\n");
    record.append(word).append("\r\n");
    if (!file.seek(size) || file.write(record) != record.size() || !file.flush()) {
        // Leave no half line behind.
        file.resize(size);
        *error = failed;
        return false;
    }
    return true;
}
