// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/daily/core/daily_random.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>

DailyRandom::DailyRandom(QByteArray secret, QByteArray label) : secret_(std::move(secret)), label_(std::move(label)) {}

double DailyRandom::Next()
{
    if (used_ + 4 > block_.size()) {
        block_ = QMessageAuthenticationCode::hash(label_ + '#' + QByteArray::number(counter_++), secret_,
                                                  QCryptographicHash::Sha256);
        used_ = 0;
    }
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(block_.at(used_ + i));
    used_ += 4;
    return value / 4294967296.0;
}
