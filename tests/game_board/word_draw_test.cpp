#include "word_draw.h"

#include "fake_platform.h"
#include "game_state.h"
#include "language.h"
#include "letter_draw.h"
#include "lexicon_index.h"
#include "system_clock.h"
#include "system_random.h"
#include "temp_program_folder.h"

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
        const auto found = wordsByLength.find(length);
        const QStringList list = found == wordsByLength.end() ? QStringList() : found->second;
        const int start = LexiconIndex::kFirstWordPosition + static_cast<int>(words.size());
        for (const QString& word : list)
            words.append(word.toLatin1());
        const int end = LexiconIndex::kFirstWordPosition + static_cast<int>(words.size());
        const QByteArray record = QByteArray::number(start).rightJustified(8, ' ') +
                                  QByteArray::number(end).rightJustified(8, ' ');
        header.replace(LexiconIndex::kIndexOffset + (length - 3) * LexiconIndex::kRecordSize, 16, record);
    }
    return header + words;
}

QString Sorted(QString s)
{
    std::sort(s.begin(), s.end());
    return s;
}

struct WordDrawFixture : ::testing::Test {
    TempProgramFolder folder;
    FakePlatform fake;
    GameState state;
    LexiconIndex index;
    QString shownTiles;
    int completions = 0;
    LetterDraw letters{state, fake.random, fake.dialogs, Hooks()};
    WordDraw words{state, letters, fake.dialogs, fake.random, index};

    void SetUp() override
    {
        UseLanguage(1);
        state.LetterCount = 9;
    }

    void UseLanguage(int language)
    {
        const LanguageTables tables = TablesForLanguage(language);
        state.LexiconLanguage = language;
        state.Alphabet = tables.Alphabet;
        state.VowelPool = tables.VowelPool;
        state.ConsonantPool = tables.ConsonantPool;
    }

