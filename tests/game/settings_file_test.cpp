#include "settings_file.h"
#include "temp_program_folder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <random>

namespace {

// Every field of a parse result, with "-" for a key the file did not name, so one
// string comparison shows at a glance what a file decided.
std::string Describe(const StoredSettings& s)
{
    auto number = [](const std::optional<int>& v) { return v ? std::to_string(*v) : std::string("-"); };
    std::string text;
    text += "level " + number(s.Level);
    text += " sound " + (s.SoundOn ? std::string(*s.SoundOn ? "on" : "off") : std::string("-"));
    text += " time " + number(s.RoundSeconds);
    text += " letters " + number(s.LetterCount);
    text += " name " + (s.PlayerName ? "'" + s.PlayerName->toStdString() + "'" : std::string("-"));
    text += " style " + number(s.TileStyle);
    text += " language " + number(s.LexiconLanguage);
    return text;
}

struct ParseRow {
    const char* file;
    const char* expected;
};

}  // namespace

class SettingsParseRows : public ::testing::TestWithParam<ParseRow> {};

TEST_P(SettingsParseRows, ReadsWhatTheFileNames)
{
    EXPECT_EQ(Describe(SettingsFile::Parse(GetParam().file)), GetParam().expected) << GetParam().file;
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsParseRows,
    ::testing::Values(
        // Only the listed times are taken; anything else is a minute.
        ParseRow{"Tempo=45\r\n", "level - sound - time 60 letters - name - style - language -"},
        ParseRow{"Tempo=30", "level - sound - time 30 letters - name - style - language -"},
        ParseRow{"Tempo=90", "level - sound - time 90 letters - name - style - language -"},
        ParseRow{"Tempo=32000", "level - sound - time 32000 letters - name - style - language -"},
        ParseRow{"Tempo=60", "level - sound - time 60 letters - name - style - language -"},
        ParseRow{"Tempo=", "level - sound - time 60 letters - name - style - language -"},
        // Level values compare upper-cased and left-trimmed.
        ParseRow{"Livello=esperto", "level 3 sound - time - letters - name - style - language -"},
        ParseRow{"Livello=  Principiante", "level 1 sound - time - letters - name - style - language -"},
        ParseRow{"Livello=Medio", "level 2 sound - time - letters - name - style - language -"},
        ParseRow{"Livello=Facile", "level 2 sound - time - letters - name - style - language -"},
        ParseRow{"Suono=si", "level - sound on time - letters - name - style - language -"},
        ParseRow{"Suono=No", "level - sound off time - letters - name - style - language -"},
        ParseRow{"Suono=", "level - sound off time - letters - name - style - language -"},
        ParseRow{"NumeroLettere=8", "level - sound - time - letters 8 name - style - language -"},
        ParseRow{"NumeroLettere=9", "level - sound - time - letters 9 name - style - language -"},
        ParseRow{"NumeroLettere=11", "level - sound - time - letters 10 name - style - language -"},
        ParseRow{"SfondoCasella=1", "level - sound - time - letters - name - style 1 language -"},
        ParseRow{"SfondoCasella=3", "level - sound - time - letters - name - style 3 language -"},
        ParseRow{"SfondoCasella=4", "level - sound - time - letters - name - style 4 language -"},
        ParseRow{"SfondoCasella=", "level - sound - time - letters - name - style 2 language -"},
        ParseRow{"SfondoCasella=9", "level - sound - time - letters - name - style 2 language -"},
        // The language is a number with blanks ignored; range checks come later.
        ParseRow{"Dizionario=2", "level - sound - time - letters - name - style - language 2"},
        ParseRow{"Dizionario= 2", "level - sound - time - letters - name - style - language 2"},
        ParseRow{"Dizionario=7", "level - sound - time - letters - name - style - language 7"},
        ParseRow{"Dizionario=Latino", "level - sound - time - letters - name - style - language 0"},
        ParseRow{"Dizionario=99999999", "level - sound - time - letters - name - style - language 0"},
        // Names are upper-cased, everything after the first "=" kept.
        ParseRow{"Giocatore1=Mario Rossi", "level - sound - time - letters - name 'MARIO ROSSI' style - language -"},
        ParseRow{"Giocatore1=a=b", "level - sound - time - letters - name 'A=B' style - language -"},
        ParseRow{"Giocatore1=", "level - sound - time - letters - name '' style - language -"},
        // Keys compare case-sensitively and may stand anywhere in the line.
        ParseRow{"livello=Esperto", "level - sound - time - letters - name - style - language -"},
        ParseRow{"[x] Livello=Esperto", "level 3 sound - time - letters - name - style - language -"},
        ParseRow{"Livello", "level 2 sound - time - letters - name - style - language -"},
        // In a line that starts with no key, the first key of the list found wins.
        ParseRow{"xTempoSuono=90", "level - sound off time - letters - name - style - language -"},
        // A line starting with its own key keeps it, whatever the name says.
        ParseRow{"Giocatore1=Tempo", "level - sound - time - letters - name 'TEMPO' style - language -"},
        // A later line of the same key wins; unknown lines are skipped.
        ParseRow{"Tempo=30\r\nRumore\r\nTempo=90\r\n", "level - sound - time 90 letters - name - style - language -"},
        // Lines may also end in a lone LF or CR.
        ParseRow{"Tempo=30\nNumeroLettere=8\rLivello=Esperto",
                 "level 3 sound - time 30 letters 8 name - style - language -"}));

