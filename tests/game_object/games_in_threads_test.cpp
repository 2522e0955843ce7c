// SPDX-License-Identifier: GPL-3.0-or-later
// Many games in one process, as a server's tables will hold them: 200 games on 8
// threads, each with its own program folder, random source and clock, sharing the
// Italian lexicon. Every game must end exactly as the same game played alone.
#include "game/core/game.h"

#include "tests/support/fake_platform.h"
#include "model/language.h"
#include "game/core/letter_use.h"
#include "lexicon/core/lexicon_words.h"
#include "platform/core/program_files.h"
#include "tests/support/seeded_random.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <set>
#include <thread>
#include <vector>

namespace {

constexpr int kGames = 200;
constexpr int kThreads = 8;

// What a game did, manche by manche: enough to tell two games apart.
struct GameRecord {
    QStringList letters;
    QStringList words;     // every player's word, as judged
    QStringList verdicts;
    std::vector<Game::Totals> totals;
    // Human words that only the game's own vocabulary knew, added in an earlier manche.
    int vocabularyWordsScored = 0;
    bool over = false;

    bool operator==(const GameRecord&) const = default;
};

void PrintTo(const GameRecord& record, std::ostream* out)
{
    *out << qPrintable(record.letters.join(QLatin1Char(' '))) << " / "
         << qPrintable(record.words.join(QLatin1Char(' '))) << " / "
         << qPrintable(record.verdicts.join(QLatin1Char(' '))) << " / totals";
    for (const Game::Totals& totals : record.totals)
        *out << ' ' << totals[0] << ',' << totals[1] << ',' << totals[2] << ',' << totals[3];
}

LexiconSource ItalianLexicon()
{
    const QString path = QStringLiteral(LETTERAMA_SOURCE_DIR "/assets/program_folder/SLESSICO.1");
    // Loaded once and shared by every game; its anagram index is built by whichever
    // game searches first.
    static const std::shared_ptr<const LexiconWords> words = LexiconWords::Load(path);
    return LexiconSource{Language::Italian, path, words};
}

// The human's choice among the words the board allows: a found word, the longest, a
// three-letter string of the board (unknown, so put to the player), or a word the
// player added to the vocabulary in an earlier manche.
QString HumanWord(const Game& game, const QStringList& added, std::mt19937_64& player)
{
    for (const QString& word : added) {
        if (player() % 2 == 0 && LetterUse::Of(game.Letters(), word).spelt)
            return word;
    }
    const QStringList& found = game.FoundWords();
    switch (player() % 4) {
    case 0:
        return found.isEmpty() ? QString() : found.last();
    case 1:
        return found.isEmpty() ? QString() : found.at(static_cast<int>(player() % found.size()));
    case 2:
        return game.Letters().left(3);
    default:
        return QString();
    }
}

// One game of five manches, played through the core alone from `seed`.
GameRecord PlayGame(std::uint64_t seed)
{
    QTemporaryDir programFolder;
    const ProgramFiles files(programFolder.path());
    SeededRandom random(seed);
    FakeWavePlayer wave;
    std::mt19937_64 player(seed * 7919 + 1);

    GameSettings settings;
    settings.LetterCount = GameRules::kLetterCountsOffered[seed % 3];
    settings.RoundSeconds = GameRules::kRoundSecondsOffered[(seed / 3) % 3];
    settings.Level = static_cast<Difficulty>(1 + seed % 3);
    settings.SoundOn = false;
    Game game(settings, ItalianLexicon(), Game::Services{random, files, wave});
    game.NewGame();

    GameRecord record;
    QStringList added;
    for (int manche = 0; manche < GameRules::kManchesPerGame; ++manche) {
        switch (player() % 4) {
        case 0:
            game.DrawAuto();
            break;
        case 1:
            game.DrawComputerWord();
            break;
        case 2:
            game.DrawTypedWord(QStringLiteral("XY"));  // refused, then the letters one by one
            [[fallthrough]];
        default:
            while (game.CurrentPhase() == Game::Phase::Drawing)
                player() % 2 ? game.DrawVowel() : game.DrawConsonant();
        }
        record.letters.append(game.Letters());
        game.StartClock();
        const int finishAt = static_cast<int>(player() % (settings.RoundSeconds + 5));
        for (int second = 0; second < finishAt && game.CurrentPhase() == Game::Phase::Playing; ++second)
            game.Tick();
        game.EnterWord(0, HumanWord(game, added, player));
        game.FinishNow();
        for (int tick = 0; tick < 200 && game.CurrentPhase() == Game::Phase::Playing; ++tick)
            game.Tick();
        while (game.JudgeManche() == ResultsEvaluation::Status::NeedsConfirmation) {
            game.Confirm(1 + static_cast<int>(player() % 3));
        }
        if (!game.LastBoard())
            return record;
        const ResultsBoardRow& human = game.LastBoard()->rows[0];
        if (added.contains(human.word) && human.verdict == QStringLiteral("SI"))
            ++record.vocabularyWordsScored;
        if (human.confirmChoice == 1 || human.confirmChoice == 2)
            added.append(human.word);
        for (const ResultsBoardRow& row : game.LastBoard()->rows) {
            record.words.append(row.word);
            record.verdicts.append(row.verdict.value_or(QStringLiteral("?")));
        }
        record.totals.push_back(game.TotalScores());
        game.NextManche();
    }
    record.over = game.IsOver();
    return record;
}

TEST(GamesInThreads, TwoHundredGamesOnEightThreadsEndAsEachAlone)
{
    ASSERT_TRUE(ItalianLexicon().Words) << "the Italian lexicon of assets/program_folder is missing";

    std::vector<GameRecord> together(kGames);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &together] {
            for (int g = t; g < kGames; g += kThreads)
                together[g] = PlayGame(static_cast<std::uint64_t>(g));
        });
    }
    for (std::thread& thread : threads)
        thread.join();

    // The threads go first, so that the lexicon's index is built while they all run.
    std::vector<GameRecord> alone(kGames);
    for (int g = 0; g < kGames; ++g)
        alone[g] = PlayGame(static_cast<std::uint64_t>(g));

    std::set<QStringList> distinctLetters;
    int validWords = 0;
    int vocabularyWordsScored = 0;
    for (int g = 0; g < kGames; ++g) {
        SCOPED_TRACE(g);
        ASSERT_TRUE(alone[g].over);
        ASSERT_EQ(alone[g].totals.size(), static_cast<std::size_t>(GameRules::kManchesPerGame));
        EXPECT_EQ(together[g], alone[g]);
        distinctLetters.insert(alone[g].letters);
        validWords += static_cast<int>(alone[g].verdicts.count(QStringLiteral("SI")));
        vocabularyWordsScored += alone[g].vocabularyWordsScored;
    }
    // The games really differ, real words were scored, and some only because a game's
    // own vocabulary held them: a vocabulary shared between games would show here.
    EXPECT_EQ(distinctLetters.size(), static_cast<std::size_t>(kGames));
    EXPECT_GT(validWords, kGames);
    EXPECT_GT(vocabularyWordsScored, 0);
}

}  // namespace
