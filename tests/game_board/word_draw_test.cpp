// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/word_draw.h"

#include "tests/support/fake_platform.h"
#include "model/game_state.h"
#include "model/language.h"
#include "game/core/letter_draw.h"
#include "lexicon/core/lexicon_index.h"
#include "platform/core/system_clock.h"
#include "platform/core/system_random.h"
#include "tests/support/temp_program_folder.h"
#include "platform/core/program_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// A lexicon file: 439 header bytes holding the index at offset 200 (per length 3 to
// 15 two 8-byte decimal fields, the 1-based start and end of its words), then the
// words of each length back to back.
QByteArray LexiconBytes(const std::map<int, QStringList>& wordsByLength)
{
    QByteArray header(LexiconIndex::kHeaderSize, ' ');
    QByteArray words;
    for (int length = LexiconIndex::kMinLength; length <= LexiconIndex::kMaxLength; ++length) {
        const int start = LexiconIndex::kFirstWordPosition + static_cast<int>(words.size());
        if (const auto found = wordsByLength.find(length); found != wordsByLength.end())
            words.append(found->second.join(QString()).toLatin1());
        const int end = LexiconIndex::kFirstWordPosition + static_cast<int>(words.size());
        header.replace(LexiconIndex::kIndexOffset + (length - 3) * LexiconIndex::kRecordSize, 16,
                       QByteArray::number(start).rightJustified(8, ' ') + QByteArray::number(end).rightJustified(8, ' '));
    }
    return header + words;
}

QString Sorted(QString s)
{
    std::sort(s.begin(), s.end());
    return s;
}

// Word draws in a 9-letter game, the tiles shown collected as one string.
struct WordDrawFixture : ::testing::Test {
    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    FakePlatform fake;
    GameState state;
    LexiconIndex index;
    QString shownTiles;
    int completions = 0;
    LetterDraw letters{state, fake.random, fake.dialogs, Hooks()};
    WordDraw words{state, letters, fake.dialogs, fake.random, index, files};

    void SetUp() override
    {
        UseLanguage(1);
        state.Settings.LetterCount = 9;
    }

    void UseLanguage(int language)
    {
        const LanguageTable& tables = TableOf(static_cast<Language>(language));
        state.Settings.LexiconLanguage = static_cast<Language>(language);
        state.Alphabet = tables.Alphabet;
    }

    void WriteLexicon(const std::map<int, QStringList>& wordsByLength)
    {
        const QByteArray bytes = LexiconBytes(wordsByLength);
        folder.Write(TableOf(static_cast<Language>(state.Settings.LexiconLanguage)).LexiconFileName(), bytes);
        index = LexiconIndex::Parse(bytes, bytes.size());
    }

    LetterDraw::Hooks Hooks()
    {
        LetterDraw::Hooks hooks;
        hooks.drawTile = [this](int position, const QString& letter) {
            EXPECT_EQ(position, shownTiles.size());
            shownTiles += letter;
        };
        hooks.resetTiles = [this] { shownTiles.clear(); };
        hooks.drawComplete = [this] { ++completions; };
        return hooks;
    }

    void StartOver()
    {
        letters.ResetDraw();
        fake.dialogs.asked.clear();
        fake.dialogs.beeps = 0;
        completions = 0;
    }

    void ExpectRefused()
    {
        EXPECT_EQ(fake.dialogs.beeps, 1);
        EXPECT_TRUE(state.DrawnLetters.isEmpty());
        EXPECT_TRUE(state.SourceWord.isEmpty());
        EXPECT_TRUE(shownTiles.isEmpty());
        EXPECT_EQ(completions, 0);
    }
};

}  // namespace

TEST_F(WordDrawFixture, TypedStringIsCheckedThenDrawnUpperCaseInTheOrderTyped)
{
    struct Row {
        int language;
        std::optional<QString> typed;  // nothing: the question was cancelled
        QString drawn;                 // empty: refused with a beep
    };
    const Row rows[] = {{1, "scalinata", "SCALINATA"}, {1, "ScAlInAtA", "SCALINATA"}, {1, "CAMPIONE", ""},
                        {1, std::nullopt, ""},         {1, "KAMIKAZES", ""},          {2, "kamikazes", "KAMIKAZES"},
                        {3, "KAMIKAZES", "KAMIKAZES"}, {1, "CITTA' 12", ""},          {2, "PERCH\u00c8ABC", ""}};
    for (const Row& row : rows) {
        StartOver();
        UseLanguage(row.language);
        fake.dialogs.inputs.push_back(row.typed);
        words.PressTypedWord();
        SCOPED_TRACE(row.typed.value_or("(cancelled)").toStdString());
        EXPECT_EQ(fake.dialogs.Texts(), QStringList{WordDraw::TypedWordPrompt(9)});
        if (row.drawn.isEmpty()) {
            ExpectRefused();
            continue;
        }
        EXPECT_EQ(state.DrawnLetters, row.drawn);
        EXPECT_EQ(shownTiles, row.drawn);
        EXPECT_EQ(state.SourceWord, row.drawn);
        EXPECT_EQ(completions, 1);
    }
    EXPECT_EQ(WordDraw::TypedWordPrompt(9),
              "Inserire una stringa o parola formata da 9 caratteri alfabetici da usare per il gioco. "
              "(Attenzione se si inserisce una parola di senso compiuto essa NON potrà più essere "
              "utilizzata come soluzione dai giocatori umani) :");
}

