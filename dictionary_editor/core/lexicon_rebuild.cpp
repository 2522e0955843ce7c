// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon_rebuild.h"

#include "program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

EditorLexicon ComposeEditorLexicon(const EditorWordLists& lists, Language language)
{
    EditorLexicon lexicon;
    LexiconWordLists bytes;
    for (int k = 0; k < EditorWordLists::kListCount; ++k) {
        const SortedWordList& list = lists.List(k);
        bytes[k].reserve(list.Count());
        for (const QString& word : list.Words()) {
            if (word.size() == list.Length() && !lists.InAlphabet(word)) {
                if (lexicon.skippedLetters < EditorLexicon::kSkippedExamples)
                    lexicon.skippedExamples.append(word);
                ++lexicon.skippedLetters;
                continue;
            }
            bytes[k].append(word.toLatin1());
        }
    }
    lexicon.image = ComposeLexicon(bytes, LexiconBanner(language));
    return lexicon;
}

RebuildResult RebuildLexicon(const EditorWordLists& lists, Language language, const QString& fileName)
{
    RebuildResult result;
    const QFileInfo target(fileName);
    const QString leftover = ProgramFolder::Resolve(target.dir().filePath(QStringLiteral("SLESSICO.new")));
    if (QFileInfo(leftover).isFile())
        QFile::remove(leftover);

    result.lexicon = ComposeEditorLexicon(lists, language);
    QString error;
    if (!WriteLexiconFile(fileName, result.lexicon.image, &error)) {
        result.error = QStringLiteral("Impossibile scrivere il dizionario ") + target.fileName() +
                       QStringLiteral(": ") + error + QStringLiteral(". Il dizionario precedente resta invariato.");
        return result;
    }
    result.written = true;
    return result;
}
