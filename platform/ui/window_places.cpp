// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/window_places.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QObject>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

QString KeyOf(const QString& key)
{
    return QStringLiteral("finestre/") + key;
}

// Saves the window's place whenever it is hidden or closed.
class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget* window, WindowPlaces places, const QString& key)
        : QObject(window), places_(std::move(places)), key_(key)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close || event->type() == QEvent::Hide) {
            const auto* window = static_cast<const QWidget*>(watched);
            // A window that was never shown has no place of its own to keep.
            if (window->testAttribute(Qt::WA_WState_Created) && !window->isMinimized())
                places_.Save(window, key_);
        }
        return false;
    }

private:
    WindowPlaces places_;
    QString key_;
};

// A kept place that no screen of today shows is forgotten: the window opens where
// the system puts it.
bool OnSomeScreen(const QWidget* window)
{
    const QPoint centre = window->geometry().center();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(centre))
            return true;
    }
    return false;
}

}  // namespace

WindowPlaces WindowPlaces::InUserSettings(const QString& program)
{
    const QSettings user(QSettings::IniFormat, QSettings::UserScope, program, QStringLiteral("finestre"));
    return WindowPlaces(user.fileName());
}

bool WindowPlaces::Restore(QWidget* window, const QString& key) const
{
    if (file_.isEmpty())
        return false;
    const QFileInfo info(file_);
    if (!info.exists() || !info.isFile())
        return false;
    const QSettings places(file_, QSettings::IniFormat);
    const QByteArray kept = places.value(KeyOf(key)).toByteArray();
    if (kept.isEmpty())
        return false;
    const QRect before = window->geometry();
    const Qt::WindowStates stateBefore = window->windowState();
    if (!window->restoreGeometry(kept))
        return false;
    if (!OnSomeScreen(window) && !window->isMaximized() && !window->isFullScreen()) {
        window->setGeometry(before);
        window->setWindowState(stateBefore);
        return false;
    }
    return true;
}

void WindowPlaces::Save(const QWidget* window, const QString& key) const
{
    if (file_.isEmpty())
        return;
    const QFileInfo info(file_);
    // Only a regular file (or none yet) is written.
    if (info.exists() && !info.isFile())
        return;
    QSettings places(file_, QSettings::IniFormat);
    places.setValue(KeyOf(key), window->saveGeometry());
    places.sync();
}

void WindowPlaces::Remember(QWidget* window, const QString& key) const
{
    Restore(window, key);
    new PlaceKeeper(window, *this, key);
}
