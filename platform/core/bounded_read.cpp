// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/bounded_read.h"

#include <QFile>
#include <QFileInfo>

namespace BoundedRead {

Status Open(QFile& file, const QString& path, qint64 maxBytes)
{
    const QFileInfo info(path);
    // A link to nothing is there but cannot be read: it is not missing.
    if (!info.exists())
        return info.isSymLink() ? Status::Unreadable : Status::Missing;
    if (!info.isFile())
        return Status::NotARegularFile;
    if (info.size() > maxBytes)
        return Status::TooLarge;
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::Unreadable;
    return Status::Ok;
}

Result Read(const QString& path, qint64 maxBytes)
{
    QFile file;
    if (const Status opened = Open(file, path, maxBytes); opened != Status::Ok)
        return {opened, {}};
    // The file may have grown since it was measured: read no more than the limit allows.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {Status::Unreadable, {}};
    if (bytes.size() > maxBytes)
        return {Status::TooLarge, {}};
    return {Status::Ok, std::move(bytes)};
}

QString FailureText(Status status, const QString& fileName)
{
    switch (status) {
    case Status::Ok:
        return {};
    case Status::Missing:
        return QStringLiteral("Il file ") + fileName + QStringLiteral(" non esiste.");
    case Status::Unreadable:
        return QStringLiteral("Impossibile leggere il file ") + fileName +
               QStringLiteral(": accesso negato o errore di lettura.");
    case Status::NotARegularFile:
        return QStringLiteral("Il file ") + fileName + QStringLiteral(" non è un file normale.");
    case Status::TooLarge:
        return QStringLiteral("Il file ") + fileName + QStringLiteral(" è troppo grande e non viene letto.");
    }
    return {};
}

}  // namespace BoundedRead
