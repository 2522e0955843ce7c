// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/letter_draw.h"

#include "tests/support/fake_platform.h"
#include "model/game_state.h"
#include "model/language.h"
#include "platform/core/system_clock.h"
#include "platform/core/system_random.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

namespace {

void UseLanguage(GameState& state, int language)
{
    const LanguageTable& tables = TableOf(static_cast<Language>(language));
    state.Settings.LexiconLanguage = static_cast<Language>(language);
    state.Alphabet = tables.Alphabet;
    state.VowelPool = tables.VowelPool;
    state.ConsonantPool = tables.ConsonantPool;
}

// A draw in an Italian game, wired to hooks that record the tiles shown ("position
// letter" each) and the completions, and that run `duringTile` inside each tile, as
// window events run during the fly-in.
struct DrawFixture : ::testing::Test {
    FakePlatform fake;
    GameState state;
    QStringList tiles;
    int completions = 0;
    std::function<void(int)> duringTile;
    LetterDraw draw{state, fake.random, fake.dialogs, Hooks()};

    void SetUp() override { UseLanguage(state, 1); }

    LetterDraw::Hooks Hooks()
    {
        LetterDraw::Hooks hooks;
        hooks.drawTile = [this](int position, const QString& letter) {
            tiles.append(QString::number(position) + letter);
            if (duringTile)
                duringTile(position);
        };
        hooks.drawComplete = [this] { ++completions; };
        return hooks;
    }
};

}  // namespace

TEST(LetterPick, TakesThePoolCharacterAtIntOfRTimesLengthPlusOne)
{
    const QString pool = TableOf(Language::Italian).ConsonantPool;  // 79 characters
    FakeRandom random;
    for (const double r : {0.0, 0.0126, 0.0127, 0.5, 0.9999999}) {
        random.values.push_back(r);
        EXPECT_EQ(LetterDraw::PickFrom(pool, random), pool.at(static_cast<int>(r * 79 + 1) - 1)) << r;
    }
}

TEST(LetterPick, YJKXWOnlyInEnglishAndLatin)
{
    SystemClock clock;
    SystemRandom random(clock);
    for (const int language : {1, 2, 3}) {
        const LanguageTable& tables = TableOf(static_cast<Language>(language));
        std::set<QChar> vowels, consonants;
        for (int i = 0; i < 4000; ++i) {
            vowels.insert(LetterDraw::PickFrom(tables.VowelPool, random));
            consonants.insert(LetterDraw::PickFrom(tables.ConsonantPool, random));
        }
        EXPECT_EQ(vowels.count('Y'), language == 1 ? 0u : 1u) << language;
        for (const char extra : {'J', 'K', 'X', 'W'})
            EXPECT_EQ(consonants.count(extra), language == 1 ? 0u : 1u) << language << extra;
    }
}

TEST_F(DrawFixture, PressPastTheLimitShowsTheCountSoFar)
{
    struct Row {
        int letters, allowed;
        bool vowels;
        const char* message;
    };
    for (const Row& row : {Row{10, 6, true, "Attenzione già estratte 6 vocali, estrarre ora solo consonanti"},
                           Row{9, 5, true, "Attenzione già estratte 5 vocali, estrarre ora solo consonanti"},
                           Row{8, 5, true, "Attenzione già estratte 5 vocali, estrarre ora solo consonanti"},
                           Row{10, 6, false, "Attenzione già estratte 6 consonanti, estrarre ora solo vocali"}}) {
        draw.ResetDraw();
        fake.dialogs.asked.clear();
        state.Settings.LetterCount = row.letters;
        for (int press = 0; press <= row.allowed; ++press)
            row.vowels ? draw.PressVowel() : draw.PressConsonant();
        EXPECT_EQ(state.DrawnLetters.size(), row.allowed);
        EXPECT_EQ(row.vowels ? state.VowelsDrawn : state.ConsonantsDrawn, row.allowed);
        EXPECT_EQ(fake.dialogs.Texts(), QStringList{row.message});
        for (const QChar c : state.DrawnLetters)
            EXPECT_EQ(state.VowelPool.contains(c), row.vowels);
    }
}

