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
    // A fresh effect per sound: setting a new source on a playing effect is not
    // reliable with every backend.
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    effect_->play();
}
