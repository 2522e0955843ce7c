// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/site_storage.h"

#include "site/core/bound_text.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace {

// A date as stored (yyyy-mm-dd), read without a format parser: the table reads
// tens of thousands.
QDate DateFrom(const QString& text)
{
    const auto digits = [&text](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i) {
            const char16_t c = text[i].unicode();
            if (c < '0' || c > '9')
                return -1;
            value = value * 10 + (c - '0');
        }
        return value;
    };
    if (text.size() != 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return QDate::fromString(text, Qt::ISODate);
    const int year = digits(0, 4), month = digits(5, 2), day = digits(8, 2);
    return year < 0 || month < 0 || day < 0 ? QDate() : QDate(year, month, day);
}

StoredRecord RecordFrom(const QSqlQuery& query)
{
    StoredRecord stored;
    stored.id = query.value(0).toLongLong();
    stored.record.language = LanguageFromNumber(query.value(1).toInt()).value_or(Language::Italian);
    stored.record.name = query.value(2).toString();
    stored.record.points = query.value(3).toInt();
    stored.record.manches = query.value(4).toInt();
    stored.record.note = query.value(5).toString();
    stored.record.email = query.value(6).toString();
    stored.record.program = query.value(7).toString();
    stored.record.playedOn = DateFrom(query.value(8).toString());
    stored.record.playedAt = QTime::fromString(query.value(9).toString(), QStringLiteral("HH:mm"));
    stored.storedAt = query.value(10).toLongLong();
    stored.verified = query.value(11).toInt() != 0;
    return stored;
}

std::optional<std::vector<StoredRecord>> RecordsOf(QSqlQuery& query)
{
    if (!query.exec())
        return std::nullopt;
    std::vector<StoredRecord> records;
    while (query.next())
        records.push_back(RecordFrom(query));
    query.finish();
    return records;
}

std::optional<int> SingleNumber(QSqlQuery& query)
{
    if (!query.exec() || !query.next())
        return std::nullopt;
    const int value = query.value(0).toInt();
    query.finish();
    return value;
}

}  // namespace

SiteStorage::~SiteStorage()
{
    prepared_.clear();
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
}

std::unique_ptr<SiteStorage> SiteStorage::Open(const DatabaseAddress& address, QString* error)
{
    std::unique_ptr<SiteStorage> storage(new SiteStorage);
    storage->address_ = address;
    // Qt names each connection of the process: no two storages alive share an address,
    // and a storage gives its name back (removeDatabase) before its memory is freed.
    storage->connectionName_ =
        QStringLiteral("letterama-site-%1").arg(reinterpret_cast<quintptr>(storage.get()), 0, 16);
    storage->db_ = QSqlDatabase::addDatabase(address.DriverName(), storage->connectionName_);
    QSqlDatabase& db = storage->db_;
    if (!db.isValid()) {
        *error = QStringLiteral("manca il driver %1 di Qt SQL").arg(address.DriverName());
        return nullptr;
    }
    QString options = address.options;
    if (address.kind == DatabaseAddress::Kind::SQLite) {
        db.setDatabaseName(address.path);
        // Several request threads write: each waits for the others' short transactions.
        options += QStringLiteral(";QSQLITE_BUSY_TIMEOUT=5000");
    } else {
        db.setDatabaseName(address.databaseName);
        if (!address.host.isEmpty())
            db.setHostName(address.host);
        if (address.port > 0)
            db.setPort(address.port);
        db.setUserName(address.user);
        db.setPassword(address.password);
        options += QStringLiteral(";connect_timeout=5");
    }
    db.setConnectOptions(options);
    if (!db.open()) {
        *error = db.lastError().text();
        return nullptr;
    }
    if (address.kind == DatabaseAddress::Kind::SQLite) {
        // Write-ahead logging: a commit is one sync of the log instead of several of a
        // rollback journal, and readers never wait for a writer. Full sync keeps a
        // confirmed record through a power cut too. A read-only file keeps its mode.
        QSqlQuery pragma(db);
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        pragma.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    }
    // A database that takes no writes (a read-only file or account) is read as it
    // stands, whatever it lacks of the later tables: it could not store in them anyway.
    QString layoutError;
    if (!storage->LayOut(&layoutError) && !storage->ReadableAsItStands()) {
        *error = layoutError;
        return nullptr;
    }
    if (!storage->ReadOrMakeSecret(error))
        return nullptr;
    storage->writable_ = !storage->secret_.isEmpty() && storage->TakesWrites();
    return storage;
}

