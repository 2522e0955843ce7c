// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/credits.h"

namespace Credits {

QString LicenceText()
{
    return QStringLiteral("Letterama è software libero: si può ridistribuire e modificare secondo i termini "
                          "della GNU General Public License, versione 3 o (a scelta) successiva. "
                          "Non c'è alcuna garanzia. Tre lessici sono fatti dal lavoro di altri e ne "
                          "conservano la licenza, indicata per ciascuno qui sotto.");
}

const std::vector<DataSource>& DataSources()
{
    static const std::vector<DataSource> sources = {
        {QStringLiteral("Dizionario italiano, SLESSICO.1"),
         QStringLiteral("hunspell-it di LibreItalia - Marina Latini, Andrea Pescetti, Davide Prina e "
                        "Gianluca Turconi (GPL versione 3); witalian di Davide G. M. Salvetti "
                        "(GPL versione 3 o successiva)"),
         QStringLiteral("GPL versione 3")},
        {QStringLiteral("Dizionario inglese, SLESSICO.2"),
         QStringLiteral("wamerican, dalle liste SCOWL di Kevin Atkinson e altri (licenza permissiva di SCOWL)"),
         QStringLiteral("licenza permissiva di SCOWL")},
        {QStringLiteral("Dizionario latino, SLESSICO.3"),
         QStringLiteral("i dati di collatinus di Yves Ouvrard e Philippe Verkerk (GPL versione 2 o successiva)"),
         QStringLiteral("GPL versione 2 o successiva")},
        {QStringLiteral("Suoni delle lettere"),
         QStringLiteral("voce sintetica di espeak-ng di Jonathan Duddington, Reece H. Dunn e altri "
                        "(GPL versione 3 o successiva), ritocchi con sox"),
         QStringLiteral("GPL versione 3 o successiva")},
        {QStringLiteral("Immagini"),
         QStringLiteral("disegnate dagli autori di Letterama; le lettere 3D, il logo, l'icona e le scritte in "
                        "DejaVu Sans Bold, font di Bitstream, Inc. e DejaVu (licenza Bitstream Vera)"),
         QStringLiteral("GPL versione 3 o successiva")},
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
