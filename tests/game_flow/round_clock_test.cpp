// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/round_clock.h"

#include "tests/support/fake_platform.h"
#include "model/game_state.h"
#include "game/core/sound_effects.h"
#include "tests/support/temp_program_folder.h"
#include "platform/core/program_files.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The file names of the sounds played, without the program folder's path.
QStringList PlayedNames(const QStringList& played)
{
    QStringList names;
    for (const QString& path : played)
        names.append(QFileInfo(path).fileName());
    return names;
}

// A running game with three computer players, wired to hooks that record what the
// window would be asked to do. `duringPaint` and `onEnd` run inside those hooks, as
// window events or modal windows would.
struct ClockFixture : ::testing::Test {
    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    FakePlatform fake;
    GameState state;
    SoundEffects sounds{state.Settings.SoundOn, fake.wave, files};
    QStringList periods;     // "1000", "1", "stop"
    QStringList firstAfter;  // the wait before the first tick of each period, in ms
    bool modalOpen = false;
    QStringList slices;      // elapsed second of each painted slice
    QStringList labels;
    QStringList announced;   // "slot word"
    int announcedAt = 0;     // ElapsedSeconds at the announcement
    int hides = 0;
    int ends = 0;
    std::function<void()> duringPaint;
    std::function<void()> onLabel;
    std::function<void()> onEnd;
    std::unique_ptr<RoundClock> clock = std::make_unique<RoundClock>(state, sounds, fake.random, Hooks());

    void SetUp() override
    {
        state.Settings.RoundSeconds = 30;
        state.DrawnLetters = QStringLiteral("CASTAGNOLE");
        state.FoundWords = {QStringLiteral("CASA"), QStringLiteral("ASTA"), QStringLiteral("CASTAGNE")};
        // The announcement's second note comes at once instead of 0.6 s later.
        sounds.SetHold(std::chrono::milliseconds(0));
    }

    RoundClock::Hooks Hooks()
    {
        RoundClock::Hooks hooks;
        hooks.setTimerPeriod = [this](int ms, std::chrono::milliseconds after) {
            periods.append(QString::number(ms));
            firstAfter.append(QString::number(after.count()));
        };
        hooks.suspended = [this] { return modalOpen; };
        hooks.stopTimer = [this] { periods.append(QStringLiteral("stop")); };
        hooks.paintTimeSlice = [this](int elapsed, int roundSeconds) {
            EXPECT_EQ(roundSeconds, state.Settings.RoundSeconds);
            slices.append(QString::number(elapsed));
            if (duringPaint)
                duringPaint();
        };
        hooks.setTimeLabel = [this](const QString& text) {
            labels.append(text);
            if (onLabel)
                onLabel();
        };
        hooks.hideSecondFinishButton = [this] { ++hides; };
        hooks.announceWord = [this](int slot, const QString& word) {
            announced.append(QString::number(slot) + ' ' + word);
            announcedAt = state.ElapsedSeconds;
        };
        hooks.endOfManche = [this] {
            if (onEnd)
                onEnd();
            ++ends;  // after onEnd, which may have destroyed the clock
        };
        return hooks;
    }

    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            clock->ClockTick();
    }

    // Ticks until the manche ends; the number of ticks, or -1 when it never does.
    int TicksToEnd(int limit = 500)
    {
        for (int tick = 1; tick <= limit; ++tick) {
            clock->ClockTick();
            if (ends > 0)
                return tick;
        }
        return -1;
    }

    int Played(const QString& name) const { return static_cast<int>(PlayedNames(fake.wave.played).count(name)); }
};

}  // namespace

TEST_F(ClockFixture, TimeRunningOutAnnouncesTenSecondsBeforeAndGivesNoBonusTime)
{
    for (const int seconds : {30, 60, 90}) {
        SCOPED_TRACE(seconds);
        state.Settings.RoundSeconds = seconds;
        state.FinishSeconds = 7;
        ends = 0;
        fake.wave.played.clear();
        clock->Start();
        EXPECT_EQ(clock->Period(), RoundClock::kNormalPeriodMs);

        EXPECT_EQ(TicksToEnd(), seconds);
        EXPECT_EQ(announcedAt, seconds - 10);
        EXPECT_EQ(state.FinishSeconds, RoundClock::kTimeUpFinishSeconds);
        EXPECT_EQ(state.ElapsedSeconds, 0);
        EXPECT_FALSE(clock->Running());
        EXPECT_EQ(periods.last(), QStringLiteral("stop"));
        EXPECT_EQ(Played("TIC.WAV"), seconds);
        EXPECT_EQ(Played("Sound2.wav"), 2);
        EXPECT_EQ(slices.last(), QString::number(seconds));
        EXPECT_EQ(labels.last(), QString::number(seconds) + QStringLiteral(" / ") + QString::number(seconds) +
                                     QStringLiteral(" Sec."));
        EXPECT_EQ(hides, 0);

        // A timeout already queued when the clock stopped counts nothing.
        clock->ClockTick();
        EXPECT_EQ(state.ElapsedSeconds, 0);
        EXPECT_EQ(Played("TIC.WAV"), seconds);
    }
}