bool SiteStorage::ReadOrMakeSecret(QString* error)
{
    QSqlQuery& read = Prepared("SELECT value FROM settings WHERE name = 'token-secret'");
    if (!read.exec()) {
        *error = read.lastError().text();
        return false;
    }
    if (read.next()) {
        secret_ = read.value(0).toString().toLatin1();
        read.finish();
        return true;
    }
    read.finish();
    QByteArray secret(32, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(secret.data()), secret.size() / 4);
    QSqlQuery& write = Prepared("INSERT INTO settings (name, value) VALUES ('token-secret', ?) ON CONFLICT DO NOTHING");
    write.addBindValue(QString::fromLatin1(secret.toHex()));
    if (!write.exec()) {
        // A read-only database still shows its pages; its forms cannot be sent.
        secret_.clear();
        return true;
    }
    if (!read.exec() || !read.next()) {
        *error = read.lastError().text();
        return false;
    }
    secret_ = read.value(0).toString().toLatin1();
    read.finish();
    return true;
}

bool SiteStorage::TakesWrites()
{
    if (!Begin())
        return false;
    QSqlQuery query(db_);
    const bool wrote = query.exec(QStringLiteral("UPDATE settings SET value = value WHERE name = 'token-secret'"));
    query.finish();
    Rollback();
    return wrote;
}

QSqlQuery& SiteStorage::Prepared(const char* sql)
{
    std::unique_ptr<QSqlQuery>& query = prepared_[sql];
    if (!query) {
        query = std::make_unique<QSqlQuery>(db_);
        // Rows are read once, in order: Qt keeps no copy of those already read.
        query->setForwardOnly(true);
        query->prepare(QString::fromLatin1(sql));
    }
    return *query;
}

bool SiteStorage::Begin()
{
    QSqlQuery query(db_);
    return query.exec(address_.kind == DatabaseAddress::Kind::SQLite ? QStringLiteral("BEGIN IMMEDIATE")
                                                                      : QStringLiteral("BEGIN"));
}

