// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"

#include "game/ui/game_view.h"
#include "game/ui/main_menu.h"
#include "game/ui/player_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

const QByteArray kDefaultFile = "Livello=Medio\r\nSuono=Si\r\nTempo=60\r\nNumeroLettere=10\r\nGiocatore1=Anonimo\r\n"
                                "SfondoCasella=\r\nDizionario= 1\r\n";

}  // namespace

// ---- Reading the settings file at start-up ----

TEST_F(MainWindowTest, UnlistedTimeGivesAMinuteAndChecksIt)
{
    WriteLexicon(1);
    WriteSettings("Tempo=45\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(State().Settings.RoundSeconds, 60);
    EXPECT_EQ(MainMenu::CheckedValue(Window().Menu()->TimeGroup()), 60);
}

TEST_F(MainWindowTest, LevelValueComparesUpperCasedButItsKeyDoesNot)
{
    WriteLexicon(1);
    WriteSettings("Livello=esperto\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(static_cast<int>(State().Settings.Level), 3);
    EXPECT_EQ(MainMenu::CheckedValue(Window().Menu()->LevelGroup()), 3);

    WriteSettings("livello=Esperto\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(static_cast<int>(State().Settings.Level), 2);
    EXPECT_EQ(MainMenu::CheckedValue(Window().Menu()->LevelGroup()), 2);
}

TEST_F(MainWindowTest, SavedNameComesBackUpperCased)
{
    WriteLexicon(1);
    WriteSettings("Giocatore1=mArIa Rosa\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Window().View()->NameBox(0)->text(), QStringLiteral("MARIA ROSA"));
    EXPECT_EQ(State().Players[0].Name, QStringLiteral("MARIA ROSA"));
}

struct LanguageRow {
    const char* line;
    int language;
    const char* caption;
};

class MainWindowLanguageRows : public MainWindowTest, public ::testing::WithParamInterface<LanguageRow> {};

TEST_P(MainWindowLanguageRows, SavedLanguagePicksLexiconCaptionAndLetters)
{
    WriteLexicon(1);
    WriteLexicon(2);
    WriteSettings(GetParam().line);
    ASSERT_TRUE(Start());
    EXPECT_EQ(static_cast<int>(State().Settings.LexiconLanguage), GetParam().language);
    EXPECT_EQ(MainMenu::CheckedValue(Window().Menu()->LanguageGroup()), GetParam().language);
    EXPECT_EQ(Window().windowTitle(), QString::fromLatin1(GetParam().caption));
    EXPECT_EQ(State().Alphabet.size(), GetParam().language == 1 ? 21 : 26);
}

INSTANTIATE_TEST_SUITE_P(
    Values, MainWindowLanguageRows,
    ::testing::Values(LanguageRow{"Dizionario=2\r\n", 2, "Letterama - Dizionario Inglese"},
                      LanguageRow{"Dizionario= 2\r\n", 2, "Letterama - Dizionario Inglese"},
                      LanguageRow{"Dizionario=7\r\n", 1, "Letterama - Dizionario Italiano"},
                      LanguageRow{"Dizionario=0\r\n", 1, "Letterama - Dizionario Italiano"},
                      LanguageRow{"Dizionario=-2\r\n", 1, "Letterama - Dizionario Italiano"},
                      LanguageRow{"Dizionario=xyz\r\n", 1, "Letterama - Dizionario Italiano"}));

TEST_F(MainWindowTest, WholeSettingsFileSetsStateAndEveryCheckMark)
{
    WriteLexicon(1);
    WriteSettings("Livello=Principiante\r\nSuono=No\r\nTempo=32000\r\nNumeroLettere=8\r\nGiocatore1=Ugo\r\n"
                  "SfondoCasella=3\r\nDizionario= 1\r\n");
    ASSERT_TRUE(Start());
    MainMenu& menu = *Window().Menu();
    EXPECT_EQ(MainMenu::CheckedValue(menu.LevelGroup()), 1);
    EXPECT_FALSE(menu.Action(MainMenu::Command::Sound)->isChecked());
    EXPECT_FALSE(State().Settings.SoundOn);
    EXPECT_EQ(MainMenu::CheckedValue(menu.TimeGroup()), 32000);
    EXPECT_EQ(MainMenu::CheckedValue(menu.LetterCountGroup()), 8);
    EXPECT_EQ(MainMenu::CheckedValue(menu.TileStyleGroup()), 3);
    EXPECT_EQ(static_cast<int>(State().Settings.TileStyle), 3);
    for (int slot = 0; slot < GameState::kPlayers; ++slot)
        EXPECT_EQ(Window().View()->WordBox(slot)->maxLength(), 8);
}

TEST_F(MainWindowTest, GarbageSettingsFileLeavesTheDefaults)
{
    WriteLexicon(1);
    std::mt19937 random(7);
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(static_cast<char>(random() & 0xff));
    WriteSettings(garbage);
    ASSERT_TRUE(Start());
    EXPECT_EQ(State().Settings.LetterCount, 10);
    EXPECT_EQ(static_cast<int>(State().Settings.LexiconLanguage), 1);
    EXPECT_NE(MainMenu::CheckedValue(Window().Menu()->TimeGroup()), 0);
}

// ---- Writing the settings file from the menus ----

TEST_F(MainWindowTest, SavingWithNoTileStyleEndsTheEmptyStyleLine)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    Window().SaveSettings();
    EXPECT_EQ(SettingsText(), kDefaultFile);
}

TEST_F(MainWindowTest, SameLetterCountAgainShowsNothingAndKeepsTheGame)
{
    WriteLexicon(1);
    WriteSettings("NumeroLettere=9\r\n");
    ASSERT_TRUE(Start());
    SetUpState().DrawnLetters = QStringLiteral("AB");
    SetUpState().TotalScores[0] = 500;

    Choose(Window().Menu()->LetterCountItem(9));

    EXPECT_TRUE(fakes.dialogs.asked.empty());
    EXPECT_EQ(State().DrawnLetters, QStringLiteral("AB"));
    EXPECT_EQ(State().TotalScores[0], 500);
    EXPECT_TRUE(Window().Menu()->LetterCountItem(9)->isChecked());
}

TEST_F(MainWindowTest, OtherLetterCountWarnsStartsANewGameAndIsSaved)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    SetUpState().DrawnLetters = QStringLiteral("AB");
    SetUpState().MancheNumber = 3;

    Choose(Window().Menu()->LetterCountItem(9));

    EXPECT_EQ(fakes.dialogs.Texts(),
              QStringList{QStringLiteral("Attenzione: si inizia una nuova partita con 9 lettere estratte.")});
    EXPECT_EQ(State().Settings.LetterCount, 9);
    EXPECT_TRUE(State().DrawnLetters.isEmpty());
    EXPECT_EQ(State().MancheNumber, 1);
    EXPECT_EQ(MainMenu::CheckedValue(Window().Menu()->LetterCountGroup()), 9);
    for (int slot = 0; slot < GameState::kPlayers; ++slot)
        EXPECT_EQ(Window().View()->WordBox(slot)->maxLength(), 9);
    EXPECT_TRUE(SettingsText().contains("\r\nNumeroLettere=9\r\n"));
}

struct TimeRow {
    int seconds;
    const char* message;
};

class MainWindowTimeRows : public MainWindowTest, public ::testing::WithParamInterface<TimeRow> {};

TEST_P(MainWindowTimeRows, NewTimeWarnsAndIsSaved)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    Choose(Window().Menu()->TimeItem(GetParam().seconds));
    EXPECT_EQ(fakes.dialogs.Texts(), QStringList{QString::fromUtf8(GetParam().message)});
    EXPECT_EQ(State().Settings.RoundSeconds, GetParam().seconds);
    EXPECT_EQ(MainMenu::CheckedValue(Window().Menu()->TimeGroup()), GetParam().seconds);
    EXPECT_TRUE(SettingsText().contains(QStringLiteral("\r\nTempo=%1\r\n").arg(GetParam().seconds).toLatin1()));
}

INSTANTIATE_TEST_SUITE_P(
    Times, MainWindowTimeRows,
    ::testing::Values(
        TimeRow{30, "Attenzione: si inizia una nuova partita con 30 secondi di tempo per pensare."},
        TimeRow{90, "Attenzione: si inizia una nuova partita con 90 secondi di tempo per pensare."},
        TimeRow{32000, "Attenzione: si inizia una nuova partita con tutto il tempo che vuoi per pensare!"}));

TEST_F(MainWindowTest, SameTimeAgainShowsNothing)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    SetUpState().DrawnLetters = QStringLiteral("XY");
    Choose(Window().Menu()->TimeItem(60));
    EXPECT_TRUE(fakes.dialogs.asked.empty());
    EXPECT_EQ(State().DrawnLetters, QStringLiteral("XY"));
}

