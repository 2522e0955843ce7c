// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/program_folder.h"
#include "platform/core/safe_file_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

// Set by the install rules; this is their layout (games/ and share/games/letterama/).
#ifndef LETTERAMA_DATA_FROM_PROGRAMS
#define LETTERAMA_DATA_FROM_PROGRAMS "../share/games/letterama"
#endif

namespace {

// The entry of `folder` named `fileName` without regard to case, or an empty string.
QString FindEntry(const QDir& folder, const QString& fileName)
{
    if (QFileInfo::exists(folder.filePath(fileName)))
        return fileName;
    // Folders and special files match too, so that a reader can say what is in the way.
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

}  // namespace

namespace ProgramFolder {

bool CanCreateFilesIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".letterama-write-check-XXXXXX")));
    return probe.open();
}

QString DefaultUserFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("letterama"));
}

bool IsInstalledCopy(const QString& programFolder)
{
    return QFileInfo(QDir(programFolder).filePath(QString::fromLatin1(kInstalledMarker))).isFile();
}

QString ProgramFolderFor(const QString& executableFolder, const QString& dataFromPrograms)
{
    const QString data = QDir::cleanPath(QDir(executableFolder).filePath(dataFromPrograms));
    return IsInstalledCopy(data) ? data : executableFolder;
}

QString ProgramFolderOfRunningProgram()
{
    return ProgramFolderFor(QCoreApplication::applicationDirPath(), QStringLiteral(LETTERAMA_DATA_FROM_PROGRAMS));
}

QString Resolve(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir folder = info.dir();
    const QString entry = FindEntry(folder, info.fileName());
    if (entry.isEmpty())
        return path;
    return info.path() == QStringLiteral(".") && !path.startsWith(QStringLiteral("./")) ? entry
                                                                                        : folder.filePath(entry);
}

bool Exists(const QString& path)
{
    return QFileInfo(Resolve(path)).isFile();
}

QString FindInFolder(const QString& folder, const QString& fileName)
{
    const QDir dir(folder);
    const QString entry = FindEntry(dir, fileName);
    return entry.isEmpty() ? QString() : dir.filePath(entry);
}

ReadResult Read(const QString& path, qint64 maxBytes)
{
    return ReadPath(Resolve(path), maxBytes);
}

std::optional<QByteArray> ReadAll(const QString& path, qint64 maxBytes)
{
    ReadResult result = Read(path, maxBytes);
    if (!result.Ok())
        return std::nullopt;
    return std::move(result.bytes);
}

bool WriteAtomically(const QString& path, const QByteArray& bytes, QString* error, const WriteStep& step)
{
    return SafeFileWrite::ReplaceWhole(Resolve(path), bytes, error, step);
}

QString WriteTarget(const QString& path)
{
    return Resolve(path);
}

bool AppendLine(const QString& path, const QByteArray& line, QString* error, const WriteStep& step)
{
    QByteArray record = line;
    record.append("\r\n");
    return SafeFileWrite::AppendLines(Resolve(path), record, error, step);
}

bool CreateIfMissing(const QString& path, QString* error)
{
    return SafeFileWrite::CreateIfMissing(Resolve(path), error);
}

}  // namespace ProgramFolder
