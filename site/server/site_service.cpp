// SPDX-License-Identifier: GPL-3.0-or-later
#include "site_service.h"

#include "missing_words.h"
#include "record_ranking.h"
#include "record_submission.h"
#include "site_pages.h"
#include "site_storage.h"
#include "submission_token.h"


#include <atomic>
#include <optional>

namespace {

std::atomic<quint64> serviceSerial{1};

// The connections of the calling thread, one per service that thread has served.
// The map is reached through a plain pointer, which outlives the map: a service
// destroyed after its thread's objects (a static one, at exit) finds it gone instead
// of touching a destroyed map.
using StorageMap = std::map<quint64, std::unique_ptr<SiteStorage>>;
thread_local StorageMap* threadStorages = nullptr;

struct ThreadStorages {
    StorageMap map;
    ThreadStorages() { threadStorages = &map; }
    ~ThreadStorages() { threadStorages = nullptr; }
};

StorageMap& StoragesOfThisThread()
{
    thread_local ThreadStorages storages;
    return storages.map;
}

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

SiteResponse Problem(int status, const QString& title, const QString& message)
{
    return Html(status, SitePages::Problem(title, message));
}

SiteResponse Unavailable()
{
    return Problem(503, QStringLiteral("Servizio non disponibile"),
                   QStringLiteral("L'archivio dei record non è raggiungibile in questo momento. Riprova più tardi."));
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
      serial_(serviceSerial.fetch_add(1)),
      changes_(config_.otherWritesShowWithin, config_.steadyNow)
{
    if (!config_.lexicons)
        config_.lexicons = std::make_shared<SiteLexicons>();
}

SiteService::~SiteService()
{
    if (threadStorages)
        threadStorages->erase(serial_);
}

const std::vector<std::pair<std::string, std::string>>& SiteService::SecurityHeaders()
{
    static const std::vector<std::pair<std::string, std::string>> headers{
        {"Content-Security-Policy",
         "default-src 'none'; style-src 'self'; img-src 'self'; form-action 'self'; base-uri 'none'; "
         "frame-ancestors 'none'"},
        {"X-Content-Type-Options", "nosniff"},
        {"X-Frame-Options", "DENY"},
        {"Referrer-Policy", "no-referrer"},
        {"Cache-Control", "no-cache"},
    };
    return headers;
}

SiteStorage* SiteService::Storage()
{
    std::unique_ptr<SiteStorage>& storage = StoragesOfThisThread()[serial_];
    if (!storage) {
        QString error;
        storage = SiteStorage::Open(config_.database, &error);
        if (!storage)
            qWarning("letterama-site: database %s: %s", qPrintable(config_.database.Described()), qPrintable(error));
    }
    return storage.get();
}

SiteResponse SiteService::Handle(const SiteRequest& request)
{
    SiteResponse response;
    try {
        response = Route(request);
    } catch (...) {
        // No detail of the failure reaches the page.
        response = Problem(500, QStringLiteral("Errore del sito"),
                           QStringLiteral("Si è verificato un errore interno. Riprova più tardi."));
    }
    for (const auto& header : SecurityHeaders())
        response.headers.push_back(header);
    return response;
}

SiteResponse SiteService::Route(const SiteRequest& request)
{
    const std::string& path = request.path;
    const bool get = request.method == "GET" || request.method == "HEAD";
    const bool post = request.method == "POST";
    struct Page {
        const char* path;
        bool takesPost;
    };
    static const Page pages[] = {
        {"/", false},
        {"/letterama/online/", false},
        {"/letterama/online", false},
        {"/letterama/", false},
        {"/letterama", false},
        {"/letterama/recenti", false},
        {"/letterama.asp", true},
        {"/letterama/segnala", true},
        {"/Public/mancanti.txt", false},
        {"/letterama/letterama_update.txt", false},
        {"/stile.css", false},
    };
    const Page* page = nullptr;
    for (const Page& candidate : pages) {
        if (path == candidate.path)
            page = &candidate;
    }
    if (!page)
        return Problem(404, QStringLiteral("Pagina non trovata"),
                       QStringLiteral("Il documento che hai richiesto non è stato trovato."));
    if (!get && !(post && page->takesPost)) {
        SiteResponse refused = Problem(405, QStringLiteral("Richiesta non ammessa"),
                                       QStringLiteral("Questa pagina non accetta questo tipo di richiesta."));
        refused.headers.emplace_back("Allow", page->takesPost ? "GET, HEAD, POST" : "GET, HEAD");
        return refused;
    }

    if (path == "/")
        return Html(200, SitePages::Home());
    if (path.starts_with("/letterama/online"))
        return Html(200, SitePages::Online());
    if (path == "/letterama/" || path == "/letterama")
        return RecordTable(request);
    if (path == "/letterama/recenti")
        return NewestRecords();
    if (path == "/letterama.asp")
        return post ? StoreRecord(request) : ShowRecord(request);
    if (path == "/letterama/segnala")
        return post ? StoreReport(request) : ReportForm(QString(), 200);
    if (path == "/Public/mancanti.txt")
        return MissingWords(request);
    if (path == "/letterama/letterama_update.txt")
        return UpdateNotice();
    return {200, "text/css; charset=utf-8", Bytes(SitePages::StyleSheet()), {}};
}

SiteResponse SiteService::ShowRecord(const SiteRequest& request)
{
    const auto checked = CheckSubmission(FieldsOf(request));
    if (const FieldError* error = std::get_if<FieldError>(&checked))
        return Problem(400, QStringLiteral("Record non valido"), error->message);
    // A GET stores nothing: the token is signed, not recorded. Without a database (or
    // with a read-only one) the record is shown without the button.
    SitePages::RecordForm form{std::get<RecordSubmission>(checked), QByteArray()};
    if (SiteStorage* storage = Storage(); storage && !storage->TokenSecret().isEmpty())
        form.token = SubmissionToken::Issue(storage->TokenSecret(), config_.now());
    return Html(200, SitePages::ConfirmRecord(form));
}

SiteResponse SiteService::StoreRecord(const SiteRequest& request)
{
    const auto checked = CheckSubmission(FieldsOf(request));
    if (const FieldError* error = std::get_if<FieldError>(&checked))
        return Problem(400, QStringLiteral("Record non valido"), error->message);
    const RecordSubmission& record = std::get<RecordSubmission>(checked);
    SiteStorage* storage = Storage();
    if (!storage)
        return Unavailable();
    const QByteArray token = QByteArray::fromStdString(First(request, "token").value_or(std::string()));
    const QDateTime now = config_.now();
    if (!SubmissionToken::IsGenuine(token, storage->TokenSecret(), now))
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
    const auto language = static_cast<Language>(NumberOr(request, "Language", 1, 3, 1));
    const int pageAsked = NumberOr(request, "pagina", 1, 999999999, 1);
    const int markedId = NumberOr(request, "nuovo", 1, 999999999, 0);
    // The page that marks a newly stored row is seen once, by its sender: not kept.
    if (markedId != 0)
        return RenderTable(language, pageAsked, markedId, nullptr);
    return Cached("table " + std::to_string(TableOf(language).Number()) + " " + std::to_string(pageAsked),
                  kHtml, [&](qint64* changeNumber) { return RenderTable(language, pageAsked, 0, changeNumber); });
}

SiteResponse SiteService::RenderTable(Language language, int pageAsked, int markedId, qint64* changeNumber)
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
    SitePages::RecordTable table;
    table.language = language;
    const std::optional<int> count = storage->RecordCount(table.language);
    if (!count)
        return Unavailable();
    table.pageCount = std::max(1, (*count + SitePages::kRecordsPerPage - 1) / SitePages::kRecordsPerPage);
    table.page = pageAsked <= table.pageCount ? pageAsked : 1;
    const int offset = (table.page - 1) * SitePages::kRecordsPerPage;
    auto records = storage->BestRecords(table.language, offset, SitePages::kRecordsPerPage);
    if (!records)
        return Unavailable();
    table.records = std::move(*records);
    std::vector<int> points;
    for (const StoredRecord& stored : table.records)
        points.push_back(stored.record.points);
    const std::optional<int> above =
        points.empty() ? std::optional<int>(0) : storage->CountAbove(table.language, points.front());
    if (!above)
        return Unavailable();
    table.ranks = RanksOfPage(points, offset, *above);
    table.markedId = markedId;
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
    if (SiteStorage* storage = Storage(); storage && !storage->TokenSecret().isEmpty())
        token = SubmissionToken::Issue(storage->TokenSecret(), config_.now());
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
    if (!SubmissionToken::IsGenuine(token, storage->TokenSecret(), now))
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
    return Cached("mancanti " + std::to_string(TableOf(language).Number()), kWordList,
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
    if (!words)
        return {503, "text/plain; charset=utf-8", "Elenco non disponibile.\r\n", {}};
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
    if (!version)
        return {503, "text/plain; charset=utf-8", "Non disponibile.\r\n", {}};
    if (version->isEmpty())
        return {404, "text/plain; charset=utf-8", "Nessuna versione annunciata.\r\n", {}};
    return {200, "text/plain; charset=us-ascii", version->toStdString() + "\r\n", {}};
}
