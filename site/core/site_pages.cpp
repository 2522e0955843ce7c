// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/site_pages.h"

#include "site/core/html_text.h"

#include <QTimeZone>
#include <QUrl>

#include <algorithm>
#include <charconv>
#include <iterator>

namespace SitePages {
namespace {

// An address for an attribute, already escaped.
QString TableAddress(Language language, int page = 1, const QString& search = QString())
{
    QString address = QStringLiteral("/letterama/?Language=%1").arg(TableOf(language).Number());
    if (!search.isEmpty())
        address += QStringLiteral("&amp;nome=") + HtmlEscaped(QString::fromLatin1(QUrl::toPercentEncoding(search)));
    if (page > 1)
        address += QStringLiteral("&amp;pagina=%1").arg(page);
    return address;
}

// The date and time a record was stored, on the site's own clock, as players in
// Italy read it.
QString StoredTime(qint64 secondsSinceEpoch)
{
    static const QTimeZone rome("Europe/Rome");
    const QDateTime stored = rome.isValid() ? QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, rome)
                                            : QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::UTC);
    return stored.toString(QStringLiteral("dd-MM-yyyy HH:mm"));
}

// First, previous, a few numbers around this one, next and last.
QString PageLinks(const RecordTable& table)
{
    if (table.pageCount <= 1)
        return QString();
    QString links = QStringLiteral("<nav aria-label=\"Pagine\"><ul class=\"pagine\">");
    const auto link = [&](int page, const QString& text, const QString& label) {
        links += QStringLiteral("<li><a href=\"%1\" aria-label=\"%2\">%3</a></li>")
                     .arg(TableAddress(table.language, page, table.search), label, text);
    };
    if (table.page > 1) {
        link(1, QStringLiteral("« Prima"), QStringLiteral("Prima pagina"));
        link(table.page - 1, QStringLiteral("‹ Precedente"), QStringLiteral("Pagina precedente"));
    }
    const int first = std::max(1, table.page - 2);
    const int last = std::min(table.pageCount, table.page + 2);
    for (int page = first; page <= last; ++page) {
        if (page == table.page)
            links += QStringLiteral("<li><strong aria-current=\"page\">%1</strong></li>").arg(page);
        else
            link(page, QString::number(page), QStringLiteral("Pagina %1").arg(page));
    }
    if (table.page < table.pageCount) {
        link(table.page + 1, QStringLiteral("Successiva ›"), QStringLiteral("Pagina successiva"));
        link(table.pageCount, QStringLiteral("Ultima »"), QStringLiteral("Ultima pagina, %1").arg(table.pageCount));
    }
    return links + QStringLiteral("</ul></nav>\n");
}

QString SearchForm(const RecordTable& table)
{
    return QStringLiteral("<form method=\"get\" action=\"/letterama/\" class=\"cerca\" role=\"search\">"
                          "<input type=\"hidden\" name=\"Language\" value=\"%1\">"
                          "<label for=\"nome\">Cerca un nome</label> "
                          "<input id=\"nome\" name=\"nome\" maxlength=\"%2\" value=\"%3\"> "
                          "<button type=\"submit\">Cerca</button></form>\n")
        .arg(TableOf(table.language).Number())
        .arg(kLongestSearch)
        .arg(HtmlEscaped(table.search));
}

void Append(std::string& page, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    page.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void AppendNumber(std::string& page, long long number)
{
    char digits[24];
    const auto [end, failed] = std::to_chars(std::begin(digits), std::end(digits), number);
    page.append(digits, end);
}

// dd-MM-yyyy, as QDate writes it, without a format to parse per row.
void AppendDate(std::string& page, const QDate& date)
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 1 || year > 9999)
        return Append(page, date.toString(QStringLiteral("dd-MM-yyyy")));
    const char text[] = {char('0' + day / 10),           char('0' + day % 10),         '-',
                         char('0' + month / 10),         char('0' + month % 10),       '-',
                         char('0' + year / 1000),        char('0' + year / 100 % 10), char('0' + year / 10 % 10),
                         char('0' + year % 10)};
    page.append(text, sizeof text);
}

