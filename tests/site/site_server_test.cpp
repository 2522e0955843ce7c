// SPDX-License-Identifier: GPL-3.0-or-later
// The real letterama-site under the attacks and failures a public site meets: slow
// and idle clients by the thousand, a huge header block, a Range header of thousands
// of ranges, its database restarted under it, a second site on its port, a client
// posing as its proxy.
#include "tests/site/site_program.h"
#include "tests/site/site_test_database.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

int Connect(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

void Send(int fd, const std::string& bytes)
{
    send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

// The test holds thousands of connections, each a file descriptor.
void RaiseOwnFileLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
}

// The memory the process holds, in KiB; 0 when unknown.
long ResidentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression resident(QStringLiteral("VmRSS:\\s+(\\d+) kB"));
    const QRegularExpressionMatch match = resident.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLong() : 0;
}

// The time a fresh visitor waits for the table page; an hour when it fails.
std::chrono::milliseconds VisitorWaits(int port)
{
    const auto start = Clock::now();
    httplib::Client client("127.0.0.1", port);
    client.set_connection_timeout(5, 0);
    client.set_read_timeout(5, 0);
    const httplib::Result answer = client.Get("/letterama/");
    if (!answer || answer->status != 200)
        return std::chrono::hours(1);
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

TEST(SiteUnderLoad, AThousandSlowAndAThousandIdleClientsDoNotHoldUpAVisitor)
{
    RaiseOwnFileLimit();
    QTemporaryDir folder;
    // Every client of this test comes from 127.0.0.1.
    SiteProgram site({QStringLiteral("--data"), folder.path(), QStringLiteral("--per-address"), QStringLiteral("5000")});
    ASSERT_GT(site.Port(), 0);
    std::vector<int> slow;
    std::vector<int> idle;
    for (int i = 0; i < 1000; ++i) {
        slow.push_back(Connect(site.Port()));
        ASSERT_GE(slow.back(), 0) << "slow client " << i;
        Send(slow.back(), "GET /letterama/ HTTP/1.1\r\nHost: x\r\n");
    }
    for (int i = 0; i < 1000; ++i) {
        idle.push_back(Connect(site.Port()));
        ASSERT_GE(idle.back(), 0) << "idle client " << i;
        // One request, then the connection kept alive and silent.
        Send(idle.back(), "GET / HTTP/1.1\r\nHost: x\r\n\r\n");
    }
    // The slow clients send a header line every 3 seconds; a visitor comes every
    // half second meanwhile.
    std::chrono::milliseconds longest{0};
    const auto start = Clock::now();
    for (int step = 0; Clock::now() - start < std::chrono::milliseconds(4000); ++step) {
        if (step % 6 == 0) {
            for (const int fd : slow)
                Send(fd, "X-Lento: " + std::to_string(step) + "\r\n");
        }
        longest = std::max(longest, VisitorWaits(site.Port()));
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    EXPECT_LT(longest.count(), 1000);
    for (const int fd : slow)
        close(fd);
    for (const int fd : idle)
        close(fd);
}

TEST(SiteUnderLoad, AHugeHeaderBlockIsRefusedBeforeItIsReadWhole)
{
    QTemporaryDir folder;
    SiteProgram site({QStringLiteral("--data"), folder.path()});
    ASSERT_GT(site.Port(), 0);
    ASSERT_LT(VisitorWaits(site.Port()).count(), 5000);
    const long idleKiB = ResidentKiB(site.Pid());

    // A megabyte of short header lines, and the blank line that ends them only after.
    const int fd = Connect(site.Port());
    ASSERT_GE(fd, 0);
    Send(fd, "GET / HTTP/1.1\r\nHost: x\r\n");
    const std::string chunk = [] {
        std::string text;
        while (text.size() < 16 * 1024)
            text += "X-Molto: " + std::to_string(text.size()) + "\r\n";
        return text;
    }();
    constexpr std::size_t kBlock = 1024 * 1024;
    std::size_t sent = 0;
    std::size_t refusedAfter = kBlock;
    std::string answer;
    while (sent < kBlock && refusedAfter == kBlock) {
        const ssize_t wrote = send(fd, chunk.data(), chunk.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (wrote > 0)
            sent += static_cast<std::size_t>(wrote);
        else if (errno != EAGAIN)
            refusedAfter = sent;  // the site closed the connection
        pollfd readable{fd, POLLIN, 0};
        if (poll(&readable, 1, wrote > 0 ? 1 : 100) > 0) {
            char buffer[4096];
            const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
            if (got > 0)
                answer.append(buffer, static_cast<std::size_t>(got));
            refusedAfter = sent;
        }
    }
    Send(fd, "\r\n");
    close(fd);
    EXPECT_LT(refusedAfter, kBlock) << "the site read the whole megabyte";
    if (!answer.empty()) {
        EXPECT_EQ(answer.substr(0, 12), "HTTP/1.1 431") << answer.substr(0, 200);
    }
    EXPECT_LT(ResidentKiB(site.Pid()) - idleKiB, 10 * 1024);
    EXPECT_LT(VisitorWaits(site.Port()).count(), 1000);
}

TEST(SiteUnderLoad, ARangeOfThousandsOfRangesGetsThePageOnce)
{
    QTemporaryDir folder;
    SiteProgram site({QStringLiteral("--data"), folder.path()});
    ASSERT_GT(site.Port(), 0);
    httplib::Client client("127.0.0.1", site.Port());
    const httplib::Result whole = client.Get("/letterama/");
    ASSERT_TRUE(whole);
    std::string ranges = "bytes=";
    for (int i = 0; i < 2700; ++i)
        ranges += i == 0 ? "0-" : ",0-";
    const httplib::Result ranged = client.Get("/letterama/", {{"Range", ranges}});
    ASSERT_TRUE(ranged);
    EXPECT_EQ(ranged->status, 200);
    EXPECT_EQ(ranged->body.size(), whole->body.size());
    EXPECT_TRUE(ranged->body == whole->body);
    EXPECT_FALSE(ranged->has_header("Content-Range"));
    const httplib::Result one = client.Get("/letterama/", {{"Range", "bytes=0-9"}});
    ASSERT_TRUE(one);
    EXPECT_EQ(one->status, 200);
    EXPECT_TRUE(one->body == whole->body);
}

TEST(SiteUnderLoad, ASecondSiteOnTheSamePortEndsWithAReason)
{
    QTemporaryDir folder;
    SiteProgram first({QStringLiteral("--data"), folder.path()});
    ASSERT_GT(first.Port(), 0);
    QTemporaryDir otherFolder;
    QProcess second;
    second.start(QStringLiteral(LETTERAMA_SITE_PROGRAM),
                 {QStringLiteral("serve"), QStringLiteral("--port"), QString::number(first.Port()),
                  QStringLiteral("--data"), otherFolder.path()});
    ASSERT_TRUE(second.waitForFinished(10000)) << "the second site went on serving";
    EXPECT_NE(second.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(second.readAllStandardError()).contains(QStringLiteral("porta è già in uso")));
}

// A record confirmed as a browser does, with `headers` on both requests: the POST's
// status.
int SubmitWith(httplib::Client& client, const std::string& name, const httplib::Headers& headers)
{
    const std::string query = "/letterama.asp?Nome=" + name +
                              "&programma=Letterama_ABC&data=09-12-2026&punti=100&Manches=5&Note=&E_MAIL=&ora=21:07"
                              "&Language=1";
    const httplib::Result shown = client.Get(query, headers);
    if (!shown || shown->status != 200)
        return shown ? shown->status : 0;
    static const QRegularExpression token(QStringLiteral("name=\"token\" value=\"([^\"]+)\""));
    const QRegularExpressionMatch match = token.match(QString::fromStdString(shown->body));
    const httplib::Params fields{{"Nome", name},       {"programma", "Letterama_ABC"},
                                 {"data", "09-12-2026"}, {"punti", "100"},
                                 {"Manches", "5"},       {"Note", ""},
                                 {"E_MAIL", ""},         {"ora", "21:07"},
                                 {"Language", "1"},      {"token", match.captured(1).toStdString()}};
    const httplib::Result posted = client.Post("/letterama.asp", headers, fields);
    return posted ? posted->status : 0;
}

TEST(SiteBehindProxy, TheClientsAddressIsTakenOnlyFromANamedProxy)
{
    struct Row {
        const char* proxy;
        int secondStatus;  // with one record an hour for each address
    };
    const Row rows[] = {
        {"127.0.0.1", 303},  // the proxy names two players
        {"10.9.8.7", 429},   // anyone else is one client, whatever it claims
    };
    for (const Row& row : rows) {
        QTemporaryDir folder;
        SiteProgram site({QStringLiteral("--data"), folder.path(), QStringLiteral("--limit"), QStringLiteral("1"),
                          QStringLiteral("--behind-proxy"), QString::fromLatin1(row.proxy)});
        ASSERT_GT(site.Port(), 0);
        httplib::Client client("127.0.0.1", site.Port());
        EXPECT_EQ(SubmitWith(client, "ANNA", {{"X-Real-IP", "203.0.113.1"}}), 303) << row.proxy;
        EXPECT_EQ(SubmitWith(client, "BRUNO", {{"X-Real-IP", "203.0.113.2"}}), row.secondStatus) << row.proxy;
    }
}

TEST(SiteDatabase, PostgreSQLRestartedUnderTheSiteIsReachedAgainAtOnce)
{
    QTemporaryDir folder;
    QString whyNot;
    const std::optional<DatabaseAddress> database = FreshDatabase(DatabaseKind::PostgreSQL, folder, &whyNot);
    SKIP_WITHOUT_DATABASE(database, whyNot);
    SiteProgram site({QStringLiteral("--database"), QStringLiteral("postgresql:///%1?host=%2&user=%3")
                                                       .arg(database->databaseName, database->host, database->user)});
    ASSERT_GT(site.Port(), 0);
    httplib::Client client("127.0.0.1", site.Port());
    client.set_read_timeout(5, 0);
    const auto statusOf = [&client](const char* path) {
        const httplib::Result answer = client.Get(path);
        return answer ? answer->status : 0;
    };
    ASSERT_EQ(statusOf("/letterama/"), 200);

    PostgresServer* server = PostgresServer::Shared(&whyNot);
    ASSERT_TRUE(server->Stop());
    EXPECT_EQ(statusOf("/letterama/recenti"), 503);
    EXPECT_EQ(statusOf("/"), 200) << "a page without the database is still shown";

    ASSERT_TRUE(server->StartAgain(&whyNot)) << whyNot.toStdString();
    const auto started = Clock::now();
    while (statusOf("/letterama/recenti") != 200 && Clock::now() - started < std::chrono::seconds(5))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(statusOf("/letterama/?Language=2"), 200);
}

}  // namespace
