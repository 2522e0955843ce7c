// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/core/site_storage.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

// The site's pages as UTF-8 HTML, in Italian, with no script. Every value from a
// player or the database is escaped here, where it is written into the page.
namespace SitePages {

inline constexpr int kRecordsPerPage = 25;
inline constexpr int kLongestSearch = 40;  // a name is at most 40 characters

// One page of a language's record table, or of the records whose name holds `search`.
struct RecordTable {
    Language language = Language::Italian;
    QString search;     // empty: the whole table
    int page = 1;       // counted from 1
    int pageCount = 1;
    int recordCount = 0;  // of the whole table, or found by the search
    std::vector<StoredRecord> records;
    std::vector<int> ranks;  // one per record
    qint64 markedId = 0;     // the record just stored, 0 for none
};

// The same fields a confirmation form sends back, as text.
struct RecordForm {
    RecordSubmission record;
    QByteArray token;  // empty: the site cannot take submissions now
};

QString LanguageName(Language language);

QByteArray Home();
QByteArray Online();
// Written into one buffer reserved for it: a table's pages are made thousands at once.
std::string Table(const RecordTable& table);
// The answer to a page number past the table's last page: links to the last one.
QByteArray NoSuchTablePage(const RecordTable& table);
QByteArray Newest(const std::vector<StoredRecord>& records);
QByteArray ConfirmRecord(const RecordForm& form);
QByteArray ReportForm(const QByteArray& token, const QString& notice);
QByteArray ReportThanks(const QByteArray& word, Language language);
// A page that says what went wrong, in the site's words only.
QByteArray Problem(const QString& title, const QString& message);

// The one style sheet (pages load it from the site itself: no inline style).
QByteArray StyleSheet();

}  // namespace SitePages
