// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/core/record_submission.h"

#include <QByteArray>
#include <QDateTime>

// The token a form carries from the page that showed it to the POST that acts on it,
// against submissions forged by another site. It is signed with the site's secret
// together with what the form confirms (the record it shows, or "a report"), and
// dated, so issuing one stores nothing (a GET changes nothing) and a token serves
// only the form it was issued for; the storage refuses a token the second time it is
// spent.
namespace SubmissionToken {

inline constexpr qint64 kLifetimeSeconds = 2 * 60 * 60;

// What a record's confirmation signs: every field the form sends back.
QByteArray ForRecord(const RecordSubmission& record);
// What the report form signs: any word, reported once.
QByteArray ForReport();

QByteArray Issue(const QByteArray& secret, const QDateTime& now, const QByteArray& confirms);

// Whether the token was issued with this secret for `confirms` and is no older than
// its lifetime.
bool IsGenuine(const QByteArray& token, const QByteArray& secret, const QDateTime& now, const QByteArray& confirms);

}  // namespace SubmissionToken
