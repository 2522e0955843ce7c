// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/online/core/online_protocol.h"
#include "site/online/core/online_table.h"
#include "site/core/finished_table_game.h"
#include "site/core/listed_table.h"
#include "site/core/site_lexicons.h"
#include "platform/core/system_clock.h"
#include "platform/core/system_random.h"
#include "platform/core/program_files.h"

#include <QTemporaryDir>

#include <boost/asio/any_io_executor.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

class OnlineSession;

// One table on the event loop: its OnlineTable, run on a strand of its own, its
// clock driven by an Asio timer on that strand, and the connections it sends to.
class LiveTable : public std::enable_shared_from_this<LiveTable> {
public:
    using Strand = boost::asio::strand<boost::asio::any_io_executor>;

    LiveTable(Strand strand, QString id, const OnlineProtocol::TableOptions& options, LexiconSource lexicon,
              const ProgramFiles& noVocabulary, OnlineTable::Hooks hooks, int secondMs = 1000);

    // Starts the housekeeping timer; once, after the table is made.
    void Start();
    // Runs `work` on the table's strand with the table.
    void Post(std::function<void(OnlineTable&)> work);
    void Attach(OnlineTable::ClientId client, std::weak_ptr<OnlineSession> session, std::string clientAddress);
    std::string AddressOf(OnlineTable::ClientId client) const;
    void Detach(OnlineTable::ClientId client);

    OnlineTable& Table() { return *table_; }
    const QString& Id() const { return id_; }
    // The table as the lobby lists it, as of its last change.
    OnlineTable::Summary Described() const;
    bool Closed() const { return closed_; }
    // Called on the table's strand after each second's housekeeping.
    std::function<void()> afterHousekeeping;

private:
    void Deliver(OnlineTable::ClientId client, const std::string& text);
    void SetClock(int ms, std::chrono::milliseconds firstAfter);
    void WaitTick();
    void Housekeeping();
    void Publish();

    Strand strand_;
    const QString id_;
    SystemClock timeOfDay_;
    SystemRandom random_{timeOfDay_};
    std::unique_ptr<OnlineTable> table_;
    boost::asio::steady_timer clock_;
    boost::asio::steady_timer housekeeping_;
    const int secondMs_;  // a clock second, in milliseconds
    int clockPeriod_ = 0;
    std::uint64_t clockSetting_ = 0;  // which SetClock a tick's wait belongs to
    struct Attached {
        std::weak_ptr<OnlineSession> session;
        std::string address;
    };
    std::map<OnlineTable::ClientId, Attached> sessions_;
    mutable std::mutex summaryLock_;
    OnlineTable::Summary summary_;
    std::atomic<bool> closed_{false};
};

// Every live table of this process, by its ID, and what the tables need from the
// site: the lexicons, and the database work (a reported word, a verified record),
// which runs on the site's page pool.
class OnlineHub : public std::enable_shared_from_this<OnlineHub> {
public:
    struct Services {
        std::shared_ptr<const SiteLexicons> lexicons;
        // Runs `work` off the event loop (on the page pool).
        std::function<void(std::function<void()> work)> offLoop;
        std::function<void(Language, const QString& word, const std::string& clientAddress)> reportWord;
        // A verified record: the winner's address is that of the connection that held
        // the seat at the end (empty when it was away); no e-mail is asked on-line.
        std::function<void(Language, const QString& name, int points, int letters, const std::string& clientAddress)>
            recordWin;
        // A game that reached its end, kept by the site with the time it ended (run off
        // the loop).
        std::function<void(const FinishedTableGame& game)> keepGame;
        // How long a second of the tables' clocks lasts: shorter only in tests.
        int secondMs = 1000;
        // This process's name among several behind nginx (letters and digits), which
        // begins its tables' IDs; empty for a site of one process.
        QString processName;
        // With a process name: publishes this process's tables and returns every
        // process's seen lately (run off the loop); nothing when the database failed.
        std::function<std::optional<std::vector<ListedTable>>(const QString& process, const std::vector<ListedTable>& own)>
            publishTables;
    };

    static constexpr std::size_t kMostTables = 2000;
    // Several processes: each publishes its tables this often; a process not heard
    // from for kGoneAfter is gone, and its tables leave the lobbies.
    static constexpr std::chrono::seconds kHeartbeat{2};
    static constexpr int kGoneAfterSeconds = 10;

    explicit OnlineHub(Services services);

    // A new table, its first seat kept for `name` (its token in `token`); null when
    // the process holds its most tables or the language has no lexicon.
    std::shared_ptr<LiveTable> Create(const boost::asio::any_io_executor& loop,
                                      const OnlineProtocol::TableOptions& options, const QString& name, QString* token,
                                      const QString& browser = QString());
    std::shared_ptr<LiveTable> Find(const QString& id);
    // Whether the site has the lexicon to judge a table of that language.
    bool Judges(Language language) const { return services_.lexicons->Has(language); }
    // The "tables" message of the lobby.
    std::string Lobby();
    OnlineTable::ClientId NewClient() { return ++lastClient_; }
    std::size_t TableCount();

    // With a process name: publishes this process's tables and reads the others', at
    // most once a kHeartbeat, off the loop. From any thread.
    void Heartbeat();

private:
    void Forget(const QString& id);
    std::vector<ListedTable> OwnTables();
    static QString NewSecret(int bytes);

    Services services_;
    QTemporaryDir emptyFolder_;  // where no personal vocabulary is
    ProgramFiles noVocabulary_;
    std::mutex lock_;
    std::map<QString, std::shared_ptr<LiveTable>> tables_;
    std::atomic<OnlineTable::ClientId> lastClient_{0};
    std::atomic<std::int64_t> lastBeat_{0};  // steady clock, in milliseconds
    std::mutex othersLock_;
    std::vector<ListedTable> others_;  // the other processes' tables, as of the last heartbeat
};
