#pragma once

#include "http_fetcher.h"

#include <QNetworkAccessManager>

// HTTP GET through Qt Network. A request that has not finished within the timeout
// is aborted and answered with nothing.
class QtHttpFetcher : public HttpFetcher {
public:
    explicit QtHttpFetcher(int timeoutMs = 4000);
    void Fetch(const QString& url, Done done) override;

private:
    QNetworkAccessManager manager_;
    int timeoutMs_;
};
