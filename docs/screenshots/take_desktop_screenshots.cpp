// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's pictures of the main window maximised on a 1920x1080 screen,
// in a manche just drawn: in the desktop's light theme (docs/main-window-maximised.png)
// and in a dark one (docs/main-window-dark.png), then paused in the light theme
// (docs/main-window-paused.png). It runs the real window in a copy of
// the program folder, with sound off and no network.
//
//   take_desktop_screenshots <program folder> <output folder>

#include "game/ui/game_view.h"
#include "game/ui/main_window.h"
#include "game/ui/manche_controller.h"
#include "game/ui/pause_control.h"
#include "docs/screenshots/picture_steps.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_translations.h"
#include "docs/screenshots/quiet_services.h"
#include "game/ui/board/tile_board.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A dark desktop theme, as KDE's Breeze Dark and GNOME's dark style give it.
QPalette DarkTheme()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(42, 46, 50));
    dark.setColor(QPalette::WindowText, QColor(239, 240, 241));
    dark.setColor(QPalette::Base, QColor(27, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(35, 38, 41));
    dark.setColor(QPalette::Text, QColor(239, 240, 241));
    dark.setColor(QPalette::Button, QColor(49, 54, 59));
    dark.setColor(QPalette::ButtonText, QColor(239, 240, 241));
    dark.setColor(QPalette::Light, QColor(64, 70, 76));
    dark.setColor(QPalette::Midlight, QColor(56, 62, 68));
    dark.setColor(QPalette::Mid, QColor(70, 76, 84));
    dark.setColor(QPalette::Dark, QColor(24, 26, 28));
    dark.setColor(QPalette::Shadow, QColor(0, 0, 0));
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    dark.setColor(QPalette::HighlightedText, QColor(252, 252, 252));
    dark.setColor(QPalette::ToolTipBase, QColor(49, 54, 59));
    dark.setColor(QPalette::ToolTipText, QColor(239, 240, 241));
    dark.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 113, 116));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(110, 113, 116));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(110, 113, 116));
    return dark;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    InstallItalianQtTranslations(app);
    QTemporaryDir programFolder;
    QDir output;
    if (!TakeGameArguments(QApplication::arguments(), 1, programFolder, output))
        return 2;

    QtDialogs dialogs(QStringLiteral("Letterama"));
    QuietServices quiet;
    MainWindow window(quiet.With(dialogs), ProgramFiles(programFolder.path()), quiet.spelling);
    if (!window.Startup())
        return 1;
    // A virtual screen has no window manager to maximise it: the window takes the
    // whole screen itself, as a maximised window does.
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();

    int saved = 0;
    PictureSteps steps;
    steps.When("the window on the screen", [&] { return window.windowHandle()->isExposed(); },
               [&] { window.View()->DrawButtonOf(GameView::DrawButton::Auto)->click(); });
    steps.When("the manche", [&] { return window.MancheClock()->isActive() && !window.Board()->Drawing(); },
               [&] { QTest::keyClicks(window.View()->WordBox(0), QStringLiteral("prova")); });
    steps.After(2500, [&] {
        saved += SavePicture(window.grab(), output.filePath(QStringLiteral("main-window-maximised.png")));
        QApplication::setPalette(DarkTheme());
    });
    const QPalette light = QApplication::palette();
    steps.After(1500, [&] {
        saved += SavePicture(window.grab(), output.filePath(QStringLiteral("main-window-dark.png")));
        QApplication::setPalette(light);
        window.Manche()->Pause()->Pause();
    });
    steps.After(1500, [&] {
        saved += SavePicture(window.grab(), output.filePath(QStringLiteral("main-window-paused.png")));
    });
    const int result = steps.Run();
    window.Manche()->Abandon();
    return result == 0 && saved == 3 ? 0 : 1;
}
