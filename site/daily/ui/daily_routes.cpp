// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/daily/ui/daily_routes.h"

#include "lexicon/core/word_lookup.h"
#include "site/core/record_submission.h"
#include "site/core/site_pages.h"
#include "site/core/site_storage.h"
#include "site/core/submission_token.h"
#include "site/daily/core/daily_board.h"
#include "site/daily/core/daily_pages.h"
#include "site/daily/core/daily_player_key.h"
#include "site/daily/core/daily_scoring.h"
#include "site/ui/site_routes.h"

#include <QFile>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>

namespace {

const std::string kHtml = "text/html; charset=utf-8";
constexpr int kArchiveDays = 30;

SiteResponse Html(int status, const QByteArray& page)
{
    return {status, kHtml, page.toStdString(), {}};
}

SiteResponse Problem(int status, const QString& title, const QString& message)
{
    return Html(status, SitePages::Problem(title, message));
}

SiteResponse SeeOther(const QString& address)
{
    SiteResponse moved{303, kHtml, std::string(), {}};
    moved.headers.emplace_back("Location", address.toStdString());
    return moved;
}

std::optional<std::string> First(const SiteRequest& request, const char* key)
{
    const auto found = request.params.find(key);
    if (found == request.params.end())
        return std::nullopt;
    return found->second;
}

std::optional<Language> LanguageOf(const SiteRequest& request)
{
    const std::string text = First(request, "lingua").value_or("");
    if (text.size() != 1)
        return std::nullopt;
    return LanguageFromNumber(text[0] - '0');
}

QString ResultAddress(Language language)
{
    return QStringLiteral("/letterama/sfida/risultato?lingua=%1").arg(TableOf(language).Number());
}

// A word as typed: letters only, upper case, at most 15; nothing for anything else.
std::optional<QString> TypedWord(const SiteRequest& request)
{
    const QString word = DecodedFieldText(QByteArray::fromStdString(First(request, "parola").value_or("")))
                             .trimmed()
                             .toUpper();
    if (word.size() > 15)
        return std::nullopt;
    for (const QChar c : word) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            return std::nullopt;
    }
    return word;
}

// A name as the record form takes it: composed, 1 to 24 characters, nothing invisible.
std::optional<QString> PlayerName(const SiteRequest& request)
{
    const QString name = DecodedFieldText(QByteArray::fromStdString(First(request, "nome").value_or(""))).simplified();
    if (name.isEmpty() || name.toUcs4().size() > DailyPages::kLongestName)
        return std::nullopt;
    for (const char32_t u : name.toUcs4()) {
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029 ||
            QChar::category(u) == QChar::Other_Format)
            return std::nullopt;
    }
    return name;
}

