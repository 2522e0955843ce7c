// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/submission_token.h"

#include <QCryptographicHash>
#include <QList>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QStringList>

namespace {

QByteArray Signature(const QByteArray& secret, const QByteArray& signedPart)
{
    return QMessageAuthenticationCode::hash(signedPart, secret, QCryptographicHash::Sha256).toHex();
}

bool SameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

}  // namespace

namespace SubmissionToken {

QByteArray ForRecord(const RecordSubmission& record)
{
    // One field a line, in the order the game sends them; no field holds a line break.
    const QStringList fields{QStringLiteral("record"),
                             record.name,
                             record.program,
                             record.playedOn.toString(Qt::ISODate),
                             QString::number(record.points),
                             QString::number(record.manches),
                             record.note,
                             record.email,
                             record.playedAt.toString(QStringLiteral("HH:mm")),
                             QString::number(TableOf(record.language).Number())};
    return fields.join(QLatin1Char('\n')).toUtf8();
}

QByteArray ForReport()
{
    return QByteArrayLiteral("report");
}

QByteArray Issue(const QByteArray& secret, const QDateTime& now, const QByteArray& confirms)
{
    QByteArray nonce(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(nonce.data()), nonce.size() / 4);
    const QByteArray signedPart = nonce.toHex() + '.' + QByteArray::number(now.toSecsSinceEpoch());
    return signedPart + '.' + Signature(secret, signedPart + '\n' + confirms);
}

bool IsGenuine(const QByteArray& token, const QByteArray& secret, const QDateTime& now, const QByteArray& confirms)
{
    if (secret.isEmpty() || token.size() > 256)
        return false;
    const QList<QByteArray> parts = token.split('.');
    if (parts.size() != 3)
        return false;
    bool isNumber = false;
    const qint64 issued = parts[1].toLongLong(&isNumber);
    if (!isNumber)
        return false;
    if (!SameBytes(Signature(secret, parts[0] + '.' + parts[1] + '\n' + confirms), parts[2]))
        return false;
    const qint64 age = now.toSecsSinceEpoch() - issued;
    return age >= -60 && age <= kLifetimeSeconds;
}

}  // namespace SubmissionToken
