// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/spelling_pass.h"

#include <QMap>
#include <QSet>

// Knows the words it is given; suggests from a table.
class FakeSpeller : public WordSpeller {
public:
    FakeSpeller(QSet<QString> known, QMap<QString, QStringList> suggestions = {})
        : known_(std::move(known)), suggestions_(std::move(suggestions))
    {
    }
    bool IsCorrect(const QString& word) override
    {
        checked.append(word);
        return known_.contains(word);
    }
    QStringList Suggestions(const QString& word) override { return suggestions_.value(word); }

    QStringList checked;

private:
    QSet<QString> known_;
    QMap<QString, QStringList> suggestions_;
};
