// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/update_notice.h"

#include "platform/core/numeric_value.h"

#include <QRegularExpression>

namespace UpdateNotice {

QString InstalledVersionDigits(int major, int minor, int revision)
{
    return QString::number(major).trimmed() + QString::number(minor).trimmed() +
           QString::number(revision).trimmed();
}

std::optional<QString> Question(const QByteArray& notice, int major, int minor, int revision)
{
    // One character per byte, whatever the server sent.
    const QString latest = QString::fromLatin1(notice).trimmed();
    const double installedValue = NumericValue(InstalledVersionDigits(major, minor, revision));
    if (!(installedValue < NumericValue(latest)))
        return std::nullopt;

    // Only the first line is shown: a server that answers with a whole page must not
    // fill the question with it.
    const QString shown = latest.section(QRegularExpression(QStringLiteral("[\r\n]")), 0, 0);
    return QStringLiteral("Versione di Letterama installata sul PC in uso : %1.%2.%3")
               .arg(major)
               .arg(minor)
               .arg(revision) +
           QLatin1Char('\n') + QStringLiteral("E' disponibile su Internet la nuova versione ") + shown.mid(0, 1) +
           QLatin1Char('.') + shown.mid(1, 1) + QLatin1Char('.') + shown.mid(2) + QStringLiteral(" di Letterama.") +
           QLatin1Char('\n') + QStringLiteral("Si desidera scaricala ed installarla adesso? ");
}

}  // namespace UpdateNotice
