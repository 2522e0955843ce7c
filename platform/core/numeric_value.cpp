// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/numeric_value.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool IsIgnoredBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

double NumericValue(const QString& text)
{
    QString packed;
    packed.reserve(text.size());
    for (QChar c : text) {
        if (!IsIgnoredBlank(c))
            packed.append(c);
    }

    // Collect the longest prefix that reads as a number, then convert it with
    // from_chars, which ignores the locale's decimal separator.
    std::string number;
    qsizetype i = 0;
    bool negative = false;
    if (i < packed.size() && (packed[i] == QLatin1Char('+') || packed[i] == QLatin1Char('-')))
        negative = packed[i++] == QLatin1Char('-');
    bool anyDigit = false;
    for (; i < packed.size() && IsDigit(packed[i]); ++i, anyDigit = true)
        number += static_cast<char>(packed[i].unicode());
    if (i < packed.size() && packed[i] == QLatin1Char('.')) {
        number += '.';
        for (++i; i < packed.size() && IsDigit(packed[i]); ++i, anyDigit = true)
            number += static_cast<char>(packed[i].unicode());
    }
    if (!anyDigit)
        return 0.0;
    if (i < packed.size()) {
        const QChar marker = packed[i].toUpper();
        if (marker == QLatin1Char('E') || marker == QLatin1Char('D')) {
            qsizetype j = i + 1;
            std::string exponent = "e";
            if (j < packed.size() && (packed[j] == QLatin1Char('+') || packed[j] == QLatin1Char('-')))
                exponent += static_cast<char>(packed[j++].unicode());
            bool exponentDigit = false;
            for (; j < packed.size() && IsDigit(packed[j]); ++j, exponentDigit = true)
                exponent += static_cast<char>(packed[j].unicode());
            if (exponentDigit)
                number += exponent;
        }
    }
    // A number beyond the range of a double leaves the value 0: nothing this program
    // reads may be that large, so it counts as no number at all.
    double value = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return negative ? -value : value;
}

int NumericValueToSetting(double value, int fallback)
{
    if (!std::isfinite(value))
        return fallback;
    const double rounded = std::nearbyint(value);  // the default rounding mode is half to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return fallback;
    return static_cast<int>(rounded);
}
