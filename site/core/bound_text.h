// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A null QString is bound as SQL NULL, which the storage's NOT NULL text columns
// refuse: an absent text is stored empty.
inline QString BoundText(const QString& text)
{
    return text.isNull() ? QString::fromLatin1("") : text;
}
