// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's pictures of a first manche: the "Input Parola" box asking for
// the letters (docs/input-parola.png), the board with the tiles of a half-typed word
// dimmed (docs/board-dimmed-tiles.png), and the results window with the longest words
// marked (docs/results-longest-words.png). It runs the real window and the real
// dialogs in a copy of the program folder, with sound off and no network.
//
//   take_manche_screenshots <program folder> <output folder>

#include "game/ui/game_view.h"
#include "game/ui/main_window.h"
#include "game/ui/manche_controller.h"
#include "docs/screenshots/picture_steps.h"
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_translations.h"
#include "docs/screenshots/quiet_services.h"
#include "scoring/ui/results_window.h"
#include "game/ui/board/tile_board.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// Ten letters in no word's order: a word typed from the draw's own string would not count.
const QString kTypedLetters = QStringLiteral("locartesla");

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallItalianQtTranslations(app);
    QTemporaryDir programFolder;
    QDir output;
    if (!TakeGameArguments(QApplication::arguments(), 4, programFolder, output))
        return 2;

    QtDialogs dialogs(QStringLiteral("Letterama"));
    QuietServices quiet;
    MainWindow window(quiet.With(dialogs), ProgramFiles(programFolder.path()), quiet.spelling);
    if (!window.Startup())
        return 1;
    window.resize(window.sizeHint().boundedTo(window.screen()->availableGeometry().size()));
    window.show();

    int saved = 0;
    QInputDialog* box = nullptr;
    ResultsWindow* results = window.Results();
    PictureSteps steps;
    // The input box is modal: it is pictured with the letters typed in, then answered.
    steps.When("the window on the screen", [&] { return window.windowHandle()->isExposed(); },
               [&] { window.View()->DrawButtonOf(GameView::DrawButton::InputWord)->click(); });
    steps.When("the input box", [&] { return (box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) != nullptr; },
               [&] { QTest::keyClicks(box->findChild<QLineEdit*>(), kTypedLetters); });
    steps.After(300, [&] {
        saved += SavePicture(box->grab(), output.filePath(QStringLiteral("input-parola.png")));
        box->accept();
    });
    steps.When("the manche", [&] { return window.MancheClock()->isActive() && !window.Board()->Drawing(); },
               [&] { QTest::keyClicks(window.View()->WordBox(0), QStringLiteral("castel")); });
    steps.After(1500, [&] {
        saved += SavePicture(window.grab(), output.filePath(QStringLiteral("board-dimmed-tiles.png")));
        QTest::keyClicks(window.View()->WordBox(0), QStringLiteral("lo"));
        window.View()->FinishButton(0)->click();
    });
    steps.When("the results", [&] { return results->isVisible() && results->Evaluated(); }, [] {}, 60);
    steps.After(500, [&] {
        saved += SavePicture(results->grab(), output.filePath(QStringLiteral("results-longest-words.png")));
    });
    const int result = steps.Run();
    window.Manche()->Abandon();
    return result == 0 && saved == 3 ? 0 : 1;
}
