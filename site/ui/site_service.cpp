// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/site_service.h"

#include "site/core/missing_words.h"
#include "site/daily/ui/daily_routes.h"
#include "site/online/ui/online_pages.h"
#include "site/core/record_ranking.h"
#include "site/core/record_submission.h"
#include "site/core/site_pages.h"
#include "site/core/site_storage.h"
#include "site/ui/request_origin.h"
#include "site/core/submission_token.h"

#include <optional>

namespace {

const std::string kHtml = "text/html; charset=utf-8";
// The dictionary editor reads the list byte by byte in the Windows code page; it
// holds capitals only, which read the same in every single-byte code page.
const std::string kWordList = "text/plain; charset=windows-1252";

std::string Bytes(const QByteArray& bytes)
{
    return bytes.toStdString();
}

SiteResponse Html(int status, const QByteArray& page)
{
    return {status, kHtml, Bytes(page), {}};
}

SiteResponse Html(int status, std::string page)
{
    return {status, kHtml, std::move(page), {}};
}

SiteResponse Problem(int status, const QString& title, const QString& message)
{
    return Html(status, SitePages::Problem(title, message));
}

std::optional<std::string> First(const SiteRequest& request, const char* key)
{
    const auto found = request.params.find(key);
    if (found == request.params.end())
        return std::nullopt;
    return found->second;
}

// A whole number key in [low, high], or `fallback` when it is absent or anything else.
int NumberOr(const SiteRequest& request, const char* key, int low, int high, int fallback)
{
    const std::optional<std::string> text = First(request, key);
    if (!text || text->empty() || text->size() > 9)
        return fallback;
    bool isNumber = false;
    const int value = QByteArray::fromStdString(*text).toInt(&isNumber);
    return isNumber && value >= low && value <= high ? value : fallback;
}

FieldReader FieldsOf(const SiteRequest& request)
{
    return [&request](const char* key) -> std::optional<QByteArray> {
        const std::optional<std::string> value = First(request, key);
        if (!value)
            return std::nullopt;
        return QByteArray::fromStdString(*value);
    };
}

}  // namespace

SiteService::SiteService(SiteConfig config)
    : config_(std::move(config)),
      connections_(config_.database),
      changes_(config_.otherWritesShowWithin, config_.steadyNow)
{
    if (!config_.lexicons)
        config_.lexicons = SiteLexicons::None();
    const auto page = [](QByteArray (*render)()) {
        return [render](const SiteRequest&) { return Html(200, render()); };
    };
    const auto member = [this](SiteResponse (SiteService::*answer)(const SiteRequest&)) {
        return [this, answer](const SiteRequest& request) { return (this->*answer)(request); };
    };
    routes_.Add("/", page(&SitePages::Home));
    OnlinePages::AddTo(routes_);
    DailyRoutes::AddTo(routes_, {[this] { return Storage(); }, [this] { return Unavailable(); }, config_.lexicons,
                                 config_.now});
    routes_.Add("/letterama/", member(&SiteService::RecordTable));
    routes_.Add("/letterama", member(&SiteService::RecordTable));
    routes_.Add("/letterama/recenti", [this](const SiteRequest&) { return NewestRecords(); });
    routes_.Add("/letterama.asp", member(&SiteService::ShowRecord), member(&SiteService::StoreRecord));
    routes_.Add("/letterama/segnala", [this](const SiteRequest&) { return ReportForm(QString(), 200); },
                member(&SiteService::StoreReport));
    routes_.Add("/Public/mancanti.txt", member(&SiteService::MissingWords));
    routes_.Add("/letterama/letterama_update.txt", [this](const SiteRequest&) { return UpdateNotice(); });
    routes_.Add("/stile.css", [](const SiteRequest&) {
        return SiteResponse{200, "text/css; charset=utf-8", Bytes(SitePages::StyleSheet()), {}};
    });
}

SiteService::~SiteService() = default;

void SiteService::ThreadEnds()
{
    connections_.CloseThisThread();
}

