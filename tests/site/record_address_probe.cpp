// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the record address the game builds for a finished game, from its path on,
// for the browser test: record_address_probe NAME POINTS NOTE EMAIL LANGUAGE
#include "platform/core/random_source.h"
#include "scoring/core/record_address.h"
#include "platform/core/site_address.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QUrl>

namespace {

// The three letters after "Letterama_" come from here; any will do.
class SteadyRandom : public RandomSource {
public:
    double Next() override { return 0.5; }
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 6)
        return 2;
    RecordDetails details;
    details.holderName = arguments[1];
    details.points = arguments[2].toInt();
    details.manches = 5;
    details.note = arguments[3];
    details.email = arguments[4];
    details.language = LanguageFromNumber(arguments[5].toInt()).value_or(Language::Italian);
    SteadyRandom random;
    const QUrl url(BuildRecordAddress(SiteAddress::FromText(QStringLiteral("http://127.0.0.1")), details, QDateTime::currentDateTime(), random));
    QTextStream(stdout) << url.path(QUrl::FullyEncoded) << '?' << url.query(QUrl::FullyEncoded) << '\n';
    return 0;
}
