// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A PostgreSQL server of the test's own, from Debian's postgresql package: a cluster
// in a temporary folder, reached only through a Unix socket in that folder (no TCP
// port), run as "nobody" when the tests run as root (PostgreSQL refuses root), and
// stopped and removed when the tests end. Fsync is off: a test cluster need not
// survive a power cut.
class PostgresServer {
public:
    // The one server of the test program, started on first use; null when PostgreSQL
    // is not installed or would not start, with the reason in `whyNot`.
    static PostgresServer* Shared(QString* whyNot);
    // Stops the shared server (at the end of the test program).
    static void StopShared();

    ~PostgresServer();

    QString SocketFolder() const { return dir_.path(); }
    QString User() const { return QStringLiteral("letterama"); }
    // Makes an empty database and returns its name; empty on failure.
    QString CreateDatabase();

    // Stops the server as an administrator would (a fast shutdown: open connections
    // are closed), and starts it again on the same data, as after a restart.
    bool Stop();
    bool StartAgain(QString* whyNot);

private:
    PostgresServer() = default;
    bool Start(QString* whyNot);
    bool Run(QString* whyNot);

    QTemporaryDir dir_;
    QProcess postgres_;
    int databases_ = 0;
};
