// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"

#include "lexicon/core/lexicon_writer.h"
#include "tests/support/run_until.h"
#include "game/ui/board/tile_board.h"
#include "tests/support/tiny_lexicon.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

void GameWindowFixture::Choose(QAction* item)
{
    ASSERT_NE(item, nullptr);
    item->trigger();
}

bool GameWindowFixture::ChooseModal(QAction* item, const std::function<void(QWidget*)>& look)
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

void GameWindowFixture::Click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
}

void GameWindowFixture::Press(GameView::DrawButton button)
{
    Click(Button(button));
    // The tiles fly in as timed steps; the draw is complete once they are in place.
    ASSERT_TRUE(RunUntil([this] { return !Window().Board()->Drawing(); }, 10000));
}

void GameWindowFixture::DrawTyped(const QString& letters)
{
    fakes.dialogs.inputs.push_back(letters);
    Press(GameView::DrawButton::InputWord);
}

void MainWindowTest::WriteLexicon(int language)
{
    LexiconWordLists lists;
    lists[0] = {"ARA", "CASA"};  // the four-letter entry is not of its list's length and is skipped
    lists[1] = {"CASA", "ROMA"};
    lists[2] = {"LETTO"};
    const LexiconImage image = ComposeLexicon(lists, LexiconBanner(static_cast<Language>(language)));
    ASSERT_TRUE(image.error.isEmpty());
    folder.Write(QStringLiteral("SLESSICO.%1").arg(language), image.bytes);
}

bool MainWindowTest::Start()
{
    window = std::make_unique<MainWindow>(fakes.platform(), ProgramFiles(folder.Path()), spelling);
    return window->Startup();
}

const QStringList PlayTest::kWords = {
    QStringLiteral("ORA"),      QStringLiteral("SALE"),     QStringLiteral("CELLA"),
    QStringLiteral("CASTA"),    QStringLiteral("STELLA"),   QStringLiteral("LOCALE"),
    QStringLiteral("CASTELLO"), QStringLiteral("CAMPANELLO"),
};

void PlayTest::WriteLexicon(int language, const QStringList& words)
{
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), language, words));
}

void PlayTest::Start(const QByteArray& settings, int language, const QStringList& words)
{
    WriteLexicon(language, words);
    folder.Write(QStringLiteral("LETTRAMA.INI"),
                 "Suono=No\r\n" + settings + "\r\nDizionario= " + QByteArray::number(language) + "\r\n");
    window = std::make_unique<MainWindow>(fakes.platform(), ProgramFiles(folder.Path()), spelling);
    ASSERT_TRUE(window->Startup());
    window->show();
}
