// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/version_digits.h"

#include <QRegularExpression>

std::optional<QString> VersionDigits(const QString& keeperText)
{
    static const QRegularExpression dotted(QStringLiteral("^(\\d)\\.(\\d)\\.(\\d)$"));
    static const QRegularExpression runTogether(QStringLiteral("^\\d{3}$"));
    const QString text = keeperText.trimmed();
    if (const QRegularExpressionMatch match = dotted.match(text); match.hasMatch())
        return match.captured(1) + match.captured(2) + match.captured(3);
    if (runTogether.match(text).hasMatch())
        return text;
    return std::nullopt;
}
