// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/site_game/site_process.h"

#include "tests/support/run_until.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

namespace {

constexpr int kStartMs = 10000;
constexpr int kAnswerMs = 5000;

// A port nobody listens on now; the site takes it a moment later.
quint16 FreePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

HttpAnswer Send(const std::function<QNetworkReply*(QNetworkAccessManager&)>& send)
{
    QNetworkAccessManager manager;
    manager.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = send(manager);
    HttpAnswer answer;
    if (!RunUntil([reply] { return reply->isFinished(); }, kAnswerMs)) {
        reply->abort();
        reply->deleteLater();
        return answer;
    }
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.body = reply->readAll();
    for (const QNetworkReply::RawHeaderPair& header : reply->rawHeaderPairs())
        answer.headers[header.first.toLower()] = header.second;
    reply->deleteLater();
    return answer;
}

}  // namespace

SiteProcess::SiteProcess(QString program) : program_(std::move(program))
{
    process_.setProcessChannelMode(QProcess::MergedChannels);
}

SiteProcess::~SiteProcess()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

bool SiteProcess::Start(QString* error)
{
    port_ = FreePort();
    process_.start(program_, {QStringLiteral("serve"), QStringLiteral("--port"), QString::number(port_),
                              QStringLiteral("--data"), data_.path()});
    if (!process_.waitForStarted(kStartMs)) {
        *error = QStringLiteral("letterama-site does not start: ") + process_.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartMs) {
        if (process_.state() == QProcess::NotRunning) {
            *error = QStringLiteral("letterama-site ended: ") + QString::fromLocal8Bit(process_.readAll());
            return false;
        }
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port_);
        if (probe.waitForConnected(200))
            return true;
        process_.waitForFinished(50);
    }
    *error = QStringLiteral("letterama-site does not answer on port %1").arg(port_);
    return false;
}

int SiteProcess::Keeper(const QStringList& arguments, QByteArray* output) const
{
    QProcess keeper;
    keeper.setProcessChannelMode(QProcess::MergedChannels);
    keeper.start(program_, arguments + QStringList{QStringLiteral("--data"), data_.path()});
    if (!keeper.waitForFinished(kStartMs)) {
        keeper.kill();
        keeper.waitForFinished(1000);
        return -1;
    }
    if (output)
        *output = keeper.readAll();
    return keeper.exitStatus() == QProcess::NormalExit ? keeper.exitCode() : -1;
}

HttpAnswer HttpGet(const QString& url)
{
    return Send([&url](QNetworkAccessManager& manager) { return manager.get(QNetworkRequest(QUrl(url))); });
}

HttpAnswer HttpPostForm(const QString& url, const QByteArray& form)
{
    return Send([&](QNetworkAccessManager& manager) {
        QNetworkRequest request{QUrl(url)};
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
        return manager.post(request, form);
    });
}