const std::vector<std::pair<std::string, std::string>>& SiteService::SecurityHeaders()
{
    static const std::vector<std::pair<std::string, std::string>> headers{
        {"Content-Security-Policy",
         "default-src 'none'; script-src 'self'; connect-src 'self'; style-src 'self'; img-src 'self'; "
         "form-action 'self'; base-uri 'none'; frame-ancestors 'none'"},
        {"X-Content-Type-Options", "nosniff"},
        {"X-Frame-Options", "DENY"},
        // Same-site requests keep their origin, which a form's POST is checked by;
        // other sites learn nothing.
        {"Referrer-Policy", "same-origin"},
        {"Cache-Control", "no-cache"},
    };
    return headers;
}

SiteStorage* SiteService::Storage()
{
    return connections_.OfThisThread();
}

SiteResponse SiteService::Unavailable()
{
    connections_.Lost();
    return Problem(503, QStringLiteral("Servizio non disponibile"),
                   QStringLiteral("L'archivio dei record non è raggiungibile in questo momento. Riprova più tardi."));
}

SiteResponse SiteService::Handle(const SiteRequest& request)
{
    SiteResponse response;
    const int lostBefore = connections_.LostCount();
    try {
        if (request.method == "POST" && !ComesFromThisSite(request.host, request.origin, request.referer))
            response = Problem(403, QStringLiteral("Modulo di un altro sito"),
                               QStringLiteral("Questo modulo non viene da una pagina di questo sito: "
                                              "il record o la segnalazione non sono stati registrati."));
        else
            response = routes_.Answer(request);
        // A connection that died since its last request (the database restarted) is
        // found out by the request that uses it: that one is answered again on a new
        // connection. A write never happened on the dead one, and a token is spent
        // only once anyway.
        if (response.status == 503 && connections_.LostCount() != lostBefore)
            response = routes_.Answer(request);
    } catch (...) {
        // No detail of the failure reaches the page.
        response = Problem(500, QStringLiteral("Errore del sito"),
                           QStringLiteral("Si è verificato un errore interno. Riprova più tardi."));
    }
    for (const auto& header : SecurityHeaders())
        response.headers.push_back(header);
    return response;
}

std::optional<SiteService::KeptPage> SiteService::Kept(const SiteRequest& request)
{
    if (request.method != "GET" && request.method != "HEAD")
        return std::nullopt;
    std::string key;
    const std::string* contentType = nullptr;
    if (request.path == "/letterama/" || request.path == "/letterama") {
        // A page that marks a new record or a search is never kept: Handle answers it.
        if (request.params.count("nuovo") || request.params.count("nome"))
            return std::nullopt;
        key = TableKey(static_cast<Language>(NumberOr(request, "Language", 1, 3, 1)),
                       NumberOr(request, "pagina", 1, 999999999, 1));
        contentType = &kHtml;
    } else if (request.path == "/Public/mancanti.txt") {
        const int languageNumber = NumberOr(request, "Language", 1, 3, 0);
        if (First(request, "Language") && languageNumber == 0)
            return std::nullopt;
        key = ListKey(static_cast<Language>(languageNumber == 0 ? 1 : languageNumber));
        contentType = &kWordList;
    } else {
        return std::nullopt;
    }
    const std::optional<qint64> number = changes_.Fresh();
    if (!number)
        return std::nullopt;
    std::shared_ptr<const std::string> page = pages_.Find(key, *number);
    if (!page)
        return std::nullopt;
    return KeptPage{std::move(page), *contentType};
}

SiteResponse SiteService::ShowRecord(const SiteRequest& request)
{
    const auto checked = CheckSubmission(FieldsOf(request), config_.now().date());
    if (const FieldError* error = std::get_if<FieldError>(&checked))
        return Problem(400, QStringLiteral("Record non valido"), error->message);
    // A GET stores nothing: the token is signed, not recorded. Without a database (or
    // with a read-only one) the record is shown without the button.
    SitePages::RecordForm form{std::get<RecordSubmission>(checked), QByteArray()};
    if (SiteStorage* storage = Storage(); storage && storage->CanWrite())
        form.token = SubmissionToken::Issue(storage->TokenSecret(), config_.now(),
                                            SubmissionToken::ForRecord(form.record));
    return Html(200, SitePages::ConfirmRecord(form));
}

