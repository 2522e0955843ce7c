// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gleaner/core/bounded_line_reader.h"
#include "gleaner/core/harvest_targets.h"

#include <QFile>
#include <QString>

#include <functional>
#include <memory>

// What a harvest has met so far.
struct HarvestCounts {
    qint64 tokens = 0;    // tokens cut from the text
    qint64 appended = 0;  // words appended to the word files
    qint64 notWords = 0;  // tokens that are no word of 2 to 15 letters
    qint64 known = 0;     // words already in their file (or appended earlier in the run)
    qint64 inLexicon = 0;  // words skipped because the lexicon holds them already

    qint64 Dropped() const { return notWords + known + inLexicon; }
};

// Harvests one text file into the word files of a folder: every token that is a word
// of 2 to 15 letters and not yet a line of the file of its length is appended to it,
// as it is found. The text is read in steps, so that a window can run the harvest
// from a timer and stay responsive, and stop it between two steps keeping every word
// appended so far; RunToEnd does it all at once.
//
// The text may be UTF-8 or the single-byte code page: each line is read as UTF-8 when
// it is valid UTF-8, else in the code page, so both spellings of a text give the same
// words.
class Harvest {
public:
    enum class State { Running, Finished, Failed };

    // Bytes of text one Step reads (about: a step ends at a line end).
    static constexpr qint64 kStepBytes = 256 * 1024;
    // Larger sources are refused: no text anyone harvests is this big.
    static constexpr qint64 kMaxSourceBytes = qint64(1) << 31;
    // A NUL byte in this much of the start marks a binary file (a program, a picture,
    // a document format, UTF-16): its stray runs of letters are no words, so it is
    // refused before anything is appended.
    static constexpr qint64 kBinaryProbeBytes = 64 * 1024;

    // How a line is cut into words: at blanks only (a token with a comma is no word),
    // or as a reader does (HarvestWords::ReaderWords).
    enum class Cutting { AtBlanks, AsReader };

    Harvest(QString sourcePath, ProgramFiles target, bool foreignLetters, Cutting cutting = Cutting::AtBlanks);
    ~Harvest();
    Harvest(const Harvest&) = delete;
    Harvest& operator=(const Harvest&) = delete;

    // Called with each word as soon as it is appended.
    std::function<void(const QString& word)> onAppended;
    // When set, a word (plain capitals) for which it answers true is known to the
    // lexicon and is not appended: the word files then get only words that are new.
    std::function<bool(const QByteArray& word)> knownToLexicon;

    // Reads on for about `budget` bytes of text. Failed when the text or a word file
    // cannot be read or written: Error() says which; what was appended stays.
    State Step(qint64 budget = kStepBytes);
    State RunToEnd();

    State CurrentState() const { return state_; }
    const QString& Error() const { return error_; }
    const HarvestCounts& Counts() const { return counts_; }
    qint64 BytesRead() const;
    // The source's length in bytes; 0 until the first step opened it.
    qint64 SourceBytes() const { return sourceBytes_; }

private:
    bool Open();
    bool HarvestLine(const QByteArray& bytes);
    bool HarvestToken(QStringView token);
    State Fail(QString error);

    QString sourcePath_;
    bool foreignLetters_;
    Cutting cutting_;
    bool sentenceStart_ = true;
    HarvestTargets targets_;
    QFile source_;
    std::unique_ptr<BoundedLineReader> reader_;
    qint64 sourceBytes_ = 0;
    State state_ = State::Running;
    QString error_;
    HarvestCounts counts_;
};
