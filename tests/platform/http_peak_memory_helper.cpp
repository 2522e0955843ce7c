// SPDX-License-Identifier: GPL-3.0-or-later
// Fetches one address with the programs' HTTP fetcher while the main thread is busy,
// as it is at start-up, and prints the process's peak memory before and after:
//   "idle KB", then "peak KB" and "answer BYTES" or "answer none".
#include "platform/ui/qt_http_fetcher.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <thread>

namespace {

// The high-water mark of the resident memory, from /proc/self/status, in KB.
long PeakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString url = QString::fromLocal8Bit(argv[1]);
    const int busyMs = QByteArray(argv[2]).toInt();
    QtHttpFetcher fetcher;
    std::printf("idle %ld\n", PeakKilobytes());
    fetcher.Fetch(url, [](std::optional<QByteArray> answer) {
        std::printf("peak %ld\n", PeakKilobytes());
        if (answer)
            std::printf("answer %lld\n", static_cast<long long>(answer->size()));
        else
            std::printf("answer none\n");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    // The request goes out from the event loop; then the main thread is held, as a
    // lexicon being loaded holds it, while the answer keeps arriving.
    QTimer::singleShot(50, [busyMs] { std::this_thread::sleep_for(std::chrono::milliseconds(busyMs)); });
    return app.exec();
}