SiteResponse SiteService::StoreRecord(const SiteRequest& request)
{
    const auto checked = CheckSubmission(FieldsOf(request), config_.now().date());
    if (const FieldError* error = std::get_if<FieldError>(&checked))
        return Problem(400, QStringLiteral("Record non valido"), error->message);
    const RecordSubmission& record = std::get<RecordSubmission>(checked);
    SiteStorage* storage = Storage();
    if (!storage)
        return Unavailable();
    const QByteArray token = QByteArray::fromStdString(First(request, "token").value_or(std::string()));
    const QDateTime now = config_.now();
    if (!SubmissionToken::IsGenuine(token, storage->TokenSecret(), now, SubmissionToken::ForRecord(record)))
        return Problem(400, QStringLiteral("Modulo scaduto"),
                       QStringLiteral("Il modulo di conferma non è valido o è scaduto: riapri il collegamento "
                                      "\"Registra record in Internet\" dal gioco."));
    const SiteStorage::Submitted submitted = storage->SubmitRecord(
        record, token, QString::fromStdString(request.clientAddress), now, config_.hourlySubmissions);
    switch (submitted.outcome) {
    case SiteStorage::Outcome::TokenSpent:
        return Problem(400, QStringLiteral("Modulo già usato"),
                       QStringLiteral("Questo modulo di conferma è già stato usato."));
    case SiteStorage::Outcome::TooMany:
        return Problem(429, QStringLiteral("Troppi invii"),
                       QStringLiteral("Da questo indirizzo sono arrivati troppi record nell'ultima ora. "
                                      "Riprova più tardi."));
    case SiteStorage::Outcome::Failed:
        connections_.Lost();
        return Problem(503, QStringLiteral("Record non registrato"),
                       QStringLiteral("Non è stato possibile registrare il record: il sito non riesce a scrivere "
                                      "nel suo archivio. Riprova più tardi."));
    case SiteStorage::Outcome::Stored: break;
    }
    changes_.Forget();
    int page = 1;
    if (const auto place = storage->PlaceOf(submitted.id))
        page = place->second / SitePages::kRecordsPerPage + 1;
    SiteResponse moved{303, kHtml, std::string(), {}};
    moved.headers.emplace_back(
        "Location", QStringLiteral("/letterama/?Language=%1&pagina=%2&nuovo=%3#nuovo")
                        .arg(TableOf(record.language).Number())
                        .arg(page)
                        .arg(submitted.id)
                        .toStdString());
    return moved;
}

SiteResponse SiteService::Cached(const std::string& key, const std::string& contentType,
                                 const std::function<SiteResponse(qint64* changeNumber)>& render)
{
    SiteStorage* storage = Storage();
    if (!storage)
        return Unavailable();
    if (const std::optional<qint64> number = changes_.Current([storage] { return storage->ChangeNumber(); })) {
        if (const std::shared_ptr<const std::string> kept = pages_.Find(key, *number))
            return {200, contentType, *kept, {}};
    }
    qint64 renderedAt = 0;
    SiteResponse response = render(&renderedAt);
    if (response.status == 200)
        pages_.Keep(key, renderedAt, response.body);
    return response;
}

SiteResponse SiteService::RecordTable(const SiteRequest& request)
{
    SitePages::RecordTable asked;
    asked.language = static_cast<Language>(NumberOr(request, "Language", 1, 3, 1));
    asked.page = NumberOr(request, "pagina", 1, 999999999, 1);
    asked.markedId = NumberOr(request, "nuovo", 1, 999999999, 0);
    asked.search = DecodedFieldText(QByteArray::fromStdString(First(request, "nome").value_or(""))).simplified();
    if (asked.search.size() > SitePages::kLongestSearch)
        asked.search.truncate(SitePages::kLongestSearch);
    // The page that marks a newly stored row is seen once, by its sender, and a search
    // may ask for any text: neither is kept.
    if (asked.markedId != 0 || !asked.search.isEmpty())
        return RenderTable(asked, nullptr);
    return Cached(TableKey(asked.language, asked.page), kHtml, [&](qint64* changeNumber) {
        if (std::optional<SiteResponse> page = RenderFromWholeTable(asked, changeNumber))
            return std::move(*page);
        return RenderTable(asked, changeNumber);
    });
}

