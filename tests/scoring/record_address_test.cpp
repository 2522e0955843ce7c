#include "fake_platform.h"
#include "record_address.h"
#include "web_addresses.h"

#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

RecordDetails Record()
{
    RecordDetails record;
    record.holderName = QStringLiteral("ANONIMO");
    record.points = 5230;
    record.manches = 5;
    record.note = QStringLiteral("Sono il migliore");
    record.email = QStringLiteral("io@esempio.it");
    record.language = 1;
    return record;
}

QString Address(const RecordDetails& record)
{
    FakeRandom random;
    random.values = {0.0, 0.999, 0.5};
    const QDateTime now(QDate(2026, 3, 7), QTime(9, 5, 42));
    return BuildRecordAddress(record, now, random);
}

// The value of `key` as the record service reads it, and how often the key occurs.
QString Query(const QString& address, const QString& key, int* occurrences = nullptr)
{
    const QUrlQuery query(QUrl(address).query(QUrl::FullyEncoded));
    if (occurrences)
        *occurrences = static_cast<int>(query.allQueryItemValues(key).size());
    return query.queryItemValue(key, QUrl::FullyDecoded);
}

}  // namespace

TEST(RecordAddress, CarriesTheRecordInTheServiceOrder)
{
    EXPECT_EQ(Address(Record()),
              QString::fromLatin1(WebAddresses::kRecordPage) +
                  QStringLiteral("?Nome=ANONIMO&programma=Letterama_AZN&data=07-03-2026&punti=5230&Manches=5"
                                 "&Note=Sono_il_migliore&E_MAIL=io%40esempio.it&ora=09:05&Language=1"));
}

TEST(RecordAddress, CmbSReplacesInPlaceKeepingTheLength)
{
    struct Case {
        QString in;
        QString out;
    };
    const Case cases[] = {
        {QStringLiteral("Sono il migliore"), QStringLiteral("Sono_il_migliore")},
        {QStringLiteral("a=b&c"), QStringLiteral("a_b_c")},
        {QStringLiteral("100% $ bravo!"), QStringLiteral("100____bravo_")},
        {QStringLiteral("già+#?"), QStringLiteral("già+#?")},
        {QString(), QString()},
    };
    for (const Case& c : cases) {
        QString text = c.in;
        EXPECT_EQ(cmbS(text), c.out) << c.in.toStdString();
        EXPECT_EQ(text, c.out) << "changed in place: " << c.in.toStdString();
    }
}

TEST(RecordAddress, NoteIsTrimmedAndCanAddNoParameters)
{
    struct Case {
        QString note;
        QString sent;  // what follows "&Note=" up to the next "&"
    };
    const Case cases[] = {
        {QStringLiteral("  Sono il migliore  "), QStringLiteral("Sono_il_migliore")},
        {QStringLiteral("x&punti=99999"), QStringLiteral("x_punti_99999")},
        {QStringLiteral("a=b"), QStringLiteral("a_b")},
        {QString(), QString()},
        {QStringLiteral("   "), QString()},
        // Left alone by cmbS, but would cut the address or read as a blank.
        {QStringLiteral("n.1#top+"), QStringLiteral("n.1%23top%2B")},
    };
    for (const Case& c : cases) {
        RecordDetails record = Record();
        record.note = c.note;
        const QString address = Address(record);
        EXPECT_TRUE(address.contains(QStringLiteral("&Note=") + c.sent + QStringLiteral("&E_MAIL=")))
            << address.toStdString();
        int punti = 0;
        EXPECT_EQ(Query(address, QStringLiteral("punti"), &punti), QStringLiteral("5230"));
        EXPECT_EQ(punti, 1);
        EXPECT_EQ(Query(address, QStringLiteral("Language")), QStringLiteral("1")) << address.toStdString();
    }
}

TEST(RecordAddress, NameAndEmailCannotAddOrChangeParameters)
{
    struct Case {
        QString name;
        QString email;
    };
    const Case cases[] = {
        {QStringLiteral("A&punti=99999"), QStringLiteral("io@esempio.it")},
        {QStringLiteral("Mario Rossi"), QStringLiteral("x&punti=1&Language=3")},
        {QStringLiteral("#Zio?"), QStringLiteral("a+b@c.it")},
        {QStringLiteral("Niccolò=1"), QStringLiteral("%26")},
    };
    for (const Case& c : cases) {
        RecordDetails record = Record();
        record.holderName = c.name;
        record.email = c.email;
        const QString address = Address(record);
        int punti = 0;
        int languages = 0;
        EXPECT_EQ(Query(address, QStringLiteral("punti"), &punti), QStringLiteral("5230")) << address.toStdString();
        EXPECT_EQ(punti, 1) << address.toStdString();
        EXPECT_EQ(Query(address, QStringLiteral("Language"), &languages), QStringLiteral("1"));
        EXPECT_EQ(languages, 1);
        EXPECT_EQ(Query(address, QStringLiteral("Nome")), c.name);
        EXPECT_EQ(Query(address, QStringLiteral("E_MAIL")), c.email);
    }
}

TEST(RecordAddress, DateTimeAndLettersFollowTheClockAndChance)
{
    FakeRandom random;
    random.values = {0.04, 0.5, 0.96};
    const QString address = BuildRecordAddress(Record(), QDateTime(QDate(2027, 12, 31), QTime(23, 59, 59)), random);
    EXPECT_EQ(random.draws, 3);
    EXPECT_EQ(Query(address, QStringLiteral("programma")), QStringLiteral("Letterama_BNY"));
    EXPECT_EQ(Query(address, QStringLiteral("data")), QStringLiteral("31-12-2027"));
    EXPECT_EQ(Query(address, QStringLiteral("ora")), QStringLiteral("23:59"));
}
