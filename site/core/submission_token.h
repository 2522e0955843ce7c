// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>

// The token a form carries from the page that showed it to the POST that acts on it,
// against submissions forged by another site. It is signed with the site's secret
// and dated, so issuing one stores nothing (a GET changes nothing); the storage
// refuses a token the second time it is spent.
namespace SubmissionToken {

inline constexpr qint64 kLifetimeSeconds = 2 * 60 * 60;

QByteArray Issue(const QByteArray& secret, const QDateTime& now);

// Whether the token was issued with this secret and is no older than its lifetime.
bool IsGenuine(const QByteArray& token, const QByteArray& secret, const QDateTime& now);

}  // namespace SubmissionToken
