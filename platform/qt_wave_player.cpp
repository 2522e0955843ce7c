// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_wave_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtWavePlayer::QtWavePlayer() = default;
QtWavePlayer::~QtWavePlayer() = default;

void QtWavePlayer::Play(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return;
    std::size_t slot = next_;
    for (std::size_t i = 0; i < kPlayers; ++i) {
        if (!players_[i] || !players_[i]->isPlaying()) {
            slot = i;
            break;
        }
    }
    next_ = (slot + 1) % kPlayers;
    // A fresh effect per sound: setting a new source on a playing effect is not
    // reliable with every backend.
    players_[slot] = std::make_unique<QSoundEffect>();
    players_[slot]->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    players_[slot]->play();
}
