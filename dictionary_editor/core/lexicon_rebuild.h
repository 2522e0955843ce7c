// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor_word_lists.h"
#include "language.h"

#include "lexicon_writer.h"

#include <QString>
#include <QStringList>

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
    bool written = false;
    QString error;  // when not written, what failed, in the program's words
    EditorLexicon lexicon;
};

// Writes the lexicon file `fileName` ("SLESSICO.<n>", matched without regard to case)
// from the lists. The new file is written beside the old one and renamed into place
// in one step, so there is never a moment without a lexicon; on any failure (a full
// disk included) the old file stays byte for byte. A "SLESSICO.new" left over by an
// interrupted run of an older version is removed first.
RebuildResult RebuildLexicon(const EditorWordLists& lists, Language language, const QString& fileName);
