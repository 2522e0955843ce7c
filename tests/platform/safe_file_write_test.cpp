// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/safe_file_write.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <functional>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using SafeFileWrite::Kind;

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// What stands in the way of a write, made by the test itself in its own folder: never
// a real device, which a fault would replace for the whole machine.
enum class Obstacle { Folder, Fifo, LinkToFifo, LinkToFolder, DanglingLink };

struct ObstacleRow {
    const char* label;
    Obstacle obstacle;
    const char* told;  // what the refusal must say
};

// The obstacle named "USERVOCA.1" in `dir`, with a reader held open on any FIFO so
// that a writer that opens it by mistake goes through instead of waiting for ever:
// the test then fails on what reached the pipe rather than hanging.
struct ObstacleInPlace {
    QString path;
    int pipeReader = -1;
    ~ObstacleInPlace()
    {
        if (pipeReader >= 0)
            ::close(pipeReader);
    }
    QByteArray Piped() const
    {
        char buffer[256];
        const ssize_t got = pipeReader >= 0 ? ::read(pipeReader, buffer, sizeof buffer) : 0;
        return got > 0 ? QByteArray(buffer, got) : QByteArray();
    }
};

void Make(const QDir& dir, Obstacle obstacle, ObstacleInPlace& made)
{
    made.path = dir.filePath(QStringLiteral("USERVOCA.1"));
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    const auto makeFifo = [&](const QString& at) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(at).constData(), 0600), 0);
        made.pipeReader = ::open(QFile::encodeName(at).constData(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(made.pipeReader, 0);
    };
    switch (obstacle) {
    case Obstacle::Folder:
        ASSERT_TRUE(dir.mkdir(QStringLiteral("USERVOCA.1")));
        break;
    case Obstacle::Fifo:
        makeFifo(made.path);
        break;
    case Obstacle::LinkToFifo:
        makeFifo(fifo);
        ASSERT_TRUE(QFile::link(fifo, made.path));
        break;
    case Obstacle::LinkToFolder:
        ASSERT_TRUE(dir.mkdir(QStringLiteral("folder")));
        ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("folder")), made.path));
        break;
    case Obstacle::DanglingLink:
        ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nowhere")), made.path));
        break;
    }
}

const ObstacleRow kObstacles[] = {
    {"folder", Obstacle::Folder, "è una cartella"},
    {"fifo", Obstacle::Fifo, "è una pipe (FIFO)"},
    {"link to a fifo", Obstacle::LinkToFifo, "è un collegamento a una pipe (FIFO)"},
    {"link to a folder", Obstacle::LinkToFolder, "è un collegamento a una cartella"},
    {"link to nothing", Obstacle::DanglingLink, "collegamento a un file che non esiste"},
};

struct Operation {
    const char* label;
    std::function<bool(const QString& path, QString* error)> run;
};

const Operation kOperations[] = {
    {"append", [](const QString& p, QString* e) { return SafeFileWrite::AppendLines(p, "PIPPO\r\n", e); }},
    {"create", [](const QString& p, QString* e) { return SafeFileWrite::CreateIfMissing(p, e); }},
    {"replace", [](const QString& p, QString* e) { return SafeFileWrite::ReplaceWhole(p, "PIPPO\r\n", e); }},
};

// A disk that fills up halfway through: part of the bytes reach the file, then the
// write fails as write(2) does.
SafeFileWrite::WriteStep FailingHalfway(int error)
{
    return [error](QFileDevice& file, const QByteArray& bytes) {
        file.write(bytes.left(bytes.size() / 2));
        file.flush();
        errno = error;
        return false;
    };
}

}  // namespace

TEST(SafeFileWrite, NothingButARegularFileIsEverWrittenAndTheRefusalSaysWhatIsThere)
{
    for (const Operation& operation : kOperations) {
        for (const ObstacleRow& row : kObstacles) {
            SCOPED_TRACE(std::string(operation.label) + ", " + row.label);
            QTemporaryDir dir;
            ObstacleInPlace made;
            Make(QDir(dir.path()), row.obstacle, made);
            const SafeFileWrite::Target before = SafeFileWrite::Inspect(made.path);

            QString error;
            EXPECT_FALSE(operation.run(made.path, &error));

            EXPECT_TRUE(error.contains(QString::fromUtf8(row.told))) << error.toStdString();
            EXPECT_TRUE(error.startsWith(QStringLiteral("USERVOCA.1 "))) << error.toStdString();
            const SafeFileWrite::Target after = SafeFileWrite::Inspect(made.path);
            EXPECT_EQ(after.kind, before.kind);
            EXPECT_EQ(after.viaLink, before.viaLink);
            EXPECT_EQ(made.Piped(), QByteArray());
            EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
        }
    }
}

TEST(SafeFileWrite, ARegularFileOrALinkToOneIsWrittenInPlace)
{
    struct Row {
        const char* label;
        bool throughLink;
    };
    const Row rows[] = {{"file", false}, {"link to a file", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("real"));
        const QString name = row.throughLink ? dir.filePath(QStringLiteral("USERVOCA.1")) : file;
        Put(file, "CASA");
        if (row.throughLink) {
            ASSERT_TRUE(QFile::link(file, name));
        }

        ASSERT_TRUE(SafeFileWrite::CreateIfMissing(name));
        ASSERT_TRUE(SafeFileWrite::AppendLines(name, "PANE\r\n"));
        EXPECT_EQ(Contents(file), QByteArray("CASA\r\nPANE\r\n"));
        ASSERT_TRUE(SafeFileWrite::ReplaceWhole(name, "NEW\r\n"));
        EXPECT_EQ(Contents(file), QByteArray("NEW\r\n"));
        EXPECT_EQ(QFileInfo(name).isSymLink(), row.throughLink);
    }
}

TEST(SafeFileWrite, AWriteThatFailsHalfwayLeavesTheOldFileAndSaysWhy)
{
    struct Row {
        const char* label;
        bool append;
        std::optional<QByteArray> before;  // nothing: no file yet
        int error;
        QByteArray after;
        bool diskFull;
    };
    const Row rows[] = {
        {"append to whole lines, disk full", true, QByteArray("BUSHEL\r\n"), ENOSPC, "BUSHEL\r\n", true},
        {"append after an open last line", true, QByteArray("PIPP"), ENOSPC, "PIPP", true},
        {"append to a new file", true, std::nullopt, ENOSPC, "", true},
        {"append, quota exceeded", true, QByteArray("CASA\r\n"), EDQUOT, "CASA\r\n", true},
        {"append, input/output error", true, QByteArray("CASA\r\n"), EIO, "CASA\r\n", false},
        {"replace, disk full", false, QByteArray("CASA\r\n"), ENOSPC, "CASA\r\n", true},
        {"replace, input/output error", false, QByteArray("CASA\r\n"), EIO, "CASA\r\n", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("7.txt"));
        if (row.before) {
            Put(path, *row.before);
        }
        const SafeFileWrite::WriteStep failing = FailingHalfway(row.error);

        QString error;
        const QByteArray record("BUSHELS\r\nBURROW\r\n");
        EXPECT_FALSE(row.append ? SafeFileWrite::AppendLines(path, record, &error, failing)
                                : SafeFileWrite::ReplaceWhole(path, record, &error, failing));

        EXPECT_EQ(Contents(path), row.after);
        EXPECT_EQ(error == QString::fromUtf8(SafeFileWrite::kDiskFull), row.diskFull) << error.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("7.txt")});
    }
}
