#include "program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ProgramFolder {

QString Resolve(const QString& name)
{
    const QFileInfo info(name);
    if (info.exists())
        return name;
    const QDir folder = info.dir();
    const QString fileName = info.fileName();
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return info.path() == QStringLiteral(".") && !name.startsWith(QStringLiteral("./"))
                       ? entry
                       : folder.filePath(entry);
    }
    return name;
}

bool Exists(const QString& name)
{
    return QFileInfo(Resolve(name)).isFile();
}

std::optional<QByteArray> ReadAll(const QString& name)
{
    QFile file(Resolve(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool WriteAtomically(const QString& name, const QByteArray& bytes, QString* error)
{
    QSaveFile file(Resolve(name));
    // commit() does not see a failure of the last buffered write (a full disk): flush
    // first, or a truncated file would replace the old one.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool AppendLine(const QString& name, const QByteArray& line)
{
    QFile file(Resolve(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QByteArray record = line;
    record.append("\r\n");
    return file.write(record) == record.size() && file.flush();
}

}  // namespace ProgramFolder