// Every page is written between these two: the head, the site's sections and the
// heading, then the footer.
void OpenPage(std::string& page, const QString& title)
{
    page += "<!DOCTYPE html>\n<html lang=\"it\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    AppendHtmlEscaped(page, title);
    page += " - Letterama</title>\n<link rel=\"stylesheet\" href=\"/stile.css\">\n</head>\n<body>\n"
            "<header><p class=\"marchio\"><a href=\"/\">Letterama</a></p>\n<nav aria-label=\"Sezioni\"><ul>"
            "<li><a href=\"/\">Home</a></li>"
            "<li><a href=\"/letterama/\">Tabella dei record</a></li>"
            "<li><a href=\"/letterama/recenti\">Record più recenti</a></li>"
            "<li><a href=\"/letterama/segnala\">Segnala una parola</a></li>"
            "<li><a href=\"/letterama/online/\">On-line</a></li>"
            "</ul></nav></header>\n<main>\n<h1>";
    AppendHtmlEscaped(page, title);
    page += "</h1>\n";
}

void ClosePage(std::string& page)
{
    page += "\n</main>\n"
            "<footer><p>Letterama è software libero (GPL-3.0 o successiva).</p></footer>\n</body>\n</html>\n";
}

QByteArray Shell(const QString& title, const QString& body)
{
    std::string page;
    OpenPage(page, title);
    Append(page, body);
    ClosePage(page);
    return QByteArray(page.data(), static_cast<qsizetype>(page.size()));
}

QString LanguageLinks(Language current)
{
    QString links = QStringLiteral("<nav aria-label=\"Lingue\"><ul class=\"lingue\">");
    for (const Language language : {Language::Italian, Language::English, Language::Latin}) {
        if (language == current)
            links += QStringLiteral("<li><strong aria-current=\"page\">%1</strong></li>").arg(LanguageName(language));
        else
            links += QStringLiteral("<li><a href=\"%1\">%2</a></li>").arg(TableAddress(language), LanguageName(language));
    }
    return links + QStringLiteral("</ul></nav>\n");
}

void AppendRecordRow(std::string& page, int rank, const StoredRecord& stored, bool marked, bool newest)
{
    page += marked ? "<tr class=\"nuovo\" id=\"nuovo\"><td>" : "<tr><td>";
    AppendNumber(page, rank);
    page += "</td><td>";
    AppendHtmlEscaped(page, stored.record.name);
    if (marked)
        page += " <strong>(il tuo record)</strong>";
    if (stored.verified)
        page += " <small>(giocato on-line)</small>";
    page += "</td><td>";
    AppendNumber(page, stored.record.points);
    page += "</td>";
    if (newest) {
        page += "<td>";
        Append(page, LanguageName(stored.record.language));
        page += "</td>";
    }
    page += "<td class=\"data\">";
    AppendDate(page, stored.record.playedOn);
    page += "</td>";
    if (newest) {
        page += "<td class=\"data\">";
        Append(page, StoredTime(stored.storedAt));
        page += "</td>";
    }
    page += "<td class=\"nota\">";
    AppendHtmlEscaped(page, NoteForDisplay(stored.record.note));
    page += "</td></tr>\n";
}

QString HiddenField(const char* name, const QString& value)
{
    return QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"%2\">\n")
        .arg(QString::fromLatin1(name), HtmlEscaped(value));
}

}  // namespace

QString LanguageName(Language language)
{
    switch (language) {
    case Language::English: return QStringLiteral("Inglese");
    case Language::Latin: return QStringLiteral("Latino");
    default: return QStringLiteral("Italiano");
    }
}

