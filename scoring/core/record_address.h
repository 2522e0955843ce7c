// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/language.h"

#include <QDateTime>
#include <QString>

class RandomSource;
class SiteAddress;

// What a record submitted to the online record table carries.
struct RecordDetails {
    QString holderName;  // the player holding the top entry of the high-score table
    int points = 0;      // that player's game total
    int manches = 0;     // manches played in the game
    QString note;        // as typed in the note box
    QString email;       // as typed in the e-mail box
    Language language = Language::Italian;
};

// Replaces every blank, "%", "$", "&", "!" and "=" of `text` by "_", in place, and
// returns the result; the text keeps its length.
QString cmbS(QString& text);

// The record page of `site` (which must be set) with the record as query, keys in the order the record
// service reads them: Nome, programma, data, punti, Manches, Note, E_MAIL, ora,
// Language. `now` gives the date (dd-mm-yyyy) and the time (hh:mm); `random` the
// three letters after "Letterama_".
//
// Name and e-mail are percent-encoded, so they can neither add nor change a
// parameter. The note, trimmed, goes through cmbS and then is percent-encoded too,
// which leaves cmbS's underscores alone but keeps a "#" or "+" from cutting or
// changing the address.
QString BuildRecordAddress(const SiteAddress& site, const RecordDetails& record, const QDateTime& now,
                           RandomSource& random);
