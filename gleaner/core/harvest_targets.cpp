// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/core/harvest_targets.h"

#include "platform/core/bounded_read.h"
#include "lexicon/core/per_length_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString NativeName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

}  // namespace

HarvestTargets::HarvestTargets(ProgramFiles files) : files_(std::move(files)) {}

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
    if (!Append(word, error))
        return Outcome::Failed;
    target.lines.Insert(word);
    return Outcome::Appended;
}

bool HarvestTargets::Load(int length, Target& target, QString* error) const
{
    target.path = PerLengthFiles::AppendPathOf(files_, length);
    const BoundedRead::Result file = BoundedRead::Read(target.path, PerLengthFiles::kMaxFileBytes);
    if (file.status == BoundedRead::Status::Missing)
        return true;
    if (!file.Ok()) {
        *error = BoundedRead::FailureText(file.status, NativeName(target.path));
        return false;
    }
    const QByteArray& bytes = file.bytes;
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

bool HarvestTargets::Append(const QByteArray& word, QString* error) const
{
    return PerLengthFiles::AppendWord(files_, word, error);
}
