// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/language.h"
#include "platform/core/site_address.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

// Today's board of the site's daily challenge, as the site's small text resource
// gives it: the line "sfida", the day (yyyy-MM-dd), the language's number and the
// ten letters, one a line.
struct DailyChallengeBoard {
    static constexpr int kLetters = 10;
    static constexpr int kSeconds = 60;

    QDate day;
    Language language = Language::Italian;
    QString letters;

    // The resource of a language on a site.
    static QString Address(const SiteAddress& site, Language language);
    // The board the text names; nothing when it is not a board of `language`.
    static std::optional<DailyChallengeBoard> Parse(const QByteArray& text, Language language);
    // The site's page that judges the word again and stores it with its seconds.
    static QString ResultAddress(const SiteAddress& site, Language language, const QString& word, int seconds);
};
