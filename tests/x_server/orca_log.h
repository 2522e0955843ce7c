// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What Orca said, from the record it writes with --debug-file: one
// "SPEECH OUTPUT: '...'" line per utterance.
class OrcaLog {
public:
    explicit OrcaLog(QString path) : path_(std::move(path)) {}

    // Every utterance so far, oldest first.
    QStringList Utterances() const;
    // Whether the record holds `marker` anywhere (Orca's own progress lines).
    bool Contains(const QString& marker) const;
    // Waits, running the event loop, until an utterance said after the first
    // `after` utterances contains every one of `parts`; at most `timeoutMs`.
    bool WaitForUtterance(const QStringList& parts, qsizetype after, int timeoutMs) const;

private:
    QString Read() const;

    QString path_;
};

// The utterances of `said` that contain `part`.
qsizetype CountContaining(const QStringList& said, const QString& part);
