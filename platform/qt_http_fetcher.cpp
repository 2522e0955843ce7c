#include "qt_http_fetcher.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

QtHttpFetcher::QtHttpFetcher(int timeoutMs) : timeoutMs_(timeoutMs) {}

void QtHttpFetcher::Fetch(const QString& url, Done done)
{
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(timeoutMs_);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager_.get(request);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done = std::move(done)] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError) {
            done(std::nullopt);
            return;
        }
        done(reply->readAll());
    });
}
