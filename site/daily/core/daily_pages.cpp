// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/daily/core/daily_pages.h"

#include "lexicon/core/word_lookup.h"
#include "site/core/html_text.h"
#include "site/core/site_pages.h"

#include <algorithm>

namespace DailyPages {

namespace {

QString LanguageNumber(Language language)
{
    return QString::number(TableOf(language).Number());
}

QString DayText(const QDate& day)
{
    return day.toString(QStringLiteral("dd-MM-yyyy"));
}

// Every page of the challenge: the site's head and sections, its style and script.
QByteArray Page(const QString& title, const QString& body)
{
    const QString page =
        QStringLiteral("<!DOCTYPE html>\n<html lang=\"it\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<title>%1 - Letterama</title>\n<link rel=\"stylesheet\" href=\"/stile.css\">\n"
                       "<link rel=\"stylesheet\" href=\"/letterama/sfida/sfida.css\">\n"
                       "<script src=\"/letterama/sfida/sfida.js\" defer></script>\n</head>\n<body>\n"
                       "<header><p class=\"marchio\"><a href=\"/\">Letterama</a></p>\n<nav aria-label=\"Sezioni\"><ul>"
                       "<li><a href=\"/\">Home</a></li>"
                       "<li><a href=\"/letterama/\">Tabella dei record</a></li>"
                       "<li><a href=\"/letterama/sfida/\">La sfida del giorno</a></li>"
                       "<li><a href=\"/letterama/sfida/archivio\">Archivio delle sfide</a></li>"
                       "<li><a href=\"/letterama/online/\">On-line</a></li>"
                       "</ul></nav></header>\n<main>\n<h1>%1</h1>\n%2\n</main>\n"
                       "<footer><p>Letterama è software libero (GPL-3.0 o successiva).</p></footer>\n</body>\n</html>\n")
            .arg(HtmlEscaped(title), body);
    return page.toUtf8();
}

QString LanguageLower(Language language)
{
    return SitePages::LanguageName(language).toLower();
}

}  // namespace

QByteArray Choice()
{
    QString body = QStringLiteral(
        "<p>Ogni giorno dieci lettere, le stesse per tutti: hai 60 secondi e un solo tentativo per trovare la parola "
        "più lunga. Le lettere restano nascoste finché non premi \"Gioca\".</p>\n"
        "<h2>Scegli la lingua</h2>\n<ul class=\"scelta\">");
    for (const Language language : {Language::Italian, Language::English, Language::Latin})
        body += QStringLiteral("<li><a href=\"/letterama/sfida/gioca?lingua=%1\">%2</a></li>")
                    .arg(LanguageNumber(language), SitePages::LanguageName(language));
    body += QStringLiteral("</ul>\n<p><a href=\"/letterama/sfida/archivio\">Le sfide dei giorni passati</a></p>");
    return Page(QStringLiteral("La sfida del giorno"), body);
}

QByteArray Play(Language language, const QByteArray& token)
{
    const QString hidden = QStringLiteral("<input type=\"hidden\" name=\"lingua\" value=\"%1\">"
                                          "<input type=\"hidden\" name=\"token\" value=\"%2\">")
                               .arg(LanguageNumber(language), HtmlEscaped(QString::fromLatin1(token)));
    const QString body =
        QStringLiteral(
            "<noscript><p class=\"avviso\">Per giocare la sfida serve JavaScript.</p></noscript>\n"
            "<section id=\"inizio\" aria-labelledby=\"titolo-inizio\">\n<h2 id=\"titolo-inizio\">Pronto?</h2>\n"
            "<p>Premi \"Gioca\": compaiono le dieci lettere e partono i 60 secondi. Si gioca una volta sola al "
            "giorno.</p>\n"
            "<form id=\"avvio\" class=\"modulo\" method=\"post\" action=\"/letterama/sfida/inizia\">%1"
            "<p><label for=\"nome\">Il tuo nome</label> <input id=\"nome\" name=\"nome\" maxlength=\"%2\" required "
            "autocomplete=\"nickname\"></p>"
            "<p><button type=\"submit\" id=\"gioca\">Gioca</button></p></form>\n</section>\n"
            "<section id=\"partita\" hidden aria-labelledby=\"titolo-lettere\">\n"
            "<h2 id=\"titolo-lettere\">Le lettere</h2>\n<ul id=\"lettere\" class=\"lettere\"></ul>\n"
            "<p>Tempo rimasto: <span id=\"tempo\">60</span> secondi</p>\n"
            "<form id=\"invio\" class=\"modulo\" method=\"post\" action=\"/letterama/sfida/invia\">%1"
            "<p><label for=\"parola\">La tua parola</label> <input id=\"parola\" name=\"parola\" maxlength=\"15\" "
            "autocomplete=\"off\" autocapitalize=\"characters\" spellcheck=\"false\"></p>"
            "<p><button type=\"submit\" id=\"invia\">Invia</button></p></form>\n</section>\n"
            "<p id=\"annuncio\" role=\"status\" aria-live=\"polite\"></p>")
            .arg(hidden, QString::number(kLongestName));
    return Page(QStringLiteral("La sfida del giorno in %1").arg(LanguageLower(language)), body);
}

QByteArray RankingSection(const Day& day, const QString& ownPlayer)
{
    QString body = QStringLiteral("<section aria-labelledby=\"titolo-classifica\">\n"
                                  "<h2 id=\"titolo-classifica\">Classifica di oggi</h2>\n");
    if (day.ranking.empty()) {
        body += QStringLiteral("<p>Nessuno ha ancora giocato oggi.</p>\n");
    } else {
        body += QStringLiteral("<table id=\"classifica\"><thead><tr><th scope=\"col\">Posizione</th>"
                               "<th scope=\"col\">Nome</th><th scope=\"col\">Lettere</th><th scope=\"col\">Punti</th>"
                               "<th scope=\"col\">Tempo</th></tr></thead><tbody>");
        for (const DailyScoring::Ranked& row : day.ranking) {
            const bool own = !ownPlayer.isEmpty() && row.entry.player == ownPlayer;
            const bool valid = row.entry.verdict == WordVerdict::Valid;
            body += QStringLiteral("<tr%1><td>%2°</td><td>%3</td><td>%4</td><td>%5</td><td>%6 s</td></tr>")
                        .arg(own ? QStringLiteral(" class=\"tua\"") : QString(), QString::number(row.place),
                             HtmlEscaped(row.entry.name) + (own ? QStringLiteral(" (tu)") : QString()),
                             valid ? QString::number(row.entry.length) : QStringLiteral("-"),
                             QString::number(row.entry.points), QString::number(row.entry.seconds));
        }
        body += QStringLiteral("</tbody></table>\n");
    }
    body += QStringLiteral("</section>\n<section aria-labelledby=\"titolo-lunghezze\">\n"
                           "<h2 id=\"titolo-lunghezze\">Parole trovate per lunghezza</h2>\n");
    if (day.lengths.empty()) {
        body += QStringLiteral("<p>Ancora nessuna parola valida.</p>\n");
    } else {
        int most = 1;
        for (const auto& [length, count] : day.lengths)
            most = std::max(most, count);
        // The numbers are the table's text; the bars only draw them.
        body += QStringLiteral("<table id=\"lunghezze\" class=\"barre\"><thead><tr><th scope=\"col\">Lunghezza</th>"
                               "<th scope=\"col\">Giocatori</th><th scope=\"col\"><span class=\"nascosto\">"
                               "Grafico</span></th></tr></thead><tbody>");
        for (const auto& [length, count] : day.lengths)
            body += QStringLiteral("<tr><th scope=\"row\">%1 lettere</th><td>%2</td><td><svg class=\"barra\" "
                                   "width=\"200\" height=\"16\" aria-hidden=\"true\" focusable=\"false\">"
                                   "<rect x=\"0\" y=\"0\" height=\"16\" width=\"%3\"></rect></svg></td></tr>")
                        .arg(length)
                        .arg(count)
                        .arg(std::max(2, 200 * count / most));
        body += QStringLiteral("</tbody></table>\n");
    }
    body += QStringLiteral("</section>\n");
    return body.toUtf8();
}

QByteArray Result(const Day& day, const std::optional<DailyTry>& own, const QByteArray& rankingSection)
{
    QString body;
    if (!own || !own->finished) {
        body = QStringLiteral("<p>Non hai ancora giocato la sfida di oggi in %1. "
                              "<a href=\"/letterama/sfida/gioca?lingua=%2\">Gioca</a></p>\n")
                   .arg(LanguageLower(day.language), LanguageNumber(day.language));
    } else {
        const bool valid = own->verdict == WordVerdict::Valid;
        QString verdict = valid ? QStringLiteral("valida") : QStringLiteral("non valida");
        if (own->word.isEmpty())
            verdict = QStringLiteral("nessuna parola inviata");
        body = QStringLiteral("<section aria-labelledby=\"titolo-risultato\">\n<h2 id=\"titolo-risultato\">"
                              "Il tuo risultato</h2>\n<p id=\"risultato\">La tua parola: <strong>%1</strong> (%2), "
                              "<strong>%3 punti</strong>, %4 s.</p>\n")
                   .arg(own->word.isEmpty() ? QStringLiteral("-") : HtmlEscaped(own->word), verdict,
                        QString::number(own->points), QString::number(own->seconds));
        for (const DailyScoring::Ranked& row : day.ranking) {
            if (row.entry.player == own->player) {
                body += QStringLiteral("<p>Sei al %1° posto su %2.</p>\n").arg(row.place).arg(day.ranking.size());
                break;
            }
        }
        body += QStringLiteral("<h3>Da condividere</h3>\n<p><output id=\"condividi\">%1</output> "
                               "<button type=\"button\" id=\"copia\">Copia</button></p>\n"
                               "<p id=\"annuncio\" role=\"status\" aria-live=\"polite\"></p>\n</section>\n")
                    .arg(HtmlEscaped(DailyScoring::ShareText(day.day, *own)));
    }
    return Page(QStringLiteral("La sfida del %1 in %2").arg(DayText(day.day), LanguageLower(day.language)),
                body + QString::fromUtf8(rankingSection));
}

QByteArray Ranking(const Day& day, const QByteArray& rankingSection)
{
    return Page(QStringLiteral("La sfida del %1 in %2").arg(DayText(day.day), LanguageLower(day.language)),
                QString::fromUtf8(rankingSection) +
                    QStringLiteral("<p><a href=\"/letterama/sfida/gioca?lingua=%1\">Gioca la sfida di oggi</a></p>")
                        .arg(LanguageNumber(day.language)));
}

QByteArray Archive(const std::vector<PastBoard>& boards)
{
    QString body;
    if (boards.empty())
        body = QStringLiteral("<p>Nessuna sfida passata, per ora.</p>");
    else
        body = QStringLiteral("<table id=\"archivio\"><thead><tr><th scope=\"col\">Giorno</th>"
                              "<th scope=\"col\">Lingua</th><th scope=\"col\">Lettere</th>"
                              "<th scope=\"col\">Le parole più lunghe</th><th scope=\"col\">Vincitori</th>"
                              "</tr></thead><tbody>");
    for (const PastBoard& past : boards) {
        QStringList winners;
        for (const DailyTry& winner : past.winners)
            winners << HtmlEscaped(winner.name) + QStringLiteral(" (%1 punti)").arg(winner.points);
        const QDate day = QDate::fromString(past.board.day, Qt::ISODate);
        body += QStringLiteral("<tr><td>%1</td><td>%2</td><td class=\"tessere\">%3</td><td>%4</td><td>%5</td></tr>")
                    .arg(DayText(day), SitePages::LanguageName(past.board.language), HtmlEscaped(past.board.letters),
                         HtmlEscaped(past.board.longestWords.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                         .join(QStringLiteral(", "))),
                         winners.isEmpty() ? QStringLiteral("nessuno") : winners.join(QStringLiteral(", ")));
    }
    if (!boards.empty())
        body += QStringLiteral("</tbody></table>");
    return Page(QStringLiteral("Archivio delle sfide"), body);
}

QByteArray ConfirmGameTry(Language language, const QString& word, int seconds, const QByteArray& token)
{
    const QString body =
        QStringLiteral("<p>La tua parola nella sfida di oggi in %1: <strong>%2</strong>, in %3 s. Il sito la "
                       "giudica di nuovo quando la registri.</p>\n"
                       "<form class=\"modulo\" method=\"post\" action=\"/letterama/sfida/gioco\">"
                       "<input type=\"hidden\" name=\"lingua\" value=\"%4\">"
                       "<input type=\"hidden\" name=\"parola\" value=\"%2\">"
                       "<input type=\"hidden\" name=\"secondi\" value=\"%3\">"
                       "<input type=\"hidden\" name=\"token\" value=\"%5\">"
                       "<p><label for=\"nome\">Il tuo nome</label> <input id=\"nome\" name=\"nome\" maxlength=\"%6\" "
                       "required autocomplete=\"nickname\"></p>"
                       "<p><button type=\"submit\">Registra</button></p></form>")
            .arg(LanguageLower(language), HtmlEscaped(word), QString::number(seconds), LanguageNumber(language),
                 HtmlEscaped(QString::fromLatin1(token)), QString::number(kLongestName));
    return Page(QStringLiteral("La sfida del giorno dal gioco"), body);
}

}  // namespace DailyPages
