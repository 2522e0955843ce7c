// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <gtest/gtest.h>

// Fails every test after which the process's current folder is not the one it was
// before: the programs never change it, so neither may a test or its fixture, or the
// tests after it would read and write relative to a folder that is not theirs.
class CurrentFolderGuard : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo& test) override;
    void OnTestEnd(const ::testing::TestInfo& test) override;

private:
    QString folderAtStart_;
};
