#include "main_window_fixture.h"

#include "lexicon_writer.h"
#include "run_until.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

void MainWindowTest::WriteLexicon(int language)
{
    LexiconWordLists lists;
    lists[0] = {"ARA", "CASA"};  // the four-letter entry is not of its list's length and is skipped
    lists[1] = {"CASA", "ROMA"};
    lists[2] = {"LETTO"};
    const LexiconImage image = ComposeLexicon(lists, LexiconBanner(language));
    ASSERT_TRUE(image.error.isEmpty());
    folder.Write(QStringLiteral("SLESSICO.%1").arg(language), image.bytes);
}

bool MainWindowTest::Start()
{
    window = std::make_unique<MainWindow>(fakes.platform(), spelling);
    return window->Startup(folder.Path());
}

void MainWindowTest::Choose(QAction* item)
{
    ASSERT_NE(item, nullptr);
    item->trigger();
}

bool MainWindowTest::ChooseModal(QAction* item, const std::function<void(QWidget*)>& look)
{
    bool opened = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll.stop();
        opened = true;
        if (look)
            look(modal);
        modal->close();
    });
    poll.start();
    if (item)
        item->trigger();
    // A window opened with open() is looked at and closed by the poll above.
    return RunUntil([&opened] { return opened; }, 5000);
}
