// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/core/listed_table.h"
#include "site/core/database_address.h"
#include "site/core/finished_table_game.h"
#include "site/core/missing_words.h"
#include "site/core/record_submission.h"

#include <QByteArray>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class QSqlQuery;

// A record as stored, with the number the site gave it.
struct StoredRecord {
    qint64 id = 0;
    RecordSubmission record;
    qint64 storedAt = 0;  // seconds since the epoch
    bool verified = false;  // played to the end at a live table of the site
};

// A player's try at the day's board of a language. A try is opened when the board
// is shown (no word yet) and finished once, with the judged word.
struct DailyTry {
    QString day;  // yyyy-MM-dd, the site's local date
    Language language = Language::Italian;
    QString player;  // the key of the player's signed cookie
    QString name;
    QString word;  // upper case; empty while open
    QString verdict;
    int length = 0;
    int points = 0;
    int seconds = 0;
    qint64 startedAt = 0;  // milliseconds since the epoch; 0 for a try played in the game
    qint64 finishedAt = 0;  // milliseconds since the epoch
    bool finished = false;
};

// A day's board of a language as kept for the archive.
struct DailyBoardRow {
    QString day;
    Language language = Language::Italian;
    QString letters;
    QString longestWords;  // blank-separated
};

// Every read and write of the site's database, one SQL text per operation and bound
// values only, the same for SQLite and PostgreSQL. One object holds one connection
// and must be used by the thread that opened it: each request thread opens its own.
// A read that fails returns nothing; a write that fails leaves the database as it was
// (each is one transaction).
class SiteStorage {
public:
    ~SiteStorage();
    SiteStorage(const SiteStorage&) = delete;
    SiteStorage& operator=(const SiteStorage&) = delete;

    // Connects and lays out whatever tables the database lacks: all of them on a
    // database never used before, the later ones on an older one. A database that
    // takes no writes is read as it stands. Nothing (and the reason in `error`) when
    // the database cannot be reached, read or laid out.
    static std::unique_ptr<SiteStorage> Open(const DatabaseAddress& address, QString* error);

    // What became of a submission or a report.
    enum class Outcome { Stored, TokenSpent, TooMany, Failed };
    struct Submitted {
        Outcome outcome = Outcome::Failed;
        qint64 id = 0;  // the record's number when stored (or stored before)
    };

    // Spends the token, checks the address's submissions of the last hour against
    // `hourlyLimit` and stores the record, all or nothing. A record sent again (same
    // program, name, points, date and time) is not stored twice: its first number is
    // returned.
    Submitted SubmitRecord(const RecordSubmission& record, const QByteArray& token, const QString& address,
                           const QDateTime& now, int hourlyLimit);
    // The winner's total of a game played at a live table: stored as verified, with no
    // token or hourly limit (the site saw the game). Nothing on failure, else how many
    // rows were stored (0: the same record was there).
    std::optional<qint64> StoreVerifiedRecord(const RecordSubmission& record, const QString& address,
                                              const QDateTime& now);
    // The same for a word reported missing: its count goes up by one.
    Outcome SubmitReport(Language language, const QByteArray& word, const QByteArray& token, const QString& address,
                         const QDateTime& now, int hourlyLimit);

    // Several reads from one snapshot of the database (a page's count, rows and ranks
    // agree even while records arrive), and one file lock instead of one per read.
    class ReadSnapshot {
    public:
        explicit ReadSnapshot(SiteStorage& storage) : storage_(storage), open_(storage.BeginRead()) {}
        ~ReadSnapshot()
        {
            if (open_)
                storage_.Rollback();
        }
        ReadSnapshot(const ReadSnapshot&) = delete;
        ReadSnapshot& operator=(const ReadSnapshot&) = delete;

    private:
        SiteStorage& storage_;
        bool open_;
    };

    // The records of a language, best first (equal points: the first stored first).
    // With a `search`, only the records whose name holds it (letter case aside).
    std::optional<std::vector<StoredRecord>> BestRecords(Language language, int offset, int count,
                                                         const QString& search = QString());
    std::optional<int> RecordCount(Language language, const QString& search = QString());
    // Every record of a language in table order with only what the table shows of it
    // (number, name, points, date, note): a whole table read at once to be rendered.
    std::optional<std::vector<StoredRecord>> TableRecords(Language language);
    // How many records of the language have more points.
    std::optional<int> CountAbove(Language language, int points);
    // The 0-based place of a record in its language's table, with its language.
    std::optional<std::pair<Language, int>> PlaceOf(qint64 id);
    // The last stored records of every language, newest first.
    std::optional<std::vector<StoredRecord>> NewestRecords(int count);
    // Every record of a language (or of all) for the keeper, in table order.
    std::optional<std::vector<StoredRecord>> AllRecords(std::optional<Language> language);
    // True when the record was there and is gone; nothing when the database failed.
    std::optional<bool> DeleteRecord(qint64 id);

