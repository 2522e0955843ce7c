// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/database_address.h"

#include <QUrl>
#include <QUrlQuery>

QString DatabaseAddress::DriverName() const
{
    return kind == Kind::SQLite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
}

QString DatabaseAddress::Described() const
{
    if (kind == Kind::SQLite)
        return QStringLiteral("sqlite:") + path;
    QString text = QStringLiteral("postgresql://") + user + QStringLiteral("@") +
                   (host.startsWith(QLatin1Char('/')) ? QString() : host);
    if (port > 0)
        text += QStringLiteral(":") + QString::number(port);
    text += QStringLiteral("/") + databaseName;
    if (host.startsWith(QLatin1Char('/')))
        text += QStringLiteral("?host=") + host;
    return text;
}

std::optional<DatabaseAddress> DatabaseAddress::Parse(const QString& text)
{
    DatabaseAddress address;
    if (text.startsWith(QStringLiteral("postgresql://")) || text.startsWith(QStringLiteral("postgres://"))) {
        const QUrl url(text, QUrl::StrictMode);
        if (!url.isValid())
            return std::nullopt;
        address.kind = Kind::PostgreSQL;
        address.host = url.host();
        address.port = url.port(-1);
        address.user = url.userName();
        address.password = url.password();
        address.databaseName = url.path().mid(1);
        const QUrlQuery query(url);
        if (query.hasQueryItem(QStringLiteral("host")))
            address.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
        if (query.hasQueryItem(QStringLiteral("user")))
            address.user = query.queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded);
        if (query.hasQueryItem(QStringLiteral("port")))
            address.port = query.queryItemValue(QStringLiteral("port")).toInt();
        if (address.databaseName.isEmpty() || address.databaseName.contains(QLatin1Char('/')))
            return std::nullopt;
        return address;
    }
    QString path = text;
    if (path.startsWith(QStringLiteral("sqlite:")))
        path = path.mid(7);
    if (path.isEmpty() || path.contains(QLatin1Char('\0')) || path.contains(QStringLiteral("://")))
        return std::nullopt;
    address.path = path;
    return address;
}
