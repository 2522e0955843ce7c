// The fly-in of a full board with sound off: ten tiles of 55 event-processing steps
// each. It should take well under a second, so that drawing never holds the game.
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

void FullBoardFlyIn(benchmark::State& run, int style)
{
    GameState state;
    state.SoundOn = false;
    state.TileStyle = style;
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

}  // namespace

BENCHMARK(BM_FullBoardLightStyle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullBoardPictureStyle)->Unit(benchmark::kMillisecond);

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