TEST_F(ClockFixture, FinishedAtTwelveRunsTheRestOutSilentlyAndKeepsTheSecond)
{
    state.Settings.RoundSeconds = 60;
    clock->Start();
    Ticks(12);
    clock->FinishNow();
    EXPECT_EQ(state.FinishSeconds, 12);
    EXPECT_EQ(clock->Period(), RoundClock::kFastForwardPeriodMs);
    EXPECT_EQ(PlayedNames(fake.wave.played).last(), QStringLiteral("SOUND2.wav"));

    fake.wave.played.clear();
    EXPECT_EQ(TicksToEnd(), 48);
    EXPECT_TRUE(fake.wave.played.isEmpty()) << fake.wave.played.join(' ').toStdString();
    EXPECT_EQ(announcedAt, 50);
    EXPECT_EQ(announced.size(), 3);
    EXPECT_EQ(hides, 48);
    EXPECT_EQ(state.FinishSeconds, 12);
}

TEST_F(ClockFixture, UnlimitedFinishJumpsToJustBeforeTheAnnouncement)
{
    state.Settings.RoundSeconds = GameSettings::kUnlimitedSeconds;
    clock->Start();
    Ticks(5);
    clock->FinishNow();
    EXPECT_EQ(state.FinishSeconds, 5);
    EXPECT_EQ(state.ElapsedSeconds, RoundClock::kUnlimitedFinishSeconds);

    clock->ClockTick();
    EXPECT_EQ(announcedAt, 31990);
    EXPECT_EQ(TicksToEnd(), 10);
    EXPECT_TRUE(slices.isEmpty());
    EXPECT_EQ(labels, QStringList(labels.size(), QStringLiteral("Infinito")));
    EXPECT_EQ(labels.size(), 16);

    // Finishing later than the jump point does not send the clock back.
    ends = 0;
    clock->Start();
    state.ElapsedSeconds = 31994;
    clock->FinishNow();
    EXPECT_EQ(state.ElapsedSeconds, 31994);
    EXPECT_EQ(TicksToEnd(), 6);
}

TEST_F(ClockFixture, FinishOnlyActsOnceAndOnlyWhileTheMancheRuns)
{
    state.FinishSeconds = 7;
    clock->FinishNow();  // still drawing: the clock is off
    EXPECT_FALSE(clock->Running());

    clock->Start();
    Ticks(3);
    clock->FinishNow();
    Ticks(2);
    clock->FinishNow();  // pressed again while running out
    EXPECT_EQ(state.FinishSeconds, 3);
    EXPECT_EQ(periods, QStringList({"1000", "1"}));

    TicksToEnd();
    clock->FinishNow();  // Enter in a word box after the end
    EXPECT_FALSE(clock->Running());
    EXPECT_EQ(Played("SOUND2.wav"), 1);
    EXPECT_EQ(state.FinishSeconds, 3);
}

