// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/x_server/x_keyboard.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

KeySym KeySymOf(Qt::Key key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return XK_a + (key - Qt::Key_A);
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return XK_Tab;
    case Qt::Key_Return:
        return XK_Return;
    case Qt::Key_Escape:
        return XK_Escape;
    case Qt::Key_Backspace:
        return XK_BackSpace;
    case Qt::Key_Down:
        return XK_Down;
    default:
        return NoSymbol;
    }
}

}  // namespace

std::unique_ptr<XKeyboard> XKeyboard::Open(QString& why)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        why = QStringLiteral("no X server: DISPLAY is unset or cannot be opened (install xvfb and xauth)");
        return nullptr;
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        XCloseDisplay(display);
        why = QStringLiteral("the X server has no XTest extension to press keys with");
        return nullptr;
    }
    return std::unique_ptr<XKeyboard>(new XKeyboard(display));
}

XKeyboard::~XKeyboard()
{
    XCloseDisplay(display_);
}

void XKeyboard::Send(unsigned long keysym, bool down)
{
    XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, keysym), down ? True : False, CurrentTime);
}

bool XKeyboard::Click(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    const KeySym keysym = KeySymOf(key);
    if (keysym == NoSymbol || XKeysymToKeycode(display_, keysym) == 0)
        return false;
    if (key == Qt::Key_Backtab)
        modifiers |= Qt::ShiftModifier;
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    if (alt)
        Send(XK_Alt_L, true);
    if (shift)
        Send(XK_Shift_L, true);
    Send(keysym, true);
    Send(keysym, false);
    if (shift)
        Send(XK_Shift_L, false);
    if (alt)
        Send(XK_Alt_L, false);
    XSync(display_, False);
    return true;
}

bool XKeyboard::Type(const QString& letters)
{
    for (const QChar letter : letters) {
        const char16_t lower = letter.toLower().unicode();
        if (lower < u'a' || lower > u'z' || !Click(static_cast<Qt::Key>(Qt::Key_A + (lower - u'a'))))
            return false;
    }
    return true;
}
