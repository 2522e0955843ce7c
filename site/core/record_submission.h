// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/language.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <functional>
#include <optional>
#include <variant>

// A record as the game sends it to "letterama.asp", every field checked.
struct RecordSubmission {
    QString name;      // Nome: 1 to 40 characters, no control or invisible format characters
    QString program;   // programma: "Letterama_" and three capitals
    QDate playedOn;    // data: dd-mm-yyyy
    QTime playedAt;    // ora: hh:mm
    int points = 0;    // punti: 0 to 32767
    int manches = 0;   // Manches: 1 to 5
    QString note;      // Note: at most 100 characters, blanks sent as "_"
    QString email;     // E_MAIL: empty or an address; never shown on a page
    Language language = Language::Italian;  // Language: 1 to 3
};

// Why a submission was refused: the query key at fault and a sentence for the page.
struct FieldError {
    QString field;
    QString message;
};

// The value of a query key as the request carries it (percent-decoded bytes), or
// nothing when the key is absent. A key given twice counts as given with its first
// value.
using FieldReader = std::function<std::optional<QByteArray>(const char* key)>;

// Checks every key in the order the game writes them; the first bad one is named.
// A game is never played after `today` on the site's clock (a day later in a time
// zone ahead of it).
std::variant<RecordSubmission, FieldError> CheckSubmission(const FieldReader& field, const QDate& today);

// Text of a request: UTF-8 as the game sends it; bytes that are not UTF-8 come from
// an older client writing the Windows code page. Composed (NFC), so that a letter
// typed as a base letter and an accent is one character, stored and compared as one.
QString DecodedFieldText(const QByteArray& bytes);

// The note as it reads on a page: the game sends its blanks as "_".
QString NoteForDisplay(const QString& note);