std::string SiteService::ListKey(Language language)
{
    return "mancanti " + std::to_string(TableOf(language).Number());
}

std::string SiteService::TableKey(Language language, int page)
{
    return "table " + std::to_string(TableOf(language).Number()) + " " + std::to_string(page);
}

std::optional<SiteResponse> SiteService::RenderFromWholeTable(const SitePages::RecordTable& asked,
                                                             qint64* changeNumber)
{
    SiteStorage* storage = Storage();
    if (!storage)
        return std::nullopt;
    const int slot = TableOf(asked.language).Number() - 1;
    std::shared_ptr<const WholeTable> whole;
    {
        const std::lock_guard reading(wholeTableReading_[slot]);
        const SiteStorage::ReadSnapshot snapshot(*storage);
        const std::optional<qint64> number = storage->ChangeNumber();
        if (!number)
            return std::nullopt;
        if (wholeTables_[slot] && wholeTables_[slot]->changeNumber == *number) {
            whole = wholeTables_[slot];
        } else {
            const std::optional<int> count = storage->RecordCount(asked.language);
            if (!count || *count > kPagesFromOneRead * SitePages::kRecordsPerPage)
                return std::nullopt;
            std::optional<std::vector<StoredRecord>> records = storage->TableRecords(asked.language);
            // The count and the rows come from one snapshot; should they ever differ,
            // the page is read on its own.
            if (!records || records->size() != static_cast<std::size_t>(*count))
                return std::nullopt;
            auto read = std::make_shared<WholeTable>();
            read->changeNumber = *number;
            read->records = std::move(*records);
            std::vector<int> points;
            points.reserve(read->records.size());
            for (const StoredRecord& stored : read->records)
                points.push_back(stored.record.points);
            read->ranks = RanksOfPage(points, 0, 0);
            whole = wholeTables_[slot] = std::move(read);
        }
    }
    SitePages::RecordTable table;
    table.language = asked.language;
    table.page = asked.page;
    table.recordCount = static_cast<int>(whole->records.size());
    table.pageCount = std::max(1, (table.recordCount + SitePages::kRecordsPerPage - 1) / SitePages::kRecordsPerPage);
    if (table.page > table.pageCount)
        return std::nullopt;
    const std::size_t first = static_cast<std::size_t>(table.page - 1) * SitePages::kRecordsPerPage;
    const std::size_t end = std::min(whole->records.size(), first + SitePages::kRecordsPerPage);
    table.records.assign(whole->records.begin() + first, whole->records.begin() + end);
    table.ranks.assign(whole->ranks.begin() + first, whole->ranks.begin() + end);
    *changeNumber = whole->changeNumber;
    return Html(200, SitePages::Table(table));
}

SiteResponse SiteService::RenderTable(const SitePages::RecordTable& asked, qint64* changeNumber)
{
    SiteStorage* storage = Storage();
    if (!storage)
        return Unavailable();
    const SiteStorage::ReadSnapshot snapshot(*storage);
    if (changeNumber) {
        const std::optional<qint64> number = storage->ChangeNumber();
        if (!number)
            return Unavailable();
        *changeNumber = *number;
    }
    SitePages::RecordTable table = asked;
    const std::optional<int> count = storage->RecordCount(table.language, table.search);
    if (!count)
        return Unavailable();
    table.recordCount = *count;
    table.pageCount = std::max(1, (*count + SitePages::kRecordsPerPage - 1) / SitePages::kRecordsPerPage);
    // A page past the last is no page: a 404 that links the last one, never kept.
    if (table.page > table.pageCount)
        return Html(404, SitePages::NoSuchTablePage(table));
    const int offset = (table.page - 1) * SitePages::kRecordsPerPage;
    auto records = storage->BestRecords(table.language, offset, SitePages::kRecordsPerPage, table.search);
    if (!records)
        return Unavailable();
    table.records = std::move(*records);
    if (table.search.isEmpty()) {
        std::vector<int> points;
        for (const StoredRecord& stored : table.records)
            points.push_back(stored.record.points);
        const std::optional<int> above =
            points.empty() ? std::optional<int>(0) : storage->CountAbove(table.language, points.front());
        if (!above)
            return Unavailable();
        table.ranks = RanksOfPage(points, offset, *above);
    } else {
        // A search's rows are scattered over the table: each gets its own place.
        for (const StoredRecord& stored : table.records) {
            const std::optional<int> above = storage->CountAbove(table.language, stored.record.points);
            if (!above)
                return Unavailable();
            table.ranks.push_back(*above + 1);
        }
    }
    return Html(200, SitePages::Table(table));
}

