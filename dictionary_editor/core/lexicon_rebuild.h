// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/editor_word_lists.h"
#include "model/language.h"

#include "lexicon/core/lexicon_file_stamp.h"
#include "lexicon/core/lexicon_writer.h"
#include "platform/core/program_files.h"

#include <QString>
#include <QStringList>

#include <array>

// The lexicon file written from the editor's lists: each list's entries of the list's
// own length, in list order. An entry of another length stays in its list but is not
// written; neither is one with a character outside the alphabet (a line read from a
// word file edited by hand), so no digit or blank ever reaches the lexicon.
struct EditorLexicon {
    LexiconImage image;
    qsizetype skippedLetters = 0;  // entries of the right length left out for their characters
    QStringList skippedExamples;   // the first kSkippedExamples of them, to name them
    static constexpr qsizetype kSkippedExamples = 5;
};
EditorLexicon ComposeEditorLexicon(const EditorWordLists& lists, Language language);

struct RebuildResult {
    // Why nothing was written: another writer holds the lexicon's lock, or the file
    // is no longer the one the lists were read against.
    enum class Refusal { None, Busy, Changed };
    bool written = false;
    Refusal refusal = Refusal::None;
    QString error;  // when not written, what failed, in the program's words
    EditorLexicon lexicon;
};

// Writes the lexicon file `fileName` ("SLESSICO.<n>", matched without regard to case)
// of `files` from the lists: read where `files` reads it, written where it writes. The new file is written beside the old one and renamed into place
// in one step, so there is never a moment without a lexicon; on any failure (a full
// disk included) the old file stays byte for byte. A "SLESSICO.new" left over by an
// interrupted run of an older version is removed first.
//
// One writer at a time: the write holds the lexicon's lock (LexiconWriteLock) and
// writes only when the file still has `readStamp`, the stamp it had when the lists
// were read; otherwise another program rewrote it meanwhile and its words would be
// lost, so nothing is written.
RebuildResult RebuildLexicon(const EditorWordLists& lists, Language language, const ProgramFiles& files,
                             const QString& fileName, const LexiconFileStamp& readStamp);
// The same for a lexicon already composed.
RebuildResult WriteRebuiltLexicon(EditorLexicon lexicon, const ProgramFiles& files, const QString& fileName,
                                  const LexiconFileStamp& readStamp);

// The words of the lexicon file `before` (lengths 3 to 15) that the file `after`
// lacks, by length: lost[n - 3].
struct LexiconLosses {
    std::array<qsizetype, 13> lost{};
    std::array<qsizetype, 13> had{};  // the words of each length in `before`
    qsizetype Total() const;
};
LexiconLosses WordsLostByRebuild(const QByteArray& before, const QByteArray& after);
