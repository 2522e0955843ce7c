// SPDX-License-Identifier: GPL-3.0-or-later
// One game's manche through the core, on the Italian lexicon and a 10-letter board:
// the draw, the computers' search, the clock run out, the judging and the scoring.
//
// Goals on the development machine, for a server holding many games: under 1 ms of
// CPU for a whole manche, and under 200 KB for a game beside the lexicon that all
// games share. The lexicon is the game's own, assets/program_folder/SLESSICO.1.
// Measured on the 2-core development machine under load: about 340 us of CPU a
// manche (some 270 words found a board), and about 15 KB a game after a manche.

#include "game/core/game.h"

#include "model/language.h"
#include "lexicon/core/lexicon_words.h"
#include "platform/core/program_files.h"
#include "tests/support/seeded_random.h"
#include "platform/core/wave_player.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

class NoSound : public WavePlayer {
public:
    void Play(const QString&) override {}
};

LexiconSource ItalianLexicon()
{
    static const LexiconSource lexicon = [] {
        const QString path = QStringLiteral(LETTERAMA_SOURCE_DIR "/assets/program_folder/SLESSICO.1");
        LexiconSource source{Language::Italian, path, LexiconWords::Load(path)};
        if (!source.Words) {
            std::fprintf(stderr, "game_bench: %s is missing\n", qPrintable(path));
            std::exit(1);
        }
        source.Words->Anagrams();  // built before any measure
        return source;
    }();
    return lexicon;
}

GameSettings TenLetters()
{
    GameSettings settings;
    settings.LetterCount = 10;
    settings.RoundSeconds = 60;
    settings.Level = Difficulty::Expert;
    settings.SoundOn = false;
    return settings;
}

// One manche: drawn at once, the human plays the longest word found and finishes
// at second 20, the clock runs out, the board is judged and scored.
int PlayManche(Game& game)
{
    if (game.IsOver())
        game.NewGame();
    game.DrawAuto();
    const int found = static_cast<int>(game.FoundWords().size());
    game.StartClock();
    for (int second = 0; second < 20; ++second)
        game.Tick();
    if (!game.FoundWords().isEmpty())
        game.EnterWord(0, game.FoundWords().last());
    game.FinishNow();
    while (game.CurrentPhase() == Game::Phase::Playing)
        game.Tick();
    while (game.JudgeManche() == ResultsEvaluation::Status::NeedsConfirmation)
        game.Confirm(3);
    game.NextManche();
    return found;
}

struct OneGame {
    QTemporaryDir folder;
    ProgramFiles files{folder.path()};
    SeededRandom random;
    NoSound sound;
    Game game;

    explicit OneGame(std::uint64_t seed)
        : random(seed), game(TenLetters(), ItalianLexicon(), Game::Services{random, files, sound})
    {
        game.NewGame();
    }
};

void BM_Manche(benchmark::State& state)
{
    OneGame one(1);
    double found = 0;
    for (auto _ : state)
        found += PlayManche(one.game);
    state.counters["found_words"] = benchmark::Counter(found, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Manche)->Unit(benchmark::kMicrosecond);

// The heap one game holds after a manche, beside the shared lexicon: measured over
// many games kept alive at once, folders and all.
void BM_MemoryPerGame(benchmark::State& state)
{
    constexpr int kGames = 100;
    ItalianLexicon();
    double perGame = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const std::size_t before = mallinfo2().uordblks;
        std::vector<std::unique_ptr<OneGame>> games;
        for (int g = 0; g < kGames; ++g) {
            games.push_back(std::make_unique<OneGame>(g));
            PlayManche(games.back()->game);
        }
        perGame = static_cast<double>(mallinfo2().uordblks - before) / kGames;
    }
    state.counters["bytes_per_game"] = perGame;
    state.counters["sizeof_Game"] = static_cast<double>(sizeof(Game));
}
BENCHMARK(BM_MemoryPerGame)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
