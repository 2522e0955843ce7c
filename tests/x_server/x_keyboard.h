// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <Qt>

#include <memory>

struct _XDisplay;

// Presses keys on the X server itself (the XTest extension), so they reach the
// program as a player's keys do: through the server, its keymap and Qt's xcb input,
// to whichever window has the X focus.
class XKeyboard {
public:
    // The keyboard of the display named by DISPLAY; null with the reason in `why` when
    // there is no X server or it lacks XTest.
    static std::unique_ptr<XKeyboard> Open(QString& why);
    ~XKeyboard();
    XKeyboard(const XKeyboard&) = delete;
    XKeyboard& operator=(const XKeyboard&) = delete;

    // Presses and releases `key` (a letter, Tab, Backtab, Return, Escape, Backspace
    // or Down) while holding `modifiers` (Alt, Shift); false for a key it cannot press.
    bool Click(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Types lower-case letters.
    bool Type(const QString& letters);

private:
    explicit XKeyboard(_XDisplay* display) : display_(display) {}
    void Send(unsigned long keysym, bool down);

    _XDisplay* display_;
};

// The keyboard of the X server the tests run on, opened by main() before the
// QApplication; null where there is none, with the reason in NoXServerReason().
XKeyboard* TestKeyboard();
QString NoXServerReason();
