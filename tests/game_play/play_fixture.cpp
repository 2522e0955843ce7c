#include "play_fixture.h"

#include "tile_board.h"
#include "tiny_lexicon.h"
#include "run_until.h"

#include <QPushButton>
#include <QTest>

const QStringList PlayTest::kWords = {
    QStringLiteral("ORA"),      QStringLiteral("SALE"),     QStringLiteral("CELLA"),
    QStringLiteral("CASTA"),    QStringLiteral("STELLA"),   QStringLiteral("LOCALE"),
    QStringLiteral("CASTELLO"), QStringLiteral("CAMPANELLO"),
};

void PlayTest::WriteLexicon(int language, const QStringList& words)
{
    ASSERT_TRUE(WriteTinyLexicon(language, words));
}

void PlayTest::Start(const QByteArray& settings, int language, const QStringList& words)
{
    WriteLexicon(language, words);
    folder.Write(QStringLiteral("LETTRAMA.INI"),
                 "Suono=No\r\n" + settings + "\r\nDizionario= " + QByteArray::number(language) + "\r\n");
    window = std::make_unique<MainWindow>(fakes.platform(), spelling);
    ASSERT_TRUE(window->Startup(folder.Path()));
    window->show();
}

void PlayTest::Click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
}

void PlayTest::Press(GameView::DrawButton button)
{
    Click(Button(button));
    // The tiles fly in as timed steps; the draw is complete once they are in place.
    ASSERT_TRUE(RunUntil([this] { return !Window().Board()->Drawing(); }, 10000));
}

void PlayTest::DrawTyped(const QString& letters)
{
    fakes.dialogs.inputs.push_back(letters);
    Press(GameView::DrawButton::InputWord);
}
