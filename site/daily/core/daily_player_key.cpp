// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/daily/core/daily_player_key.h"

#include <QByteArrayList>
#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace DailyPlayerKey {

namespace {

QByteArray Signature(const QByteArray& key, const QByteArray& secret)
{
    return QMessageAuthenticationCode::hash("player " + key, secret, QCryptographicHash::Sha256).toHex();
}

// Compares in time that does not depend on where the two differ.
bool SameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char differ = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        differ |= static_cast<unsigned char>(a[i] ^ b[i]);
    return differ == 0;
}

}  // namespace

QString Make()
{
    QByteArray bytes(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return QString::fromLatin1(bytes.toHex());
}

QByteArray Signed(const QString& key, const QByteArray& secret)
{
    const QByteArray bytes = key.toLatin1();
    return bytes + '.' + Signature(bytes, secret);
}

std::optional<QString> Checked(const QByteArray& cookieValue, const QByteArray& secret)
{
    const qsizetype dot = cookieValue.indexOf('.');
    if (dot != 32 || secret.isEmpty())
        return std::nullopt;
    const QByteArray key = cookieValue.left(dot);
    for (const char c : key) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return std::nullopt;
    }
    if (!SameBytes(cookieValue.mid(dot + 1), Signature(key, secret)))
        return std::nullopt;
    return QString::fromLatin1(key);
}

QByteArray FromCookieHeader(const QByteArray& header, const char* name)
{
    const QByteArray wanted = QByteArray(name) + '=';
    for (const QByteArray& part : header.split(';')) {
        const QByteArray trimmed = part.trimmed();
        if (trimmed.startsWith(wanted))
            return trimmed.mid(wanted.size());
    }
    return {};
}

}  // namespace DailyPlayerKey
