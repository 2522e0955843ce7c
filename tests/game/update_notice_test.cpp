// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/update_notice.h"

#include <gtest/gtest.h>

TEST(UpdateNotice, InstalledVersionIsItsNumbersRunTogether)
{
    EXPECT_EQ(UpdateNotice::InstalledVersionDigits(1, 0, 0), QStringLiteral("100"));
    EXPECT_EQ(UpdateNotice::InstalledVersionDigits(2, 13, 7), QStringLiteral("2137"));
}

TEST(UpdateNotice, NewerVersionAsksWithTheFetchedDigitsSpelledOut)
{
    const auto question = UpdateNotice::Question("101", 1, 0, 0);
    ASSERT_TRUE(question.has_value());
    EXPECT_EQ(*question, QStringLiteral("Versione di Letterama installata sul PC in uso : 1.0.0\n"
                                        "E' disponibile su Internet la nuova versione 1.0.1 di Letterama.\n"
                                        "Si desidera scaricala ed installarla adesso? "));
}

struct NoticeRow {
    const char* notice;
    bool asks;
    const char* shownVersion;  // as spelled in the question when it asks
};

class UpdateNoticeRows : public ::testing::TestWithParam<NoticeRow> {};

TEST_P(UpdateNoticeRows, AsksOnlyForANumberAboveTheInstalledOne)
{
    const NoticeRow row = GetParam();
    const auto question = UpdateNotice::Question(QByteArray(row.notice), 1, 2, 3);  // installed "123"
    ASSERT_EQ(question.has_value(), row.asks) << row.notice;
    if (row.asks) {
        EXPECT_TRUE(question->contains(QStringLiteral("nuova versione ") + QString::fromLatin1(row.shownVersion) +
                                       QStringLiteral(" di Letterama.")))
            << question->toStdString();
        EXPECT_FALSE(question->contains(QStringLiteral("<html>")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Notices, UpdateNoticeRows,
    ::testing::Values(NoticeRow{"124", true, "1.2.4"}, NoticeRow{"  130\r\n", true, "1.3.0"},
                      NoticeRow{"2000", true, "2.0.00"}, NoticeRow{"200\r\n<html>page</html>", true, "2.0.0"},
                      NoticeRow{"123", false, ""}, NoticeRow{"99", false, ""}, NoticeRow{"12", false, ""},
                      NoticeRow{"", false, ""}, NoticeRow{"<html>404 Not Found</html>", false, ""},
                      NoticeRow{"\x01\xff\x00garbage", false, ""}, NoticeRow{"-500", false, ""}));
