// The fly-in of a full board: ten tiles of 55 event-processing steps each. With
// sound off it should take well under a second, so that drawing never holds the
// game; with sound on each tile holds the game 0.6 s for its letter, about 6 s in
// all, and the hold sleeps: the CPU time must stay far below the wall time.
#include "game_state.h"
#include "sound_effects.h"
#include "system_clock.h"
#include "tile_board.h"
#include "wave_player.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

class SilentWave : public WavePlayer {
public:
    void Play(const QString&) override {}
};

void FullBoardFlyIn(benchmark::State& run, int style, bool soundOn = false)
{
    GameState state;
    state.Settings.SoundOn = soundOn;
    state.Settings.TileStyle = static_cast<TileLook>(style);
    SilentWave wave;
    SystemClock clock;
    SoundEffects sounds(state, wave, clock);
    TileBoard board(state, sounds);
    board.show();
    const QString letters = QStringLiteral("CAMPIONESS");
    for (auto _ : run) {
        board.Reset();
        state.DrawnLetters.clear();
        for (int i = 0; i < letters.size(); ++i) {
            state.DrawnLetters += letters.at(i);
            board.DrawTile(i, letters.mid(i, 1));
        }
    }
}

void BM_FullBoardLightStyle(benchmark::State& run)
{
    FullBoardFlyIn(run, 4);
}

void BM_FullBoardPictureStyle(benchmark::State& run)
{
    FullBoardFlyIn(run, 3);
}

void BM_FullBoardLightStyleWithSound(benchmark::State& run)
{
    FullBoardFlyIn(run, 4, true);
}

}  // namespace

BENCHMARK(BM_FullBoardLightStyle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullBoardPictureStyle)->Unit(benchmark::kMillisecond);
// Real time against CPU time: the 0.6 s holds must not burn a core.
BENCHMARK(BM_FullBoardLightStyleWithSound)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