SiteResponse SiteService::NewestRecords()
{
    SiteStorage* storage = Storage();
    if (!storage)
        return Unavailable();
    const auto records = storage->NewestRecords(SitePages::kRecordsPerPage);
    if (!records)
        return Unavailable();
    return Html(200, SitePages::Newest(*records));
}

SiteResponse SiteService::ReportForm(const QString& notice, int status)
{
    QByteArray token;
    if (SiteStorage* storage = Storage(); storage && storage->CanWrite())
        token = SubmissionToken::Issue(storage->TokenSecret(), config_.now(), SubmissionToken::ForReport());
    return Html(status, SitePages::ReportForm(token, notice));
}

SiteResponse SiteService::StoreReport(const SiteRequest& request)
{
    const std::optional<std::string> languageText = First(request, "Language");
    const int languageNumber = NumberOr(request, "Language", 1, 3, 0);
    if (!languageText || languageNumber == 0)
        return ReportForm(QStringLiteral("Il campo \"Language\" non è valido: scegli Italiano, Inglese o Latino."),
                          400);
    const Language language = static_cast<Language>(languageNumber);
    const QString typed = DecodedFieldText(QByteArray::fromStdString(First(request, "parola").value_or("")));
    const std::optional<QByteArray> word = ReportableWord(typed, language);
    if (!word)
        return ReportForm(QStringLiteral("Il campo \"parola\" non è valido: servono da %1 a %2 lettere "
                                         "dell'alfabeto della lingua scelta.")
                              .arg(kShortestReportedWord)
                              .arg(kLongestReportedWord),
                          400);
    SiteStorage* storage = Storage();
    if (!storage)
        return Unavailable();
    const QByteArray token = QByteArray::fromStdString(First(request, "token").value_or(std::string()));
    const QDateTime now = config_.now();
    if (!SubmissionToken::IsGenuine(token, storage->TokenSecret(), now, SubmissionToken::ForReport()))
        return ReportForm(QStringLiteral("Il modulo non è valido o è scaduto: scrivi di nuovo la parola."), 400);
    switch (storage->SubmitReport(language, *word, token, QString::fromStdString(request.clientAddress), now,
                                  config_.hourlySubmissions)) {
    case SiteStorage::Outcome::Stored:
        changes_.Forget();
        return Html(200, SitePages::ReportThanks(*word, language));
    case SiteStorage::Outcome::TokenSpent:
        return ReportForm(QStringLiteral("Questo modulo è già stato usato: la parola era già stata segnalata."), 400);
    case SiteStorage::Outcome::TooMany:
        return ReportForm(QStringLiteral("Da questo indirizzo sono arrivate troppe segnalazioni nell'ultima ora. "
                                         "Riprova più tardi."),
                          429);
    case SiteStorage::Outcome::Failed: break;
    }
    connections_.Lost();
    return ReportForm(QStringLiteral("Non è stato possibile registrare la segnalazione: il sito non riesce a "
                                     "scrivere nel suo archivio. Riprova più tardi."),
                      503);
}

SiteResponse SiteService::MissingWords(const SiteRequest& request)
{
    const int languageNumber = NumberOr(request, "Language", 1, 3, 0);
    if (First(request, "Language") && languageNumber == 0)
        return {400, "text/plain; charset=utf-8", "Language deve essere 1, 2 o 3.\r\n", {}};
    const Language language = static_cast<Language>(languageNumber == 0 ? 1 : languageNumber);
    return Cached(ListKey(language), kWordList,
                  [&](qint64* changeNumber) { return RenderMissingWords(language, changeNumber); });
}

