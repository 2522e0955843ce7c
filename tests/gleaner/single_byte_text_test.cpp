// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/single_byte_text.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(SingleByteText, EveryPrintableByteRoundTrips)
{
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        const QByteArray bytes(1, static_cast<char>(byte));
        const QString text = SingleByteText::Decode(bytes);
        ASSERT_EQ(text.size(), 1) << byte;
        EXPECT_EQ(SingleByteText::Encode(text), std::optional<QByteArray>(bytes)) << byte;
    }
}

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    const char* text;  // UTF-8
};

class DecodeAny : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeAny, ReadsUtf8AsUtf8AndAnythingElseInTheCodePage)
{
    EXPECT_EQ(SingleByteText::DecodeAny(GetParam().bytes), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DecodeAny,
    ::testing::Values(DecodeCase{"ascii", "casa", "casa"},
                      DecodeCase{"utf8_accent", "citt\xC3\xA0", "città"},
                      DecodeCase{"utf8_byte_order_mark_dropped", "\xEF\xBB\xBF" "casa", "casa"},
                      DecodeCase{"code_page_accent", "citt\xE0", "città"},
                      DecodeCase{"code_page_euro_and_quotes", "\x80 \x93x\x94", "€ “x”"},
                      DecodeCase{"invalid_utf8_read_whole_in_code_page", "\xC3\xA0 \xE0", "Ã\u00a0 à"},
                      DecodeCase{"unassigned_byte_kept", "\x81", "\xC2\x81"},
                      DecodeCase{"empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct EncodeCase {
    const char* name;
    const char* text;  // UTF-8
    std::optional<QByteArray> bytes;
};

class Encode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(Encode, GivesNothingForACharacterOutsideTheCodePage)
{
    EXPECT_EQ(SingleByteText::Encode(QString::fromUtf8(GetParam().text)), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Encode,
    ::testing::Values(EncodeCase{"latin", "perché", QByteArray("perch\xE9")},
                      EncodeCase{"euro", "5 €", QByteArray("5 \x80")},
                      EncodeCase{"polish_l", "Łódź", std::nullopt},
                      EncodeCase{"cyrillic", "дом", std::nullopt},
                      EncodeCase{"emoji", "\xF0\x9F\x98\x80", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