bool SiteStorage::BeginRead()
{
    if (address_.kind == DatabaseAddress::Kind::SQLite) {
        QSqlQuery& begin = Prepared("BEGIN");
        return begin.exec();
    }
    // PostgreSQL cannot prepare a BEGIN (the failed prepare left every page's reads
    // outside any transaction), and its default isolation takes a new snapshot per
    // statement: one snapshot for the whole page needs repeatable read.
    QSqlQuery begin(db_);
    return begin.exec(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
}

bool SiteStorage::Commit()
{
    QSqlQuery query(db_);
    if (query.exec(QStringLiteral("COMMIT")))
        return true;
    Rollback();
    return false;
}

void SiteStorage::Rollback()
{
    QSqlQuery query(db_);
    query.exec(QStringLiteral("ROLLBACK"));
}

SiteStorage::Outcome SiteStorage::Admit(const QByteArray& token, const QString& address, const char* kind,
                                        const QDateTime& now, int hourlyLimit)
{
    const qint64 seconds = now.toSecsSinceEpoch();
    QSqlQuery& recent = Prepared("SELECT COUNT(*) FROM actions WHERE address = ? AND kind = ? AND at > ?");
    recent.addBindValue(address);
    recent.addBindValue(QString::fromLatin1(kind));
    recent.addBindValue(seconds - 3600);
    const std::optional<int> count = SingleNumber(recent);
    if (!count)
        return Outcome::Failed;
    if (*count >= hourlyLimit)
        return Outcome::TooMany;

    QSqlQuery& spend = Prepared("INSERT INTO spent_tokens (token, spent_at) VALUES (?, ?) ON CONFLICT DO NOTHING");
    spend.addBindValue(QString::fromLatin1(token));
    spend.addBindValue(seconds);
    if (!spend.exec())
        return Outcome::Failed;
    if (spend.numRowsAffected() != 1)
        return Outcome::TokenSpent;

    QSqlQuery& log = Prepared("INSERT INTO actions (address, kind, at) VALUES (?, ?, ?)");
    log.addBindValue(address);
    log.addBindValue(QString::fromLatin1(kind));
    log.addBindValue(seconds);
    if (!log.exec())
        return Outcome::Failed;

    // Old tokens and actions are of no more use once they are older than a token's
    // lifetime and an hour.
    QSqlQuery& forgetTokens = Prepared("DELETE FROM spent_tokens WHERE spent_at < ?");
    forgetTokens.addBindValue(seconds - 3 * 3600);
    QSqlQuery& forgetActions = Prepared("DELETE FROM actions WHERE at < ?");
    forgetActions.addBindValue(seconds - 3600);
    return forgetTokens.exec() && forgetActions.exec() ? Outcome::Stored : Outcome::Failed;
}

SiteStorage::Submitted SiteStorage::SubmitRecord(const RecordSubmission& record, const QByteArray& token,
                                                 const QString& address, const QDateTime& now, int hourlyLimit)
{
    if (!Begin())
        return {};
    const Outcome admitted = Admit(token, address, "record", now, hourlyLimit);
    if (admitted != Outcome::Stored) {
        Rollback();
        return {admitted, 0};
    }
    if (!InsertRecord(record, address, now, false)) {
        Rollback();
        return {};
    }
    QSqlQuery& find = Prepared(
        "SELECT id FROM records WHERE program = ? AND name = ? AND points = ? AND played_on = ? AND played_at = ?");
    find.addBindValue(record.program);
    find.addBindValue(record.name);
    find.addBindValue(record.points);
    find.addBindValue(record.playedOn.toString(Qt::ISODate));
    find.addBindValue(record.playedAt.toString(QStringLiteral("HH:mm")));
    if (!find.exec() || !find.next()) {
        Rollback();
        return {};
    }
    const qint64 id = find.value(0).toLongLong();
    find.finish();
    if (!CountChange()) {
        Rollback();
        return {};
    }
    if (!Commit())
        return {};
    return {Outcome::Stored, id};
}

std::optional<qint64> SiteStorage::StoreVerifiedRecord(const RecordSubmission& record, const QString& address,
                                                       const QDateTime& now)
{
    if (!Begin())
        return std::nullopt;
    const std::optional<int> stored = InsertRecord(record, address, now, true);
    // A stored record changes the table: kept pages of every process follow it.
    if (!stored || (*stored > 0 && !CountChange())) {
        Rollback();
        return std::nullopt;
    }
    if (!Commit())
        return std::nullopt;
    return *stored;
}

std::optional<int> SiteStorage::InsertRecord(const RecordSubmission& record, const QString& address,
                                             const QDateTime& now, bool verified)
{
    QSqlQuery& insert = Prepared(
        "INSERT INTO records (language, name, points, manches, note, email, program, played_on, played_at,"
        " stored_at, address, verified) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING");
    insert.addBindValue(TableOf(record.language).Number());
    insert.addBindValue(BoundText(record.name));
    insert.addBindValue(record.points);
    insert.addBindValue(record.manches);
    insert.addBindValue(BoundText(record.note));
    insert.addBindValue(BoundText(record.email));
    insert.addBindValue(record.program);
    insert.addBindValue(record.playedOn.toString(Qt::ISODate));
    insert.addBindValue(record.playedAt.toString(QStringLiteral("HH:mm")));
    insert.addBindValue(now.toSecsSinceEpoch());
    insert.addBindValue(address);
    insert.addBindValue(verified ? 1 : 0);
    if (!insert.exec())
        return std::nullopt;
    const int stored = std::max(0, insert.numRowsAffected());
    insert.finish();
    return stored;
}

SiteStorage::Outcome SiteStorage::SubmitReport(Language language, const QByteArray& word, const QByteArray& token,
                                               const QString& address, const QDateTime& now, int hourlyLimit)
{
    if (!Begin())
        return Outcome::Failed;
    const Outcome admitted = Admit(token, address, "report", now, hourlyLimit);
    if (admitted != Outcome::Stored) {
        Rollback();
        return admitted;
    }
    QSqlQuery& count = Prepared(
        "INSERT INTO reports (language, word, count, first_at) VALUES (?, ?, 1, ?)"
        " ON CONFLICT (language, word) DO UPDATE SET count = reports.count + 1");
    count.addBindValue(TableOf(language).Number());
    count.addBindValue(QString::fromLatin1(word));
    count.addBindValue(now.toSecsSinceEpoch());
    if (!count.exec() || !CountChange()) {
        Rollback();
        return Outcome::Failed;
    }
    return Commit() ? Outcome::Stored : Outcome::Failed;
}

namespace {

// A LIKE pattern that finds `search` anywhere in a lower-cased name.
QString ContainsPattern(const QString& search)
{
    QString escaped = search.toLower();
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    escaped.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

}  // namespace

std::optional<std::vector<StoredRecord>> SiteStorage::BestRecords(Language language, int offset, int count,
                                                                  const QString& search)
{
    if (!search.isEmpty()) {
        QSqlQuery& query = Prepared(
            "SELECT id, language, name, points, manches, note, email, program, played_on, played_at, stored_at, verified"
            " FROM records WHERE language = ? AND lower(name) LIKE ? ESCAPE '\\'"
            " ORDER BY points DESC, id LIMIT ? OFFSET ?");
        query.addBindValue(TableOf(language).Number());
        query.addBindValue(ContainsPattern(search));
        query.addBindValue(count);
        query.addBindValue(offset);
        return RecordsOf(query);
    }
    QSqlQuery& query = Prepared(
        "SELECT id, language, name, points, manches, note, email, program, played_on, played_at, stored_at, verified"
        " FROM records WHERE language = ? ORDER BY points DESC, id LIMIT ? OFFSET ?");
    query.addBindValue(TableOf(language).Number());
    query.addBindValue(count);
    query.addBindValue(offset);
    return RecordsOf(query);
}

std::optional<std::vector<StoredRecord>> SiteStorage::TableRecords(Language language)
{
    QSqlQuery& query =
        Prepared("SELECT id, name, points, played_on, note, verified FROM records WHERE language = ? ORDER BY points DESC, id");
    query.addBindValue(TableOf(language).Number());
    if (!query.exec())
        return std::nullopt;
    std::vector<StoredRecord> records;
    while (query.next()) {
        StoredRecord& stored = records.emplace_back();
        stored.id = query.value(0).toLongLong();
        stored.record.language = language;
        stored.record.name = query.value(1).toString();
        stored.record.points = query.value(2).toInt();
        stored.record.playedOn = DateFrom(query.value(3).toString());
        stored.record.note = query.value(4).toString();
        stored.verified = query.value(5).toInt() != 0;
    }
    query.finish();
    return records;
}

std::optional<int> SiteStorage::RecordCount(Language language, const QString& search)
{
    if (!search.isEmpty()) {
        QSqlQuery& query =
            Prepared("SELECT COUNT(*) FROM records WHERE language = ? AND lower(name) LIKE ? ESCAPE '\\'");
        query.addBindValue(TableOf(language).Number());
        query.addBindValue(ContainsPattern(search));
        return SingleNumber(query);
    }
    QSqlQuery& query = Prepared("SELECT COUNT(*) FROM records WHERE language = ?");
    query.addBindValue(TableOf(language).Number());
    return SingleNumber(query);
}

std::optional<int> SiteStorage::CountAbove(Language language, int points)
{
    QSqlQuery& query = Prepared("SELECT COUNT(*) FROM records WHERE language = ? AND points > ?");
    query.addBindValue(TableOf(language).Number());
    query.addBindValue(points);
    return SingleNumber(query);
}

std::optional<std::pair<Language, int>> SiteStorage::PlaceOf(qint64 id)
{
    QSqlQuery& query = Prepared(
        "SELECT r.language, (SELECT COUNT(*) FROM records o WHERE o.language = r.language AND"
        " (o.points > r.points OR (o.points = r.points AND o.id < r.id))) FROM records r WHERE r.id = ?");
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    const std::pair<Language, int> place{LanguageFromNumber(query.value(0).toInt()).value_or(Language::Italian),
                                         query.value(1).toInt()};
    query.finish();
    return place;
}

std::optional<std::vector<StoredRecord>> SiteStorage::NewestRecords(int count)
{
    QSqlQuery& query = Prepared(
        "SELECT id, language, name, points, manches, note, email, program, played_on, played_at, stored_at, verified"
        " FROM records ORDER BY stored_at DESC, id DESC LIMIT ?");
    query.addBindValue(count);
    return RecordsOf(query);
}

std::optional<std::vector<StoredRecord>> SiteStorage::AllRecords(std::optional<Language> language)
{
    QSqlQuery& query = Prepared(
        "SELECT id, language, name, points, manches, note, email, program, played_on, played_at, stored_at, verified"
        " FROM records WHERE ? = 0 OR language = ? ORDER BY language, points DESC, id");
    const int number = language ? TableOf(*language).Number() : 0;
    query.addBindValue(number);
    query.addBindValue(number);
    return RecordsOf(query);
}

std::optional<bool> SiteStorage::DeleteRecord(qint64 id)
{
    if (!Begin())
        return std::nullopt;
    QSqlQuery& query = Prepared("DELETE FROM records WHERE id = ?");
    query.addBindValue(id);
    return DeleteAndCommit(query);
}

std::optional<std::vector<ReportedWord>> SiteStorage::ReportedWords(Language language)
{
    QSqlQuery& query = Prepared("SELECT word, count FROM reports WHERE language = ? ORDER BY count DESC, word");
    query.addBindValue(TableOf(language).Number());
    if (!query.exec())
        return std::nullopt;
    std::vector<ReportedWord> words;
    while (query.next())
        words.push_back({query.value(0).toString().toLatin1(), query.value(1).toInt()});
    query.finish();
    return words;
}

std::optional<bool> SiteStorage::DeleteReportedWord(Language language, const QByteArray& word)
{
    if (!Begin())
        return std::nullopt;
    QSqlQuery& query = Prepared("DELETE FROM reports WHERE language = ? AND word = ?");
    query.addBindValue(TableOf(language).Number());
    query.addBindValue(QString::fromLatin1(word));
    return DeleteAndCommit(query);
}

std::optional<bool> SiteStorage::DeleteAndCommit(QSqlQuery& query)
{
    // SQLite counts changed rows per connection: read before the next statement.
    const bool done = query.exec();
    const bool deleted = done && query.numRowsAffected() > 0;
    if (!done || !CountChange()) {
        Rollback();
        return std::nullopt;
    }
    if (!Commit())
        return std::nullopt;
    return deleted;
}

bool SiteStorage::CountChange()
{
    // Kept as text in the settings table, which every database already has.
    QSqlQuery& query = Prepared(
        "INSERT INTO settings (name, value) VALUES ('change-number', '1')"
        " ON CONFLICT (name) DO UPDATE SET value = CAST(CAST(settings.value AS BIGINT) + 1 AS TEXT)");
    return query.exec();
}

std::optional<qint64> SiteStorage::ChangeNumber()
{
    QSqlQuery& query = Prepared("SELECT value FROM settings WHERE name = 'change-number'");
    if (!query.exec())
        return std::nullopt;
    const qint64 number = query.next() ? query.value(0).toLongLong() : 0;
    query.finish();
    return number;
}

std::optional<QString> SiteStorage::LatestVersion()
{
    QSqlQuery& query = Prepared("SELECT value FROM settings WHERE name = 'latest-version'");
    if (!query.exec())
        return std::nullopt;
    const QString version = query.next() ? query.value(0).toString() : QString();
    query.finish();
    return version;
}

bool SiteStorage::SetLatestVersion(const QString& digits)
{
    QSqlQuery& query = Prepared(
        "INSERT INTO settings (name, value) VALUES ('latest-version', ?)"
        " ON CONFLICT (name) DO UPDATE SET value = excluded.value");
    query.addBindValue(digits);
    return query.exec();
}
