// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/sound_effects.h"

#include "tests/support/fake_platform.h"
#include "model/game_state.h"
#include "tests/support/run_until.h"
#include "tests/support/temp_program_folder.h"
#include "platform/core/program_files.h"

#include <QElapsedTimer>
#include <QTest>

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// The file names of the sounds played, without the program folder's path.
QStringList PlayedNames(const QStringList& played)
{
    QStringList names;
    for (const QString& path : played)
        names.append(QFileInfo(path).fileName());
    return names;
}

using std::chrono::milliseconds;

struct SoundFixture : ::testing::Test {
    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    FakePlatform fake;
    GameState state;
    SoundEffects sounds{state.Settings.SoundOn, fake.wave, files};
};

}  // namespace

TEST_F(SoundFixture, SoundOffOrNoNamePlaysNothingAndAsksForNoHold)
{
    folder.Write("TIC.WAV", "RIFF");
    state.Settings.SoundOn = false;
    EXPECT_EQ(sounds.PlaySound("TIC.WAV"), milliseconds(0));
    state.Settings.SoundOn = true;
    EXPECT_EQ(sounds.PlaySound(QString()), milliseconds(0));
    EXPECT_TRUE(fake.wave.played.isEmpty());
}

TEST_F(SoundFixture, NamesInAnotherCaseFindTheOneFile)
{
    folder.Write("Sound2.wav", "RIFF");
    sounds.PlaySound("SOUND2.wav");
    sounds.PlaySound("Sound2.wav");
    EXPECT_EQ(PlayedNames(fake.wave.played), QStringList({"Sound2.wav", "Sound2.wav"}));
}

TEST_F(SoundFixture, EverySoundAsksForTheHoldEvenWhenItsFileIsMissing)
{
    // A missing file plays nothing; the pace of the game stays the same.
    EXPECT_EQ(sounds.PlaySound("A.WAV"), SoundEffects::kHold);
    EXPECT_EQ(PlayedNames(fake.wave.played), QStringList({"A.WAV"}));
}

TEST_F(SoundFixture, RepeatsComeOneHoldApartWithoutHoldingTheCaller)
{
    sounds.SetHold(milliseconds(40));
    QElapsedTimer elapsed;
    elapsed.start();
    sounds.PlayRepeated("Sound2.wav", 2);
    EXPECT_EQ(fake.wave.played.size(), 1);
    EXPECT_LT(elapsed.elapsed(), 40);
    ASSERT_TRUE(RunUntil([this] { return fake.wave.played.size() == 2; }, 5000));
    EXPECT_GE(elapsed.elapsed(), 40);
}

TEST(SoundEffects, RepeatsStillPendingAreDroppedWithTheEffects)
{
    GameState state;
    FakeWavePlayer wave;
    TempProgramFolder folder;
    const ProgramFiles files(folder.Path());
    {
        SoundEffects sounds(state.Settings.SoundOn, wave, files);
        sounds.SetHold(milliseconds(5));
        sounds.PlayRepeated("Sound2.wav", 3);
    }
    QTest::qWait(30);
    EXPECT_EQ(wave.played.size(), 1);
}

TEST_F(SoundFixture, NoSoundDeviceMeansNoHold)
{
    // The sound is still asked for (a device may come back), but nothing is heard,
    // so nothing is waited for.
    fake.wave.hasOutput = false;
    EXPECT_EQ(sounds.PlaySound("A.WAV"), milliseconds(0));
    EXPECT_EQ(PlayedNames(fake.wave.played), QStringList({"A.WAV"}));
}
