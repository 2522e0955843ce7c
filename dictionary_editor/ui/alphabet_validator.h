// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QValidator>

// Takes only the letters of a language's alphabet, in either case, and shows them in
// upper case; a digit, a blank, an accented letter or a letter the language lacks is
// not taken at all.
class AlphabetValidator : public QValidator {
    Q_OBJECT
public:
    AlphabetValidator(QString alphabet, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

private:
    QString alphabet_;
};
