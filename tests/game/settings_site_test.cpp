// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/settings_file.h"

#include <gtest/gtest.h>

namespace {

struct SiteRow {
    const char* label;
    const char* file;
    const char* site;  // nullptr: the file names no site
};

}  // namespace

class SettingsSiteRows : public ::testing::TestWithParam<SiteRow> {};

TEST_P(SettingsSiteRows, TheSiteLineIsReadByTheSameRulesAsTheOthers)
{
    const StoredSettings stored = SettingsFile::Parse(GetParam().file);
    if (!GetParam().site) {
        EXPECT_FALSE(stored.Site.has_value()) << GetParam().label;
        return;
    }
    ASSERT_TRUE(stored.Site.has_value()) << GetParam().label;
    EXPECT_EQ(*stored.Site, QString::fromLatin1(GetParam().site)) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsSiteRows,
    ::testing::Values(
        SiteRow{"the seven lines alone", "Livello=Medio\r\nTempo=60\r\nDizionario= 1\r\n", nullptr},
        SiteRow{"plain", "Sito=http://127.0.0.1:8080\r\n", "http://127.0.0.1:8080"},
        SiteRow{"blanks around the value", "Sito=  https://club.example/letterama \r\n", "https://club.example/letterama"},
        SiteRow{"empty", "Sito=\r\n", ""},
        SiteRow{"everything after the first equals sign", "Sito=https://a.example/x=1\r\n", "https://a.example/x=1"},
        SiteRow{"keys compare case-sensitively", "sito=https://a.example\r\n", nullptr},
        SiteRow{"a later line wins", "Sito=https://a.example\r\nSito=https://b.example\r\n", "https://b.example"},
        SiteRow{"an older key in the line wins", "xSito Tempo=https://a.example\r\n", nullptr},
        SiteRow{"a site line keeps its key whatever the address holds", "Sito=https://Tempo.example\r\n",
                "https://Tempo.example"},
        SiteRow{"a name holding the word stays a name", "Giocatore1=Sito=x\r\n", nullptr}));

TEST(SettingsSite, TheSiteLineIsWrittenOnlyWhenSetSoAFileWithoutOneKeepsSevenLines)
{
    GameSettings settings;
    settings.RoundSeconds = 60;
    settings.TileStyle = TileLook::ThreeD;  // an empty style line reads back as style 2
    // The name as it reads back (upper case), so that a rewrite can be compared whole.
    const QByteArray seven = SettingsFile::Format(settings, QStringLiteral("ANONIMO")).value_or(QByteArray());
    EXPECT_EQ(seven.count("\r\n"), 7);
    EXPECT_FALSE(seven.contains("Sito"));

    settings.Site = QStringLiteral("http://127.0.0.1:8080");
    const QByteArray eight = SettingsFile::Format(settings, QStringLiteral("ANONIMO")).value_or(QByteArray());
    EXPECT_EQ(eight, seven + "Sito=http://127.0.0.1:8080\r\n");

    // Read back and written again, the file stays the same.
    GameSettings again;
    QString name;
    SettingsFile::Parse(eight).ApplyTo(again, name);
    EXPECT_EQ(SettingsFile::Format(again, name).value_or(QByteArray()), eight);
}

TEST(SettingsSite, ASiteWithLineBreaksCannotAddLines)
{
    GameSettings settings;
    settings.RoundSeconds = 60;
    settings.Site = QStringLiteral("https://a.example\r\nTempo=30");
    const QByteArray file = SettingsFile::Format(settings, QStringLiteral("Anonimo")).value_or(QByteArray());
    EXPECT_EQ(file.count("\r\n"), 8);
    EXPECT_EQ(SettingsFile::Parse(file).RoundSeconds, 60);
}
