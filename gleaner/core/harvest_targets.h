// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gleaner/core/harvest_words.h"
#include "gleaner/core/plain_word_set.h"
#include "platform/core/program_files.h"

#include <QByteArray>
#include <QString>

#include <array>

// The word files one harvest appends to: "2.txt" to "15.txt" among the files of one
// folder (or the same files in another letter case). Each file is read once, on the first word of
// its length, and its lines are kept in a hash set; every appended word joins the
// set, so a word is appended once however often the text repeats it. A line counts
// as the word only when it is the word exactly, letter case included.
class HarvestTargets {
public:
    enum class Outcome { Appended, Known, Failed };

    explicit HarvestTargets(ProgramFiles files);

    // Appends `word` (plain capitals, 2 to 15 letters) to the file of its length
    // unless a line of that file already is the word. Each append opens the file,
    // adds the line with its CR LF and closes it again, so a run that stops keeps
    // every word appended before. Failed leaves the file as it was and puts into
    // `error` what went wrong, naming the file.
    Outcome Add(const QByteArray& word, QString* error);

private:
    struct Target {
        bool loaded = false;
        QString path;
        PlainWordSet lines;  // the lines that are words of the file's length
    };

    bool Load(int length, Target& target, QString* error) const;
    bool Append(const QByteArray& word, QString* error) const;

    ProgramFiles files_;
    std::array<Target, HarvestWords::kLongest + 1> targets_;
};