    void WriteLexicon(const std::map<int, QStringList>& wordsByLength)
    {
        const QByteArray bytes = LexiconBytes(wordsByLength);
        folder.Write(LexiconFileName(state.LexiconLanguage), bytes);
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

    void Type(const QString& answer)
    {
        fake.dialogs.inputs.push_back(answer);
        words.PressTypedWord();
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

TEST_F(WordDrawFixture, TypedStringAsksWithTheLetterCount)
{
    Type("scalinata");
    ASSERT_EQ(fake.dialogs.asked.size(), 1u);
    EXPECT_EQ(fake.dialogs.asked[0].kind, "input");
    EXPECT_EQ(fake.dialogs.asked[0].text,
              "Inserire una stringa o parola formata da 9 caratteri alfabetici da usare per il gioco. "
              "(Attenzione se si inserisce una parola di senso compiuto essa NON potrà più essere "
              "utilizzata come soluzione dai giocatori umani) :");
}

TEST_F(WordDrawFixture, TypedStringIsDrawnUpperCaseInTheOrderTyped)
{
    for (const QString typed : {"scalinata", "SCALINATA", "ScAlInAtA"}) {
        letters.ResetDraw();
        shownTiles.clear();
        completions = 0;
        Type(typed);
        EXPECT_EQ(state.DrawnLetters, "SCALINATA") << typed.toStdString();
        EXPECT_EQ(shownTiles, "SCALINATA");
        EXPECT_EQ(state.SourceWord, "SCALINATA");
        EXPECT_EQ(completions, 1);
    }
    EXPECT_EQ(fake.random.draws, 0);
}

TEST_F(WordDrawFixture, TypedStringOfAnotherLengthIsRefused)
{
    Type("CAMPIONE");
    ExpectRefused();
}

TEST_F(WordDrawFixture, CancelledQuestionIsRefused)
{
    words.PressTypedWord();
    ExpectRefused();
}

TEST_F(WordDrawFixture, LettersOutsideTheAlphabetAreRefusedPerLanguage)
{
    struct Row {
        int language;
        QString typed;
        bool accepted;
    };
    for (const Row& row : {Row{1, "KAMIKAZES", false}, Row{2, "kamikazes", true}, Row{3, "KAMIKAZES", true},
                           Row{1, "CITTA' 12", false}, Row{2, "PERCHÈABC", false}}) {
        letters.ResetDraw();
        fake.dialogs.beeps = 0;
        UseLanguage(row.language);
        Type(row.typed);
        EXPECT_EQ(state.DrawnLetters.isEmpty(), !row.accepted) << row.typed.toStdString();
        EXPECT_EQ(fake.dialogs.beeps, row.accepted ? 0 : 1) << row.typed.toStdString();
    }
}

TEST_F(WordDrawFixture, ProgramWordUsesEveryLetterOfALexiconWordOnce)
{
    WriteLexicon({{8, {"CAMPIONE"}}, {9, {"SCALINATA", "TRAGHETTO"}}, {10, {"OMBRELLONE"}}});
    SystemClock clock;
    SystemRandom random(clock);
    WordDraw real(state, letters, fake.dialogs, random, index);
    for (int round = 0; round < 30; ++round) {
        letters.ResetDraw();
        real.PressProgramWord();
        ASSERT_EQ(state.DrawnLetters.size(), 9);
        const bool fromFirst = Sorted(state.DrawnLetters) == Sorted("SCALINATA");
        const bool fromSecond = Sorted(state.DrawnLetters) == Sorted("TRAGHETTO");
        EXPECT_TRUE(fromFirst || fromSecond) << state.DrawnLetters.toStdString();
        EXPECT_EQ(state.SourceWord, state.DrawnLetters);
        EXPECT_EQ(shownTiles, state.DrawnLetters);
    }
    EXPECT_EQ(completions, 30);
    EXPECT_TRUE(fake.dialogs.asked.empty());
}

TEST_F(WordDrawFixture, PickReadsWordIntOfRTimesCountOfTheSection)
{
    WriteLexicon({{9, {"SCALINATA", "TRAGHETTO", "POMODORIS"}}, {10, {"OMBRELLONE"}}});
    struct Row {
        double r;
        QString word;
    };
    for (const Row& row : {Row{0.0, "SCALINATA"}, Row{0.34, "TRAGHETTO"}, Row{0.9999, "POMODORIS"}}) {
        fake.random.values = {row.r};
        EXPECT_EQ(words.PickLexiconWord(), row.word) << row.r;
    }
    state.LetterCount = 10;
    fake.random.values = {0.7};
    EXPECT_EQ(words.PickLexiconWord(), "OMBRELLONE");
}

TEST_F(WordDrawFixture, ScrambleDrawsPlacesWithoutReplacement)
{
    // Place Int(r * 9) + 1: 0.5 -> 5 (I); 0.5 again falls on the taken place and is
    // drawn anew; 0.0 -> 1 (S); 0.9 -> 9 (A); 0.1 and 0.0 -> 1, taken twice; ...
    FakeRandom random;
    random.values = {0.5, 0.5, 0.0, 0.9, 0.1, 0.0, 0.2, 0.3, 0.4, 0.6, 0.7, 0.8};
    EXPECT_EQ(WordDraw::Scramble("SCALINATA", random), "ISACALNAT");
    EXPECT_EQ(random.draws, 12);
}

TEST_F(WordDrawFixture, ScrambleWithAStuckGeneratorStillEnds)
{
    FakeRandom stuck;  // answers 0 for ever
    EXPECT_EQ(Sorted(WordDraw::Scramble("TRAGHETTO", stuck)), Sorted("TRAGHETTO"));
}

TEST_F(WordDrawFixture, MissingLexiconShowsItsMessageThenRefuses)
{
    UseLanguage(2);
    words.PressProgramWord();
    EXPECT_EQ(fake.dialogs.Texts(), QStringList{"Errore 0002: Non trovato file di vocabolario SLESSICO.2"});
    ExpectRefused();
}

TEST_F(WordDrawFixture, LexiconWithoutWordsOfTheLengthRefusesQuietly)
{
    WriteLexicon({{8, {"CAMPIONE"}}});
    EXPECT_TRUE(words.PickLexiconWord().isEmpty());
    words.PressProgramWord();
    EXPECT_TRUE(fake.dialogs.asked.empty());
    ExpectRefused();
}

TEST_F(WordDrawFixture, LexiconFoundWithoutRegardToCase)
{
    const QByteArray bytes = LexiconBytes({{9, {"SCALINATA"}}});
    folder.Write("slessico.1", bytes);
    index = LexiconIndex::Parse(bytes, bytes.size());
    EXPECT_EQ(words.PickLexiconWord(), "SCALINATA");
}

TEST_F(WordDrawFixture, WordDrawsAreRefusedOnceTheMancheIsRunning)
{
    Type("SCALINATA");
    ASSERT_EQ(completions, 1);
    Type("TRAGHETTO");
    words.PressProgramWord();
    EXPECT_EQ(state.DrawnLetters, "SCALINATA");
    EXPECT_EQ(fake.dialogs.asked.size(), 1u);
    EXPECT_EQ(completions, 1);
}

TEST_F(WordDrawFixture, NewGameWhileTheQuestionIsOpenDrawsNothing)
{
    fake.dialogs.onQuestion = [this](const FakeDialogs::Question&) { letters.ResetDraw(); };
    Type("SCALINATA");
    EXPECT_TRUE(state.DrawnLetters.isEmpty());
    EXPECT_TRUE(state.SourceWord.isEmpty());
    EXPECT_EQ(completions, 0);
    EXPECT_EQ(fake.dialogs.beeps, 0);
}

TEST_F(WordDrawFixture, SinglePressDuringTheWordDrawYieldIsIgnored)
{
    LetterDraw::Hooks hooks = Hooks();
    LetterDraw* draw = nullptr;
    hooks.yield = [&] { draw->PressVowel(); };
    LetterDraw yielding(state, fake.random, fake.dialogs, hooks);
    draw = &yielding;
    WordDraw typed(state, yielding, fake.dialogs, fake.random, index);
    fake.dialogs.inputs.push_back("SCALINATA");
    typed.PressTypedWord();
    EXPECT_EQ(state.DrawnLetters, "SCALINATA");
    EXPECT_EQ(completions, 1);
}
