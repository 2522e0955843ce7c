// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/safe_file_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFileWrite {
namespace {

bool WriteAndFlush(QFileDevice& file, const QByteArray& bytes)
{
    return file.write(bytes) == bytes.size() && file.flush();
}

// The step handed in, or the real write when none was.
bool Put(const WriteStep& step, QFileDevice& file, const QByteArray& bytes)
{
    return step ? step(file, bytes) : WriteAndFlush(file, bytes);
}

Kind KindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return Kind::RegularFile;
    if (S_ISDIR(mode))
        return Kind::Folder;
    if (S_ISFIFO(mode))
        return Kind::Fifo;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Kind::Device;
    if (S_ISSOCK(mode))
        return Kind::Socket;
    return Kind::Other;
}

bool DiskFull(int error)
{
    return error == ENOSPC || error == EDQUOT;
}

// The reason of a failed open or write, in the player's words.
QString FailureText(const QString& path, int error, const QString& detail = {})
{
    if (DiskFull(error))
        return QString::fromUtf8(kDiskFull);
    const QString name = QFileInfo(path).fileName();
    if (error == EACCES || error == EPERM || error == EROFS)
        return QStringLiteral("accesso negato al file ") + name;
    return QStringLiteral("errore di scrittura nel file ") + name +
           (detail.isEmpty() ? QString() : QStringLiteral(" (") + detail + QStringLiteral(")"));
}

void SetError(QString* error, QString text)
{
    if (error)
        *error = std::move(text);
}

// Closes `fd` when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Opens `path` for writing without ever waiting on it (a FIFO with no reader would
// block for ever) and checks that what was opened is a regular file: a link swapped
// in after the check cannot slip through either.
bool OpenRegular(const QString& path, int flags, Descriptor& descriptor, struct stat& status, QString* error)
{
    descriptor.fd = ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (descriptor.fd < 0) {
        SetError(error, FailureText(path, errno));
        return false;
    }
    if (::fstat(descriptor.fd, &status) != 0) {
        SetError(error, FailureText(path, errno));
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        SetError(error, RefusalText(path, Target{KindOf(status.st_mode), false}));
        return false;
    }
    return true;
}

bool RefuseNonRegular(const QString& path, QString* error)
{
    const Target target = Inspect(path);
    if (target.Writable())
        return false;
    SetError(error, RefusalText(path, target));
    return true;
}

}  // namespace

Target Inspect(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0)
        return {Kind::Missing, false};
    if (!S_ISLNK(status.st_mode))
        return {KindOf(status.st_mode), false};
    if (::stat(name.constData(), &status) != 0)
        return {Kind::DanglingLink, true};
    return {KindOf(status.st_mode), true};
}

QString Describe(Target target)
{
    const char* what = nullptr;
    switch (target.kind) {
    case Kind::Missing:
    case Kind::RegularFile:
        return {};
    case Kind::Folder:
        what = "una cartella";
        break;
    case Kind::Fifo:
        what = "una pipe (FIFO)";
        break;
    case Kind::Device:
        what = "un dispositivo";
        break;
    case Kind::Socket:
        what = "un socket";
        break;
    case Kind::DanglingLink:
        return QStringLiteral("è un collegamento a un file che non esiste");
    case Kind::Other:
        what = "un file speciale";
        break;
    }
    return (target.viaLink ? QStringLiteral("è un collegamento a ") : QStringLiteral("è ")) + QString::fromUtf8(what);
}

QString RefusalText(const QString& path, Target target)
{
    return QFileInfo(path).fileName() + QLatin1Char(' ') + Describe(target) + QStringLiteral(", non un file normale");
}

bool AppendLines(const QString& path, const QByteArray& lines, QString* error, const WriteStep& step)
{
    if (RefuseNonRegular(path, error))
        return false;
    Descriptor descriptor;
    struct stat status {};
    if (!OpenRegular(path, O_RDWR | O_CREAT | O_APPEND, descriptor, status, error))
        return false;
    const off_t oldSize = status.st_size;

    QByteArray record;
    // The last byte says whether the file ends its last line. It is read through Qt, as
    // every other read is: the programs then call no libc read of their own, which
    // the packages' hardening check would want to find in its checked (fortified) form.
    char last = '\n';
    if (oldSize > 0) {
        QFile reader;
        errno = 0;
        if (!reader.open(descriptor.fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle) ||
            !reader.seek(oldSize - 1) || !reader.getChar(&last)) {
            SetError(error, FailureText(path, errno, reader.errorString()));
            return false;
        }
    }
    if (last != '\n' && last != '\r')
        record.append("\r\n");
    record.append(lines);

    QFile file;
    // Unbuffered: nothing is left in a buffer to reach the file after it was cut back.
    if (!file.open(descriptor.fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                   QFileDevice::DontCloseHandle)) {
        SetError(error, FailureText(path, 0, file.errorString()));
        return false;
    }
    errno = 0;
    const bool written = Put(step, file, record);
    const int writeError = file.error() == QFileDevice::ResourceError ? ENOSPC : errno;
    const QString detail = file.errorString();
    file.close();
    if (written)
        return true;
    // Whatever part of the record reached the file goes again: no half line stays.
    if (::ftruncate(descriptor.fd, oldSize) != 0) {
        SetError(error, FailureText(path, writeError, detail) + QStringLiteral("; il file ") +
                            QFileInfo(path).fileName() + QStringLiteral(" può essere rimasto incompleto"));
        return false;
    }
    SetError(error, FailureText(path, writeError, detail));
    return false;
}

bool CreateIfMissing(const QString& path, QString* error)
{
    if (RefuseNonRegular(path, error))
        return false;
    Descriptor descriptor;
    struct stat status {};
    return OpenRegular(path, O_WRONLY | O_CREAT, descriptor, status, error);
}

bool ReplaceWhole(const QString& path, const QByteArray& bytes, QString* error, const WriteStep& step)
{
    if (RefuseNonRegular(path, error))
        return false;
    QSaveFile file(path);
    const auto lastError = [&file] { return file.error() == QFileDevice::ResourceError ? ENOSPC : errno; };
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        SetError(error, FailureText(path, lastError(), file.errorString()));
        return false;
    }
    // commit() does not see a failure of the last buffered write (a full disk): flush
    // first, or a truncated file would replace the old one.
    errno = 0;
    if (Put(step, file, bytes)) {
        errno = 0;
        if (file.commit())
            return true;
    }
    SetError(error, FailureText(path, lastError(), file.errorString()));
    file.cancelWriting();
    return false;
}

}  // namespace SafeFileWrite