TEST_F(WordDrawFixture, ProgramWordUsesEveryLetterOfALexiconWordOnce)
{
    WriteLexicon({{8, {"CAMPIONE"}}, {9, {"SCALINATA", "TRAGHETTO"}}, {10, {"OMBRELLONE"}}});
    SystemClock clock;
    SystemRandom random(clock);
    WordDraw real(state, letters, fake.dialogs, random, index, files);
    for (int round = 0; round < 30; ++round) {
        StartOver();
        real.PressProgramWord();
        const QString sorted = Sorted(state.DrawnLetters);
        EXPECT_TRUE(sorted == Sorted("SCALINATA") || sorted == Sorted("TRAGHETTO")) << qPrintable(state.DrawnLetters);
        EXPECT_EQ(state.SourceWord, state.DrawnLetters);
        EXPECT_EQ(shownTiles, state.DrawnLetters);
        EXPECT_EQ(completions, 1);
    }
}

TEST_F(WordDrawFixture, PickReadsWordIntOfRTimesCountOfTheSection)
{
    WriteLexicon({{9, {"SCALINATA", "TRAGHETTO", "POMODORIS"}}, {10, {"OMBRELLONE"}}});
    for (const auto& [r, word] : {std::pair{0.0, "SCALINATA"}, {0.34, "TRAGHETTO"}, {0.9999, "POMODORIS"}}) {
        fake.random.values = {r};
        EXPECT_EQ(words.PickLexiconWord(), word) << r;
    }
    state.Settings.LetterCount = 10;
    fake.random.values = {0.7};
    EXPECT_EQ(words.PickLexiconWord(), "OMBRELLONE");
}

TEST(WordScramble, DrawsPlacesWithoutReplacement)
{
    // Place Int(r * 9) + 1: 0.5 -> 5 (I); 0.5 again falls on the taken place and is
    // drawn anew; 0.0 -> 1 (S); 0.9 -> 9 (A); 0.1 and 0.0 -> 1, taken twice; ...
    FakeRandom random;
    random.values = {0.5, 0.5, 0.0, 0.9, 0.1, 0.0, 0.2, 0.3, 0.4, 0.6, 0.7, 0.8};
    EXPECT_EQ(WordDraw::Scramble("SCALINATA", random), "ISACALNAT");
    EXPECT_EQ(random.draws, 12);

    FakeRandom stuck;  // answers 0 for ever, and must not hang the game
    EXPECT_EQ(Sorted(WordDraw::Scramble("TRAGHETTO", stuck)), Sorted("TRAGHETTO"));
}

TEST_F(WordDrawFixture, MissingLexiconOrLengthRefuses)
{
    UseLanguage(2);
    words.PressProgramWord();
    EXPECT_EQ(fake.dialogs.Texts(), QStringList{"Errore 0002: Non trovato file di vocabolario SLESSICO.2"});
    ExpectRefused();

    StartOver();
    WriteLexicon({{8, {"CAMPIONE"}}});  // no word of 9 letters: no message
    words.PressProgramWord();
    EXPECT_TRUE(fake.dialogs.asked.empty());
    ExpectRefused();
}

TEST_F(WordDrawFixture, NoWordDrawOnceTheMancheRuns)
{
    fake.dialogs.inputs = {"SCALINATA", "TRAGHETTO"};
    words.PressTypedWord();
    words.PressTypedWord();
    words.PressProgramWord();
    EXPECT_EQ(state.DrawnLetters, "SCALINATA");
    EXPECT_EQ(fake.dialogs.asked.size(), 1u);
    EXPECT_EQ(completions, 1);
}

TEST_F(WordDrawFixture, ResetOrPressesMeanwhileCannotSpoilAWordDraw)
{
    // A new game while the question is open draws nothing.
    fake.dialogs.onQuestion = [this](const FakeDialogs::Question&) { letters.ResetDraw(); };
    fake.dialogs.inputs = {"SCALINATA"};
    words.PressTypedWord();
    EXPECT_TRUE(state.DrawnLetters.isEmpty());
    EXPECT_EQ(fake.dialogs.beeps + completions, 0);

    // A vowel pressed while the board is being laid out is ignored.
    LetterDraw::Hooks hooks = Hooks();
    LetterDraw* draw = nullptr;
    hooks.drawTile = [&](int, const QString&) { draw->PressVowel(); };
    LetterDraw pressing(state, fake.random, fake.dialogs, hooks);
    draw = &pressing;
    WordDraw typed(state, pressing, fake.dialogs, fake.random, index, files);
    fake.dialogs.onQuestion = nullptr;
    fake.dialogs.inputs = {"TRAGHETTO"};
    typed.PressTypedWord();
    EXPECT_EQ(state.DrawnLetters, "TRAGHETTO");
    EXPECT_EQ(completions, 1);
}
