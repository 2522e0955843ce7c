// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/current_folder_guard.h"

#include <QDir>

void CurrentFolderGuard::OnTestStart(const ::testing::TestInfo&)
{
    folderAtStart_ = QDir::currentPath();
}

// Runs before the result is printed and counted (end events go to the listeners in
// reverse order), so the failure belongs to the test that changed the folder.
void CurrentFolderGuard::OnTestEnd(const ::testing::TestInfo&)
{
    // An empty path: the current folder was a temporary one, removed since.
    const QString folderAtEnd = QDir::currentPath();
    if (folderAtEnd != folderAtStart_ || folderAtEnd.isEmpty())
        ADD_FAILURE() << "the test changed the current folder from " << folderAtStart_.toStdString()
                      << " to " << folderAtEnd.toStdString();
}