    std::optional<std::vector<ReportedWord>> ReportedWords(Language language);
    std::optional<bool> DeleteReportedWord(Language language, const QByteArray& word);

    // A number that every stored or deleted record or report raises, whichever
    // process on the database wrote it: pages rendered at one number stay true until
    // it changes. Nothing when the database cannot be read.
    std::optional<qint64> ChangeNumber();

    // The latest version for the update notice; an empty text when none is set.
    std::optional<QString> LatestVersion();
    bool SetLatestVersion(const QString& digits);

    // The secret the forms' tokens are signed with, made when the database was laid
    // out and shared by every site process on it.
    QByteArray TokenSecret() const { return secret_; }
    // Whether the database took a write when this connection was opened: a read-only
    // file or user, or a full disk, shows the pages without the forms' buttons.
    bool CanWrite() const { return writable_; }

    // The live tables of several processes on one database (site_storage_online.cpp).
    // `process`'s tables are now `tables`, seen at `now` (seconds since the epoch): its
    // rows are replaced whole. False when the database failed.
    bool PublishTables(const QString& process, const std::vector<ListedTable>& tables, qint64 now);
    // Every process's tables seen since `since`; a process that stopped publishing
    // (gone) has its tables left out. Nothing when the database failed.
    std::optional<std::vector<ListedTable>> ListedTables(qint64 since);
    // A live table's game that reached its end; false when the database failed.
    bool StoreFinishedGame(const FinishedTableGame& game);
    // The last `most` games that ended, the newest first. Nothing when the database failed.
    std::optional<std::vector<FinishedTableGame>> FinishedGames(int most);

    // The day's challenge (site_storage_daily.cpp). The secret the boards are drawn
    // with is made once at random and shared by every process on the database.
    // Nothing when it failed.
    std::optional<QByteArray> DailySecret();
    // The board of a day as first kept: a second process that drew it too keeps the first.
    std::optional<DailyBoardRow> KeepDailyBoard(const DailyBoardRow& board);
    std::optional<std::optional<DailyBoardRow>> DailyBoardOf(const QString& day, Language language);
    // The boards of the days before `day`, newest first.
    std::optional<std::vector<DailyBoardRow>> DailyBoardsBefore(const QString& day, int count);
    // Opens the player's try (with its start) unless there is one: the try as stored.
    std::optional<DailyTry> OpenDailyTry(const DailyTry& opened);
    std::optional<std::optional<DailyTry>> DailyTryOf(const QString& day, Language language, const QString& player);
    // Finishes an open try, or stores a finished one where none was: false when the
    // player's try of the day was already finished (it stays as it was).
    std::optional<bool> FinishDailyTry(const DailyTry& finished);
    // The same for several tries in one transaction (one sync of the disk for all):
    // for each, whether it was finished now. Nothing when the transaction failed.
    std::optional<std::vector<bool>> FinishDailyTries(const std::vector<DailyTry>& finished);
    // Every finished try of a day and language, in the order they were finished.
    std::optional<std::vector<DailyTry>> DailyTries(const QString& day, Language language);

private:
    SiteStorage() = default;
    // Lays out whatever the database lacks of its tables (site_storage_layout.cpp);
    // a database laid out whole is only read.
    bool LayOut(QString* error);
    // The tables and indexes the database holds.
    std::optional<QStringList> LaidOutNames(QString* error);
    bool LaidOutWhole(const QStringList& names);
    // Whether a database that could not be laid out whole can still be read: it holds
    // the records and takes no writes.
    bool ReadableAsItStands();
    bool ReadOrMakeSecret(QString* error);
    // A write undone at once: whether the database takes writes now.
    bool TakesWrites();
    // Inserts the record inside the open transaction: how many rows were stored (0:
    // the same record was there), nothing when the statement failed.
    std::optional<int> InsertRecord(const RecordSubmission& record, const QString& address, const QDateTime& now,
                                    bool verified);
    QSqlQuery& Prepared(const char* sql);
    bool Begin();
    bool BeginRead();
    bool Commit();
    void Rollback();
    // Raises the change number inside the open transaction of a write.
    bool CountChange();
    // Runs a prepared DELETE inside the open transaction, counts the change and commits:
    // whether a row went, or nothing when the database failed (rolled back).
    std::optional<bool> DeleteAndCommit(QSqlQuery& query);
    // Spends the token and checks the hourly limit inside an open transaction.
    Outcome Admit(const QByteArray& token, const QString& address, const char* kind, const QDateTime& now,
                  int hourlyLimit);

    DatabaseAddress address_;
    QString connectionName_;
    QSqlDatabase db_;
    QByteArray secret_;
    bool writable_ = false;
    std::map<const char*, std::unique_ptr<QSqlQuery>> prepared_;
};
