// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/ui/alphabet_validator.h"

AlphabetValidator::AlphabetValidator(QString alphabet, QObject* parent)
    : QValidator(parent), alphabet_(std::move(alphabet))
{
}

QValidator::State AlphabetValidator::validate(QString& input, int& position) const
{
    (void)position;
    for (const QChar c : input) {
        // Only plain ASCII letters: toUpper would turn some others (the dotless i,
        // the long s) into letters of the alphabet.
        if (c.unicode() > 0x7F || !alphabet_.contains(c.toUpper()))
            return Invalid;
    }
    input = input.toUpper();
    return Acceptable;
}