TEST_F(ClockFixture, NoSecondPassesWhileAModalWindowIsOpen)
{
    clock->Start();
    Ticks(5);
    // A message box opens: the window's timer goes on firing, the clock does not.
    modalOpen = true;
    Ticks(40);
    EXPECT_EQ(state.ElapsedSeconds, 5);
    EXPECT_EQ(slices, QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(Played("TIC.WAV"), 5);
    EXPECT_EQ(ends, 0);
    // Closed again: one tick, one second, from where it was.
    modalOpen = false;
    Ticks(1);
    EXPECT_EQ(state.ElapsedSeconds, 6);
    EXPECT_EQ(slices.last(), QStringLiteral("6"));

    // The results window open at the end of the manche takes no further second
    // and accepts no "finished".
    onEnd = [this] {
        modalOpen = true;
        clock->ClockTick();
        clock->FinishNow();
    };
    EXPECT_EQ(TicksToEnd(), 24);
    EXPECT_EQ(state.ElapsedSeconds, 0);
    EXPECT_FALSE(clock->Running());
}

TEST_F(ClockFixture, TheFastForwardWaitsForTheFinishSoundsHold)
{
    sounds.SetHold(std::chrono::milliseconds(600));
    clock->Start();
    Ticks(3);
    clock->FinishNow();
    EXPECT_EQ(periods, QStringList({"1000", "1"}));
    EXPECT_EQ(firstAfter, QStringList({"0", "600"}));

    state.Settings.SoundOn = false;
    clock->Start();
    clock->FinishNow();
    EXPECT_EQ(firstAfter.last(), QStringLiteral("0"));
}

TEST_F(ClockFixture, ATickSurvivesTheClockGoingAwayAtTheEnd)
{
    onEnd = [this] { clock.reset(); };
    clock->Start();
    for (int tick = 0; tick < 30 && clock; ++tick)
        clock->ClockTick();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(clock, nullptr);
}

TEST_F(ClockFixture, AStopInsideATickCancelsItsAnnouncement)
{
    onLabel = [this] {
        if (state.ElapsedSeconds == 20)
            clock->Stop();  // a new game started while the label was updated
    };
    clock->Start();
    Ticks(25);
    EXPECT_TRUE(announced.isEmpty());
    EXPECT_EQ(state.ElapsedSeconds, 20);
    EXPECT_EQ(ends, 0);
}

TEST_F(ClockFixture, SoundOffNeitherTicksNorHolds)
{
    state.Settings.SoundOn = false;
    clock->Start();
    Ticks(12);
    clock->FinishNow();
    EXPECT_EQ(TicksToEnd(), 18);
    ends = 0;
    clock->Start();
    EXPECT_EQ(TicksToEnd(), 30);
    EXPECT_TRUE(fake.wave.played.isEmpty());
    EXPECT_EQ(firstAfter, QStringList({"0", "0", "0"}));
    EXPECT_EQ(announced.size(), 6);
}

TEST_F(ClockFixture, ComputerSlotsAnnounceAndHumanSlotsKeepTheirWord)
{
    state.Players[2].Name = QStringLiteral("Ugo");
    state.Players[2].Word = QStringLiteral("GATTO");
    fake.random.values = {0.0, 0.99};  // medium: first entry, then last
    clock->Start();
    TicksToEnd();
    EXPECT_EQ(announced, QStringList({"1 CASA", "3 CASTAGNE"}));
    EXPECT_EQ(state.Players[1].Word, QStringLiteral("CASA"));
    EXPECT_EQ(state.Players[2].Word, QStringLiteral("GATTO"));
}

TEST_F(ClockFixture, AComputerInTheFirstSlotAnnouncesToo)
{
    // On-line the first seat is a computer's once its human has gone.
    state.Players[0].Name = QStringLiteral("Anonimo (CPU)");
    state.Players[0].Word.clear();
    state.Players[1].Name = QStringLiteral("Ugo");
    state.Players[1].Word = QStringLiteral("GATTO");
    fake.random.values = {0.99, 0.0, 0.0};  // medium: last entry, then the first twice
    clock->Start();
    TicksToEnd();
    EXPECT_EQ(announced, QStringList({"0 CASTAGNE", "2 CASA", "3 CASA"}));
    EXPECT_EQ(state.Players[0].Word, QStringLiteral("CASTAGNE"));
    EXPECT_EQ(state.Players[1].Word, QStringLiteral("GATTO"));
}

TEST(RoundClockDisplay, LabelAndSliceOfEachSecond)
{
    EXPECT_EQ(RoundClock::TimeLabel(12, 60), QStringLiteral("12 / 60 Sec."));
    EXPECT_EQ(RoundClock::TimeLabel(31990, GameSettings::kUnlimitedSeconds), QStringLiteral("Infinito"));

    struct Row {
        int elapsed, roundSeconds;
        double width;
        QRectF slice;
    };
    const std::vector<Row> rows{
        {1, 30, 300, QRectF(0, 0, 8, 20)},     // w = 10, 2 left as a gap
        {30, 30, 300, QRectF(290, 0, 8, 20)},  // the last slice ends 2 short of the bar's end
        {2, 90, 90, QRectF(1, 0, 0.5, 20)},    // w = 1: the gap shrinks to half a slice
        {1, 0, 300, QRectF()},                 // no round length: nothing to paint
    };
    for (const Row& row : rows)
        EXPECT_EQ(RoundClock::TimeSlice(row.elapsed, row.roundSeconds, row.width, 20), row.slice)
            << row.elapsed << '/' << row.roundSeconds;
}
