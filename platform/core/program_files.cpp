// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/program_files.h"

#include "platform/core/safe_file_write.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Absolute(const QString& folder)
{
    return folder.isEmpty() ? QString() : QDir(folder).absolutePath();
}

}  // namespace

ProgramFiles::ProgramFiles(const QString& programFolder) : programFolder_(Absolute(programFolder)) {}

ProgramFiles::ProgramFiles(const QString& programFolder, const QString& userFolder)
    : programFolder_(Absolute(programFolder)), userFolder_(Absolute(userFolder))
{
    // The same folder twice is a folder that holds everything.
    if (QFileInfo(userFolder_).canonicalFilePath() == QFileInfo(programFolder_).canonicalFilePath() &&
        QFileInfo::exists(userFolder_))
        userFolder_.clear();
}

ProgramFiles ProgramFiles::OfRunningProgram(const QString& userFolder)
{
    return Of(ProgramFolder::ProgramFolderOfRunningProgram(), userFolder);
}

ProgramFiles ProgramFiles::Of(const QString& program, const QString& userFolder)
{
    if (userFolder.isEmpty() || !ProgramFolder::IsInstalledCopy(program))
        return ProgramFiles(program);
    // Some files are appended by opening them directly: the folder must be there
    // first. If it cannot be made, every write says so.
    QDir().mkpath(userFolder);
    return ProgramFiles(program, userFolder);
}

ProgramFiles ProgramFiles::WithWriteStep(ProgramFolder::WriteStep step) const
{
    ProgramFiles files = *this;
    files.writeStep_ = std::move(step);
    return files;
}

QString ProgramFiles::Resolve(const QString& name) const
{
    if (HasUserFolder()) {
        if (const QString copy = ProgramFolder::FindInFolder(userFolder_, name); !copy.isEmpty())
            return copy;
    }
    if (const QString shipped = ProgramFolder::FindInFolder(programFolder_, name); !shipped.isEmpty())
        return shipped;
    return QDir(WriteFolder()).filePath(name);
}

bool ProgramFiles::Exists(const QString& name) const
{
    return QFileInfo(Resolve(name)).isFile();
}

ProgramFolder::ReadResult ProgramFiles::Read(const QString& name, qint64 maxBytes) const
{
    return ProgramFolder::ReadPath(Resolve(name), maxBytes);
}

std::optional<QByteArray> ProgramFiles::ReadAll(const QString& name, qint64 maxBytes) const
{
    ProgramFolder::ReadResult result = Read(name, maxBytes);
    if (!result.Ok())
        return std::nullopt;
    return std::move(result.bytes);
}

QString ProgramFiles::WriteTarget(const QString& name) const
{
    if (const QString copy = ProgramFolder::FindInFolder(WriteFolder(), name); !copy.isEmpty())
        return copy;
    const QString shipped = HasUserFolder() ? ProgramFolder::FindInFolder(programFolder_, name) : QString();
    return QDir(WriteFolder()).filePath(shipped.isEmpty() ? name : QFileInfo(shipped).fileName());
}

bool ProgramFiles::WriteWhole(const QString& name, const QByteArray& bytes, QString* error) const
{
    return SafeFileWrite::ReplaceWhole(WriteTarget(name), bytes, error, writeStep_);
}

bool ProgramFiles::AppendLine(const QString& name, const QByteArray& line, QString* error) const
{
    const QString path = WriteTarget(name);
    const QString current = Resolve(name);
    // The first line the user adds to a shipped file goes after the shipped lines.
    if (current != path && QFileInfo(current).isFile()) {
        const ProgramFolder::ReadResult shipped = ProgramFolder::ReadPath(current, ProgramFolder::kDefaultReadLimit);
        if (!shipped.Ok()) {
            if (error)
                *error = ProgramFolder::ReadFailureText(shipped.status, QFileInfo(current).fileName());
            return false;
        }
        if (!SafeFileWrite::ReplaceWhole(path, shipped.bytes, error, writeStep_))
            return false;
    }
    QByteArray record = line;
    record.append("\r\n");
    return SafeFileWrite::AppendLines(path, record, error, writeStep_);
}

bool ProgramFiles::CreateIfMissing(const QString& name, QString* error) const
{
    // Whatever already has the name is judged where it is; a new file goes where writes go.
    const QString current = Resolve(name);
    const bool present = SafeFileWrite::Inspect(current).kind != SafeFileWrite::Kind::Missing;
    return SafeFileWrite::CreateIfMissing(present ? current : WriteTarget(name), error);
}
