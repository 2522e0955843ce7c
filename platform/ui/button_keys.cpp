// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/button_keys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace ButtonKeys {
namespace {

// Watches the window's buttons: the key reaches the button that has the focus first.
class EnterOnButton : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

}  // namespace

void EnterPressesFocusedButton(QWidget* window)
{
    if (!window)
        return;
    auto* filter = new EnterOnButton(window);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

}  // namespace ButtonKeys
