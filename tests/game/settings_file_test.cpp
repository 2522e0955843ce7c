// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/settings_file.h"
#include "tests/support/temp_program_folder.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include <sys/stat.h>

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
    const StoredSettings back = SettingsFile::Parse(SettingsFile::Format(settings, QStringLiteral("Ugo\r\nTempo=30")).value_or(QByteArray()));
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
                                SettingsFile::Parse(SettingsFile::Format(written, QStringLiteral("Città")).value_or(QByteArray()));
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
    EXPECT_FALSE(SettingsFile::Read(ProgramFiles(folder.Path())).has_value());

    folder.Write(QStringLiteral("lettrama.ini"), "Tempo=90\r\n");
    ASSERT_TRUE(SettingsFile::Read(ProgramFiles(folder.Path())).has_value());
    EXPECT_EQ(SettingsFile::Read(ProgramFiles(folder.Path()))->RoundSeconds, 90);

    GameSettings settings;
    settings.RoundSeconds = 30;
    ASSERT_TRUE(SettingsFile::Write(ProgramFiles(folder.Path()), settings, QStringLiteral("Anonimo")));
    EXPECT_TRUE(folder.Read(QStringLiteral("lettrama.ini")).contains("Tempo=30\r\n"));
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList{QStringLiteral("lettrama.ini")});
}

namespace {

// The bytes of the name line of a formatted settings file.
QByteArray NameLine(const QByteArray& file)
{
    for (const QByteArray& line : file.split('\n')) {
        if (line.startsWith("Giocatore1="))
            return line.mid(11).chopped(1);
    }
    return {};
}

}  // namespace

TEST(SettingsFile, EveryByteOfTheNameSurvivesARewriteAndOnlyCapitalsTheCodePageHasAreMade)
{
    struct Row {
        const char* label;
        QByteArray stored;
        QByteArray rewritten;
    };
    const Row rows[] = {
        {"y with diaeresis has its capital at 0x9F", "\xFFvonne", "\x9FVONNE"},
        {"micro sign has no capital in the code page", "\xB5nit\xE0", "\xB5NIT\xC0"},
        {"sharp s stays one letter", "Stra\xDF" "e", "STRA\xDF" "E"},
        {"unassigned bytes come back as they were", "\x81\x8D\x8F\x90\x9D", "\x81\x8D\x8F\x90\x9D"},
        {"euro sign and curly quotes", "\x80\x93\x94", "\x80\x93\x94"},
        {"lower case letters of 0x80 to 0x9F", "\x9A\x9C\x9E", "\x8A\x8C\x8E"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const StoredSettings read = SettingsFile::Parse("Giocatore1=" + row.stored + "\r\n");
        ASSERT_TRUE(read.PlayerName.has_value());
        EXPECT_EQ(NameLine(SettingsFile::Format(GameSettings{}, *read.PlayerName).value_or("")), row.rewritten);
    }

    QByteArray everyByte;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        everyByte.append(static_cast<char>(byte));
    const QString name = *SettingsFile::Parse("Giocatore1=" + everyByte + "\r\n").PlayerName;
    const QByteArray once = NameLine(SettingsFile::Format(GameSettings{}, name).value_or(""));
    EXPECT_EQ(once.size(), everyByte.size());
    EXPECT_EQ(once.count('?'), 1);  // only the question mark that was there
    const QString again = *SettingsFile::Parse("Giocatore1=" + once + "\r\n").PlayerName;
    EXPECT_EQ(NameLine(SettingsFile::Format(GameSettings{}, again).value_or("")), once);
}

TEST(SettingsFile, ANameTheFileCannotStoreIsRefusedAndTheOldNameStays)
{
    TempProgramFolder folder;
    folder.Write(QStringLiteral("LETTRAMA.INI"), "Giocatore1=LUKASZ\r\n");
    QString error;
    EXPECT_FALSE(SettingsFile::Write(ProgramFiles(folder.Path()), GameSettings{}, QStringLiteral("Łukasz"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Łukasz")));
    EXPECT_EQ(folder.Read(QStringLiteral("LETTRAMA.INI")), QByteArray("Giocatore1=LUKASZ\r\n"));
}

TEST(SettingsFile, AFileThatCannotBeReadIsReportedAndNeverReplaced)
{
    using ProgramFolder::ReadStatus;
    struct Row {
        const char* label;
        std::function<bool(const TempProgramFolder&)> make;
        ReadStatus status;
    };
    const Row rows[] = {
        {"folder", [](const TempProgramFolder& f) { return QDir(f.Path()).mkdir(QStringLiteral("LETTRAMA.INI")); },
         ReadStatus::NotARegularFile},
        {"fifo",
         [](const TempProgramFolder& f) {
             return mkfifo(QFile::encodeName(f.FilePath(QStringLiteral("LETTRAMA.INI"))).constData(), 0600) == 0;
         },
         ReadStatus::NotARegularFile},
        {"over the size limit",
         [](const TempProgramFolder& f) {
             f.Write(QStringLiteral("LETTRAMA.INI"), QByteArray(SettingsFile::kMaxFileBytes + 1, 'x'));
             return true;
         },
         ReadStatus::TooLarge},
        {"no read permission",
         [](const TempProgramFolder& f) {
             f.Write(QStringLiteral("LETTRAMA.INI"), "Tempo=90\r\n");
             const QString path = f.FilePath(QStringLiteral("LETTRAMA.INI"));
             return QFile::setPermissions(path, QFile::WriteOwner) && !QFile(path).open(QIODevice::ReadOnly);
         },
         ReadStatus::Unreadable},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        TempProgramFolder folder;
        if (!row.make(folder)) {
            EXPECT_EQ(row.status, ReadStatus::Unreadable) << "cannot make the file for this row";
            continue;  // a user who reads everything cannot be denied a file
        }
        const QFileInfo before(folder.FilePath(QStringLiteral("LETTRAMA.INI")));
        ReadStatus status = ReadStatus::Ok;
        EXPECT_FALSE(SettingsFile::Read(ProgramFiles(folder.Path()), &status).has_value());
        EXPECT_EQ(status, row.status);

        QString error;
        EXPECT_FALSE(SettingsFile::Write(ProgramFiles(folder.Path()), GameSettings{}, QStringLiteral("Anna"), &error));
        EXPECT_TRUE(error.contains(QStringLiteral("LETTRAMA.INI")));
        const QFileInfo after(folder.FilePath(QStringLiteral("LETTRAMA.INI")));
        EXPECT_EQ(after.isFile(), before.isFile());
        EXPECT_EQ(after.size(), before.size());
        QFile::setPermissions(after.filePath(), QFile::ReadOwner | QFile::WriteOwner);
    }
}
