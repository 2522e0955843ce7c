#include "sound_effects.h"

#include "fake_platform.h"
#include "game_state.h"
#include "temp_program_folder.h"

#include <gtest/gtest.h>

namespace {

struct SoundFixture : ::testing::Test {
    TempProgramFolder folder;
    FakePlatform fake;
    GameState state;
    SoundEffects sounds{state, fake.wave, fake.clock};
};

// A clock that never moves, however long it is asked to sleep.
class StoppedClock : public Clock {
public:
    QDateTime Now() override { return QDateTime(QDate(2026, 12, 8), QTime(10, 0)); }
    void Sleep(double seconds) override { slept += seconds; }
    double slept = 0;
};

}  // namespace

TEST_F(SoundFixture, SoundOffOrNoNamePlaysNothingAndDoesNotWait)
{
    folder.Write("TIC.WAV", "RIFF");
    state.Settings.SoundOn = false;
    sounds.PlaySound("TIC.WAV");
    state.Settings.SoundOn = true;
    sounds.PlaySound(QString());
    EXPECT_TRUE(fake.wave.played.isEmpty());
    EXPECT_EQ(fake.clock.slept, 0.0);
}

TEST_F(SoundFixture, NamesInAnotherCaseFindTheOneFile)
{
    folder.Write("Sound2.wav", "RIFF");
    sounds.PlaySound("SOUND2.wav");
    sounds.PlaySound("Sound2.wav");
    EXPECT_EQ(fake.wave.played, QStringList({"Sound2.wav", "Sound2.wav"}));
}

TEST_F(SoundFixture, HoldsJustOverSixTenthsInSmallSleeps)
{
    const QDateTime start = fake.clock.now;
    sounds.PlaySound("A.WAV");  // missing: the player plays nothing, the hold stays
    ASSERT_EQ(fake.wave.played, QStringList({"A.WAV"}));
    const double held = start.msecsTo(fake.clock.now) / 1000.0;
    EXPECT_GT(held, SoundEffects::kHoldSeconds);
    EXPECT_LT(held, SoundEffects::kHoldSeconds + SoundEffects::kSliceSeconds);
    // Slices, not one long sleep: the time is read again after each of them.
    EXPECT_NEAR(fake.clock.slept, held, 0.01);
}

TEST_F(SoundFixture, HoldEndsEarlyWhenTheClockPassesMidnight)
{
    fake.clock.now = QDateTime(QDate(2026, 12, 8), QTime(23, 59, 59, 800));
    sounds.PlaySound("TIC.WAV");
    EXPECT_EQ(fake.clock.now.date(), QDate(2026, 12, 9));
    EXPECT_GT(fake.clock.slept, 0.19);
    EXPECT_LT(fake.clock.slept, SoundEffects::kHoldSeconds);
}

TEST(SoundEffects, StoppedClockCannotHoldForEver)
{
    GameState state;
    FakeWavePlayer wave;
    StoppedClock clock;
    SoundEffects sounds(state, wave, clock);
    sounds.PlaySound("TIC.WAV");
    EXPECT_GT(clock.slept, SoundEffects::kHoldSeconds);
    EXPECT_LT(clock.slept, 3 * SoundEffects::kHoldSeconds);
}
