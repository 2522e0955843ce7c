#include "letter_draw.h"

#include "fake_platform.h"
#include "game_state.h"
#include "language.h"
#include "system_clock.h"
#include "system_random.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

struct Tile {
    int position;
    QString letter;
    bool operator==(const Tile&) const = default;
};

// A draw wired to recording hooks, in an Italian game of `letters` letters.
struct DrawFixture : ::testing::Test {
    FakePlatform fake;
    GameState state;
    std::vector<Tile> tiles;
    int completions = 0;
    int prepares = 0;
    int resets = 0;
    // Runs inside DrawTile, as window events run during the fly-in.
    std::function<void(int)> duringTile;
    LetterDraw draw{state, fake.random, fake.dialogs, Hooks()};

    void SetUp() override { UseLanguage(1); }

    void UseLanguage(int language)
    {
        const LanguageTables tables = TablesForLanguage(language);
        state.LexiconLanguage = language;
        state.Alphabet = tables.Alphabet;
        state.VowelPool = tables.VowelPool;
        state.ConsonantPool = tables.ConsonantPool;
    }

    LetterDraw::Hooks Hooks()
    {
        LetterDraw::Hooks hooks;
        hooks.resetTiles = [this] { ++resets; };
        hooks.prepareDraw = [this] { ++prepares; };
        hooks.drawTile = [this](int position, const QString& letter) {
            tiles.push_back({position, letter});
            if (duringTile)
                duringTile(position);
        };
        hooks.drawComplete = [this] { ++completions; };
        return hooks;
    }

    bool IsVowel(QChar c) const { return state.VowelPool.contains(c); }
};

}  // namespace

TEST(LetterDrawRules, LimitIsHalfTheLettersPlusOneInRealDivision)
{
    struct Row {
        int letters, drawn;
        bool refused;
    };
    for (const Row row : {Row{10, 6, false}, Row{10, 7, true}, Row{9, 5, false}, Row{9, 6, true},
                          Row{8, 5, false}, Row{8, 6, true}})
        EXPECT_EQ(LetterDraw::LimitReached(row.drawn, row.letters), row.refused)
            << row.drawn << " of " << row.letters;
}

TEST(LetterDrawRules, PickTakesThePoolCharacterAtIntOfRTimesLengthPlusOne)
{
    const QString pool = TablesForLanguage(1).ConsonantPool;  // 79 characters
    FakeRandom random;
    for (const double r : {0.0, 0.0126, 0.0127, 0.5, 0.987, 0.9999999}) {
        random.values.push_back(r);
        const int position = static_cast<int>(r * pool.size() + 1);
        EXPECT_EQ(LetterDraw::PickFrom(pool, random), pool.at(position - 1)) << r;
    }
}

TEST(LetterDrawRules, ExtraLettersOfOtherAlphabetsOnlyInEnglishAndLatin)
{
    SystemClock clock;
    SystemRandom random(clock);
    for (const int language : {1, 2, 3}) {
        const LanguageTables tables = TablesForLanguage(language);
        std::map<QChar, int> seen;
        for (int i = 0; i < 4000; ++i) {
            ++seen[LetterDraw::PickFrom(tables.VowelPool, random)];
            ++seen[LetterDraw::PickFrom(tables.ConsonantPool, random)];
        }
        for (const QChar extra : QStringLiteral("YJKXW")) {
            if (language == 1)
                EXPECT_EQ(seen.count(extra), 0u) << "Italian drew " << extra.toLatin1();
            else
                EXPECT_GT(seen[extra], 0) << "language " << language << " never drew " << extra.toLatin1();
        }
        // Y counts as a vowel, the other four as consonants.
        EXPECT_EQ(tables.VowelPool.contains('Y'), language != 1);
    }
}

TEST_F(DrawFixture, VowelPastTheLimitIsRefusedWithTheCountSoFar)
{
    struct Row {
        int letters, allowed;
    };
    for (const Row row : {Row{10, 6}, Row{9, 5}, Row{8, 5}}) {
        draw.ResetDraw();
        fake.dialogs.asked.clear();
        state.LetterCount = row.letters;
        for (int press = 0; press <= row.allowed; ++press)
            draw.PressVowel();
        EXPECT_EQ(state.DrawnLetters.size(), row.allowed);
        EXPECT_EQ(state.VowelsDrawn, row.allowed);
        EXPECT_EQ(fake.dialogs.Texts(),
                  QStringList{QStringLiteral("Attenzione già estratte %1 vocali, estrarre ora solo consonanti")
                                  .arg(row.allowed)});
        for (const QChar c : state.DrawnLetters)
            EXPECT_TRUE(IsVowel(c));
    }
}

TEST_F(DrawFixture, ConsonantPastTheLimitIsRefusedWithTheCountSoFar)
{
    state.LetterCount = 10;
    for (int press = 0; press < 7; ++press)
        draw.PressConsonant();
    EXPECT_EQ(state.ConsonantsDrawn, 6);
    EXPECT_EQ(fake.dialogs.LastText(), "Attenzione già estratte 6 consonanti, estrarre ora solo vocali");
    EXPECT_EQ(tiles.size(), 6u);
}

