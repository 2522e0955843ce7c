// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_platform.h"
#include "scoring/core/record_address.h"
#include "platform/core/site_address.h"

#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

RecordDetails Record()
{
    return {QStringLiteral("ANONIMO"), 5230, 5, QStringLiteral("Sono il migliore"), QStringLiteral("io@esempio.it"), Language::Italian};
}

const SiteAddress kSite = SiteAddress::FromText(QStringLiteral("http://127.0.0.1:8080/club/"));

QString Address(const RecordDetails& record)
{
    FakeRandom random;
    random.values = {0.0, 0.999, 0.5};
    return BuildRecordAddress(kSite, record, QDateTime(QDate(2026, 3, 7), QTime(9, 5, 42)), random);
}

// Every value of `key`, as the record service reads the address.
QStringList Values(const QString& address, const QString& key)
{
    return QUrlQuery(QUrl(address).query(QUrl::FullyEncoded)).allQueryItemValues(key, QUrl::FullyDecoded);
}

}  // namespace

TEST(RecordAddress, CarriesTheRecordInTheServiceOrder)
{
    EXPECT_EQ(Address(Record()),
              QStringLiteral("http://127.0.0.1:8080/club/letterama.asp"
                             "?Nome=ANONIMO&programma=Letterama_AZN&data=07-03-2026&punti=5230&Manches=5"
                             "&Note=Sono_il_migliore&E_MAIL=io%40esempio.it&ora=09:05&Language=1"));
}

TEST(RecordAddress, CmbSReplacesInPlaceKeepingTheLength)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Sono il migliore"), QStringLiteral("Sono_il_migliore")},
        {QStringLiteral("100% $ bravo!=&"), QStringLiteral("100____bravo___")},
        {QStringLiteral("già+#?"), QStringLiteral("già+#?")},
    };
    for (const auto& [in, out] : cases) {
        QString text = in;
        EXPECT_EQ(cmbS(text), out);
        EXPECT_EQ(text, out) << "changed in place";
    }
}

TEST(RecordAddress, NoteIsTrimmedAndCanAddNoParameters)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("  Sono il migliore  "), QStringLiteral("Sono_il_migliore")},
        {QStringLiteral("x&punti=99999"), QStringLiteral("x_punti_99999")},
        {QString(), QString()},
        {QStringLiteral("   "), QString()},
        // Left alone by cmbS, but would cut the address or read as a blank.
        {QStringLiteral("n.1#top+"), QStringLiteral("n.1%23top%2B")},
    };
    for (const auto& [note, sent] : cases) {
        RecordDetails record = Record();
        record.note = note;
        const QString address = Address(record);
        EXPECT_TRUE(address.contains(QStringLiteral("&Note=") + sent + QStringLiteral("&E_MAIL=io%40")))
            << address.toStdString();
        EXPECT_EQ(Values(address, QStringLiteral("punti")), QStringList{QStringLiteral("5230")});
        EXPECT_EQ(Values(address, QStringLiteral("Language")), QStringList{QStringLiteral("1")});
    }
}

TEST(RecordAddress, NameAndEmailCannotAddOrChangeParameters)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("A&punti=99999"), QStringLiteral("io@esempio.it")},
        {QStringLiteral("Mario Rossi"), QStringLiteral("x&punti=1&Language=3")},
        {QStringLiteral("#Zio?"), QStringLiteral("a+b@c.it")},
        {QStringLiteral("Niccolò=1"), QStringLiteral("%26")},
    };
    for (const auto& [name, email] : cases) {
        RecordDetails record = Record();
        record.holderName = name;
        record.email = email;
        const QString address = Address(record);
        EXPECT_EQ(Values(address, QStringLiteral("punti")), QStringList{QStringLiteral("5230")}) << address.toStdString();
        EXPECT_EQ(Values(address, QStringLiteral("Language")), QStringList{QStringLiteral("1")});
        EXPECT_EQ(Values(address, QStringLiteral("Nome")), QStringList{name});
        EXPECT_EQ(Values(address, QStringLiteral("E_MAIL")), QStringList{email});
    }
}

TEST(RecordAddress, DateTimeAndLettersFollowTheClockAndChance)
{
    FakeRandom random;
    random.values = {0.04, 0.5, 0.96};
    const QString address = BuildRecordAddress(kSite, Record(), QDateTime(QDate(2027, 12, 31), QTime(23, 59, 59)), random);
    EXPECT_EQ(Values(address, QStringLiteral("programma")), QStringList{QStringLiteral("Letterama_BNY")});
    EXPECT_EQ(Values(address, QStringLiteral("data")), QStringList{QStringLiteral("31-12-2027")});
    EXPECT_EQ(Values(address, QStringLiteral("ora")), QStringList{QStringLiteral("23:59")});
}
