// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/http_fetcher.h"

#include <QNetworkAccessManager>

// HTTP GET through Qt Network. The whole transfer must end within the deadline (a
// server that sends a byte now and then does not keep it alive), and an answer
// larger than the limit is cut off at once; both are answered with nothing.
class QtHttpFetcher : public HttpFetcher {
public:
    // A few hundred KB for the missing-words list; the update notice is one line.
    static constexpr qint64 kDefaultMaxAnswerBytes = 1024 * 1024;
    // The most the network layer holds for an answer that has not been taken yet.
    static constexpr qint64 kReadBufferBytes = 64 * 1024;

    explicit QtHttpFetcher(int deadlineMs = 4000, qint64 maxAnswerBytes = kDefaultMaxAnswerBytes);
    void Fetch(const QString& url, Done done) override;

private:
    QNetworkAccessManager manager_;
    int deadlineMs_;
    qint64 maxAnswerBytes_;
};