SiteResponse SiteService::RenderMissingWords(Language language, qint64* changeNumber)
{
    SiteStorage* storage = Storage();
    if (!storage)
        return Unavailable();
    std::optional<std::vector<ReportedWord>> words;
    {
        const SiteStorage::ReadSnapshot snapshot(*storage);
        const std::optional<qint64> number = storage->ChangeNumber();
        if (number) {
            *changeNumber = *number;
            words = storage->ReportedWords(language);
        }
    }
    if (!words) {
        connections_.Lost();
        return {503, "text/plain; charset=utf-8", "Elenco non disponibile.\r\n", {}};
    }
    const SiteLexicons& lexicons = *config_.lexicons;
    const QByteArray list = MissingWordsList(
        *words, language, [&](const QByteArray& word) { return lexicons.Holds(language, word); },
        config_.mostListedWords);
    return {200, kWordList, Bytes(list), {}};
}

SiteResponse SiteService::UpdateNotice()
{
    SiteStorage* storage = Storage();
    const std::optional<QString> version = storage ? storage->LatestVersion() : std::nullopt;
    if (!version) {
        connections_.Lost();
        return {503, "text/plain; charset=utf-8", "Non disponibile.\r\n", {}};
    }
    if (version->isEmpty())
        return {404, "text/plain; charset=utf-8", "Nessuna versione annunciata.\r\n", {}};
    return {200, "text/plain; charset=us-ascii", version->toStdString() + "\r\n", {}};
}

bool SiteService::ReportFromTable(Language language, const QString& word, const std::string& clientAddress)
{
    const std::optional<QByteArray> reported = ReportableWord(word, language);
    SiteStorage* storage = reported ? Storage() : nullptr;
    if (!storage || !storage->CanWrite())
        return false;
    const QDateTime now = config_.now();
    const QByteArray token = SubmissionToken::Issue(storage->TokenSecret(), now, SubmissionToken::ForReport());
    const SiteStorage::Outcome outcome = storage->SubmitReport(language, *reported, token,
                                                               QString::fromStdString(clientAddress), now,
                                                               config_.hourlySubmissions);
    if (outcome == SiteStorage::Outcome::Failed)
        connections_.Lost();
    if (outcome != SiteStorage::Outcome::Stored)
        return false;
    changes_.Forget();
    return true;
}

std::optional<std::vector<ListedTable>> SiteService::PublishTables(const QString& process,
                                                                   const std::vector<ListedTable>& own, int freshSeconds)
{
    SiteStorage* storage = Storage();
    if (!storage)
        return std::nullopt;
    const qint64 now = config_.now().toSecsSinceEpoch();
    if (!storage->PublishTables(process, own, now)) {
        connections_.Lost();
        return std::nullopt;
    }
    return storage->ListedTables(now - freshSeconds);
}

bool SiteService::KeepFinishedGame(const FinishedTableGame& game)
{
    SiteStorage* storage = Storage();
    if (!storage || !storage->CanWrite())
        return false;
    FinishedTableGame stamped = game;
    stamped.finishedAt = config_.now().toSecsSinceEpoch();
    if (!storage->StoreFinishedGame(stamped)) {
        connections_.Lost();
        return false;
    }
    return true;
}

bool SiteService::RecordFromTable(Language language, const QString& name, int points, const std::string& clientAddress)
{
    SiteStorage* storage = Storage();
    if (!storage || !storage->CanWrite() || points <= 0)
        return false;
    const QDateTime now = config_.now();
    RecordSubmission record;
    record.name = name;
    // As the game names its copy: "Letterama_" and three capitals; "WEB" for the site.
    record.program = QStringLiteral("Letterama_WEB");
    record.playedOn = now.date();
    record.playedAt = QTime(now.time().hour(), now.time().minute());
    record.points = std::min(points, 32767);
    record.manches = 5;
    record.note = QStringLiteral("Partita on-line");
    record.language = language;
    const std::optional<qint64> stored =
        storage->StoreVerifiedRecord(record, QString::fromStdString(clientAddress), now);
    if (!stored) {
        connections_.Lost();
        return false;
    }
    changes_.Forget();
    return *stored > 0;
}
