// Takes the README's pictures of a first manche: the "Input Parola" box asking for
// the letters (docs/input-parola.png), the board with the tiles of a half-typed word
// dimmed (docs/board-dimmed-tiles.png), and the results window with the longest words
// marked (docs/results-longest-words.png). It runs the real window and the real
// dialogs in a copy of the program folder, with sound off and no network.
//
//   take_manche_screenshots <program folder> <output folder>

#include "game_view.h"
#include "main_window.h"
#include "manche_controller.h"
#include "platform.h"
#include "qt_dialogs.h"
#include "qt_translations.h"
#include "quiet_services.h"
#include "results_window.h"
#include "system_clock.h"
#include "system_random.h"
#include "tile_board.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Ten letters in no word's order: a word typed from the draw's own string would not count.
const QString kTypedLetters = QStringLiteral("locartesla");

// Runs the program until `done` holds, for `seconds` at the most.
bool RunUntilOrGiveUp(const std::function<bool()>& done, int seconds)
{
    for (int waited = 0; !done(); waited += 50) {
        if (waited > seconds * 1000)
            return false;
        RunEventsFor(50);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallItalianQtTranslations(app);
    if (argc != 3) {
        std::fprintf(stderr, "usage: take_manche_screenshots <program folder> <output folder>\n");
        return 2;
    }
    const QDir output(QDir(QString::fromLocal8Bit(argv[2])).absolutePath());
    QTemporaryDir programFolder;
    if (!programFolder.isValid() ||
        !PrepareProgramFolder(QString::fromLocal8Bit(argv[1]), programFolder.path(),
                              "Livello=Medio\r\nSuono=No\r\nTempo=60\r\nNumeroLettere=10\r\nGiocatore1=Lucia\r\n"
                              "SfondoCasella=4\r\nDizionario= 1\r\n"))
        return 1;

    QtDialogs dialogs(QStringLiteral("Letterama"));
    NoShell shell;
    NoNetwork http;
    Silence wave;
    SystemClock clock;
    SystemRandom random(clock);
    NoSpelling spelling;
    MainWindow window(Platform{dialogs, shell, http, wave, clock, random}, spelling);
    if (!window.Startup(programFolder.path()))
        return 1;
    window.resize(window.sizeHint().boundedTo(window.screen()->availableGeometry().size()));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    int saved = 0;
    // The input box is modal: it is pictured with the word typed in, then answered.
    QTimer answerInputBox;
    answerInputBox.setInterval(50);
    QObject::connect(&answerInputBox, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!box)
            return;
        answerInputBox.stop();
        QTest::keyClicks(box->findChild<QLineEdit*>(), kTypedLetters);
        RunEventsFor(300);
        saved += SavePicture(box->grab(), output.filePath(QStringLiteral("input-parola.png")));
        box->accept();
    });
    answerInputBox.start();
    window.View()->DrawButtonOf(GameView::DrawButton::InputWord)->click();
    if (!RunUntilOrGiveUp([&] { return window.MancheClock()->isActive() && !window.Board()->Drawing(); }, 20))
        return 1;

    QTest::keyClicks(window.View()->WordBox(0), QStringLiteral("castel"));
    RunEventsFor(1500);
    saved += SavePicture(window.grab(), output.filePath(QStringLiteral("board-dimmed-tiles.png")));

    QTest::keyClicks(window.View()->WordBox(0), QStringLiteral("lo"));
    window.View()->FinishButton(0)->click();
    ResultsWindow* results = window.Results();
    if (!RunUntilOrGiveUp([results] { return results->isVisible() && results->Evaluated(); }, 60))
        return 1;
    RunEventsFor(500);
    saved += SavePicture(results->grab(), output.filePath(QStringLiteral("results-longest-words.png")));
    window.Manche()->Abandon();
    return saved == 3 ? 0 : 1;
}
