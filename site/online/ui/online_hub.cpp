// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/ui/online_hub.h"

#include "site/online/ui/online_session.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRandomGenerator>

#include <algorithm>

#include <boost/asio/dispatch.hpp>
#include <boost/asio/post.hpp>

namespace net = boost::asio;

LiveTable::LiveTable(Strand strand, QString id, const OnlineProtocol::TableOptions& options, LexiconSource lexicon,
                     const ProgramFiles& noVocabulary, OnlineTable::Hooks hooks, int secondMs)
    : strand_(std::move(strand)), id_(std::move(id)), clock_(strand_), housekeeping_(strand_), secondMs_(secondMs)
{
    hooks.send = [this](OnlineTable::ClientId client, const std::string& text) { Deliver(client, text); };
    hooks.clockTimer = [this](int ms, std::chrono::milliseconds firstAfter) { SetClock(ms, firstAfter); };
    table_ = std::make_unique<OnlineTable>(id_, options, std::move(lexicon), random_, noVocabulary, std::move(hooks),
                                           OnlineTable::Clock::now());
    summary_ = table_->Describe();
}

void LiveTable::Start()
{
    net::dispatch(strand_, [self = shared_from_this()] { self->Housekeeping(); });
}

void LiveTable::Post(std::function<void(OnlineTable&)> work)
{
    net::post(strand_, [self = shared_from_this(), work = std::move(work)] {
        if (self->closed_)
            return;
        work(*self->table_);
        self->Publish();
    });
}

void LiveTable::Attach(OnlineTable::ClientId client, std::weak_ptr<OnlineSession> session, std::string clientAddress)
{
    sessions_[client] = {std::move(session), std::move(clientAddress)};
}

void LiveTable::Detach(OnlineTable::ClientId client)
{
    sessions_.erase(client);
}

std::string LiveTable::AddressOf(OnlineTable::ClientId client) const
{
    const auto found = sessions_.find(client);
    return found == sessions_.end() ? std::string() : found->second.address;
}

OnlineTable::Summary LiveTable::Described() const
{
    const std::lock_guard locked(summaryLock_);
    return summary_;
}

void LiveTable::Publish()
{
    const OnlineTable::Summary summary = table_->Describe();
    const std::lock_guard locked(summaryLock_);
    summary_ = summary;
}

void LiveTable::Deliver(OnlineTable::ClientId client, const std::string& text)
{
    const auto found = sessions_.find(client);
    if (found == sessions_.end())
        return;
    if (const std::shared_ptr<OnlineSession> session = found->second.session.lock())
        session->Deliver(text);
}

void LiveTable::SetClock(int ms, std::chrono::milliseconds firstAfter)
{
    ++clockSetting_;
    if (ms > 0 && secondMs_ != 1000) {
        ms = std::max(1, ms * secondMs_ / 1000);
        firstAfter = firstAfter * secondMs_ / 1000;
    }
    clockPeriod_ = ms;
    clock_.cancel();
    if (ms <= 0)
        return;
    // As the desktop's timer: the first tick a period from now, or a period after a
    // longer wait.
    const std::chrono::milliseconds period(ms);
    clock_.expires_after(firstAfter <= period ? period : firstAfter + period);
    WaitTick();
}

void LiveTable::WaitTick()
{
    clock_.async_wait([self = shared_from_this(), setting = clockSetting_](boost::system::error_code error) {
        if (error || self->closed_ || setting != self->clockSetting_)
            return;
        // Counted from when this tick was due, so the seconds do not drift.
        self->clock_.expires_at(self->clock_.expiry() + std::chrono::milliseconds(self->clockPeriod_));
        self->table_->Tick();
        self->Publish();
        // A tick that changed the period (the end of the manche) has set the timer itself.
        if (setting == self->clockSetting_)
            self->WaitTick();
    });
}

void LiveTable::Housekeeping()
{
    if (closed_)
        return;
    if (!table_->Housekeeping(OnlineTable::Clock::now())) {
        closed_ = true;
        clock_.cancel();
        sessions_.clear();
        return;
    }
    Publish();
    if (afterHousekeeping)
        afterHousekeeping();
    housekeeping_.expires_after(std::chrono::seconds(1));
    housekeeping_.async_wait([self = shared_from_this()](boost::system::error_code error) {
        if (!error)
            self->Housekeeping();
    });
}

OnlineHub::OnlineHub(Services services)
    : services_(std::move(services)), noVocabulary_(emptyFolder_.path())
{
    if (!services_.lexicons)
        services_.lexicons = SiteLexicons::None();
}

