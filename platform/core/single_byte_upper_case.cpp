// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/single_byte_upper_case.h"

#include "platform/core/single_byte_text.h"

QString SingleByteUpperCase(const QString& text)
{
    QString upper = text;
    for (QChar& character : upper) {
        const QChar capital = character.toUpper();
        if (capital != character && SingleByteText::Encode(QStringView(&capital, 1)))
            character = capital;
    }
    return upper;
}
