// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/site_address.h"

#include "platform/site_address_config.h"

#include <QUrl>

SiteAddress SiteAddress::FromText(const QString& address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return {};
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        url.host().isEmpty() || url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty())
        return {};
    QString base = url.toString(QUrl::FullyEncoded);
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return SiteAddress(base);
}

SiteAddress SiteAddress::BuiltIn()
{
    return FromText(QString::fromUtf8(LETTERAMA_BUILT_IN_SITE_ADDRESS));
}

SiteAddress SiteAddress::ForPlayer(const QString& playerAddress, const SiteAddress& fallback)
{
    const SiteAddress own = FromText(playerAddress);
    return own.IsSet() ? own : fallback;
}

QString SiteAddress::Page(const char* path) const
{
    return IsSet() ? base_ + QString::fromLatin1(path) : QString();
}

QString SiteAddress::NotSetUpMessage()
{
    return QStringLiteral(
        "Per questa copia di Letterama non è impostato nessun sito di Letterama.\n"
        "Per collegarla a un sito, aggiungere al file LETTRAMA.INI una riga \"Sito=\" "
        "seguita dall'indirizzo del sito (per esempio Sito=https://letterama.esempio.it).");
}
