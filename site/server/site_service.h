// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "change_watch.h"
#include "database_address.h"
#include "page_cache.h"
#include "site_lexicons.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class SiteStorage;

// What the site needs to answer: where its data is, its lexicons, its limits.
struct SiteConfig {
    DatabaseAddress database;
    std::shared_ptr<const SiteLexicons> lexicons;
    int hourlySubmissions = 20;  // records and reports per client address and hour, each
    int mostListedWords = 5000;  // lines of the missing-words list
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
    // A write by another process on the database shows on the pages within this time;
    // the change number is read no more often under load.
    std::chrono::milliseconds otherWritesShowWithin{10};
    ChangeWatch::Clock steadyNow = [] { return std::chrono::steady_clock::now(); };
};

// A request as the HTTP layer hands it over: the path without its query, and the
// query's (or a posted form's) keys and percent-decoded values in their order.
struct SiteRequest {
    std::string method;
    std::string path;
    std::multimap<std::string, std::string> params;
    std::string clientAddress;
};

struct SiteResponse {
    int status = 200;
    std::string contentType;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
};

// Every path of the site: parses the request, asks the core, renders the answer. It
// holds no state of its own beyond its configuration; each thread that calls Handle
// gets its own database connection, opened on its first request.
class SiteService {
public:
    explicit SiteService(SiteConfig config);
    ~SiteService();

    SiteResponse Handle(const SiteRequest& request);

    // The headers every answer carries: no script may run, no other site may frame
    // the pages, no type guessing.
    static const std::vector<std::pair<std::string, std::string>>& SecurityHeaders();

private:
    SiteStorage* Storage();
    SiteResponse Route(const SiteRequest& request);
    SiteResponse ShowRecord(const SiteRequest& request);
    SiteResponse StoreRecord(const SiteRequest& request);
    SiteResponse RecordTable(const SiteRequest& request);
    SiteResponse RenderTable(Language language, int pageAsked, int markedId, qint64* changeNumber);
    SiteResponse NewestRecords();
    SiteResponse ReportForm(const QString& notice, int status);
    SiteResponse StoreReport(const SiteRequest& request);
    SiteResponse MissingWords(const SiteRequest& request);
    SiteResponse RenderMissingWords(Language language, qint64* changeNumber);
    SiteResponse UpdateNotice();
    // The table or list kept for `key` when the database has not changed since it was
    // rendered; otherwise `render` makes it (reading the change number in its own
    // snapshot) and a 200 answer is kept for the next request.
    SiteResponse Cached(const std::string& key, const std::string& contentType,
                        const std::function<SiteResponse(qint64* changeNumber)>& render);

    SiteConfig config_;
    quint64 serial_;
    PageCache pages_;
    ChangeWatch changes_;
};
