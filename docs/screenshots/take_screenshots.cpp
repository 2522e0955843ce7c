// Takes the README's pictures of the game: the main window with a complete board of
// the same ten letters in each of the four tile styles. It runs the real window in a
// copy of the program folder, with sound off and no network, answers the typed-word
// draw with fixed letters, and saves docs/board-style-<n>.png.
//
//   take_screenshots <program folder> <output folder>

#include "game_view.h"
#include "main_menu.h"
#include "main_window.h"
#include "manche_controller.h"
#include "platform.h"
#include "quiet_services.h"
#include "system_clock.h"
#include "system_random.h"

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
    if (argc != 3) {
        std::fprintf(stderr, "usage: take_screenshots <program folder> <output folder>\n");
        return 2;
    }
    const QString outputFolder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QTemporaryDir programFolder;
    if (!programFolder.isValid() ||
        !PrepareProgramFolder(QString::fromLocal8Bit(argv[1]), programFolder.path(),
                              "Livello=Medio\r\nSuono=No\r\nTempo=60\r\nNumeroLettere=10\r\nGiocatore1=Lucia\r\n"
                              "SfondoCasella=3\r\nDizionario= 1\r\n"))
        return 1;

    FixedAnswers dialogs;
    NoShell shell;
    NoNetwork http;
    Silence wave;
    SystemClock clock;
    SystemRandom random(clock);
    NoSpelling spelling;
    const Platform platform{dialogs, shell, http, wave, clock, random};

    MainWindow window(platform, spelling);
    if (!window.Startup(programFolder.path()))
        return 1;
    window.resize(1100, window.sizeHint().height());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    window.View()->DrawButtonOf(GameView::DrawButton::InputWord)->click();
    QTest::keyClicks(window.View()->WordBox(0), QStringLiteral("castello"));
    // A few seconds of the manche on the time bar.
    RunEventsFor(3300);

    int saved = 0;
    for (const int style : {1, 2, 3, 4}) {
        window.Menu()->TileStyleItem(style)->trigger();
        RunEventsFor(600);
        const QString file = QDir(outputFolder).filePath(QStringLiteral("board-style-%1.png").arg(style));
        if (window.grab().save(file))
            ++saved;
        else
            std::fprintf(stderr, "cannot save %s\n", qPrintable(file));
    }
    window.Manche()->Abandon();
    return saved == 4 ? 0 : 1;
}
