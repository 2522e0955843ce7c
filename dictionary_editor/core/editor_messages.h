// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary_editor/core/editor_word_lists.h"
#include "dictionary_editor/core/word_file_exchange.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The dictionary editor's texts to the user.
namespace EditorMessages {

// The message of an interactive insert, empty for an empty word box.
QString ForInsert(const InsertResult& result, const QString& alphabet);
// The summary of Import all, lines joined by CR LF.
QString BulkSummary(const BatchCounters& counters);
// "(" + count + ") parole" as loaded, "(" + count + ") Parole" after a change.
QString CountLabel(qsizetype count, bool changed);
// A total formatted with thousands separators: "452,118".
QString Total(std::int64_t total);

inline const QString kCaption = QStringLiteral("Letterama - Dizionario principale");
inline const QString kReading = QStringLiteral("In corso la lettura del dizionario ...");
inline const QString kWriting = QStringLiteral("In corso la scrittura del dizionario ...");
inline const QString kRewritten = QStringLiteral("Dizionario riscritto correttamente");
inline const QString kRebuildQuestion = QStringLiteral(
    "Attenzione non interrompere assolutamente la fase di creazione del dizionario! Si desidera veramente "
    "ricreare il dizionario principale?");
inline const QString kCancelled = QStringLiteral("Operazione annulata.");
inline const QString kSelectFirst = QStringLiteral("Selezionare prima una parola da eliminare dal dizionario.");
inline const QString kDeleteQuestion = QStringLiteral("Si desidera veramente eliminare la parola: ");
inline const QString kDeleted = QStringLiteral(
    "Parola eliminata, cliccare su 'Ricrea dizionario' per la ricostruzione effettiva del dizionario");
inline const QString kEditPrompt = QStringLiteral(
    "Modificare il contenuto di questa parola quindi cliccare su <OK>, se si vuole cancellarla inserire blank o "
    "cliccare su <Annulla>");
inline const QString kExported =
    QStringLiteral("I files 3.txt, 4.txt ... 10.txt sono stati creati correttamente nella cartella del programma : ");
// The same for an installed copy, whose files go to the user's data folder.
inline const QString kExportedToUserFolder =
    QStringLiteral("I files 3.txt, 4.txt ... 10.txt sono stati creati correttamente nella cartella dei dati di "
                   "Letterama : ");
inline const QString kNotFound = QStringLiteral("Il documento che hai richiesto non è stato trovato");
inline const QString kInternetNote = QStringLiteral(
    "Per poter vedere l'elenco delle parole mancanti suggerite on-line dai giocatori del Letterama occorre "
    "disporre di un collegamento ad Internet attivo.");
inline const QString kMissingWordsFile = QStringLiteral("mancanti.txt");

// The rebuild's closing status: kRewritten, and the entries it left out for their
// characters, named (the first few, then how many more).
QString Rewritten(qsizetype skipped, const QStringList& examples);

// The question before an export that would drop entries the word files hold and the
// lists lack; `lost` by list, 0 to 7.
QString ExportLossQuestion(const std::array<qsizetype, 8>& lost);

// The question before an import that would replace lists holding words its files
// lack, or bring back words deleted since the load; No (the default) adds instead.
QString ImportLossQuestion(const ImportLosses& losses);
// The message after an import that added the files' words to the lists.
QString ImportedAdded(std::int64_t added);

// Delete over several selected words: the question and the message after it.
QString DeleteManyQuestion(const QStringList& words);
inline const QString kDeletedMany = QStringLiteral(
    "Parole eliminate, cliccare su 'Ricrea dizionario' per la ricostruzione effettiva del dizionario");

// Delete over a word the next rebuild removes already.
QString AlreadyRemoved(const QString& word);
// The search box found no entry beginning with `typed`.
QString NotFound(const QString& typed);
// The search box shows match `ordinal` (0-based) of `count`.
QString Found(qsizetype ordinal, qsizetype count);

// The question on leaving with lists that differ from the lexicon file.
inline const QString kUnsavedQuestion = QStringLiteral(
    "Le modifiche agli elenchi non sono ancora state scritte nel dizionario e andrebbero perse.\n"
    "Si desidera ricreare il dizionario prima di uscire?\n"
    "Sì: ricrea il dizionario ed esce. No: esce senza salvare. Annulla: resta nell'editor.");

// The same, when no lexicon could be read and so there is none to rebuild.
inline const QString kUnsavedNoLexicon = QStringLiteral(
    "Le parole aggiunte agli elenchi non sono state scritte in nessun dizionario e andrebbero perse.\n"
    "Si desidera veramente uscire?");

// "Vuoi inserire la parola " + word + " nel dizionario?"
QString InsertQuestion(const QString& word);

}  // namespace EditorMessages
