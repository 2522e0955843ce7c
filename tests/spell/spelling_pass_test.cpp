// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_speller.h"
#include "platform/ui/spelling_pass.h"

#include <gtest/gtest.h>

namespace {

TEST(SpellingPass, StopsAtEachUnknownWordInTurn)
{
    FakeSpeller speller({"la", "e", "il"}, {{"caza", {"casa", "cara"}}});
    SpellingPass pass(QStringLiteral("la caza e il magliome."), speller);

    ASSERT_TRUE(pass.Next());
    EXPECT_EQ(pass.CurrentWord(), QStringLiteral("caza"));
    EXPECT_EQ(pass.Suggestions(), QStringList({"casa", "cara"}));
    pass.Replace(QStringLiteral("casa"));

    ASSERT_TRUE(pass.Next());
    EXPECT_EQ(pass.CurrentWord(), QStringLiteral("magliome"));
    pass.Skip();

    EXPECT_FALSE(pass.Next());
    EXPECT_FALSE(pass.AtWord());
    EXPECT_EQ(pass.Text(), QStringLiteral("la casa e il magliome."));
}

TEST(SpellingPass, ACorrectionIsNeverCheckedAgain)
{
    FakeSpeller speller({});
    SpellingPass pass(QStringLiteral("xx yy"), speller);
    ASSERT_TRUE(pass.Next());
    pass.Replace(QStringLiteral("still wrong"));
    ASSERT_TRUE(pass.Next());
    EXPECT_EQ(pass.CurrentWord(), QStringLiteral("yy"));
    pass.Replace(QString());
    EXPECT_FALSE(pass.Next());
    EXPECT_EQ(pass.Text(), QStringLiteral("still wrong "));
}

TEST(SpellingPass, WordsAreRunsOfLettersWithInnerApostrophes)
{
    const std::pair<QString, QStringList> cases[] = {
        {QStringLiteral("dell'acqua"), {"dell'acqua"}},
        {QStringLiteral("l’ora"), {QStringLiteral("l’ora")}},
        {QStringLiteral("'casa' 12 città!"), {"casa", QStringLiteral("città")}},
        {QStringLiteral("po' 3,5 -- "), {"po"}},
        {QString(), {}},
    };
    for (const auto& [text, words] : cases) {
        FakeSpeller speller({});
        SpellingPass pass(text, speller);
        QStringList found;
        while (pass.Next()) {
            found.append(pass.CurrentWord());
            pass.Skip();
        }
        EXPECT_EQ(found, words) << text.toStdString();
        EXPECT_EQ(speller.checked, words);
    }
}

}  // namespace
