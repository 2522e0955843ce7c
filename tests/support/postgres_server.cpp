// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/postgres_server.h"

#include <QCollator>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <pwd.h>
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

std::unique_ptr<PostgresServer> shared;
QString sharedFailure;
bool sharedTried = false;

// The newest installed PostgreSQL's programs folder, or empty.
QString ProgramsFolder()
{
    QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(versions.begin(), versions.end(), numeric);
    for (auto it = versions.rbegin(); it != versions.rend(); ++it) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(*it);
        if (QFileInfo(bin + QStringLiteral("/initdb")).isExecutable() &&
            QFileInfo(bin + QStringLiteral("/postgres")).isExecutable())
            return bin;
    }
    return QString();
}

// The command and its arguments, run as "nobody" when we are root.
std::pair<QString, QStringList> AsServerUser(const QString& program, QStringList arguments)
{
    if (geteuid() != 0)
        return {program, arguments};
    arguments.prepend(program);
    arguments.prepend(QStringLiteral("--"));
    arguments.prepend(QStringLiteral("--clear-groups"));
    arguments.prepend(QStringLiteral("--regid=nogroup"));
    arguments.prepend(QStringLiteral("--reuid=nobody"));
    return {QStringLiteral("setpriv"), arguments};
}

}  // namespace

PostgresServer* PostgresServer::Shared(QString* whyNot)
{
    if (!sharedTried) {
        sharedTried = true;
        std::unique_ptr<PostgresServer> server(new PostgresServer);
        if (server->Start(&sharedFailure))
            shared = std::move(server);
    }
    *whyNot = sharedFailure;
    return shared.get();
}

void PostgresServer::StopShared()
{
    shared.reset();
}

bool PostgresServer::Start(QString* whyNot)
{
    const QString bin = ProgramsFolder();
    if (bin.isEmpty()) {
        *whyNot = QStringLiteral("PostgreSQL is not installed (Debian package postgresql): no initdb under "
                                 "/usr/lib/postgresql/*/bin");
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        *whyNot = QStringLiteral("Qt SQL has no PostgreSQL driver (Debian package libqt6sql6-psql)");
        return false;
    }
    if (!dir_.isValid()) {
        *whyNot = QStringLiteral("no temporary folder");
        return false;
    }
    if (geteuid() == 0) {
        const passwd* nobody = getpwnam("nobody");
        if (!nobody || chown(QFile::encodeName(dir_.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
            *whyNot = QStringLiteral("cannot hand the cluster folder to the user nobody");
            return false;
        }
    }
    const QString data = dir_.filePath(QStringLiteral("data"));
    QProcess initdb;
    initdb.setWorkingDirectory(dir_.path());
    const auto [initProgram, initArguments] = AsServerUser(
        bin + QStringLiteral("/initdb"), {QStringLiteral("-D"), data, QStringLiteral("-U"), User(),
                                         QStringLiteral("--auth=trust"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                                         QStringLiteral("--locale=C"), QStringLiteral("--no-sync")});
    initdb.start(initProgram, initArguments);
    if (!initdb.waitForFinished(120000) || initdb.exitStatus() != QProcess::NormalExit || initdb.exitCode() != 0) {
        *whyNot = QStringLiteral("initdb failed: ") + QString::fromLocal8Bit(initdb.readAllStandardError());
        return false;
    }
    return Run(whyNot);
}

bool PostgresServer::Run(QString* whyNot)
{
    const QString bin = ProgramsFolder();
    const QString data = dir_.filePath(QStringLiteral("data"));
    const auto [program, arguments] = AsServerUser(
        bin + QStringLiteral("/postgres"),
        {QStringLiteral("-D"), data, QStringLiteral("-k"), dir_.path(), QStringLiteral("-c"),
         QStringLiteral("listen_addresses="), QStringLiteral("-c"), QStringLiteral("fsync=off"), QStringLiteral("-c"),
         QStringLiteral("full_page_writes=off"), QStringLiteral("-c"), QStringLiteral("max_connections=60")});
    postgres_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    postgres_.setWorkingDirectory(dir_.path());
    postgres_.start(program, arguments);
    if (!postgres_.waitForStarted(10000)) {
        *whyNot = QStringLiteral("postgres did not start");
        return false;
    }
    // Ready once a connection to the default database succeeds.
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("postgres-probe"));
            db.setHostName(dir_.path());
            db.setUserName(User());
            db.setDatabaseName(QStringLiteral("postgres"));
            const bool up = db.open();
            db.close();
            if (up)
                break;
        }
        QSqlDatabase::removeDatabase(QStringLiteral("postgres-probe"));
        if (postgres_.state() == QProcess::NotRunning) {
            *whyNot = QStringLiteral("postgres stopped at start");
            return false;
        }
        QThread::msleep(50);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("postgres-probe"));
    if (deadline.hasExpired()) {
        *whyNot = QStringLiteral("postgres did not answer in 30 seconds");
        return false;
    }
    return true;
}

PostgresServer::~PostgresServer()
{
    Stop();
}

bool PostgresServer::Stop()
{
    if (postgres_.state() == QProcess::NotRunning)
        return true;
    // Fast shutdown: connections still open are closed by the server.
    ::kill(static_cast<pid_t>(postgres_.processId()), SIGINT);
    if (postgres_.waitForFinished(15000))
        return true;
    postgres_.kill();
    postgres_.waitForFinished(5000);
    return false;
}

bool PostgresServer::StartAgain(QString* whyNot)
{
    return postgres_.state() != QProcess::NotRunning || Run(whyNot);
}

QString PostgresServer::CreateDatabase()
{
    const QString name = QStringLiteral("site_%1").arg(++databases_);
    bool created = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("postgres-admin"));
        db.setHostName(dir_.path());
        db.setUserName(User());
        db.setDatabaseName(QStringLiteral("postgres"));
        if (db.open()) {
            QSqlQuery query(db);
            created = query.exec(QStringLiteral("CREATE DATABASE ") + name + QStringLiteral(" STRATEGY FILE_COPY"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("postgres-admin"));
    return created ? name : QString();
}
