// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The numeric value of a text as the classic Val() reads it: blanks, tabs and line
// feeds anywhere are ignored, then an optional sign, digits, an optional decimal
// point with digits and an optional exponent are taken up to the first character
// that does not fit. A text without a leading number is 0.
double NumericValue(const QString& text);

// A numeric value as a 16-bit setting would hold it: rounded half to even; a value
// that does not fit (or is not finite) gives `fallback`.
int NumericValueToSetting(double value, int fallback);
