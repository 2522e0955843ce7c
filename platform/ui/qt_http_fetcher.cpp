// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/qt_http_fetcher.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

QtHttpFetcher::QtHttpFetcher(int deadlineMs, qint64 maxAnswerBytes)
    : deadlineMs_(deadlineMs), maxAnswerBytes_(maxAnswerBytes)
{
}

void QtHttpFetcher::Fetch(const QString& url, Done done)
{
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(deadlineMs_);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager_.get(request);
    // Without a bound the network thread keeps filling the reply's buffer while the
    // window is busy (start-up, loading a lexicon): an endless answer then costs
    // hundreds of MB before the first readyRead can count it against the limit.
    reply->setReadBufferSize(kReadBufferBytes);

    // The answer is taken as it arrives, so that its size is known before it is all
    // in memory; the reply's own buffer never holds more than one chunk.
    auto answer = std::make_shared<QByteArray>();
    auto refused = std::make_shared<bool>(false);
    const qint64 limit = maxAnswerBytes_;
    const auto refuse = [reply, refused] {
        *refused = true;
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, limit, refuse] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limit)
            refuse();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, answer, limit, refuse] {
        answer->append(reply->read(limit + 1 - answer->size()));
        if (answer->size() > limit)
            refuse();
    });
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, refuse);
    deadline->start(deadlineMs_);

    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, answer, refused, limit, done = std::move(done)] {
        reply->deleteLater();
        if (*refused || reply->error() != QNetworkReply::NoError) {
            done(std::nullopt);
            return;
        }
        answer->append(reply->read(limit + 1 - answer->size()));
        if (answer->size() > limit) {
            done(std::nullopt);
            return;
        }
        done(*answer);
    });
}
