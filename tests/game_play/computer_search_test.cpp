// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"

#include "game/ui/fill_strip.h"
#include "scoring/ui/results_window.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>

#include <gtest/gtest.h>


using Draw = GameView::DrawButton;

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
