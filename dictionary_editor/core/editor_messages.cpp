// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/editor_messages.h"

#include <QStringList>


namespace EditorMessages {

QString ForInsert(const InsertResult& result, const QString& alphabet)
{
    using Outcome = InsertResult::Outcome;
    switch (result.outcome) {
    case Outcome::Empty:
        return {};
    case Outcome::WrongLength:
        return QStringLiteral("Nel dizionario sono ammesse solamente parole formate da 3 a 10 caratteri.");
    case Outcome::InvalidLetters:
        return QStringLiteral("La parola '") + result.word +
               QStringLiteral("' contiene caratteri non validi: sono ammesse solamente le lettere ") + alphabet +
               QStringLiteral(".");
    case Outcome::AlreadyPresent:
        return QStringLiteral("La parola '") + result.word + QStringLiteral("' esiste già nel dizionario.");
    case Outcome::Inserted:
        return QStringLiteral("La parola '") + result.word +
               QStringLiteral("' è stata momentaneamente aggiunta al dizionario, cliccare sul bottone "
                              "'Ricrea dizionario' per la ricostruzione definitiva sul disco.");
    }
    return {};
}

QString BulkSummary(const BatchCounters& counters)
{
    QStringList lines = {
        QStringLiteral("Importazione delle parole terminata."),
        QStringLiteral("Esaminate N. %1 parole").arg(counters.Examined()),
        QStringLiteral("Sono state importate %1 parole nuove").arg(counters.inserted),
        QStringLiteral("Sono state scartate  %1 parole perchè già presenti nel dizionario").arg(counters.present),
        QStringLiteral("Sono state scartate  %1 parole perchè o troppo corte o troppo lunghe (da 3 a 10 caratteri)")
            .arg(counters.tooShortLong),
        QStringLiteral("Sono state scartate  %1 parole perchè contenevano caratteri non validi").arg(counters.invalid),
    };
    if (counters.inserted > 0)
        lines.append(QStringLiteral(
            "Cliccare ora sul bottone <Ricrea dizionario> per ricostruire l'intero dizionario"));
    return lines.join(QStringLiteral("\r\n"));
}

QString CountLabel(qsizetype count, bool changed)
{
    return QStringLiteral("(%1) %2").arg(count).arg(changed ? QStringLiteral("Parole") : QStringLiteral("parole"));
}

QString Total(std::int64_t total)
{
    // Grouped by threes with commas whatever the system's language, as the label
    // always showed it.
    QString digits = QString::number(total < 0 ? -total : total);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return total < 0 ? QLatin1Char('-') + digits : digits;
}

QString Rewritten(qsizetype skipped, const QStringList& examples)
{
    if (skipped == 0)
        return kRewritten;
    QStringList quoted;
    for (const QString& example : examples)
        quoted.append(QLatin1Char('\'') + example + QLatin1Char('\''));
    QString named = quoted.join(QStringLiteral(", "));
    if (skipped > examples.size())
        named += QStringLiteral(" e altre %1").arg(skipped - examples.size());
    return kRewritten + QStringLiteral(" (%1 voci con caratteri non validi non sono state scritte: %2)")
                            .arg(skipped)
                            .arg(named);
}

QString ExportLossQuestion(const std::array<qsizetype, 8>& lost)
{
    QStringList files;
    qsizetype total = 0;
    for (int k = 0; k < int(lost.size()); ++k) {
        if (lost[k] == 0)
            continue;
        files.append(QStringLiteral("%1.TXT (%2)").arg(k + 3).arg(lost[k]));
        total += lost[k];
    }
    return QStringLiteral("Attenzione: i files contengono %1 parole che negli elenchi mancano e andrebbero perse: %2.\n"
                          "Sono probabilmente parole aggiunte dal Gleaner: per tenerle usare prima "
                          "'Legge da files TXT'.\nSi desidera veramente sovrascrivere i files?")
        .arg(total)
        .arg(files.join(QStringLiteral(", ")));
}

QString ImportLossQuestion(const ImportLosses& losses)
{
    QStringList byLength;
    for (int k = 0; k < int(losses.lost.size()); ++k) {
        if (losses.lost[k] > 0)
            byLength.append(QStringLiteral("%1 di %2 lettere").arg(Total(losses.lost[k])).arg(k + 3));
    }
    QStringList lines;
    if (losses.Total() == 1) {
        lines.append(QStringLiteral("Attenzione: gli elenchi contengono 1 parola che i files non hanno e che andrebbe "
                                    "persa sostituendo gli elenchi con i files (%1).")
                         .arg(byLength.join(QStringLiteral(", "))));
    } else if (losses.Total() > 1) {
        lines.append(QStringLiteral("Attenzione: gli elenchi contengono %1 parole che i files non hanno e che "
                                    "andrebbero perse sostituendo gli elenchi con i files (%2).")
                         .arg(Total(losses.Total()))
                         .arg(byLength.join(QStringLiteral(", "))));
    }
    if (losses.deletionsUndone > 0) {
        const QString start = lines.isEmpty() ? QStringLiteral("Attenzione: ") : QStringLiteral("Inoltre ");
        lines.append(losses.deletionsUndone == 1
                         ? start + QStringLiteral("i files contengono 1 parola cancellata dagli elenchi e non ancora "
                                                  "tolta dal dizionario, che tornerebbe negli elenchi.")
                         : start + QStringLiteral("i files contengono %1 parole cancellate dagli elenchi e non ancora "
                                                  "tolte dal dizionario, che tornerebbero negli elenchi.")
                                       .arg(Total(losses.deletionsUndone)));
    }
    lines.append(QStringLiteral("Si desidera veramente sostituire gli elenchi con i files?"));
    lines.append(QStringLiteral("Sì: gli elenchi diventano uguali ai files. No: le parole dei files vengono "
                                "aggiunte agli elenchi, senza perderne nessuna."));
    return lines.join(QLatin1Char('\n'));
}

QString ImportedAdded(std::int64_t added)
{
    return QStringLiteral("Sono state aggiunte agli elenchi %1 parole nuove dei files: cliccare sul bottone "
                          "'Ricrea dizionario' per scriverle nel dizionario.")
        .arg(Total(added));
}

QString DeleteManyQuestion(const QStringList& words)
{
    constexpr qsizetype kNamed = 10;
    QString named = words.mid(0, kNamed).join(QStringLiteral(", "));
    if (words.size() > kNamed)
        named += QStringLiteral(" e altre %1").arg(words.size() - kNamed);
    return QStringLiteral("Si desidera veramente eliminare le %1 parole: ").arg(words.size()) + named;
}

QString AlreadyRemoved(const QString& word)
{
    return QStringLiteral("La parola '") + word +
           QStringLiteral("' non è più negli elenchi: la prossima ricostruzione la toglierà dal dizionario.");
}

QString NotFound(const QString& typed)
{
    return QStringLiteral("Nessuna parola inizia con '") + typed.trimmed().toUpper() +
           QStringLiteral("': non è in nessun elenco");
}

QString Found(qsizetype ordinal, qsizetype count)
{
    return QStringLiteral("Parola %1 di %2 (Invio per la seguente)").arg(ordinal + 1).arg(count);
}

QString InsertQuestion(const QString& word)
{
    return QStringLiteral("Vuoi inserire la parola ") + word + QStringLiteral(" nel dizionario?");
}

}  // namespace EditorMessages
