// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/qt_wave_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtDebug>

namespace {

bool SystemHasAudioOutput()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

}  // namespace

QtWavePlayer::QtWavePlayer(OutputCheck hasOutput)
    : hasOutput_(hasOutput ? std::move(hasOutput) : OutputCheck(SystemHasAudioOutput))
{
}

QtWavePlayer::~QtWavePlayer() = default;

void QtWavePlayer::Play(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return;
    // Without an output Qt Multimedia would print its own warning for every sound.
    if (!hasOutput_()) {
        ReportOnce(QStringLiteral("nessun dispositivo audio trovato: il gioco resta senza suoni"));
        return;
    }
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
    QSoundEffect* effect = players_[slot].get();
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [this, effect, name = file.fileName()] {
        if (effect->status() == QSoundEffect::Error)
            ReportOnce(QStringLiteral("impossibile riprodurre il suono ") + name);
    });
    effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    effect->play();
}

void QtWavePlayer::ReportOnce(const QString& problem)
{
    if (reported_)
        return;
    reported_ = true;
    qWarning().noquote() << QStringLiteral("Letterama: ") + problem +
                                QStringLiteral(" (altri problemi audio non vengono segnalati).");
}
