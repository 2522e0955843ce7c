// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// Fetches a whole small text resource. The answer arrives later through the event
// loop, so a slow or missing network never holds a window; a failure or a timeout
// answers with nothing.
class HttpFetcher {
public:
    using Done = std::function<void(std::optional<QByteArray>)>;

    virtual ~HttpFetcher() = default;
    virtual void Fetch(const QString& url, Done done) = 0;
};