SiteResponse Served(const char* name, const char* contentType)
{
    QFile file(QStringLiteral(":/daily/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {404, "text/plain; charset=utf-8", "Non trovato.\r\n", {}};
    return {200, contentType, file.readAll().toStdString(), {}};
}

// The challenge's state shared by the page threads: the boards drawn (drawing one
// searches the lexicon) and the rendered rankings, each under its own lock.
class Daily : public std::enable_shared_from_this<Daily> {
public:
    explicit Daily(DailyRoutes::Services services) : services_(std::move(services)) {}

    SiteResponse Play(const SiteRequest& request);
    SiteResponse Start(const SiteRequest& request);
    SiteResponse Send(const SiteRequest& request);
    SiteResponse Result(const SiteRequest& request);
    SiteResponse Ranking(const SiteRequest& request);
    SiteResponse Archive();
    SiteResponse BoardText(const SiteRequest& request);
    SiteResponse ConfirmGameTry(const SiteRequest& request);
    SiteResponse StoreGameTry(const SiteRequest& request);

private:
    struct Player {
        QString key;
        bool fresh = false;  // a new key: the answer sets the cookie
    };
    QDate Today() const { return services_.now().toLocalTime().date(); }
    static QString DayKey(const QDate& day) { return day.toString(Qt::ISODate); }
    std::optional<QByteArray> Secret(SiteStorage& storage);
    // The calling thread's database and the secret that every try's page needs;
    // nothing when either cannot be had, and the page is then the 503.
    struct Keys {
        SiteStorage& storage;
        QByteArray secret;
    };
    std::optional<Keys> StorageAndSecret();
    std::optional<Player> PlayerOf(const SiteRequest& request, const QByteArray& secret, bool mayMake);
    static void SetCookie(SiteResponse& response, const Player& player, const QByteArray& secret);
    // The board of the day, drawn once and kept: nothing without a lexicon or database.
    std::optional<DailyBoardRow> Board(SiteStorage& storage, const QDate& day, Language language);
    static QByteArray Confirms(const QString& day, Language language, const QString& player, const QString& more);
    std::optional<DailyPages::Day> DayOf(SiteStorage& storage, const QDate& day, Language language);
    // A day's tries ranked, and its ranking page, kept until a try of this process
    // is finished or kSharedFor has passed (another process on the database may have
    // stored tries meanwhile): under load the ranking costs one read a second.
    struct KeptDay {
        qint64 version = -1;
        qint64 readAtMs = 0;
        std::shared_ptr<const DailyPages::Day> day;
        std::shared_ptr<const std::string> rankingPage;
    };
    static constexpr qint64 kSharedForMs = 1000;
    // Finishes the try together with those that arrive while another thread writes:
    // one of the waiting threads writes them all in one transaction, so a second
    // when everyone sends costs a few syncs of the disk instead of one per player.
    std::optional<bool> FinishTogether(SiteStorage& storage, const DailyTry& finished);
    struct PendingTry {
        DailyTry row;
        std::optional<bool> result;
        bool done = false;
    };
    std::mutex writeLock_;
    std::condition_variable written_;
    std::vector<PendingTry*> waiting_;
    bool writing_ = false;
    std::shared_ptr<const DailyPages::Day> KeptDayOf(SiteStorage& storage, const QDate& day, Language language,
                                                     std::shared_ptr<const std::string>* rankingPage = nullptr);
    QString Judged(Language language, const QString& word, const QString& letters) const;

    DailyRoutes::Services services_;
    std::mutex boardsLock_;
    std::map<std::pair<QString, int>, DailyBoardRow> boards_;
    std::mutex secretLock_;
    QByteArray secret_;
    std::mutex daysLock_;
    std::map<std::pair<QString, int>, KeptDay> days_;
    std::atomic<qint64> version_{0};
};

std::optional<Daily::Keys> Daily::StorageAndSecret()
{
    SiteStorage* storage = services_.storage();
    if (!storage)
        return std::nullopt;
    std::optional<QByteArray> secret = Secret(*storage);
    if (!secret)
        return std::nullopt;
    return Keys{*storage, std::move(*secret)};
}

std::optional<QByteArray> Daily::Secret(SiteStorage& storage)
{
    {
        const std::lock_guard lock(secretLock_);
        if (!secret_.isEmpty())
            return secret_;
    }
    const std::optional<QByteArray> read = storage.DailySecret();
    if (!read || read->isEmpty())
        return std::nullopt;
    const std::lock_guard lock(secretLock_);
    secret_ = *read;
    return secret_;
}

std::optional<Daily::Player> Daily::PlayerOf(const SiteRequest& request, const QByteArray& secret, bool mayMake)
{
    const QByteArray value =
        DailyPlayerKey::FromCookieHeader(QByteArray::fromStdString(request.cookie), DailyPlayerKey::kCookieName);
    if (const std::optional<QString> key = DailyPlayerKey::Checked(value, secret))
        return Player{*key, false};
    if (!mayMake)
        return std::nullopt;
    return Player{DailyPlayerKey::Make(), true};
}

void Daily::SetCookie(SiteResponse& response, const Player& player, const QByteArray& secret)
{
    if (!player.fresh)
        return;
    // Lax: the game opens the result address in the browser as a plain link.
    response.headers.emplace_back("Set-Cookie", std::string(DailyPlayerKey::kCookieName) + "=" +
                                                    DailyPlayerKey::Signed(player.key, secret).toStdString() +
                                                    "; Path=/letterama/sfida; Max-Age=31536000; HttpOnly; "
                                                    "SameSite=Lax");
}

std::optional<DailyBoardRow> Daily::Board(SiteStorage& storage, const QDate& day, Language language)
{
    const std::pair<QString, int> key{DayKey(day), TableOf(language).Number()};
    {
        const std::lock_guard lock(boardsLock_);
        if (const auto found = boards_.find(key); found != boards_.end())
            return found->second;
    }
    const auto kept = storage.DailyBoardOf(key.first, language);
    if (!kept)
        return std::nullopt;
    DailyBoardRow row;
    if (*kept) {
        row = **kept;
    } else {
        const std::optional<QByteArray> secret = Secret(storage);
        const LexiconSource source = services_.lexicons->SourceOf(language);
        if (!secret || !source.Words)
            return std::nullopt;
        const std::optional<DailyBoard> drawn = DrawDailyBoard(*secret, day, language, *source.Words);
        if (!drawn)
            return std::nullopt;
        // Another thread or process may keep its own draw first: the same letters.
        const std::optional<DailyBoardRow> stored =
            storage.KeepDailyBoard({key.first, language, drawn->letters, drawn->longestWords.join(QLatin1Char(' '))});
        if (!stored)
            return std::nullopt;
        row = *stored;
    }
    const std::lock_guard lock(boardsLock_);
    boards_[key] = row;
    return row;
}

QByteArray Daily::Confirms(const QString& day, Language language, const QString& player, const QString& more)
{
    return QStringLiteral("sfida %1 %2 %3 %4").arg(day, QString::number(TableOf(language).Number()), player, more).toUtf8();
}

QString Daily::Judged(Language language, const QString& word, const QString& letters) const
{
    const auto lexicons = services_.lexicons;
    return WordLookup::JudgeWith(
        [&](const QString& asked) {
            const std::optional<std::string> bytes = WordAsLexiconBytes(asked);
            return bytes && lexicons->Holds(language, QByteArray::fromStdString(*bytes));
        },
        QString(), {word, QString(), letters});
}

SiteResponse Daily::Play(const SiteRequest& request)
{
    const std::optional<Language> language = LanguageOf(request);
    if (!language)
        return SeeOther(QString::fromLatin1(DailyPages::kBase));
    const std::optional<Keys> keys = StorageAndSecret();
    if (!keys)
        return services_.unavailable();
    SiteStorage& storage = keys->storage;
    const QByteArray& secret = keys->secret;
    const QDate today = Today();
    if (!Board(storage, today, *language))
        return Problem(503, QStringLiteral("Sfida non disponibile"),
                       QStringLiteral("La sfida di oggi in questa lingua non è disponibile su questo sito."));
    const std::optional<Player> player = PlayerOf(request, secret, true);
    if (!player->fresh) {
        const auto stored = storage.DailyTryOf(DayKey(today), *language, player->key);
        if (!stored)
            return services_.unavailable();
        if (*stored && (*stored)->finished)
            return SeeOther(ResultAddress(*language));
    }
    const QByteArray token =
        SubmissionToken::Issue(secret, services_.now(), Confirms(DayKey(today), *language, player->key, {}));
    SiteResponse page = Html(200, DailyPages::Play(*language, token));
    SetCookie(page, *player, secret);
    return page;
}

SiteResponse Daily::Start(const SiteRequest& request)
{
    const std::optional<Language> language = LanguageOf(request);
    const std::optional<QString> name = PlayerName(request);
    if (!language || !name)
        return Problem(400, QStringLiteral("Richiesta non valida"), QStringLiteral("Scrivi il tuo nome (al più 24 "
                                                                                     "caratteri) e premi Gioca."));
    const std::optional<Keys> keys = StorageAndSecret();
    if (!keys)
        return services_.unavailable();
    SiteStorage& storage = keys->storage;
    const QByteArray& secret = keys->secret;
    const std::optional<Player> player = PlayerOf(request, secret, false);
    const QDate today = Today();
    const QByteArray token = QByteArray::fromStdString(First(request, "token").value_or(""));
    const QDateTime now = services_.now();
    if (!player || !SubmissionToken::IsGenuine(token, secret, now, Confirms(DayKey(today), *language, player->key, {})))
        return Problem(400, QStringLiteral("Modulo scaduto"),
                       QStringLiteral("Questa pagina della sfida non è più valida: riaprila."));
    const std::optional<DailyBoardRow> board = Board(storage, today, *language);
    if (!board)
        return services_.unavailable();
    DailyTry opened;
    opened.day = DayKey(today);
    opened.language = *language;
    opened.player = player->key;
    opened.name = *name;
    opened.startedAt = now.toMSecsSinceEpoch();
    const std::optional<DailyTry> stored = storage.OpenDailyTry(opened);
    if (!stored)
        return services_.unavailable();
    // The clock is the site's: a page opened again goes on from the first start.
    const qint64 left = DailyScoring::kSeconds * 1000LL - (now.toMSecsSinceEpoch() - stored->startedAt);
    const std::string body =
        stored->finished ? std::string("{\"fatto\":true,\"indirizzo\":\"") + ResultAddress(*language).toStdString() + "\"}"
                         : "{\"lettere\":\"" + board->letters.toStdString() +
                               "\",\"millisecondi\":" + std::to_string(std::max<qint64>(0, left)) + "}";
    return {200, "application/json; charset=utf-8", body, {}};
}

SiteResponse Daily::Send(const SiteRequest& request)
{
    const std::optional<Language> language = LanguageOf(request);
    const std::optional<QString> word = TypedWord(request);
    if (!language || !word)
        return Problem(400, QStringLiteral("Parola non valida"),
                       QStringLiteral("La parola può avere solo lettere, al più 15."));
    const std::optional<Keys> keys = StorageAndSecret();
    if (!keys)
        return services_.unavailable();
    SiteStorage& storage = keys->storage;
    const QByteArray& secret = keys->secret;
    const std::optional<Player> player = PlayerOf(request, secret, false);
    const QDate today = Today();
    const QDateTime now = services_.now();
    const QByteArray token = QByteArray::fromStdString(First(request, "token").value_or(""));
    if (!player || !SubmissionToken::IsGenuine(token, secret, now, Confirms(DayKey(today), *language, player->key, {})))
        return Problem(400, QStringLiteral("Modulo scaduto"),
                       QStringLiteral("Questa pagina della sfida non è più valida: riaprila."));
    const auto stored = storage.DailyTryOf(DayKey(today), *language, player->key);
    const std::optional<DailyBoardRow> board = Board(storage, today, *language);
    if (!stored || !board)
        return services_.unavailable();
    if (!*stored)
        return Problem(400, QStringLiteral("Sfida non iniziata"),
                       QStringLiteral("Premi \"Gioca\" per vedere le lettere prima di inviare una parola."));
    if ((*stored)->finished)
        return SeeOther(ResultAddress(*language));
    DailyTry finished = **stored;
    const qint64 sentAt = now.toMSecsSinceEpoch();
    finished.word = *word;
    finished.verdict = Judged(*language, *word, board->letters);
    finished.length = static_cast<int>(word->size());
    finished.seconds = DailyScoring::SecondsTaken(finished.startedAt, sentAt);
    finished.points = DailyScoring::InTime(finished.startedAt, sentAt)
                          ? DailyScoring::Points(finished.verdict, finished.length, finished.seconds)
                          : 0;
    finished.finishedAt = sentAt;
    if (!FinishTogether(storage, finished))
        return services_.unavailable();
    ++version_;
    return SeeOther(ResultAddress(*language));
}

std::optional<DailyPages::Day> Daily::DayOf(SiteStorage& storage, const QDate& day, Language language)
{
    std::optional<std::vector<DailyTry>> tries = storage.DailyTries(DayKey(day), language);
    if (!tries)
        return std::nullopt;
    DailyPages::Day shown;
    shown.language = language;
    shown.day = day;
    shown.lengths = DailyScoring::LengthCounts(*tries);
    shown.ranking = DailyScoring::Ranking(std::move(*tries));
    return shown;
}

std::optional<bool> Daily::FinishTogether(SiteStorage& storage, const DailyTry& finished)
{
    PendingTry mine{finished, std::nullopt, false};
    std::unique_lock lock(writeLock_);
    waiting_.push_back(&mine);
    while (!mine.done) {
        if (writing_) {
            written_.wait(lock);
            continue;
        }
        writing_ = true;
        std::vector<PendingTry*> batch;
        batch.swap(waiting_);
        lock.unlock();
        std::vector<DailyTry> rows;
        rows.reserve(batch.size());
        for (const PendingTry* pending : batch)
            rows.push_back(pending->row);
        const std::optional<std::vector<bool>> done = storage.FinishDailyTries(rows);
        lock.lock();
        for (std::size_t i = 0; i < batch.size(); ++i) {
            batch[i]->result = done ? std::optional<bool>((*done)[i]) : std::nullopt;
            batch[i]->done = true;
        }
        writing_ = false;
        written_.notify_all();
    }
    return mine.result;
}

std::shared_ptr<const DailyPages::Day> Daily::KeptDayOf(SiteStorage& storage, const QDate& day, Language language,
                                                       std::shared_ptr<const std::string>* rankingPage)
{
    const std::pair<QString, int> key{DayKey(day), TableOf(language).Number()};
    const qint64 now = services_.now().toMSecsSinceEpoch();
    const qint64 version = version_.load();
    {
        const std::lock_guard lock(daysLock_);
        const auto found = days_.find(key);
        if (found != days_.end() && found->second.version == version && now - found->second.readAtMs >= 0 &&
            now - found->second.readAtMs < kSharedForMs) {
            if (rankingPage)
                *rankingPage = found->second.rankingPage;
            return found->second.day;
        }
    }
    std::optional<DailyPages::Day> read = DayOf(storage, day, language);
    if (!read)
        return nullptr;
    auto shown = std::make_shared<const DailyPages::Day>(std::move(*read));
    auto page = std::make_shared<const std::string>(
        DailyPages::Ranking(*shown, DailyPages::RankingSection(*shown, QString())).toStdString());
    const std::lock_guard lock(daysLock_);
    days_[key] = {version, now, shown, page};
    if (rankingPage)
        *rankingPage = page;
    return shown;
}

SiteResponse Daily::Result(const SiteRequest& request)
{
    const std::optional<Language> language = LanguageOf(request);
    if (!language)
        return SeeOther(QString::fromLatin1(DailyPages::kBase));
    const std::optional<Keys> keys = StorageAndSecret();
    if (!keys)
        return services_.unavailable();
    SiteStorage& storage = keys->storage;
    const QByteArray& secret = keys->secret;
    const QDate today = Today();
    const std::optional<Player> player = PlayerOf(request, secret, false);
    std::optional<DailyTry> own;
    if (player) {
        const auto stored = storage.DailyTryOf(DayKey(today), *language, player->key);
        if (!stored)
            return services_.unavailable();
        own = *stored;
    }
    const std::shared_ptr<const DailyPages::Day> day = KeptDayOf(storage, today, *language);
    if (!day)
        return services_.unavailable();
    return Html(200, DailyPages::Result(*day, own, DailyPages::RankingSection(*day, player ? player->key : QString())));
}

SiteResponse Daily::Ranking(const SiteRequest& request)
{
    const std::optional<Language> language = LanguageOf(request);
    if (!language)
        return SeeOther(QString::fromLatin1(DailyPages::kBase));
    SiteStorage* storage = services_.storage();
    if (!storage)
        return services_.unavailable();
    std::shared_ptr<const std::string> page;
    if (!KeptDayOf(*storage, Today(), *language, &page))
        return services_.unavailable();
    return {200, kHtml, *page, {}};
}

SiteResponse Daily::Archive()
{
    SiteStorage* storage = services_.storage();
    if (!storage)
        return services_.unavailable();
    // Today's board and its words stay hidden until the day is over.
    const auto boards = storage->DailyBoardsBefore(DayKey(Today()), kArchiveDays * 3);
    if (!boards)
        return services_.unavailable();
    std::vector<DailyPages::PastBoard> past;
    for (const DailyBoardRow& board : *boards) {
        const QDate day = QDate::fromString(board.day, Qt::ISODate);
        const std::optional<DailyPages::Day> played = DayOf(*storage, day, board.language);
        if (!played)
            return services_.unavailable();
        DailyPages::PastBoard shown{board, {}};
        for (const DailyScoring::Ranked& row : played->ranking) {
            if (row.place == 1 && row.entry.points > 0)
                shown.winners.push_back(row.entry);
        }
        past.push_back(std::move(shown));
    }
    return Html(200, DailyPages::Archive(past));
}

SiteResponse Daily::BoardText(const SiteRequest& request)
{
    const std::optional<Language> language = LanguageOf(request);
    if (!language)
        return {400, "text/plain; charset=utf-8", "lingua?\r\n", {}};
    SiteStorage* storage = services_.storage();
    if (!storage)
        return services_.unavailable();
    const QDate today = Today();
    const std::optional<DailyBoardRow> board = Board(*storage, today, *language);
    if (!board)
        return {503, "text/plain; charset=utf-8", "Sfida non disponibile.\r\n", {}};
    // Read by the game: "sfida", the day, the language's number and the letters.
    return {200, "text/plain; charset=utf-8",
            "sfida\r\n" + DayKey(today).toStdString() + "\r\n" + std::to_string(TableOf(*language).Number()) + "\r\n" +
                board->letters.toStdString() + "\r\n",
            {}};
}

SiteResponse Daily::ConfirmGameTry(const SiteRequest& request)
{
    const std::optional<Language> language = LanguageOf(request);
    const std::optional<QString> word = TypedWord(request);
    const std::string secondsText = First(request, "secondi").value_or("");
    bool isNumber = false;
    const int seconds = QByteArray::fromStdString(secondsText).toInt(&isNumber);
    if (!language || !word || !isNumber || secondsText.size() > 2 || seconds < 0 || seconds > DailyScoring::kSeconds)
        return Problem(400, QStringLiteral("Sfida non valida"),
                       QStringLiteral("L'indirizzo non è quello di una sfida giocata nel gioco."));
    const std::optional<Keys> keys = StorageAndSecret();
    const QDate today = Today();
    const std::optional<DailyBoardRow> board = keys ? Board(keys->storage, today, *language) : std::nullopt;
    if (!board)
        return services_.unavailable();
    SiteStorage& storage = keys->storage;
    const QByteArray& secret = keys->secret;
    if (Judged(*language, *word, board->letters) == WordVerdict::NotSpelt && !word->isEmpty())
        return Problem(400, QStringLiteral("Parola non valida"),
                       QStringLiteral("Questa parola non si scrive con le lettere della sfida di oggi."));
    const std::optional<Player> player = PlayerOf(request, secret, true);
    if (!player->fresh) {
        const auto stored = storage.DailyTryOf(DayKey(today), *language, player->key);
        if (!stored)
            return services_.unavailable();
        if (*stored && (*stored)->finished)
            return SeeOther(ResultAddress(*language));
    }
    const QByteArray token = SubmissionToken::Issue(
        secret, services_.now(),
        Confirms(DayKey(today), *language, player->key, *word + QLatin1Char(' ') + QString::number(seconds)));
    SiteResponse page = Html(200, DailyPages::ConfirmGameTry(*language, *word, seconds, token));
    SetCookie(page, *player, secret);
    return page;
}

SiteResponse Daily::StoreGameTry(const SiteRequest& request)
{
    const std::optional<Language> language = LanguageOf(request);
    const std::optional<QString> word = TypedWord(request);
    const std::optional<QString> name = PlayerName(request);
    const int seconds = QByteArray::fromStdString(First(request, "secondi").value_or("x")).toInt();
    if (!language || !word || !name)
        return Problem(400, QStringLiteral("Richiesta non valida"),
                       QStringLiteral("Scrivi il tuo nome (al più 24 caratteri) e premi Registra."));
    const std::optional<Keys> keys = StorageAndSecret();
    const QDate today = Today();
    const std::optional<DailyBoardRow> board = keys ? Board(keys->storage, today, *language) : std::nullopt;
    if (!board)
        return services_.unavailable();
    SiteStorage& storage = keys->storage;
    const QByteArray& secret = keys->secret;
    const std::optional<Player> player = PlayerOf(request, secret, false);
    const QDateTime now = services_.now();
    const QByteArray token = QByteArray::fromStdString(First(request, "token").value_or(""));
    // The token is signed with the word and the seconds the game sent, so neither can change here.
    if (!player ||
        !SubmissionToken::IsGenuine(
            token, secret, now,
            Confirms(DayKey(today), *language, player->key, *word + QLatin1Char(' ') + QString::number(seconds))))
        return Problem(400, QStringLiteral("Modulo scaduto"),
                       QStringLiteral("Questo modulo non è più valido: rigioca la sfida dal gioco."));
    DailyTry finished;
    finished.day = DayKey(today);
    finished.language = *language;
    finished.player = player->key;
    finished.name = *name;
    finished.word = *word;
    finished.verdict = Judged(*language, *word, board->letters);
    finished.length = static_cast<int>(word->size());
    finished.seconds = seconds;
    finished.points = DailyScoring::Points(finished.verdict, finished.length, seconds);
    finished.finishedAt = now.toMSecsSinceEpoch();
    // A second try is not stored: the result page shows the first.
    if (!FinishTogether(storage, finished))
        return services_.unavailable();
    ++version_;
    return SeeOther(ResultAddress(*language));
}

}  // namespace

void DailyRoutes::AddTo(SiteRoutes& routes, Services services)
{
    if (!services.lexicons)
        services.lexicons = SiteLexicons::None();
    const auto daily = std::make_shared<Daily>(std::move(services));
    const auto answer = [daily](SiteResponse (Daily::*handler)(const SiteRequest&)) {
        return [daily, handler](const SiteRequest& request) { return ((*daily).*handler)(request); };
    };
    const auto file = [](const char* name, const char* type) {
        return [name, type](const SiteRequest&) { return Served(name, type); };
    };
    routes.Add("/letterama/sfida/", [](const SiteRequest&) { return Html(200, DailyPages::Choice()); });
    routes.Add("/letterama/sfida", [](const SiteRequest&) { return Html(200, DailyPages::Choice()); });
    routes.Add("/letterama/sfida/gioca", answer(&Daily::Play));
    routes.Add("/letterama/sfida/inizia", answer(&Daily::Play), answer(&Daily::Start));
    routes.Add("/letterama/sfida/invia", answer(&Daily::Result), answer(&Daily::Send));
    routes.Add("/letterama/sfida/risultato", answer(&Daily::Result));
    routes.Add("/letterama/sfida/classifica", answer(&Daily::Ranking));
    routes.Add("/letterama/sfida/archivio", [daily](const SiteRequest&) { return daily->Archive(); });
    routes.Add("/letterama/sfida/oggi.txt", answer(&Daily::BoardText));
    routes.Add("/letterama/sfida/gioco", answer(&Daily::ConfirmGameTry), answer(&Daily::StoreGameTry));
    routes.Add("/letterama/sfida/sfida.js", file("sfida.js", "text/javascript; charset=utf-8"));
    routes.Add("/letterama/sfida/sfida.css", file("sfida.css", "text/css; charset=utf-8"));
}
