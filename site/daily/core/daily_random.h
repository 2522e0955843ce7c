// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/random_source.h"

#include <QByteArray>

// A random source that gives the same numbers for the same secret and label: the
// HMAC-SHA256 of the label and a block counter, four bytes a number. Whoever knows the
// label (the date and the language) but not the secret cannot tell the numbers.
class DailyRandom : public RandomSource {
public:
    DailyRandom(QByteArray secret, QByteArray label);
    double Next() override;

private:
    QByteArray secret_;
    QByteArray label_;
    QByteArray block_;
    int used_ = 0;
    quint32 counter_ = 0;
};