struct SavedItemRow {
    const char* name;
    std::function<QAction*(MainMenu&)> item;
    const char* line;  // the line the file must then hold, CR LF included
};

class MainWindowSavedItems : public MainWindowTest, public ::testing::WithParamInterface<SavedItemRow> {};

TEST_P(MainWindowSavedItems, EverySettingItemRewritesTheFile)
{
    WriteLexicon(1);
    WriteLexicon(3);
    ASSERT_TRUE(Start());
    ASSERT_FALSE(folder.Exists(QStringLiteral("LETTRAMA.INI")));
    Choose(GetParam().item(*Window().Menu()));
    const QByteArray text = SettingsText();
    EXPECT_TRUE(text.contains(GetParam().line)) << text.toStdString();
    EXPECT_EQ(text.count("\r\n"), 7);
    EXPECT_TRUE(text.startsWith("Livello="));
    EXPECT_TRUE(text.endsWith("\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Items, MainWindowSavedItems,
    ::testing::Values(
        SavedItemRow{"Sound", [](MainMenu& m) { return m.Action(MainMenu::Command::Sound); }, "Suono=No\r\n"},
        SavedItemRow{"Letters8", [](MainMenu& m) { return m.LetterCountItem(8); }, "NumeroLettere=8\r\n"},
        SavedItemRow{"Letters10", [](MainMenu& m) { return m.LetterCountItem(10); }, "NumeroLettere=10\r\n"},
        SavedItemRow{"Time90", [](MainMenu& m) { return m.TimeItem(90); }, "Tempo=90\r\n"},
        SavedItemRow{"Unlimited", [](MainMenu& m) { return m.TimeItem(32000); }, "Tempo=32000\r\n"},
        SavedItemRow{"Style3D", [](MainMenu& m) { return m.TileStyleItem(2); }, "SfondoCasella=2\r\n"},
        SavedItemRow{"StyleAnimated", [](MainMenu& m) { return m.TileStyleItem(1); }, "SfondoCasella=1\r\n"},
        SavedItemRow{"StylePicture", [](MainMenu& m) { return m.TileStyleItem(3); }, "SfondoCasella=3\r\n"},
        SavedItemRow{"StyleLight", [](MainMenu& m) { return m.TileStyleItem(4); }, "SfondoCasella=4\r\n"},
        SavedItemRow{"Beginner", [](MainMenu& m) { return m.LevelItem(1); }, "Livello=Principiante\r\n"},
        SavedItemRow{"Medium", [](MainMenu& m) { return m.LevelItem(2); }, "Livello=Medio\r\n"},
        SavedItemRow{"Expert", [](MainMenu& m) { return m.LevelItem(3); }, "Livello=Esperto\r\n"},
        SavedItemRow{"Latin", [](MainMenu& m) { return m.LanguageItem(3); }, "Dizionario= 3\r\n"},
        SavedItemRow{"Italian", [](MainMenu& m) { return m.LanguageItem(1); }, "Dizionario= 1\r\n"}),
    [](const ::testing::TestParamInfo<SavedItemRow>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ChoosingAStyleChecksItAloneAndAsksForARedraw)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    QList<int> redrawn;
    QObject::connect(&Window(), &MainWindow::TileStyleChanged, [&](int style) { redrawn.append(style); });
    Choose(Window().Menu()->TileStyleItem(4));
    Choose(Window().Menu()->TileStyleItem(1));
    EXPECT_EQ(redrawn, (QList<int>{4, 1}));
    EXPECT_EQ(static_cast<int>(State().Settings.TileStyle), 1);
    EXPECT_EQ(Window().Menu()->TileStyleGroup()->checkedAction(), Window().Menu()->TileStyleItem(1));
    EXPECT_FALSE(Window().Menu()->TileStyleItem(4)->isChecked());
}

TEST_F(MainWindowTest, SoundItemTogglesAndIsSavedEachTime)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    QAction* sound = Window().Menu()->Action(MainMenu::Command::Sound);
    Choose(sound);
    EXPECT_FALSE(State().Settings.SoundOn);
    EXPECT_TRUE(SettingsText().contains("Suono=No\r\n"));
    Choose(sound);
    EXPECT_TRUE(State().Settings.SoundOn);
    EXPECT_TRUE(SettingsText().contains("Suono=Si\r\n"));
}

// Two games in one process, each over its own program folder: the second start-up
// leaves the current folder alone, and each game saves into its own folder.
TEST_F(MainWindowTest, TwoGamesInOneProcessEachKeepTheirOwnFiles)
{
    WriteLexicon(1);
    WriteSettings(kDefaultFile);
    ASSERT_TRUE(Start());
    QTemporaryDir otherFolder;
    const QDir other(otherFolder.path());
    ASSERT_TRUE(QFile::copy(folder.FilePath(QStringLiteral("SLESSICO.1")), other.filePath(QStringLiteral("SLESSICO.1"))));
    ASSERT_TRUE(QFile::copy(folder.FilePath(QStringLiteral("LETTRAMA.INI")), other.filePath(QStringLiteral("LETTRAMA.INI"))));
    const QString currentBefore = QDir::currentPath();

    FakePlatform otherFakes;
    MainWindow second(otherFakes.platform(), ProgramFiles(other.path()), spelling);
    ASSERT_TRUE(second.Startup());
    EXPECT_EQ(QDir::currentPath(), currentBefore);

    Choose(Window().Menu()->Action(MainMenu::Command::Sound));
    EXPECT_TRUE(SettingsText().contains("Suono=No\r\n"));
    QFile otherSettings(other.filePath(QStringLiteral("LETTRAMA.INI")));
    ASSERT_TRUE(otherSettings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(otherSettings.readAll().contains("Suono=Si\r\n"));
}

TEST_F(MainWindowTest, HumanNameIsSavedWhenItsBoxLosesTheFocus)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    QLineEdit* name = Window().View()->NameBox(0);
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Bice"));
    EXPECT_FALSE(folder.Exists(QStringLiteral("LETTRAMA.INI")));

    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(name, &focusOut);
    EXPECT_TRUE(SettingsText().contains("\r\nGiocatore1=Bice\r\n"));

    // Another player's name box is not the human's: leaving it saves nothing new.
    QLineEdit* second = Window().View()->NameBox(1);
    second->setText(QStringLiteral("Carlo"));
    const QByteArray before = SettingsText();
    QApplication::sendEvent(second, &focusOut);
    EXPECT_EQ(SettingsText(), before);
    EXPECT_EQ(State().Players[1].Name, QStringLiteral("Carlo"));
}

TEST_F(MainWindowTest, LanguageItemLoadsTheLexiconAndStartsANewGame)
{
    WriteLexicon(1);
    WriteLexicon(2);
    ASSERT_TRUE(Start());
    SetUpState().DrawnLetters = QStringLiteral("QWE");

    Choose(Window().Menu()->LanguageItem(2));

    EXPECT_EQ(static_cast<int>(State().Settings.LexiconLanguage), 2);
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Letterama - Dizionario Inglese"));
    EXPECT_EQ(State().Alphabet, QStringLiteral("ABCDEFGHILMNOPQRSTUVZXYJKW"));
    EXPECT_TRUE(State().DrawnLetters.isEmpty());
    EXPECT_TRUE(SettingsText().contains("\r\nDizionario= 2\r\n"));
    EXPECT_TRUE(fakes.dialogs.asked.empty());
}

TEST_F(MainWindowTest, LanguageWithoutItsLexiconIsRefusedAndTheGameGoesOn)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    SetUpState().DrawnLetters = QStringLiteral("QWE");

    Choose(Window().Menu()->LanguageItem(3));

    EXPECT_EQ(fakes.dialogs.Texts(),
              QStringList{QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.3")});
    EXPECT_EQ(static_cast<int>(State().Settings.LexiconLanguage), 1);
    EXPECT_EQ(MainMenu::CheckedValue(Window().Menu()->LanguageGroup()), 1);
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Letterama - Dizionario Italiano"));
    EXPECT_EQ(State().DrawnLetters, QStringLiteral("QWE"));
    EXPECT_FALSE(folder.Exists(QStringLiteral("LETTRAMA.INI")));
    EXPECT_FALSE(Window().EndRequested());
}