TEST(SettingsFile, WritesKeysInTheirFixedOrderWithCrLf)
{
    GameSettings settings;
    settings.Level = Difficulty::Expert;
    settings.SoundOn = false;
    settings.RoundSeconds = 32000;
    settings.LetterCount = 8;
    settings.TileStyle = TileLook::ClassicLight;
    settings.LexiconLanguage = Language::English;
    EXPECT_EQ(SettingsFile::Format(settings, QStringLiteral("Lucia")), QByteArray("Livello=Esperto\r\n"
                                                         "Suono=No\r\n"
                                                         "Tempo=32000\r\n"
                                                         "NumeroLettere=8\r\n"
                                                         "Giocatore1=Lucia\r\n"
                                                         "SfondoCasella=4\r\n"
                                                         "Dizionario= 2\r\n"));
}

TEST(SettingsFile, WithNoTileStyleTheLanguageLineStaysOnItsOwnLine)
{
    GameSettings settings;
    settings.Level = Difficulty::Beginner;
    settings.RoundSeconds = 60;
    EXPECT_EQ(SettingsFile::Format(settings, QStringLiteral("Anonimo")), QByteArray("Livello=Principiante\r\n"
                                                         "Suono=Si\r\n"
                                                         "Tempo=60\r\n"
                                                         "NumeroLettere=10\r\n"
                                                         "Giocatore1=Anonimo\r\n"
                                                         "SfondoCasella=\r\n"
                                                         "Dizionario= 1\r\n"));
}

TEST(SettingsFile, ANameWithLineBreaksCannotAddLines)
{
    GameSettings settings;
    settings.RoundSeconds = 60;
    const StoredSettings back = SettingsFile::Parse(SettingsFile::Format(settings, QStringLiteral("Ugo\r\nTempo=30")));
    EXPECT_EQ(back.PlayerName.value_or(QString()), QStringLiteral("UGO  TEMPO=30"));
    EXPECT_EQ(back.RoundSeconds, 60);
}

TEST(SettingsFile, EveryWrittenCombinationReadsBack)
{
    for (int level : {1, 2, 3})
        for (int seconds : {30, 60, 90, 32000})
            for (int letters : {8, 9, 10})
                for (int style : {1, 2, 3, 4})
                    for (int language : {1, 2, 3})
                        for (bool sound : {false, true}) {
                            GameSettings written;
                            written.Level = static_cast<Difficulty>(level);
                            written.SoundOn = sound;
                            written.RoundSeconds = seconds;
                            written.LetterCount = letters;
                            written.TileStyle = static_cast<TileLook>(style);
                            written.LexiconLanguage = static_cast<Language>(language);
                            const StoredSettings read =
                                SettingsFile::Parse(SettingsFile::Format(written, QStringLiteral("Città")));
                            ASSERT_EQ(read.Level, level);
                            ASSERT_EQ(read.SoundOn, sound);
                            ASSERT_EQ(read.RoundSeconds, seconds);
                            ASSERT_EQ(read.LetterCount, letters);
                            ASSERT_EQ(read.TileStyle, style);
                            ASSERT_EQ(read.LexiconLanguage, language);
                            ASSERT_EQ(read.PlayerName, QStringLiteral("CITTÀ"));
                        }
}

TEST(SettingsFile, GarbageBytesNeverFailAndAValidLineAmongThemCounts)
{
    std::mt19937 bytes(20261208);
    for (int round = 0; round < 200; ++round) {
        QByteArray garbage;
        for (int i = 0; i < 600; ++i)
            garbage.append(static_cast<char>(bytes() & 0xff));
        SettingsFile::Parse(garbage);
        garbage.append("\r\nNumeroLettere=8\r\n");
        EXPECT_EQ(SettingsFile::Parse(garbage).LetterCount, 8);
    }
}

TEST(SettingsFile, ReadAndWriteGoThroughTheFileOfTheCurrentFolderInAnyCase)
{
    TempProgramFolder folder;
    EXPECT_FALSE(SettingsFile::Read().has_value());

    folder.Write(QStringLiteral("lettrama.ini"), "Tempo=90\r\n");
    ASSERT_TRUE(SettingsFile::Read().has_value());
    EXPECT_EQ(SettingsFile::Read()->RoundSeconds, 90);

    GameSettings settings;
    settings.RoundSeconds = 30;
    ASSERT_TRUE(SettingsFile::Write(settings, QStringLiteral("Anonimo")));
    EXPECT_TRUE(folder.Read(QStringLiteral("lettrama.ini")).contains("Tempo=30\r\n"));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{QStringLiteral("lettrama.ini")});
}