QString OnlineHub::NewSecret(int bytes)
{
    QByteArray random(bytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(random.begin(), random.end());
    return QString::fromLatin1(random.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

std::shared_ptr<LiveTable> OnlineHub::Create(const net::any_io_executor& loop,
                                             const OnlineProtocol::TableOptions& options, const QString& name,
                                             QString* token, const QString& browser)
{
    const LexiconSource lexicon = services_.lexicons->SourceOf(options.language);
    if (!lexicon.Words)
        return nullptr;
    {
        const std::lock_guard locked(lock_);
        // Closed tables go as new ones come.
        for (auto it = tables_.begin(); it != tables_.end();)
            it = it->second->Closed() ? tables_.erase(it) : std::next(it);
        if (tables_.size() >= kMostTables)
            return nullptr;
    }
    // Behind nginx the ID names the process that holds the table, so that its page and
    // its socket are sent there.
    const QString id =
        services_.processName.isEmpty() ? NewSecret(6) : services_.processName + QLatin1Char('-') + NewSecret(6);
    OnlineTable::Hooks hooks;
    hooks.newToken = [] { return NewSecret(18); };
    std::weak_ptr<OnlineHub> weakHub = weak_from_this();
    auto tableRef = std::make_shared<std::weak_ptr<LiveTable>>();
    hooks.reportWord = [weakHub, tableRef](OnlineTable::ClientId client, Language language, const QString& word) {
        const std::shared_ptr<OnlineHub> hub = weakHub.lock();
        const std::shared_ptr<LiveTable> live = tableRef->lock();
        if (!hub || !live || !hub->services_.reportWord || !hub->services_.offLoop)
            return;
        const std::string address = live->AddressOf(client);
        hub->services_.offLoop([hub, language, word, address] { hub->services_.reportWord(language, word, address); });
    };
    hooks.gameWon = [weakHub, tableRef, language = options.language, letters = options.letters](
                        const QString& winner, int points, OnlineTable::ClientId client) {
        const std::shared_ptr<OnlineHub> hub = weakHub.lock();
        const std::shared_ptr<LiveTable> live = tableRef->lock();
        if (!hub || !live || !hub->services_.recordWin || !hub->services_.offLoop)
            return;
        const std::string address = client != 0 ? live->AddressOf(client) : std::string();
        hub->services_.offLoop([hub, language, winner, points, letters, address] {
            hub->services_.recordWin(language, winner, points, letters, address);
        });
    };
    hooks.gameFinished = [weakHub, id, options](const std::array<QString, GameRules::kPlayers>& names,
                                                const Game::Totals& totals, const QString& winner) {
        const std::shared_ptr<OnlineHub> hub = weakHub.lock();
        if (!hub || !hub->services_.keepGame || !hub->services_.offLoop)
            return;
        FinishedTableGame game;
        game.table = id;
        game.language = TableOf(options.language).Number();
        game.letters = options.letters;
        game.seconds = options.seconds;
        game.level = static_cast<int>(options.level);
        game.names = names;
        game.totals = totals;
        game.winner = winner;
        hub->services_.offLoop([hub, game] { hub->services_.keepGame(game); });
    };
    const auto table = std::make_shared<LiveTable>(net::make_strand(loop), id, options, lexicon, noVocabulary_, std::move(hooks),
                                                    services_.secondMs);
    *tableRef = table;
    table->afterHousekeeping = [weakHub] {
        if (const std::shared_ptr<OnlineHub> hub = weakHub.lock())
            hub->Heartbeat();
    };
    *token = table->Table().Reserve(name, OnlineTable::Clock::now(), browser);
    {
        const std::lock_guard locked(lock_);
        tables_[id] = table;
    }
    table->Start();
    return table;
}

std::shared_ptr<LiveTable> OnlineHub::Find(const QString& id)
{
    const std::lock_guard locked(lock_);
    const auto found = tables_.find(id);
    if (found == tables_.end() || found->second->Closed())
        return nullptr;
    return found->second;
}

std::size_t OnlineHub::TableCount()
{
    const std::lock_guard locked(lock_);
    return tables_.size();
}

std::vector<ListedTable> OnlineHub::OwnTables()
{
    std::vector<std::shared_ptr<LiveTable>> tables;
    {
        const std::lock_guard locked(lock_);
        for (const auto& [id, table] : tables_) {
            if (!table->Closed())
                tables.push_back(table);
        }
    }
    std::vector<ListedTable> listed;
    for (const std::shared_ptr<LiveTable>& table : tables) {
        const OnlineTable::Summary summary = table->Described();
        if (summary.humans == 0)
            continue;
        ListedTable row;
        row.id = summary.id;
        row.process = services_.processName;
        row.language = TableOf(summary.options.language).Number();
        row.letters = summary.options.letters;
        row.seconds = summary.options.seconds;
        row.level = static_cast<int>(summary.options.level);
        row.humans = summary.humans;
        row.free = summary.free;
        row.playing = summary.playing;
        listed.push_back(std::move(row));
    }
    return listed;
}

void OnlineHub::Heartbeat()
{
    if (services_.processName.isEmpty() || !services_.publishTables || !services_.offLoop)
        return;
    const std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now().time_since_epoch())
                                 .count();
    std::int64_t last = lastBeat_.load();
    const std::int64_t period = std::chrono::milliseconds(kHeartbeat).count();
    // One heartbeat a period, whichever table or lobby asks first.
    if (now - last < period || !lastBeat_.compare_exchange_strong(last, now))
        return;
    services_.offLoop([hub = shared_from_this(), own = OwnTables()] {
        const std::optional<std::vector<ListedTable>> all = hub->services_.publishTables(hub->services_.processName, own);
        if (!all)
            return;
        std::vector<ListedTable> others;
        for (const ListedTable& table : *all) {
            if (table.process != hub->services_.processName)
                others.push_back(table);
        }
        const std::lock_guard locked(hub->othersLock_);
        hub->others_ = std::move(others);
    });
}

std::string OnlineHub::Lobby()
{
    Heartbeat();
    std::vector<ListedTable> listed = OwnTables();
    {
        const std::lock_guard locked(othersLock_);
        listed.insert(listed.end(), others_.begin(), others_.end());
    }
    QJsonArray rows;
    for (const ListedTable& table : listed) {
        rows.append(QJsonObject{{QStringLiteral("id"), table.id},
                                {QStringLiteral("language"), table.language},
                                {QStringLiteral("letters"), table.letters},
                                {QStringLiteral("seconds"), table.seconds},
                                {QStringLiteral("level"), table.level},
                                {QStringLiteral("humans"), table.humans},
                                {QStringLiteral("free"), table.free},
                                {QStringLiteral("playing"), table.playing}});
        if (rows.size() >= 200)
            break;
    }
    return OnlineProtocol::Message("tables", {{QStringLiteral("tables"), rows}});
}