TEST_F(DrawFixture, NineSinglePressesCompleteTheBoardOnce)
{
    state.Settings.LetterCount = 9;
    for (int i = 0; i < 9; ++i)
        i < 5 ? draw.PressVowel() : draw.PressConsonant();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(tiles.size(), 9);
    EXPECT_EQ(tiles[8], "8" + state.DrawnLetters.right(1));

    // The manche runs: further presses do nothing at all.
    draw.PressVowel();
    draw.PressAuto();
    EXPECT_EQ(state.DrawnLetters.size(), 9);
    EXPECT_EQ(state.VowelsDrawn, 5);
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(fake.dialogs.asked.empty());
}

TEST_F(DrawFixture, AutoDrawAlternatesStartingWithAVowel)
{
    SystemClock clock;
    SystemRandom random(clock);
    LetterDraw real(state, random, fake.dialogs, Hooks());
    for (const int letters : {8, 9, 10}) {
        for (int round = 0; round < 20; ++round) {
            real.ResetDraw();
            state.Settings.LetterCount = letters;
            real.PressConsonant();  // a partial board is emptied first
            real.PressAuto();
            ASSERT_EQ(state.DrawnLetters.size(), letters);
            for (int i = 0; i < letters; ++i)
                EXPECT_EQ(state.VowelPool.contains(state.DrawnLetters[i]), i % 2 == 0) << qPrintable(state.DrawnLetters);
            EXPECT_EQ(tiles.last(), QString::number(letters - 1) + state.DrawnLetters.right(1));
        }
    }
    EXPECT_EQ(completions, 60);
}

TEST_F(DrawFixture, EventsDuringAnAutoDrawCannotSpoilIt)
{
    // A new game stops it; single presses are ignored; another auto press starts over.
    struct Row {
        std::function<void(DrawFixture&, int)> during;
        int tilesShown, completions;
        bool empty;
    };
    const Row rows[] = {
        {[](DrawFixture& f, int p) { if (p == 3) f.draw.ResetDraw(); }, 4, 0, true},
        {[](DrawFixture& f, int) { f.draw.PressVowel(); f.draw.PressConsonant(); }, 10, 1, false},
        {[](DrawFixture& f, int p) { if (p == 5 && f.tiles.size() == 6) f.draw.PressAuto(); }, 16, 1, false},
    };
    for (const Row& row : rows) {
        draw.ResetDraw();
        tiles.clear();
        completions = 0;
        duringTile = [&](int position) { row.during(*this, position); };
        draw.PressAuto();
        EXPECT_EQ(tiles.size(), row.tilesShown);
        EXPECT_EQ(completions, row.completions);
        EXPECT_EQ(state.DrawnLetters.size(), row.empty ? 0 : 10);
        for (int i = 0; i < state.DrawnLetters.size(); ++i)
            EXPECT_EQ(state.VowelPool.contains(state.DrawnLetters[i]), i % 2 == 0) << qPrintable(state.DrawnLetters);
    }
}

TEST_F(DrawFixture, QuickPressesDuringAFlyInEachGetTheirOwnTile)
{
    state.Settings.LetterCount = 8;
    duringTile = [this](int position) {
        if (position < 7)
            position % 2 == 0 ? draw.PressConsonant() : draw.PressVowel();
    };
    draw.PressVowel();
    EXPECT_EQ(tiles.join(' ').remove(QRegularExpression("[A-Z]")), "0 1 2 3 4 5 6 7");
    EXPECT_EQ(completions, 1);
}

TEST_F(DrawFixture, ResetEmptiesTheDrawAndItsSourceWord)
{
    draw.PressVowel();
    draw.PressConsonant();
    state.SourceWord = "CAMPIONE";
    draw.ResetDraw();
    EXPECT_TRUE(state.DrawnLetters.isEmpty());
    EXPECT_TRUE(state.SourceWord.isEmpty());
    EXPECT_EQ(state.VowelsDrawn + state.ConsonantsDrawn, 0);
}
