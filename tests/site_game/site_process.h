// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <map>

// A letterama-site of its own for one test: on a free port of 127.0.0.1, its data
// (the SQLite database) in a temporary folder, stopped when the object goes.
class SiteProcess {
public:
    explicit SiteProcess(QString program);
    ~SiteProcess();
    SiteProcess(const SiteProcess&) = delete;
    SiteProcess& operator=(const SiteProcess&) = delete;

    // Starts serving and waits until the port answers; false, with the reason in
    // `error`, when it does not within a few seconds.
    bool Start(QString* error);
    // Runs a keeper's command on the same data ("version set 101", ...); its exit
    // code, with what it printed in `output`.
    int Keeper(const QStringList& arguments, QByteArray* output = nullptr) const;

    QString Address() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }
    QString DataFolder() const { return data_.path(); }

private:
    QString program_;
    QTemporaryDir data_;
    QProcess process_;
    quint16 port_ = 0;
};

// A whole HTTP answer, as a browser gets it.
struct HttpAnswer {
    int status = 0;  // 0: no answer at all
    QByteArray body;
    std::map<QByteArray, QByteArray> headers;  // names in lower case
};

// A GET, or a POST of a form, through Qt Network on the event loop; at most a few
// seconds.
HttpAnswer HttpGet(const QString& url);
HttpAnswer HttpPostForm(const QString& url, const QByteArray& form);
