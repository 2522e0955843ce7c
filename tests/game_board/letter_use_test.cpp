// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/letter_use.h"

#include <gtest/gtest.h>

namespace {

struct UseRow {
    const char* drawn;
    const char* word;
    const char* used;  // one mark per tile: '*' used, '.' free
    bool spelt;
};

std::string Marks(const LetterUse& use)
{
    std::string marks;
    for (const bool used : use.usedTiles)
        marks += used ? '*' : '.';
    return marks;
}

class LetterUseRows : public ::testing::TestWithParam<UseRow> {};

TEST_P(LetterUseRows, EachLetterTakesTheFirstFreeTileOfItsLetter)
{
    const UseRow& row = GetParam();
    const LetterUse use = LetterUse::Of(QString::fromLatin1(row.drawn), QString::fromUtf8(row.word));
    EXPECT_EQ(Marks(use), row.used) << row.word;
    EXPECT_EQ(use.spelt, row.spelt) << row.word;
}

INSTANTIATE_TEST_SUITE_P(
    Words, LetterUseRows,
    ::testing::Values(UseRow{"CASTELLOAR", "", "..........", true},
                      UseRow{"CASTELLOAR", "casa", "***.....*.", true},        // the second A is the later tile
                      UseRow{"CASTELLOAR", "STELLA", ".******...", true},
                      UseRow{"CASTELLOAR", "cassa", "***.....*.", false},      // only one S: the second finds none
                      UseRow{"CASTELLOAR", "LL", ".....**...", true},          // a letter typed twice takes two tiles
                      UseRow{"CASTELLOAR", "città", "*..*......", false}));   // an accented letter is no tile's letter

}  // namespace
