// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/qt_http_fetcher.h"

#include "tests/support/run_until.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

// What the local server does once a request has arrived.
using Answer = std::function<void(QTcpSocket&)>;

void SendAll(QTcpSocket& socket, const QByteArray& header, const QByteArray& body)
{
    socket.write(header + "\r\n" + body);
    socket.disconnectFromHost();
}

// A server on 127.0.0.1 that answers every request as told. It lives only as long
// as the test, so nothing outlasts it.
class LocalServer {
public:
    explicit LocalServer(Answer answer) : answer_(std::move(answer))
    {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    socket->readAll();  // the request itself is of no interest
                    answer_(*socket);
                    QObject::disconnect(socket, &QTcpSocket::readyRead, nullptr, nullptr);
                });
            }
        });
        listening_ = server_.listen(QHostAddress::LocalHost);
    }
    bool Listening() const { return listening_; }
    QString Url() const { return QStringLiteral("http://127.0.0.1:%1/letterama_update.txt").arg(server_.serverPort()); }

private:
    QTcpServer server_;
    Answer answer_;
    bool listening_ = false;
};

struct FetchCase {
    const char* label;
    Answer answer;
    std::optional<QByteArray> expected;
};

}  // namespace

TEST(QtHttpFetcher, AnswersOnlyWithinTheSizeLimitAndTheWholeTransferDeadline)
{
    constexpr qint64 kLimit = 1000;
    constexpr int kDeadlineMs = 800;
    const FetchCase cases[] = {
        {"small answer", [](QTcpSocket& s) { SendAll(s, "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n", "3.2.1"); },
         QByteArray("3.2.1")},
        {"exactly at the limit",
         [](QTcpSocket& s) {
             SendAll(s, "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n", QByteArray(kLimit, 'a'));
         },
         QByteArray(kLimit, 'a')},
        {"announced length over the limit",
         [](QTcpSocket& s) { SendAll(s, "HTTP/1.1 200 OK\r\nContent-Length: 3000000000\r\n", "x"); }, std::nullopt},
        {"unannounced answer over the limit",
         [](QTcpSocket& s) { SendAll(s, "HTTP/1.1 200 OK\r\nConnection: close\r\n", QByteArray(kLimit + 1, 'b')); },
         std::nullopt},
        {"endless chunked answer",
         [](QTcpSocket& s) {
             s.write("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n");
             auto* more = new QTimer(&s);
             QObject::connect(more, &QTimer::timeout, &s, [&s] { s.write("100\r\n" + QByteArray(256, 'c') + "\r\n"); });
             more->start(5);
         },
         std::nullopt},
        {"a byte now and then, never silent for long",
         [](QTcpSocket& s) {
             s.write("HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\n");
             auto* trickle = new QTimer(&s);
             QObject::connect(trickle, &QTimer::timeout, &s, [&s] { s.write("d"); });
             trickle->start(100);
         },
         std::nullopt},
        {"server error", [](QTcpSocket& s) { SendAll(s, "HTTP/1.1 500 Errore\r\nContent-Length: 2\r\n", "no"); },
         std::nullopt},
    };
    for (const FetchCase& c : cases) {
        SCOPED_TRACE(c.label);
        LocalServer server(c.answer);
        ASSERT_TRUE(server.Listening());
        QtHttpFetcher fetcher(kDeadlineMs, kLimit);
        bool answered = false;
        std::optional<QByteArray> got;
        QElapsedTimer clock;
        clock.start();
        fetcher.Fetch(server.Url(), [&](std::optional<QByteArray> bytes) {
            answered = true;
            got = std::move(bytes);
        });
        ASSERT_TRUE(RunUntil([&] { return answered; }, 5000));
        EXPECT_LT(clock.elapsed(), kDeadlineMs + 1000);  // the deadline holds for the whole transfer
        EXPECT_EQ(got, c.expected);
    }
}

namespace {

// An answer that never ends, sent as fast as the connection takes it.
void SendEndlessChunks(QTcpSocket& socket)
{
    static const QByteArray chunk = "10000\r\n" + QByteArray(0x10000, 'e') + "\r\n";
    socket.write("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n");
    const auto topUp = [&socket] {
        while (socket.state() == QAbstractSocket::ConnectedState && socket.bytesToWrite() < 4 * chunk.size())
            socket.write(chunk);
    };
    QObject::connect(&socket, &QTcpSocket::bytesWritten, &socket, topUp);
    topUp();
}

}  // namespace

// The answer's limit holds for memory too: a fetch of an endless answer while the
// main thread is busy leaves the process's peak within a few MB of its idle figure.
TEST(QtHttpFetcher, AnEndlessAnswerCannotPushThePeakMemoryUp)
{
    LocalServer server(SendEndlessChunks);
    ASSERT_TRUE(server.Listening());
    QProcess helper;
    helper.start(QStringLiteral(HTTP_PEAK_MEMORY_HELPER), {server.Url(), QStringLiteral("1500")});
    ASSERT_TRUE(helper.waitForStarted(5000));
    ASSERT_TRUE(RunUntil([&] { return helper.state() == QProcess::NotRunning; }, 20000)) << "the fetch never ended";
    const QString output = QString::fromLatin1(helper.readAllStandardOutput());
    ASSERT_EQ(helper.exitCode(), 0) << output.toStdString();

    long idle = -1;
    long peak = -1;
    QString answer;
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.value(0) == QLatin1String("idle"))
            idle = parts.value(1).toLong();
        else if (parts.value(0) == QLatin1String("peak"))
            peak = parts.value(1).toLong();
        else if (parts.value(0) == QLatin1String("answer"))
            answer = parts.value(1);
    }
    ASSERT_GT(idle, 0) << output.toStdString();
    ASSERT_GT(peak, 0) << output.toStdString();
    EXPECT_EQ(answer, QStringLiteral("none"));
    EXPECT_LT(peak - idle, 16 * 1024) << "idle " << idle << " KB, peak " << peak << " KB";
}
