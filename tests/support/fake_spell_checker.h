// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/spell_checker.h"

#include <QString>
#include <QStringList>

// Records every text it is asked to check and hands back `correction` when one is
// set, or the text as it was.
class FakeSpellChecker : public SpellChecker {
public:
    QString SpellCheck(const QString& incorrectText) override
    {
        given.append(incorrectText);
        return correction.isNull() ? incorrectText : correction;
    }
    QString correction;
    QStringList given;
};
