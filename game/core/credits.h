// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

// The licence of the program and the sources of its data, as the about window shows
// them. The full list, with every notice, is the package's copyright file and CREDITS.
namespace Credits {

struct DataSource {
    QString made;     // what the program made from it, with its file: "Dizionario italiano, SLESSICO.1"
    QString source;   // each word list or tool it was made from, with its holders and its licence
    QString licence;  // the licence of what was made, which its sources decide
};

// "Letterama è software libero ..." with the licence's name and address.
QString LicenceText();

// The lexicons, the sounds and the pictures, each with its source and licence.
const std::vector<DataSource>& DataSources();

// Everything above as one rich text for a label: the licence, then one line per source.
QString AboutText();

}  // namespace Credits
