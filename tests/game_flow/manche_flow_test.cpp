// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/manche_flow.h"

#include "tests/support/fake_platform.h"
#include "model/game_state.h"
#include "game/core/round_clock.h"
#include "game/core/sound_effects.h"
#include "platform/core/program_files.h"
#include "tests/support/temp_program_folder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A game whose clock hands the end of each manche to the flow, as the main window
// wires them. The hooks log the windows the flow opens and close each of them at
// once, as the player would; `onResults` and `onHighScores` run while those modal
// windows are open.
struct FlowFixture : ::testing::Test {
    FakePlatform fake;
    GameState state;
    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    SoundEffects sounds{state.Settings.SoundOn, fake.wave, files};
    QStringList log;
    std::function<void()> onResults;
    std::function<void()> onHighScores;
    bool gameOverAtHighScores = false;
    MancheFlow::EndOfGameChoice endOfGameChoice = MancheFlow::EndOfGameChoice::PlayAgain;
    RoundClock clock{state, sounds, fake.random, ClockHooks()};
    std::unique_ptr<MancheFlow> flow = std::make_unique<MancheFlow>(state, clock, fake.dialogs, FlowHooks());

    void SetUp() override
    {
        state.Settings.SoundOn = false;
        state.Settings.RoundSeconds = 30;
    }

    RoundClock::Hooks ClockHooks()
    {
        RoundClock::Hooks hooks;
        hooks.endOfManche = [this] { flow->EndOfManche(); };
        return hooks;
    }

    MancheFlow::Hooks FlowHooks()
    {
        MancheFlow::Hooks hooks;
        hooks.showResults = [this] {
            log.append(QStringLiteral("results"));
            if (onResults)
                onResults();
            state.TotalScores[0] += 500;  // what the results board adds
            if (flow)  // the window may have been destroyed with its flow meanwhile
                flow->ResultsClosed();
        };
        hooks.resetForNextManche = [this] { log.append(QStringLiteral("reset")); };
        hooks.setMancheLabel = [this](const QString& text) { log.append(text); };
        hooks.showHighScores = [this] {
            log.append(QStringLiteral("high scores"));
            gameOverAtHighScores = state.GameOver;
            if (onHighScores)
                onHighScores();
            flow->HighScoresClosed();
        };
        hooks.showEndOfGame = [this] {
            log.append(QStringLiteral("end of game"));
            flow->EndOfGameClosed(endOfGameChoice);
        };
        hooks.newGame = [this] { log.append(QStringLiteral("new game")); };
        return hooks;
    }

    // Draws, runs the clock out and returns what the flow did at the end.
    QStringList PlayManche()
    {
        log.clear();
        state.DrawnLetters = QStringLiteral("CASTAGNOLE");
        state.FoundWords = {QStringLiteral("CASA"), QStringLiteral("CASTAGNE")};
        clock.Start();
        for (int tick = 0; tick < 100 && clock.Running(); ++tick)
            clock.ClockTick();
        return log;
    }
};

}  // namespace

TEST_F(FlowFixture, FiveManchesThenHighScoresTheSummaryAndANewGame)
{
    for (int manche = 1; manche <= 4; ++manche) {
        EXPECT_EQ(PlayManche(), QStringList({"results", "reset", MancheFlow::MancheLabel(manche + 1)}));
        EXPECT_EQ(state.MancheNumber, manche + 1);
    }
    EXPECT_EQ(MancheFlow::MancheLabel(2), QStringLiteral("Manche 2/5"));
    EXPECT_EQ(state.TotalScores[0], 2000);  // totals stay across manches

    EXPECT_EQ(PlayManche(),
              QStringList({"results", "reset", "high scores", "end of game", "new game", "Manche 1/5"}));
    EXPECT_TRUE(gameOverAtHighScores);
    EXPECT_FALSE(state.GameOver);
    EXPECT_EQ(state.MancheNumber, 1);
    EXPECT_EQ(state.TotalScores[0], 0);
}

TEST_F(FlowFixture, TheNextMancheStartsFromAnEmptyDraw)
{
    state.VowelsDrawn = 5;
    state.ConsonantsDrawn = 5;
    state.SourceWord = QStringLiteral("CASTAGNOLE");
    state.Players[0].Word = QStringLiteral("CASTAGNE");
    PlayManche();
    EXPECT_TRUE(state.DrawnLetters.isEmpty());
    EXPECT_TRUE(state.SourceWord.isEmpty());
    EXPECT_EQ(state.FoundCount(), 0);
    EXPECT_EQ(state.VowelsDrawn + state.ConsonantsDrawn, 0);
    for (const PlayerSlot& player : state.Players)
        EXPECT_TRUE(player.Word.isEmpty()) << player.Name.toStdString();
    EXPECT_FALSE(clock.Running());
}

TEST_F(FlowFixture, QuittingAtTheSummaryStartsNoNewGame)
{
    endOfGameChoice = MancheFlow::EndOfGameChoice::Quit;
    state.MancheNumber = 5;
    EXPECT_EQ(PlayManche(), QStringList({"results", "reset", "high scores", "end of game"}));
}

TEST_F(FlowFixture, ANewGameWhileAModalWindowIsOpenEndsThatSequence)
{
    onResults = [this] { flow->NewGame(); };
    state.MancheNumber = 3;
    EXPECT_EQ(PlayManche(), QStringList({"results", "new game", "Manche 1/5"}));
    EXPECT_EQ(state.MancheNumber, 1);

    onResults = nullptr;
    EXPECT_EQ(PlayManche(), QStringList({"results", "reset", "Manche 2/5"}));

    onHighScores = [this] { flow->NewGame(); };
    state.MancheNumber = 5;
    EXPECT_EQ(PlayManche(), QStringList({"results", "reset", "high scores", "new game", "Manche 1/5"}));
}

TEST_F(FlowFixture, ClosingTheWindowDuringTheResultsGoesNoFurther)
{
    state.MancheNumber = 2;
    onResults = [this] { flow->Abandon(); };
    EXPECT_EQ(PlayManche(), QStringList({"results"}));
    EXPECT_EQ(state.MancheNumber, 2);

    onResults = [this] { flow.reset(); };  // the window destroyed with its flow
    EXPECT_EQ(PlayManche(), QStringList({"results"}));
    EXPECT_EQ(state.MancheNumber, 2);
}

TEST_F(FlowFixture, NewGameInTheMiddleOfAMancheStopsTheClock)
{
    state.MancheNumber = 4;
    state.TotalScores = {1200, 800, 0, 300};
    state.GameOver = true;
    clock.Start();
    for (int tick = 0; tick < 5; ++tick)
        clock.ClockTick();
    flow->NewGame();
    EXPECT_FALSE(clock.Running());
    for (int tick = 0; tick < 40; ++tick)
        clock.ClockTick();
    EXPECT_EQ(log, QStringList({"new game", "Manche 1/5"}));
    EXPECT_EQ(state.MancheNumber, 1);
    EXPECT_EQ(state.TotalScores, (std::array<int, GameState::kPlayers>{}));
    EXPECT_FALSE(state.GameOver);
    EXPECT_TRUE(state.DrawnLetters.isEmpty());
}

TEST_F(FlowFixture, OnlyTheFirstClickOnTheBoardShowsTheHint)
{
    flow->BoardClicked();
    flow->BoardClicked();
    flow->NewGame();
    flow->BoardClicked();
    EXPECT_EQ(fake.dialogs.Texts(), QStringList({"Premi il tasto <F2> per nuova partita"}));
}
