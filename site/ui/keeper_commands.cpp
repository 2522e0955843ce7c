// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/keeper_commands.h"

#include "site/core/missing_words.h"
#include "site/core/site_storage.h"
#include "site/core/version_digits.h"

namespace KeeperCommands {
namespace {

const char* const kDatabaseFailed = "letterama-site: il database non risponde\n";

std::optional<Language> LanguageOrAll(int number)
{
    return number == 0 ? std::nullopt : LanguageFromNumber(number);
}

}  // namespace

int ListRecords(SiteStorage& storage, int language, QTextStream& out, QTextStream& err)
{
    const auto records = storage.AllRecords(LanguageOrAll(language));
    if (!records) {
        err << kDatabaseFailed;
        return 1;
    }
    for (const StoredRecord& stored : *records) {
        const RecordSubmission& r = stored.record;
        out << stored.id << '\t' << TableOf(r.language).Number() << '\t' << r.points << '\t' << r.name << '\t'
            << r.playedOn.toString(QStringLiteral("dd-MM-yyyy")) << '\t' << r.playedAt.toString(QStringLiteral("HH:mm"))
            << '\t' << r.email << '\t' << r.note << '\n';
    }
    return 0;
}

int DeleteRecords(SiteStorage& storage, const QStringList& ids, QTextStream& out, QTextStream& err)
{
    if (ids.isEmpty()) {
        err << "letterama-site: delete-record vuole il numero di almeno un record\n";
        return 2;
    }
    int status = 0;
    for (const QString& text : ids) {
        bool isNumber = false;
        const qint64 id = text.toLongLong(&isNumber);
        if (!isNumber) {
            err << "letterama-site: numero di record non valido: " << text << '\n';
            status = 2;
            continue;
        }
        const std::optional<bool> deleted = storage.DeleteRecord(id);
        if (!deleted) {
            err << kDatabaseFailed;
            return 1;
        }
        if (*deleted) {
            out << "cancellato il record " << id << '\n';
        } else {
            err << "letterama-site: nessun record numero " << id << '\n';
            status = 1;
        }
    }
    return status;
}

int ListWords(SiteStorage& storage, int language, QTextStream& out, QTextStream& err)
{
    for (const Language each : {Language::Italian, Language::English, Language::Latin}) {
        if (language != 0 && TableOf(each).Number() != language)
            continue;
        const auto words = storage.ReportedWords(each);
        if (!words) {
            err << kDatabaseFailed;
            return 1;
        }
        for (const ReportedWord& word : *words)
            out << TableOf(each).Number() << '\t' << word.count << '\t' << QString::fromLatin1(word.word) << '\n';
    }
    return 0;
}

int DeleteWords(SiteStorage& storage, int language, const QStringList& words, QTextStream& out, QTextStream& err)
{
    const std::optional<Language> chosen = LanguageFromNumber(language);
    if (!chosen || words.isEmpty()) {
        err << "letterama-site: delete-word vuole almeno una parola e --language 1, 2 o 3\n";
        return 2;
    }
    int status = 0;
    for (const QString& typed : words) {
        const std::optional<QByteArray> word = ReportableWord(typed, *chosen);
        const std::optional<bool> deleted = word ? storage.DeleteReportedWord(*chosen, *word) : false;
        if (!deleted) {
            err << kDatabaseFailed;
            return 1;
        }
        if (*deleted) {
            out << "cancellata la parola " << QString::fromLatin1(*word) << '\n';
        } else {
            err << "letterama-site: parola non segnalata: " << typed << '\n';
            status = 1;
        }
    }
    return status;
}

int SetVersion(SiteStorage& storage, const QString& version, QTextStream& out, QTextStream& err)
{
    const std::optional<QString> digits = VersionDigits(version);
    if (!digits) {
        err << "letterama-site: versione non valida: " << version
            << " (scrivi per esempio 1.0.1: una cifra ciascuna per versione, sottoversione e revisione)\n";
        return 2;
    }
    if (!storage.SetLatestVersion(*digits)) {
        err << kDatabaseFailed;
        return 1;
    }
    out << "versione annunciata: " << *digits << '\n';
    return 0;
}

int ShowVersion(SiteStorage& storage, QTextStream& out, QTextStream& err)
{
    const std::optional<QString> version = storage.LatestVersion();
    if (!version) {
        err << kDatabaseFailed;
        return 1;
    }
    out << (version->isEmpty() ? QStringLiteral("nessuna versione annunciata") : *version) << '\n';
    return 0;
}

}  // namespace KeeperCommands
