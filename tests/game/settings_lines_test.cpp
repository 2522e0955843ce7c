// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/settings_file.h"
#include "platform/core/settings_lines.h"

#include <gtest/gtest.h>

// Gleaner reads the player's site and lexicon language with the settings lines alone;
// the game reads the whole file. Both must take the same value from every file.
struct SharedLineRow {
    const char* label;
    const char* file;
};

class GleanerReadsAsTheGame : public ::testing::TestWithParam<SharedLineRow> {};

TEST_P(GleanerReadsAsTheGame, TheSiteAndTheLanguage)
{
    const QByteArray bytes(GetParam().file);
    const StoredSettings game = SettingsFile::Parse(bytes);
    EXPECT_EQ(SettingsLines::Site(bytes), game.Site) << GetParam().label;
    EXPECT_EQ(SettingsLines::LexiconLanguage(bytes), game.LexiconLanguage) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(
    Files, GleanerReadsAsTheGame,
    ::testing::Values(
        SharedLineRow{"neither line", "Livello=Medio\r\nTempo=60\r\n"},
        SharedLineRow{"both as the game writes them", "Dizionario= 2\r\nSito=http://127.0.0.1:8080\r\n"},
        SharedLineRow{"blanks around the site", "Sito=  https://club.example \r\n"},
        SharedLineRow{"a later line wins", "Dizionario=2\r\nSito=https://a.example\r\nDizionario=3\r\nSito=https://b.example\r\n"},
        SharedLineRow{"a language that is no number", "Dizionario=xyz\r\n"},
        SharedLineRow{"a language too large for a setting", "Dizionario=99999999\r\n"},
        SharedLineRow{"lone line ends", "Dizionario=3\rSito=https://a.example\n"},
        SharedLineRow{"a name holding both words stays a name", "Giocatore1=Sito Dizionario=3\r\n"},
        SharedLineRow{"a line with no key of its own", "xSito=https://a.example\r\n"},
        SharedLineRow{"an older key in the line wins", "xSito Tempo=https://a.example\r\n"}));
