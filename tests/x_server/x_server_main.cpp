// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/x_server/x_keyboard.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<XKeyboard> keyboard;
QString noXServerReason;

}  // namespace

XKeyboard* TestKeyboard()
{
    return keyboard.get();
}

QString NoXServerReason()
{
    return noXServerReason;
}

// The tests run the game on a real X server when there is one; without one the
// QApplication is headless and every test skips, saying why.
int main(int argc, char** argv)
{
    keyboard = XKeyboard::Open(noXServerReason);
    qputenv("QT_QPA_PLATFORM", keyboard ? "xcb" : "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    keyboard.reset();
    return result;
}
