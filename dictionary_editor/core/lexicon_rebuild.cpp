// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/lexicon_rebuild.h"

#include "lexicon/core/lexicon_words.h"
#include "lexicon/core/lexicon_write_lock.h"
#include "platform/core/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string_view>
#include <unordered_set>

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

RebuildResult RebuildLexicon(const EditorWordLists& lists, Language language, const ProgramFiles& files,
                             const QString& fileName, const LexiconFileStamp& readStamp)
{
    return WriteRebuiltLexicon(ComposeEditorLexicon(lists, language), files, fileName, readStamp);
}

RebuildResult WriteRebuiltLexicon(EditorLexicon lexicon, const ProgramFiles& files, const QString& fileName,
                                  const LexiconFileStamp& readStamp)
{
    RebuildResult result;
    result.lexicon = std::move(lexicon);
    // An installed copy reads the shipped lexicon and writes the user's copy.
    const QString readPath = files.Resolve(fileName);
    const QString writePath = files.WriteTarget(fileName);
    const QFileInfo target(readPath);
    const LexiconWriteLock lock(writePath);
    if (!lock.Held()) {
        if (lock.Busy()) {
            result.refusal = RebuildResult::Refusal::Busy;
            result.error = QStringLiteral("Un'altra ricostruzione del dizionario ") + target.fileName() +
                           QStringLiteral(" è in corso: il dizionario non è stato riscritto. Riprovare quando "
                                          "l'altra sarà terminata.");
        } else {
            result.error = QStringLiteral("Impossibile creare il file ") +
                           QDir::toNativeSeparators(lock.Path()) + QStringLiteral(": ") + lock.Error() +
                           QStringLiteral(". Il dizionario precedente resta invariato.");
        }
        return result;
    }
    if (LexiconFileStamp::Of(readPath) != readStamp) {
        result.refusal = RebuildResult::Refusal::Changed;
        result.error = QStringLiteral("Il dizionario ") + target.fileName() +
                       QStringLiteral(" è stato riscritto da un altro programma dopo la lettura degli elenchi: "
                                      "per non perderne le parole non è stato toccato.\n"
                                      "Per tenere anche le modifiche fatte qui: 'Crea Files TXT', uscire e "
                                      "riaprire il dizionario, 'Legge da files TXT' rispondendo No (aggiunge le "
                                      "parole dei files), quindi 'Ricrea dizionario'.");
        return result;
    }

    const QString leftover =
        ProgramFolder::FindInFolder(QFileInfo(writePath).absolutePath(), QStringLiteral("SLESSICO.new"));
    if (!leftover.isEmpty() && QFileInfo(leftover).isFile())
        QFile::remove(leftover);
    QString error;
    if (!WriteLexiconFile(writePath, result.lexicon.image, &error)) {
        result.error = QStringLiteral("Impossibile scrivere il dizionario ") + target.fileName() +
                       QStringLiteral(": ") + error + QStringLiteral(". Il dizionario precedente resta invariato.");
        return result;
    }
    result.written = true;
    return result;
}

qsizetype LexiconLosses::Total() const
{
    qsizetype total = 0;
    for (const qsizetype count : lost)
        total += count;
    return total;
}

LexiconLosses WordsLostByRebuild(const QByteArray& before, const QByteArray& after)
{
    LexiconLosses losses;
    const std::shared_ptr<const LexiconWords> old = LexiconWords::FromFileBytes(before);
    const std::shared_ptr<const LexiconWords> now = LexiconWords::FromFileBytes(after);
    if (!old)
        return losses;
    for (int length = LexiconIndex::kMinLength; length <= LexiconIndex::kMaxLength; ++length) {
        const int k = length - LexiconIndex::kMinLength;
        losses.had[k] = old->Count(length);
        std::unordered_set<std::string_view> kept;
        if (now) {
            kept.reserve(std::size_t(now->Count(length)));
            for (std::int32_t i = 0; i < now->Count(length); ++i)
                kept.insert(now->Word(length, i));
        }
        for (std::int32_t i = 0; i < old->Count(length); ++i) {
            if (!kept.contains(old->Word(length, i)))
                ++losses.lost[k];
        }
    }
    return losses;
}
