// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/current_folder_guard.h"

#include <QApplication>

#include <gtest/gtest.h>

// One QApplication for every test of the executable, headless unless told otherwise.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CurrentFolderGuard);
    return RUN_ALL_TESTS();
}
