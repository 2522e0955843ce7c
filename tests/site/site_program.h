// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <signal.h>

// The real letterama-site, started with `arguments` after "serve --port 0" and
// killed when the object goes. Port() is the port it said it bound, -1 when it did
// not start.
class SiteProgram {
public:
    explicit SiteProgram(const QStringList& arguments)
    {
        process_.start(QStringLiteral(LETTERAMA_SITE_PROGRAM),
                       QStringList{QStringLiteral("serve"), QStringLiteral("--port"), QStringLiteral("0")} + arguments);
        if (!process_.waitForReadyRead(10000))
            return;
        static const QRegularExpression bound(QStringLiteral("127\\.0\\.0\\.1:(\\d+)/"));
        const QRegularExpressionMatch match = bound.match(QString::fromUtf8(process_.readLine()));
        if (match.hasMatch())
            port_ = match.captured(1).toInt();
    }
    ~SiteProgram()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
        process_.waitForFinished(10000);
    }
    SiteProgram(const SiteProgram&) = delete;
    SiteProgram& operator=(const SiteProgram&) = delete;

    int Port() const { return port_; }
    qint64 Pid() const { return process_.processId(); }

private:
    QProcess process_;
    int port_ = -1;
};
