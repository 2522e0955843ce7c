// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/core/listed_table.h"
#include "site/core/change_watch.h"
#include "site/core/database_address.h"
#include "site/core/finished_table_game.h"
#include "site/core/page_cache.h"
#include "site/ui/site_connections.h"
#include "site/core/site_lexicons.h"
#include "site/core/site_pages.h"
#include "site/ui/site_request.h"
#include "site/ui/site_routes.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
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

// Every page of the site: parses the request, asks the core, renders the answer.
// Handle and Kept may be called by several threads at once; each thread gets its own
// database connection from the service's connections. Besides the configuration
// (lexicons included, const once loaded) the service keeps the rendered pages, the
// database's change number and each language's table as last read whole, all shared
// by every thread under their own locks.
class SiteService {
public:
    explicit SiteService(SiteConfig config);
    ~SiteService();

    SiteResponse Handle(const SiteRequest& request);

    // A page kept rendered, as it is sent: shared with the cache, never copied.
    struct KeptPage {
        std::shared_ptr<const std::string> body;
        const std::string& contentType;
    };
    // The answer to a GET or HEAD of a table page or list kept rendered at the
    // database's change number as last read, while that reading is fresh; nothing
    // otherwise. It never waits for the database, so the event loop answers most
    // requests itself and hands only the others to Handle on the page pool. Every
    // answer carries SecurityHeaders().
    std::optional<KeptPage> Kept(const SiteRequest& request);
    // A thread that called Handle ends: its database connection is closed by it.
    void ThreadEnds();

    // The headers every answer carries: no script may run, no other site may frame
    // the pages, no type guessing.
    static const std::vector<std::pair<std::string, std::string>>& SecurityHeaders();

    // "Segnala" at a live table: the word goes to the missing-words list as the report
    // form sends it, under the same hourly limit of the player's address. Off the
    // event loop, like Handle. False when it was not stored.
    bool ReportFromTable(Language language, const QString& word, const std::string& clientAddress);
    // The winner's total of a game played to its end at a live table: a verified
    // record of the table of its language, when above 0. Off the event loop.
    bool RecordFromTable(Language language, const QString& name, int points, const std::string& clientAddress);
    // A live table's game that reached its end, kept whole. Off the event loop.
    bool KeepFinishedGame(const FinishedTableGame& game);
    // The heartbeat of this process's live tables (`own`, as `process`): published,
    // and the tables of every process seen in the last `freshSeconds` returned.
    std::optional<std::vector<ListedTable>> PublishTables(const QString& process, const std::vector<ListedTable>& own,
                                                          int freshSeconds);

private:
    SiteStorage* Storage();
    // The 503 page; the calling thread's connection is opened again on its next request.
    SiteResponse Unavailable();
    SiteResponse ShowRecord(const SiteRequest& request);
    SiteResponse StoreRecord(const SiteRequest& request);
    SiteResponse RecordTable(const SiteRequest& request);
    SiteResponse RenderTable(const SitePages::RecordTable& asked, qint64* changeNumber);
    // A page of a language's table from the whole table's rows, read at once and kept
    // in memory for as long as the database's change number stays, when it has at
    // most kPagesFromOneRead pages: random page numbers then cost one read per change
    // of the database instead of one per page, and each page is rendered only when
    // first asked for. Nothing for a page past the last or when the read fails.
    std::optional<SiteResponse> RenderFromWholeTable(const SitePages::RecordTable& asked, qint64* changeNumber);
    static std::string TableKey(Language language, int page);
    static constexpr int kPagesFromOneRead = 2048;
    // A language's table read whole: its rows in table order, their ranks, and the
    // change number they were read at.
    struct WholeTable {
        qint64 changeNumber = 0;
        std::vector<StoredRecord> records;
        std::vector<int> ranks;
    };
    // One thread at a time reads a language's whole table; the others wait for it and
    // render their page from what it read.
    std::array<std::mutex, 3> wholeTableReading_;
    std::array<std::shared_ptr<const WholeTable>, 3> wholeTables_;  // under wholeTableReading_
    SiteResponse NewestRecords();
    SiteResponse ReportForm(const QString& notice, int status);
    SiteResponse StoreReport(const SiteRequest& request);
    SiteResponse MissingWords(const SiteRequest& request);
    SiteResponse RenderMissingWords(Language language, qint64* changeNumber);
    static std::string ListKey(Language language);
    SiteResponse UpdateNotice();
    // The table or list kept for `key` when the database has not changed since it was
    // rendered; otherwise `render` makes it (reading the change number in its own
    // snapshot) and a 200 answer is kept for the next request.
    SiteResponse Cached(const std::string& key, const std::string& contentType,
                        const std::function<SiteResponse(qint64* changeNumber)>& render);

    SiteConfig config_;
    SiteRoutes routes_;
    SiteConnections connections_;
    PageCache pages_;
    ChangeWatch changes_;
};