QByteArray Home()
{
    return Shell(QStringLiteral("Letterama, il gioco delle parole"),
                 QStringLiteral(
                     "<p>Letterama è un gioco di parole: a ogni manche si estraggono 8, 9 o 10 lettere e hai 30, 60 o "
                     "90 secondi per trovare la parola più lunga che si possa scrivere con quelle lettere. Giochi "
                     "contro tre avversari del computer, in italiano, inglese o latino; una partita dura cinque "
                     "manche.</p>\n"
                     "<h2>Come averlo</h2>\n<p>Letterama è software libero per il desktop: si installa dal pacchetto "
                     "del proprio sistema o si compila dai sorgenti del progetto. Quando esce una nuova versione, il "
                     "gioco lo annuncia all'avvio.</p>\n"
                     "<h2>La tabella dei record</h2>\n<p>Chi a fine partita ha il miglior punteggio della propria "
                     "tabella può registrarlo nella <a href=\"/letterama/\">tabella mondiale dei record</a>, una per "
                     "lingua. Ecco anche i <a href=\"/letterama/recenti\">record più recenti</a>.</p>\n"
                     "<h2>Manca una parola?</h2>\n<p>Se il dizionario del gioco non conosce una parola giusta, "
                     "<a href=\"/letterama/segnala\">segnalala</a>: le parole più segnalate entrano nelle prossime "
                     "versioni del dizionario.</p>"));
}

QByteArray Online()
{
    return Shell(QStringLiteral("Letterama on-line"),
                 QStringLiteral(
                     "<p>Gioca a Letterama e confrontati con gli altri giocatori: a fine partita, se il tuo punteggio "
                     "è il migliore della tua tabella, il gioco ti offre il collegamento \"Registra record in "
                     "Internet\", che porta qui il tuo record.</p>\n<ul>"
                     "<li><a href=\"/letterama/?Language=1\">Record in italiano</a></li>"
                     "<li><a href=\"/letterama/?Language=2\">Record in inglese</a></li>"
                     "<li><a href=\"/letterama/?Language=3\">Record in latino</a></li>"
                     "<li><a href=\"/letterama/recenti\">Record più recenti</a></li>"
                     "<li><a href=\"/letterama/segnala\">Segnala una parola che manca al dizionario</a></li>"
                     "</ul>"));
}

std::string Table(const RecordTable& table)
{
    std::string page;
    // The page's frame and links, and about 140 bytes a row: one allocation.
    page.reserve(3072 + table.records.size() * 192);
    OpenPage(page, QStringLiteral("Tabella mondiale dei record"));
    Append(page, LanguageLinks(table.language) + SearchForm(table));
    const QString language = LanguageName(table.language).toLower();
    if (table.records.empty()) {
        Append(page, table.search.isEmpty()
                         ? QStringLiteral("<p>Nessun record registrato in %1.</p>").arg(language)
                         : QStringLiteral("<p>Nessun record in %1 con un nome che contiene \"%2\". "
                                          "<a href=\"%3\">Tutta la tabella</a></p>")
                               .arg(language, HtmlEscaped(table.search), TableAddress(table.language)));
    } else {
        Append(page, table.search.isEmpty()
                         ? QStringLiteral("<p class=\"conto\">%1 record in %2.</p>\n").arg(table.recordCount).arg(language)
                         : QStringLiteral("<p class=\"conto\">%1 record in %2 con un nome che contiene \"%3\". "
                                          "<a href=\"%4\">Tutta la tabella</a></p>\n")
                               .arg(QString::number(table.recordCount), language, HtmlEscaped(table.search),
                                    TableAddress(table.language)));
        Append(page, QStringLiteral("<div class=\"tabella\"><table>\n<caption>Record in %1, pagina %2 di %3</caption>\n"
                                    "<thead><tr><th scope=\"col\">Pos.</th><th scope=\"col\">Nome</th>"
                                    "<th scope=\"col\">Punti</th><th scope=\"col\">Data</th>"
                                    "<th scope=\"col\" class=\"nota\">Note</th></tr></thead>\n<tbody>\n")
                         .arg(language)
                         .arg(table.page)
                         .arg(table.pageCount));
        for (std::size_t i = 0; i < table.records.size(); ++i)
            AppendRecordRow(page, table.ranks[i], table.records[i], table.records[i].id == table.markedId, false);
        page += "</tbody>\n</table></div>\n";
    }
    Append(page, PageLinks(table));
    ClosePage(page);
    return page;
}