TEST_F(DrawFixture, NineSinglePressesCompleteTheBoardOnce)
{
    state.LetterCount = 9;
    for (int i = 0; i < 5; ++i)
        draw.PressVowel();
    for (int i = 0; i < 4; ++i)
        draw.PressConsonant();
    EXPECT_EQ(state.DrawnLetters.size(), 9);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(prepares, 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(tiles[i].position, i);
        EXPECT_EQ(tiles[i].letter, state.DrawnLetters.mid(i, 1));
    }

    draw.PressVowel();
    draw.PressAuto();
    EXPECT_EQ(state.DrawnLetters.size(), 9);
    EXPECT_EQ(state.VowelsDrawn, 5);
    EXPECT_EQ(tiles.size(), 9u);
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
            tiles.clear();
            state.LetterCount = letters;
            real.PressAuto();
            ASSERT_EQ(state.DrawnLetters.size(), letters);
            for (int i = 0; i < letters; ++i) {
                EXPECT_EQ(IsVowel(state.DrawnLetters[i]), i % 2 == 0) << state.DrawnLetters.toStdString();
                EXPECT_EQ(tiles[i], (Tile{i, state.DrawnLetters.mid(i, 1)}));
            }
        }
    }
    EXPECT_EQ(completions, 60);
    EXPECT_EQ(state.VowelsDrawn, 0);
}

TEST_F(DrawFixture, AutoDrawEmptiesAPartialBoardFirst)
{
    state.LetterCount = 8;
    draw.PressConsonant();
    draw.PressConsonant();
    state.SourceWord = "STALE";
    draw.PressAuto();
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(state.DrawnLetters.size(), 8);
    EXPECT_TRUE(IsVowel(state.DrawnLetters[0]));
    EXPECT_TRUE(state.SourceWord.isEmpty());
    EXPECT_EQ(completions, 1);
}

TEST_F(DrawFixture, NewGameDuringAnAutoDrawStopsIt)
{
    duringTile = [this](int position) {
        if (position == 3)
            draw.ResetDraw();
    };
    draw.PressAuto();
    EXPECT_EQ(tiles.size(), 4u);
    EXPECT_TRUE(state.DrawnLetters.isEmpty());
    EXPECT_EQ(completions, 0);

    // The next draw is whole again.
    duringTile = nullptr;
    draw.PressAuto();
    EXPECT_EQ(state.DrawnLetters.size(), 10);
    EXPECT_EQ(completions, 1);
}

TEST_F(DrawFixture, SinglePressesDuringAnAutoDrawAreIgnored)
{
    duringTile = [this](int) {
        draw.PressVowel();
        draw.PressConsonant();
    };
    draw.PressAuto();
    EXPECT_EQ(state.DrawnLetters.size(), 10);
    EXPECT_EQ(tiles.size(), 10u);
    EXPECT_EQ(completions, 1);
}

TEST_F(DrawFixture, AutoPressedDuringAnAutoDrawStartsOverOnce)
{
    bool pressed = false;
    duringTile = [&](int position) {
        if (position == 5 && !pressed) {
            pressed = true;
            draw.PressAuto();
        }
    };
    draw.PressAuto();
    EXPECT_EQ(state.DrawnLetters.size(), 10);
    EXPECT_EQ(tiles.size(), 6u + 10u);
    EXPECT_EQ(completions, 1);
}

TEST_F(DrawFixture, QuickSinglePressesDuringAFlyInEachLandOnTheirOwnTile)
{
    state.LetterCount = 8;
    // Every press arrives while the tile before it is still flying.
    duringTile = [this](int position) {
        if (position < 7)
            position % 2 == 0 ? draw.PressConsonant() : draw.PressVowel();
    };
    draw.PressVowel();
    EXPECT_EQ(state.DrawnLetters.size(), 8);
    std::vector<int> positions;
    for (const Tile& tile : tiles)
        positions.push_back(tile.position);
    EXPECT_EQ(positions, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(completions, 1);
}

TEST_F(DrawFixture, RedrawModeShowsEveryLetterWithoutDrawing)
{
    state.LetterCount = 8;
    state.DrawnLetters = "CAMPIONE";
    draw.DrawLetter(LetterDraw::kRedrawAll);
    ASSERT_EQ(tiles.size(), 8u);
    EXPECT_EQ(tiles[7], (Tile{7, "E"}));
    EXPECT_EQ(state.DrawnLetters, "CAMPIONE");
    EXPECT_EQ(fake.random.draws, 0);
    EXPECT_EQ(completions, 1);
}

TEST_F(DrawFixture, ResetEmptiesTheDrawAndItsSource)
{
    draw.PressVowel();
    draw.PressConsonant();
    state.SourceWord = "CAMPIONE";
    draw.ResetDraw();
    EXPECT_TRUE(state.DrawnLetters.isEmpty());
    EXPECT_TRUE(state.SourceWord.isEmpty());
    EXPECT_EQ(state.VowelsDrawn, 0);
    EXPECT_EQ(state.ConsonantsDrawn, 0);
}
