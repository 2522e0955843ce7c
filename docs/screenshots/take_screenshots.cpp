// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's pictures of the game: the main window with a complete board of
// the same ten letters in each of the four tile styles. It runs the real window in a
// copy of the program folder, with sound off and no network, answers the typed-word
// draw with fixed letters, and saves docs/board-style-<n>.png.
//
//   take_screenshots <program folder> <output folder>

#include "game/ui/game_view.h"
#include "game/ui/main_menu.h"
#include "game/ui/main_window.h"
#include "game/ui/manche_controller.h"
#include "docs/screenshots/picture_steps.h"
#include "docs/screenshots/quiet_services.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

const QString kLetters = QStringLiteral("CASTELLOAR");

// Answers the typed-word question with the fixed letters and keeps quiet otherwise.
class FixedAnswers : public QuietDialogs {
public:
    std::optional<QString> InputBox(const QString&, const QString&) override { return kLetters; }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir programFolder;
    QDir output;
    if (!TakeGameArguments(QApplication::arguments(), 3, programFolder, output))
        return 2;

    FixedAnswers dialogs;
    QuietServices quiet;
    MainWindow window(quiet.With(dialogs), ProgramFiles(programFolder.path()), quiet.spelling);
    if (!window.Startup())
        return 1;
    window.resize(1100, window.sizeHint().height());
    window.show();

    int saved = 0;
    PictureSteps steps;
    steps.When("the window on the screen", [&] { return window.windowHandle()->isExposed(); },
               [&] { window.View()->DrawButtonOf(GameView::DrawButton::InputWord)->click(); });
    steps.When("the manche", [&] { return window.MancheClock()->isActive(); },
               [&] { QTest::keyClicks(window.View()->WordBox(0), QStringLiteral("castello")); });
    // A few seconds of the manche on the time bar, then each style after its redraw.
    int pause = 3300;
    for (const int style : {1, 2, 3, 4}) {
        steps.After(pause, [&window, style] { window.Menu()->TileStyleItem(style)->trigger(); });
        steps.After(600, [&window, &output, &saved, style] {
            saved += SavePicture(window.grab(), output.filePath(QStringLiteral("board-style-%1.png").arg(style)));
        });
        pause = 0;
    }
    const int result = steps.Run();
    window.Manche()->Abandon();
    return result == 0 && saved == 4 ? 0 : 1;
}