QByteArray NoSuchTablePage(const RecordTable& table)
{
    return Shell(QStringLiteral("Pagina non trovata"),
                 QStringLiteral("<p class=\"avviso\" role=\"alert\">La tabella dei record in %1 ha %2.</p>\n"
                                "<p><a href=\"%3\">Vai all'ultima pagina</a></p>")
                     .arg(LanguageName(table.language).toLower(),
                          table.pageCount == 1 ? QStringLiteral("una sola pagina")
                                               : QStringLiteral("%1 pagine").arg(table.pageCount),
                          TableAddress(table.language, table.pageCount, table.search)));
}

QByteArray Newest(const std::vector<StoredRecord>& records)
{
    std::string page;
    OpenPage(page, QStringLiteral("Record più recenti"));
    if (records.empty()) {
        page += "<p>Nessun record registrato.</p>";
    } else {
        page += "<div class=\"tabella\"><table>\n<caption>Gli ultimi record registrati</caption>\n"
                "<thead><tr><th scope=\"col\">N.</th><th scope=\"col\">Nome</th>"
                "<th scope=\"col\">Punti</th><th scope=\"col\">Lingua</th><th scope=\"col\">Data</th>"
                "<th scope=\"col\">Registrato il</th><th scope=\"col\" class=\"nota\">Note</th>"
                "</tr></thead>\n<tbody>\n";
        int n = 0;
        for (const StoredRecord& stored : records)
            AppendRecordRow(page, ++n, stored, false, true);
        page += "</tbody>\n</table></div>\n";
    }
    ClosePage(page);
    return QByteArray(page.data(), static_cast<qsizetype>(page.size()));
}

QByteArray ConfirmRecord(const RecordForm& form)
{
    const RecordSubmission& record = form.record;
    QString body = QStringLiteral(
                       "<p>Stai per registrare questo record nella tabella mondiale:</p>\n<dl class=\"record\">"
                       "<dt>Nome</dt><dd>%1</dd><dt>Punti</dt><dd>%2</dd><dt>Lingua</dt><dd>%3</dd>"
                       "<dt>Data</dt><dd>%4 alle %5</dd><dt>Note</dt><dd>%6</dd></dl>\n")
                       .arg(HtmlEscaped(record.name), QString::number(record.points), LanguageName(record.language),
                            record.playedOn.toString(QStringLiteral("dd-MM-yyyy")),
                            record.playedAt.toString(QStringLiteral("HH:mm")),
                            HtmlEscaped(NoteForDisplay(record.note)));
    if (form.token.isEmpty()) {
        body += QStringLiteral("<p class=\"avviso\">Il sito in questo momento non può registrare record. "
                               "Riprova più tardi.</p>");
        return Shell(QStringLiteral("Registra il tuo record"), body);
    }
    body += QStringLiteral("<form method=\"post\" action=\"/letterama.asp\">\n");
    body += HiddenField("Nome", record.name);
    body += HiddenField("programma", record.program);
    body += HiddenField("data", record.playedOn.toString(QStringLiteral("dd-MM-yyyy")));
    body += HiddenField("punti", QString::number(record.points));
    body += HiddenField("Manches", QString::number(record.manches));
    body += HiddenField("Note", record.note);
    body += HiddenField("E_MAIL", record.email);
    body += HiddenField("ora", record.playedAt.toString(QStringLiteral("HH:mm")));
    body += HiddenField("Language", QString::number(TableOf(record.language).Number()));
    body += HiddenField("token", QString::fromLatin1(form.token));
    body += QStringLiteral("<button type=\"submit\">Conferma e registra il record</button>\n</form>\n");
    return Shell(QStringLiteral("Registra il tuo record"), body);
}

