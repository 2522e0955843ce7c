// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"

#include "game/ui/game_view.h"
#include "game/ui/link_picture.h"
#include "game/ui/main_menu.h"
#include "platform/core/site_address.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The player's own site; the fakes answer for it, nothing goes out.
const QByteArray kSiteLine = "Sito=https://club.example/giochi\r\n";
const QString kSite = QStringLiteral("https://club.example/giochi");
const QString kUpdateUrl = kSite + QStringLiteral("/letterama/letterama_update.txt");

}  // namespace

TEST_F(MainWindowTest, FreshInstallationStartsWithTheDefaults)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());

    EXPECT_EQ(State().Settings.RoundSeconds, 60);
    EXPECT_EQ(State().Settings.LetterCount, 10);
    EXPECT_EQ(static_cast<int>(State().Settings.Level), 2);
    EXPECT_EQ(static_cast<int>(State().Settings.LexiconLanguage), 1);
    EXPECT_TRUE(State().Settings.SoundOn);
    MainMenu& menu = *Window().Menu();
    EXPECT_TRUE(menu.LetterCountItem(10)->isChecked());
    EXPECT_TRUE(menu.TimeItem(60)->isChecked());
    EXPECT_TRUE(menu.LevelItem(2)->isChecked());
    EXPECT_TRUE(menu.LanguageItem(1)->isChecked());
    EXPECT_TRUE(menu.Action(MainMenu::Command::Sound)->isChecked());
    EXPECT_EQ(menu.TileStyleGroup()->checkedAction(), nullptr);
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Letterama - Dizionario Italiano"));
    EXPECT_EQ(Window().View()->BoardPanel()->title(), QStringLiteral("Area estrazione lettere"));
    for (int slot = 0; slot < GameState::kPlayers; ++slot)
        EXPECT_EQ(Window().View()->WordBox(slot)->maxLength(), 10);

    // The lexicon index and the language's letters are ready for the game.
    EXPECT_EQ(Window().Lexicon().SectionCount[3], 1);
    EXPECT_EQ(Window().Lexicon().SectionCount[4], 2);
    EXPECT_EQ(State().Alphabet, QStringLiteral("ABCDEFGHILMNOPQRSTUVZ"));
    EXPECT_EQ(State().VowelPool.size(), 42);
    EXPECT_EQ(State().ConsonantPool.size(), 79);
    // Nothing is written until a setting changes.
    EXPECT_FALSE(folder.Exists(QStringLiteral("LETTRAMA.INI")));
}

TEST_F(MainWindowTest, MissingLexiconIsFatalAndNamesTheFileOfTheLanguage)
{
    ASSERT_FALSE(Start());
    EXPECT_EQ(fakes.dialogs.Texts(),
              QStringList{QStringLiteral("Errore fatale! non trovato file di vocabolario: SLESSICO.1")});
}

TEST_F(MainWindowTest, MissingLexiconOfTheSavedLanguageNamesItsNumber)
{
    WriteLexicon(1);
    WriteSettings("Dizionario= 3\r\n");
    ASSERT_FALSE(Start());
    EXPECT_EQ(fakes.dialogs.LastText(), QStringLiteral("Errore fatale! non trovato file di vocabolario: SLESSICO.3"));
}

TEST_F(MainWindowTest, LexiconFileIsFoundWithoutRegardToCase)
{
    WriteLexicon(1);
    QDir(folder.Path()).rename(QStringLiteral("SLESSICO.1"), QStringLiteral("slessico.1"));
    EXPECT_TRUE(Start());
    EXPECT_TRUE(fakes.dialogs.asked.empty());
}

TEST_F(MainWindowTest, LaterStartUpKeepsTheSettingsOfTheRun)
{
    WriteLexicon(1);
    WriteSettings("Tempo=90\r\n");
    ASSERT_TRUE(Start());
    WriteSettings("Tempo=30\r\n");
    SetUpState().Settings.LexiconLanguage = static_cast<Language>(9);

    ASSERT_TRUE(Window().Startup());
    EXPECT_EQ(State().Settings.RoundSeconds, 90);
    EXPECT_EQ(static_cast<int>(State().Settings.LexiconLanguage), 1);
}

TEST_F(MainWindowTest, NewerVersionOnTheServerOffersTheDownloadAndEndsOnYes)
{
    WriteLexicon(1);
    WriteSettings(kSiteLine);
    ASSERT_TRUE(Start());
    ASSERT_EQ(fakes.http.requested, QStringList{kUpdateUrl});
    EXPECT_TRUE(fakes.dialogs.asked.empty()) << "the window must not wait for the network";

    fakes.dialogs.answers = {Dialogs::Answer::Yes};
    fakes.http.Answer(kUpdateUrl, QByteArray("999\r\n"));

    ASSERT_EQ(fakes.dialogs.asked.size(), 1u);
    EXPECT_EQ(fakes.dialogs.asked[0].kind, QStringLiteral("yesno"));
    EXPECT_TRUE(fakes.dialogs.asked[0].text.contains(QStringLiteral("nuova versione 9.9.9 di Letterama.")));
    EXPECT_EQ(fakes.shell.opened, QStringList{kSite + QStringLiteral("/letterama/")});
    EXPECT_TRUE(Window().EndRequested());
}

TEST_F(MainWindowTest, DecliningTheNewVersionGoesOnPlaying)
{
    WriteLexicon(1);
    WriteSettings(kSiteLine);
    ASSERT_TRUE(Start());
    fakes.dialogs.answers = {Dialogs::Answer::No};
    fakes.http.Answer(kUpdateUrl, QByteArray("999"));
    EXPECT_EQ(fakes.dialogs.asked.size(), 1u);
    EXPECT_TRUE(fakes.shell.opened.isEmpty());
    EXPECT_FALSE(Window().EndRequested());
}

