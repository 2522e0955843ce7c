// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_write_lock.h"

#include "platform/core/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

QString LexiconWriteLock::LockPathOf(const QString& name)
{
    // One lock whatever letter case the name is given in: the lexicon's name is
    // matched without regard to case.
    const QFileInfo target(ProgramFolder::WriteTarget(name));
    return QDir::cleanPath(target.dir().filePath(target.fileName().toUpper() + QStringLiteral(".lock")));
}

LexiconWriteLock::LexiconWriteLock(const QString& name) : path_(LockPathOf(name))
{
    const QByteArray path = QFile::encodeName(path_);
    // The lock file is removed on release; a writer that opened it just before may
    // then hold a lock on a file no longer there, so the lock counts only when the
    // file locked is still the one of that name.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int reason = errno;
            ::close(fd);
            if (reason == EWOULDBLOCK)
                busy_ = true;
            else
                error_ = QString::fromLocal8Bit(std::strerror(reason));
            return;
        }
        struct stat locked {};
        struct stat named {};
        if (::fstat(fd, &locked) == 0 && ::stat(path.constData(), &named) == 0 && locked.st_dev == named.st_dev &&
            locked.st_ino == named.st_ino) {
            fd_ = fd;
            return;
        }
        ::close(fd);
    }
    busy_ = true;
}

LexiconWriteLock::~LexiconWriteLock()
{
    if (fd_ < 0)
        return;
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
}
