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

// The folder laid over an installed program folder, set once at start-up.
struct UserFolderOverlay {
    QString programFolder;  // canonical, to compare with the folder of each name
    QString userFolder;     // absolute; empty for a build folder
};

UserFolderOverlay& Overlay()
{
    static UserFolderOverlay overlay;
    return overlay;
}

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

// Resolve within the folder that `name` itself names.
QString ResolveInPlace(const QString& name)
{
    const QFileInfo info(name);
    if (info.exists())
        return name;
    const QDir folder = info.dir();
    const QString entry = FindEntry(folder, info.fileName());
    if (entry.isEmpty())
        return name;
    return info.path() == QStringLiteral(".") && !name.startsWith(QStringLiteral("./")) ? entry
                                                                                        : folder.filePath(entry);
}

// The file name of `name` when a user folder is laid over the program folder and
// `name` is a file of the program folder; an empty string otherwise.
QString OverlaidFileName(const QString& name)
{
    const UserFolderOverlay& overlay = Overlay();
    if (overlay.userFolder.isEmpty())
        return {};
    const QFileInfo info(name);
    if (info.fileName().isEmpty() || info.absoluteDir().canonicalPath() != overlay.programFolder)
        return {};
    return info.fileName();
}

// The user folder's copy of a program-folder file, found without regard to case;
// empty when the user folder holds none.
QString UserCopyOf(const QString& fileName)
{
    const QDir user(Overlay().userFolder);
    const QString entry = FindEntry(user, fileName);
    return entry.isEmpty() ? QString() : user.filePath(entry);
}

// Where a write of `name` goes: the user's copy of a program-folder file when there is
// a user folder, named as the shipped file when there is one.
QString WritePath(const QString& name)
{
    const QString fileName = OverlaidFileName(name);
    if (fileName.isEmpty())
        return ResolveInPlace(name);
    if (const QString copy = UserCopyOf(fileName); !copy.isEmpty())
        return copy;
    const QFileInfo shipped(ResolveInPlace(name));
    return QDir(Overlay().userFolder).filePath(shipped.exists() ? shipped.fileName() : fileName);
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

bool UseUserFolderIfInstalled(const QString& programFolder, const QString& userFolder)
{
    UseProgramFolderOnly();
    const QString program = QFileInfo(programFolder).canonicalFilePath();
    const QString user = QDir(userFolder).absolutePath();
    if (program.isEmpty() || userFolder.isEmpty() || !IsInstalledCopy(programFolder))
        return false;
    // The programs append to some files by opening them directly: the folder must be
    // there before the first of them. If it cannot be made, every write says so.
    QDir().mkpath(user);
    if (QFileInfo(user).canonicalFilePath() == program)
        return false;
    Overlay() = UserFolderOverlay{program, user};
    return true;
}

void UseProgramFolderOnly()
{
    Overlay() = UserFolderOverlay{};
}

QString UserFolder()
{
    return Overlay().userFolder;
}

QString Resolve(const QString& name)
{
    const QString fileName = OverlaidFileName(name);
    if (fileName.isEmpty())
        return ResolveInPlace(name);
    if (const QString copy = UserCopyOf(fileName); !copy.isEmpty())
        return copy;
    const QString shipped = ResolveInPlace(name);
    if (QFileInfo::exists(shipped))
        return shipped;
    return QDir(Overlay().userFolder).filePath(fileName);
}

bool Exists(const QString& name)
{
    return QFileInfo(Resolve(name)).isFile();
}

QString FindInFolder(const QString& folder, const QString& fileName)
{
    const QDir dir(folder);
    const QString entry = FindEntry(dir, fileName);
    return entry.isEmpty() ? QString() : dir.filePath(entry);
}

ReadResult Read(const QString& name, qint64 maxBytes)
{
    return ReadPath(Resolve(name), maxBytes);
}

std::optional<QByteArray> ReadAll(const QString& name, qint64 maxBytes)
{
    ReadResult result = Read(name, maxBytes);
    if (!result.Ok())
        return std::nullopt;
    return std::move(result.bytes);
}

bool WriteAtomically(const QString& name, const QByteArray& bytes, QString* error)
{
    return SafeFileWrite::ReplaceWhole(WritePath(name), bytes, error);
}

QString WriteTarget(const QString& name)
{
    return WritePath(name);
}

bool AppendLine(const QString& name, const QByteArray& line, QString* error)
{
    const QString path = WritePath(name);
    const QString current = Resolve(name);
    // The first line the user adds to a shipped file goes after the shipped lines.
    if (current != path && QFileInfo(current).isFile()) {
        const std::optional<QByteArray> shipped = ReadAll(current);
        if (!shipped) {
            if (error)
                *error = QStringLiteral("impossibile leggere ") + current;
            return false;
        }
        if (!WriteAtomically(path, *shipped, error))
            return false;
    }
    QByteArray record = line;
    record.append("\r\n");
    return SafeFileWrite::AppendLines(path, record, error);
}

bool CreateIfMissing(const QString& name, QString* error)
{
    // Whatever already has the name is judged where it is; a new file goes where writes go.
    const QString current = Resolve(name);
    const bool present = SafeFileWrite::Inspect(current).kind != SafeFileWrite::Kind::Missing;
    return SafeFileWrite::CreateIfMissing(present ? current : WritePath(name), error);
}

WriteStep ReplaceWriteStep(WriteStep step)
{
    return SafeFileWrite::ReplaceWriteStep(std::move(step));
}

}  // namespace ProgramFolder
