// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// The one way the programs read a file they did not write themselves: only a regular
// file is opened (a FIFO would hold the reader forever and a device such as /dev/zero
// never ends), and never more than the caller's limit, which fits the file's kind.
namespace BoundedRead {

enum class Status { Ok, Missing, Unreadable, NotARegularFile, TooLarge };

struct Result {
    Status status = Status::Missing;
    QByteArray bytes;  // the whole file when status is Ok, empty otherwise
    bool Ok() const { return status == Status::Ok; }
};

// Opens `file` on `path` for reading when it is a regular file of at most `maxBytes`
// bytes; otherwise leaves it closed and says why. For a reader that streams the file.
Status Open(QFile& file, const QString& path, qint64 maxBytes);

// The whole file at exactly `path` when it is a regular file of at most `maxBytes`
// bytes, otherwise why not. A file that grows while it is read is still cut at the
// limit.
Result Read(const QString& path, qint64 maxBytes);

// The user's message for a failed read of `fileName`, in the program's words.
QString FailureText(Status status, const QString& fileName);

}  // namespace BoundedRead