TEST_F(MainWindowTest, NoNetworkOrNoNewerVersionSaysNothing)
{
    WriteLexicon(1);
    WriteSettings(kSiteLine);
    for (const std::optional<QByteArray>& notice :
         {std::optional<QByteArray>(), std::optional<QByteArray>("100"), std::optional<QByteArray>("42"),
          std::optional<QByteArray>("<html><body>Not Found</body></html>"),
          std::optional<QByteArray>(QByteArray("\0\x01\xfe", 3))}) {
        fakes.dialogs.asked.clear();
        fakes.http.requested.clear();
        ASSERT_TRUE(Start());
        fakes.http.Answer(kUpdateUrl, notice);
        EXPECT_TRUE(fakes.dialogs.asked.empty()) << notice.value_or("(nothing)").toStdString();
        EXPECT_TRUE(fakes.shell.opened.isEmpty());
        EXPECT_FALSE(Window().EndRequested());
    }
}

TEST_F(MainWindowTest, UpdateAnswerAfterTheWindowIsGoneIsIgnored)
{
    WriteLexicon(1);
    WriteSettings(kSiteLine);
    ASSERT_TRUE(Start());
    window.reset();
    fakes.http.Answer(kUpdateUrl, QByteArray("999"));
    EXPECT_TRUE(fakes.dialogs.asked.empty());
}

TEST_F(MainWindowTest, ImmediateDownloadChoiceStopsStartUp)
{
    WriteLexicon(1);
    WriteSettings(kSiteLine);
    fakes.http.replies[kUpdateUrl] = QByteArray("999");
    fakes.dialogs.answers = {Dialogs::Answer::Yes};
    EXPECT_FALSE(Start());
    EXPECT_TRUE(Window().EndRequested());
}

TEST_F(MainWindowTest, LinkPicturesOpenTheMakersPagesByMouseAndKeyboard)
{
    WriteLexicon(1);
    WriteSettings(kSiteLine);
    ASSERT_TRUE(Start());
    LinkPicture* home = Window().View()->HomeLink();
    LinkPicture* online = Window().View()->OnlineLink();
    // No picture files in this folder: each link shows its text instead.
    EXPECT_FALSE(home->ShowsPicture());
    EXPECT_FALSE(home->text().isEmpty());
    EXPECT_EQ(home->toolTip(), QStringLiteral("Visita il sito dell'autore ..."));
    EXPECT_EQ(online->accessibleName(),
              QStringLiteral("Il sito on-line del Letterama, puoi giocare battendoti contro gli altri navigatori e "
                             "registrare i tuoi records."));
    EXPECT_EQ(home->focusPolicy(), Qt::StrongFocus);

    Window().show();
    QTest::mouseClick(home, Qt::LeftButton);
    QTest::keyClick(online, Qt::Key_Return);
    QTest::keyClick(home, Qt::Key_Space);
    QTest::keyClick(home, Qt::Key_A);
    EXPECT_EQ(fakes.shell.opened,
              (QStringList{kSite + QStringLiteral("/"), kSite + QStringLiteral("/letterama/online/"),
                           kSite + QStringLiteral("/")}));
}

TEST_F(MainWindowTest, LinkPictureFileIsShownWhenPresent)
{
    WriteLexicon(1);
    // Qt writes no GIF; the reader knows a picture by its content.
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    picture.save(folder.FilePath(QString::fromLatin1(GameView::kHomeLinkPicture).toUpper()), "PNG");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(Window().View()->HomeLink()->ShowsPicture());
    EXPECT_FALSE(Window().View()->OnlineLink()->ShowsPicture());
}

TEST_F(MainWindowTest, TheSiteComesFromTheSettingsAndWithNoneNothingIsFetchedOrOpened)
{
    struct Row {
        const char* label;
        QByteArray settings;
        QStringList fetched;
    };
    const Row rows[] = {
        {"no settings file", {}, {}},
        {"seven lines, no site", "Livello=Medio\r\nSuono=Si\r\nTempo=60\r\n", {}},
        {"an address the browser must not get", "Sito=file:///etc/passwd\r\n", {}},
        {"the player's own site", kSiteLine, {kUpdateUrl}},
        {"a site in a folder, closing slash", "Sito=http://127.0.0.1:8080/club/\r\n",
         {QStringLiteral("http://127.0.0.1:8080/club/letterama/letterama_update.txt")}},
    };
    if (SiteAddress::BuiltIn().IsSet())
        GTEST_SKIP() << "this build names a site of its own: " << SiteAddress::BuiltIn().Base().toStdString();
    WriteLexicon(1);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        QFile::remove(folder.FilePath(QStringLiteral("LETTRAMA.INI")));
        if (!row.settings.isEmpty())
            WriteSettings(row.settings);
        fakes.http.requested.clear();
        fakes.dialogs.asked.clear();
        fakes.shell.opened.clear();
        ASSERT_TRUE(Start());
        EXPECT_EQ(fakes.http.requested, row.fetched);
        EXPECT_TRUE(fakes.dialogs.asked.empty()) << "start-up says nothing about the site";

        Window().show();
        QTest::keyClick(Window().View()->OnlineLink(), Qt::Key_Return);
        if (row.fetched.isEmpty()) {
            EXPECT_TRUE(fakes.shell.opened.isEmpty());
            EXPECT_EQ(fakes.dialogs.Texts(), QStringList{SiteAddress::NotSetUpMessage()});
        } else {
            EXPECT_EQ(fakes.shell.opened.size(), 1);
            EXPECT_TRUE(fakes.shell.opened.value(0).endsWith(QStringLiteral("/letterama/online/")));
        }
    }
}
