// SPDX-License-Identifier: GPL-3.0-or-later
// Run by CTest, which expects the first test here to fail: it changes the current
// folder on purpose, and the shared main's guard must say so.
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(CurrentFolderProbe, ChangesTheFolder)
{
    static QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
}

TEST(CurrentFolderProbe, KeepsTheFolder)
{
    EXPECT_TRUE(QDir(QDir::currentPath()).exists());
}
