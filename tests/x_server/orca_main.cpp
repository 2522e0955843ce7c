// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <gtest/gtest.h>

// Run through run_with_orca.sh, the tests find Orca's record in LETTERAMA_ORCA_LOG
// and play on the X server it made; without it the application is headless and every
// test skips, saying why.
int main(int argc, char** argv)
{
    const bool withOrca = qEnvironmentVariableIsSet("LETTERAMA_ORCA_LOG") && qEnvironmentVariableIsSet("DISPLAY");
    qputenv("QT_QPA_PLATFORM", withOrca ? "xcb" : "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
