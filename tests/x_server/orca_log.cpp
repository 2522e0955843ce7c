// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/x_server/orca_log.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

// Orca's record grows by some kilobytes a second; a test reads far less than this.
constexpr qint64 kMostRead = 64 * 1024 * 1024;

}  // namespace

QString OrcaLog::Read() const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(kMostRead));
}

QStringList OrcaLog::Utterances() const
{
    static const QRegularExpression line(QStringLiteral("SPEECH OUTPUT: '(.*)'"));
    QStringList said;
    auto matches = line.globalMatch(Read());
    while (matches.hasNext())
        said.append(matches.next().captured(1));
    return said;
}

bool OrcaLog::Contains(const QString& marker) const
{
    return Read().contains(marker);
}

bool OrcaLog::WaitForUtterance(const QStringList& parts, qsizetype after, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const QStringList said = Utterances();
        for (qsizetype i = after; i < said.size(); ++i) {
            const QString& utterance = said.at(i);
            if (std::all_of(parts.begin(), parts.end(), [&](const QString& part) { return utterance.contains(part); }))
                return true;
        }
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(50);
    }
}

qsizetype CountContaining(const QStringList& said, const QString& part)
{
    return std::count_if(said.begin(), said.end(), [&](const QString& utterance) { return utterance.contains(part); });
}
