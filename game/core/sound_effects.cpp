// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/sound_effects.h"

#include "platform/core/program_files.h"
#include "platform/core/wave_player.h"

#include <QTimer>

SoundEffects::SoundEffects(const bool& soundOn, WavePlayer& wave, const ProgramFiles& files)
    : soundOn_(soundOn), wave_(wave), files_(files)
{
}

std::chrono::milliseconds SoundEffects::PlaySound(const QString& fileName)
{
    if (fileName.isEmpty() || !soundOn_)
        return std::chrono::milliseconds(0);
    wave_.Play(files_.Resolve(fileName));
    // The hold lets a sound be heard before the next; with no device to play it on,
    // a draw would wait 0.6 s a letter for nothing.
    return wave_.HasOutput() ? hold_ : std::chrono::milliseconds(0);
}

void SoundEffects::PlayRepeated(const QString& fileName, int times)
{
    if (times <= 0 || fileName.isEmpty() || !soundOn_)
        return;
    PlaySound(fileName);
    for (int i = 1; i < times; ++i) {
        if (hold_.count() == 0)
            PlaySound(fileName);
        else
            QTimer::singleShot(hold_ * i, Qt::PreciseTimer, &repeats_, [this, fileName] { PlaySound(fileName); });
    }
}