QByteArray ReportForm(const QByteArray& token, const QString& notice)
{
    QString body;
    if (!notice.isEmpty())
        body += QStringLiteral("<p class=\"avviso\" role=\"alert\">%1</p>\n").arg(HtmlEscaped(notice));
    body += QStringLiteral("<p>Il dizionario del gioco non conosce una parola giusta? Segnalala: scrivi la parola "
                           "(da 3 a 10 lettere) e scegli la lingua.</p>\n");
    if (token.isEmpty())
        return Shell(QStringLiteral("Segnala una parola mancante"),
                     body + QStringLiteral("<p class=\"avviso\">Il sito in questo momento non può ricevere "
                                           "segnalazioni. Riprova più tardi.</p>"));
    body += QStringLiteral(
                "<form method=\"post\" action=\"/letterama/segnala\">\n"
                "<p><label for=\"parola\">Parola</label> <input id=\"parola\" name=\"parola\" required "
                "minlength=\"3\" maxlength=\"10\" autocomplete=\"off\"></p>\n"
                "<p><label for=\"lingua\">Lingua</label> <select id=\"lingua\" name=\"Language\">"
                "<option value=\"1\">Italiano</option><option value=\"2\">Inglese</option>"
                "<option value=\"3\">Latino</option></select></p>\n%1"
                "<p><button type=\"submit\">Segnala la parola</button></p>\n</form>\n")
                .arg(HiddenField("token", QString::fromLatin1(token)));
    return Shell(QStringLiteral("Segnala una parola mancante"), body);
}

QByteArray ReportThanks(const QByteArray& word, Language language)
{
    return Shell(QStringLiteral("Grazie della segnalazione"),
                 QStringLiteral("<p>La parola <strong>%1</strong> è stata segnalata per il dizionario %2.</p>\n"
                                "<p><a href=\"/letterama/segnala\">Segnala un'altra parola</a></p>")
                     .arg(HtmlEscaped(QString::fromLatin1(word)), LanguageName(language).toLower()));
}

QByteArray Problem(const QString& title, const QString& message)
{
    return Shell(title, QStringLiteral("<p class=\"avviso\" role=\"alert\">%1</p>\n"
                                       "<p><a href=\"/\">Torna alla pagina iniziale</a></p>")
                            .arg(HtmlEscaped(message)));
}

QByteArray StyleSheet()
{
    return QByteArrayLiteral(
        "body{font-family:sans-serif;max-width:50em;margin:0 auto;padding:0 1em;color:#111;background:#fff}\n"
        "header nav ul,.lingue,.pagine{list-style:none;padding:0;display:flex;flex-wrap:wrap;gap:.5em 1em}\n"
        ".pagine a,.pagine strong{display:inline-block;min-width:2em;padding:.3em;text-align:center}\n"
        ".tabella{overflow-x:auto}\n"
        "td.data{white-space:nowrap}\n"
        ".cerca input{max-width:60vw}\n"
        "@media (max-width:36em){body{padding:0 .4em}th,td{padding:.2em .3em}.nota{display:none}}\n"
        ".marchio{font-size:1.5em;font-weight:bold}\n"
        "table{border-collapse:collapse;width:100%}\n"
        "th,td{border:1px solid #999;padding:.3em .5em;text-align:left}\n"
        "tr.nuovo{background:#ffe680;font-weight:bold}\n"
        ".avviso{border:2px solid #a00;padding:.5em}\n"
        "dl.record dt{font-weight:bold}\n"
        "button{font-size:1.1em;padding:.3em 1em}\n"
        "footer{margin-top:2em;border-top:1px solid #999;font-size:.9em}\n");
}

}  // namespace SitePages
