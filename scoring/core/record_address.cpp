// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/record_address.h"

#include "platform/core/random_source.h"
#include "platform/core/site_address.h"

#include <QUrl>

namespace {

QString Encoded(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// "Letterama_" and three upper-case letters, each picked afresh.
QString ProgramTag(RandomSource& random)
{
    QString tag = QStringLiteral("Letterama_");
    for (int i = 0; i < 3; ++i)
        tag += QChar(QLatin1Char('A').unicode() + random.Pick(26) - 1);
    return tag;
}

}  // namespace

QString cmbS(QString& text)
{
    static const QString kReplaced = QStringLiteral(" %$&!=");
    for (QChar& c : text) {
        if (kReplaced.contains(c))
            c = QLatin1Char('_');
    }
    return text;
}

QString BuildRecordAddress(const SiteAddress& site, const RecordDetails& record, const QDateTime& now,
                           RandomSource& random)
{
    QString note = record.note.trimmed();
    cmbS(note);
    return site.Page(SiteAddress::kRecordPath) + QStringLiteral("?Nome=") + Encoded(record.holderName) +
           QStringLiteral("&programma=") + ProgramTag(random) +
           QStringLiteral("&data=") + now.date().toString(QStringLiteral("dd-MM-yyyy")) +
           QStringLiteral("&punti=") + QString::number(record.points) +
           QStringLiteral("&Manches=") + QString::number(record.manches) +
           QStringLiteral("&Note=") + Encoded(note) +
           QStringLiteral("&E_MAIL=") + Encoded(record.email) +
           QStringLiteral("&ora=") + now.time().toString(QStringLiteral("HH:mm")) +
           QStringLiteral("&Language=") + QString::number(TableOf(record.language).Number());
}
