// SPDX-License-Identifier: GPL-3.0-or-later
// The fly-in of a full board: ten tiles of 55 steps each, run as timed steps on the
// event loop. With sound off it should take well under a second, so that drawing
// never holds the game; with sound on each tile waits 0.6 s after its letter, about
// 6 s in all, while the window keeps answering: the longest wait of an event posted
// during the draw is reported as the counter "worst_wait_ms" (it must stay under 50).
#include "model/game_state.h"
#include "game/core/sound_effects.h"
#include "game/ui/board/tile_board.h"
#include "platform/core/wave_player.h"
#include "platform/core/program_files.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

class SilentWave : public WavePlayer {
public:
    void Play(const QString&) override {}
};

// Posts a call every few milliseconds while the board draws and records how long
// each one waited before the window's thread ran it.
class ResponsivenessProbe {
public:
    void Start()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QElapsedTimer posted;
            posted.start();
            QMetaObject::invokeMethod(
                &timer_, [this, posted] { worstMs_ = std::max(worstMs_, posted.nsecsElapsed() / 1e6); },
                Qt::QueuedConnection);
        });
        timer_.start();
    }
    void Stop() { timer_.stop(); }
    double WorstMs() const { return worstMs_; }

private:
    QTimer timer_;
    double worstMs_ = 0;
};

void FullBoardFlyIn(benchmark::State& run, TileLook style, bool soundOn = false)
{
    GameState state;
    state.Settings.SoundOn = soundOn;
    state.Settings.TileStyle = style;
    SilentWave wave;
    const ProgramFiles files(QCoreApplication::applicationDirPath());
    SoundEffects sounds(state.Settings.SoundOn, wave, files);
    TileBoard board(state, sounds, files);
    board.show();
    ResponsivenessProbe probe;
    probe.Start();
    const QString letters = QStringLiteral("CAMPIONESS");
    for (auto _ : run) {
        board.Reset();
        state.DrawnLetters.clear();
        for (int i = 0; i < letters.size(); ++i) {
            state.DrawnLetters += letters.at(i);
            board.DrawTile(i, letters.mid(i, 1));
        }
        while (board.Drawing())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    probe.Stop();
    run.counters["worst_wait_ms"] = probe.WorstMs();
}

void BM_FullBoardLightStyle(benchmark::State& run)
{
    FullBoardFlyIn(run, TileLook::ClassicLight);
}

void BM_FullBoardPictureStyle(benchmark::State& run)
{
    FullBoardFlyIn(run, TileLook::ClassicPicture);
}

void BM_FullBoardLightStyleWithSound(benchmark::State& run)
{
    FullBoardFlyIn(run, TileLook::ClassicLight, true);
}

}  // namespace

BENCHMARK(BM_FullBoardLightStyle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullBoardPictureStyle)->Unit(benchmark::kMillisecond);
// Real time against CPU time: the 0.6 s holds must not burn a core, and the window
// must answer throughout.
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
