// SPDX-License-Identifier: GPL-3.0-or-later
#include "credits.h"

namespace Credits {

QString LicenceText()
{
    return QStringLiteral("Letterama è software libero: si può ridistribuire e modificare secondo i termini "
                          "della GNU General Public License, versione 3 o (a scelta) successiva. "
                          "Non c'è alcuna garanzia.");
}

const std::vector<DataSource>& DataSources()
{
    static const std::vector<DataSource> sources = {
        {QStringLiteral("Dizionario italiano"),
         QStringLiteral("witalian di Davide G. M. Salvetti e hunspell-it del progetto LibreOffice"),
         QStringLiteral("GPL 3 o successiva; MPL 2.0")},
        {QStringLiteral("Dizionario inglese"),
         QStringLiteral("wamerican, dalle liste SCOWL di Kevin Atkinson e altri"),
         QStringLiteral("licenza permissiva di SCOWL")},
        {QStringLiteral("Dizionario latino"), QStringLiteral("collatinus di Yves Ouvrard"), QStringLiteral("GPL 3")},
        {QStringLiteral("Suoni delle lettere"), QStringLiteral("voce sintetica di espeak-ng, ritocchi con sox"),
         QStringLiteral("GPL 3 o successiva")},
        {QStringLiteral("Immagini"),
         QStringLiteral("disegnate dagli autori di Letterama; scritte in DejaVu Sans"),
         QStringLiteral("GPL 3 o successiva; licenza Bitstream Vera")},
    };
    return sources;
}

QString AboutText()
{
    QString text = QStringLiteral("<p>") + LicenceText().toHtmlEscaped() +
                   QStringLiteral(" <a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">Testo della licenza</a></p>"
                                  "<p><b>Fonti dei dati</b></p><ul>");
    for (const DataSource& row : DataSources()) {
        text += QStringLiteral("<li><b>%1</b>: %2 (%3)</li>")
                    .arg(row.made.toHtmlEscaped(), row.source.toHtmlEscaped(), row.licence.toHtmlEscaped());
    }
    return text + QStringLiteral("</ul>");
}

}  // namespace Credits
