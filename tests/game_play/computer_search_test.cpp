#include "play_fixture.h"

#include "fill_strip.h"
#include "main_menu.h"
#include "results_window.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using Draw = GameView::DrawButton;

namespace {

// Runs `act` once, at the first pause of the work that follows the moment the draw
// buttons are hidden, which is when the board is complete and the search begins.
class AtSearchStart : public QObject {
public:
    AtSearchStart(QWidget* drawPanel, std::function<void()> act) : act_(std::move(act))
    {
        drawPanel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && act_) {
            QTimer::singleShot(0, this, std::move(act_));
            act_ = nullptr;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> act_;
};

}  // namespace

// A draw of three A, three B and four C spells thousands of strings of 3 to 7
// letters. None may be cut, or the expert would never see the longest words.
TEST_F(PlayTest, SearchKeepsEveryFindPastAThousand)
{
    QStringList words;
    for (int length = 3; length <= 7; ++length) {
        int combinations = 1;
        for (int i = 0; i < length; ++i)
            combinations *= 3;
        for (int code = 0; code < combinations; ++code) {
            QString word;
            for (int rest = code, i = 0; i < length; ++i, rest /= 3)
                word.prepend(QLatin1Char(static_cast<char>('A' + rest % 3)));
            if (word.count(QLatin1Char('A')) <= 3 && word.count(QLatin1Char('B')) <= 3 &&
                word.count(QLatin1Char('C')) <= 4)
                words.append(word);
        }
    }
    ASSERT_GT(words.size(), 1000);
    Start({}, 1, words);
    DrawTyped(QStringLiteral("ABCABCABCC"));

    EXPECT_EQ(State().FoundWords, words);
    EXPECT_EQ(Window().Results()->FoundWordLines().size(), words.size());
    EXPECT_EQ(Window().Results()->FoundWordLines().last(), QStringLiteral("(7) -   CCCCBBB"));
}

TEST_F(PlayTest, SearchListsEveryWordOfTheDrawByLengthAndFillsTheStrip)
{
    Start();
    DrawTyped(QStringLiteral("CASTELLOAR"));
    // Lengths ascending, in lexicon order within a length.
    EXPECT_EQ(State().FoundWords, (QStringList{"ORA", "SALE", "CELLA", "CASTA", "STELLA", "LOCALE", "CASTELLO"}));
    EXPECT_EQ(Window().Results()->FoundWordLines().value(6), QStringLiteral("(8) -   CASTELLO"));
    EXPECT_EQ(Window().Results()->FoundWordLines().size(), 7);
    // Lengths 3 to 9 each paint one seventh of the strip; length 10 paints nothing
    // while the clock has not yet ticked.
    const FillStrip& strip = *View().ProgressStrip();
    ASSERT_EQ(strip.Boxes().size(), 7u);
    const double segment = strip.InnerWidth() / 7.0;
    for (int i = 0; i < 7; ++i)
        EXPECT_DOUBLE_EQ(strip.Boxes()[i].area.left(), i * segment) << i;
    EXPECT_EQ(strip.Boxes().front().color, QColor(0, 0, 128));
    EXPECT_EQ(View().TimeLabel()->text(), QStringLiteral("0 / 60 Sec."));
}

TEST_F(PlayTest, DrawThatSpellsNothingFindsNothing)
{
    Start("Tempo=32000");
    DrawTyped(QStringLiteral("BBBBBBBBBB"));
    EXPECT_TRUE(State().FoundWords.isEmpty());
    EXPECT_EQ(View().TimeLabel()->text(), QStringLiteral("Infinito"));
}

TEST_F(PlayTest, SearchWithItsLexiconRemovedMeanwhileSaysSoOnce)
{
    Start();
    // The words in memory serve the search even though the file went away.
    QFile::remove(folder.FilePath(QStringLiteral("SLESSICO.1")));
    DrawTyped(QStringLiteral("CASTELLOAR"));
    EXPECT_EQ(fakes.dialogs.asked.size(), 2u);  // the input box, then the message
    EXPECT_EQ(fakes.dialogs.LastText(), QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.1"));
    EXPECT_TRUE(State().FoundWords.isEmpty());
}

struct OvertakeRow {
    const char* what;
    std::function<void(MainWindow&)> act;
};

class SearchOvertakenRows : public PlayTest, public ::testing::WithParamInterface<OvertakeRow> {};

TEST_P(SearchOvertakenRows, SearchStopsAndWritesNothingMore)
{
    const OvertakeRow row = GetParam();
    Start();
    WriteLexicon(2);
    Window().SetSearchPacing(std::chrono::microseconds(0));
    bool acted = false;
    AtSearchStart trigger(View().DrawPanel(), [&] {
        acted = true;
        row.act(Window());
    });
    DrawTyped(QStringLiteral("CASTELLOAR"));
    ASSERT_TRUE(acted);
    EXPECT_TRUE(State().FoundWords.isEmpty());
    EXPECT_TRUE(View().ProgressStrip()->Boxes().empty());
    EXPECT_EQ(View().TimeLabel()->text(), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, SearchOvertakenRows,
    ::testing::Values(OvertakeRow{"new game", [](MainWindow& w) { w.Menu()->Action(MainMenu::Command::NewGame)->trigger(); }},
                      OvertakeRow{"language", [](MainWindow& w) { w.Menu()->LanguageItem(2)->trigger(); }},
                      OvertakeRow{"close", [](MainWindow& w) {
                                      w.close();
                                      // What the search had found stays; nothing more comes.
                                      w.State().FoundWords.clear();
                                  }}));
