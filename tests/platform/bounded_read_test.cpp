// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/bounded_read.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using BoundedRead::Status;

struct OpenRow {
    const char* label;
    void (*make)(const QString& path);  // nullptr: nothing of that name
    Status status;
};

void WriteBytes(const QString& path, qint64 size)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'A'));
}

class OpenOnly : public ::testing::TestWithParam<OpenRow> {};

// A streaming reader (the harvest) must never be handed a pipe, a folder or a file
// over its limit: such a file is left closed and the failure names it.
TEST_P(OpenOnly, ARegularFileWithinTheLimit)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("testo.txt"));
    if (GetParam().make)
        GetParam().make(path);
    QFile file;

    EXPECT_EQ(BoundedRead::Open(file, path, 10), GetParam().status);

    EXPECT_EQ(file.isOpen(), GetParam().status == Status::Ok);
    if (GetParam().status != Status::Ok) {
        EXPECT_TRUE(BoundedRead::FailureText(GetParam().status, path).contains(path));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenOnly,
    ::testing::Values(OpenRow{"missing", nullptr, Status::Missing},
                      OpenRow{"folder", [](const QString& path) { QDir().mkpath(path); }, Status::NotARegularFile},
                      OpenRow{"fifo", [](const QString& path) { ::mkfifo(QFile::encodeName(path), 0600); },
                              Status::NotARegularFile},
                      OpenRow{"dangling link",
                              [](const QString& path) { QFile::link(path + QStringLiteral(".gone"), path); },
                              Status::Unreadable},
                      OpenRow{"over the limit", [](const QString& path) { WriteBytes(path, 11); }, Status::TooLarge},
                      OpenRow{"at the limit", [](const QString& path) { WriteBytes(path, 10); }, Status::Ok}),
    [](const auto& info) {
        std::string name = info.param.label;
        for (char& c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

}  // namespace
