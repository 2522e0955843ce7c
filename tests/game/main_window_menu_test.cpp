// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"

#include "game/ui/about_window.h"
#include "game/core/credits.h"
#include "game/ui/fill_strip.h"
#include "game/ui/game_view.h"
#include "game/ui/main_menu.h"
#include "game/ui/player_panel.h"
#include "platform/core/site_address.h"
#include "platform/version.h"
#include "platform/core/web_addresses.h"

#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

QStringList Captions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            captions.append(action->text());
    }
    return captions;
}

const QMenu* Submenu(const QMenu* menu, const QString& caption)
{
    for (const QAction* action : menu->actions()) {
        if (action->text() == caption)
            return action->menu();
    }
    return nullptr;
}

}  // namespace

TEST_F(MainWindowTest, MenuBarHasEveryCaptionWithItsAccessKey)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    QStringList bar;
    for (const QAction* action : Window().menuBar()->actions())
        bar.append(action->text());
    EXPECT_EQ(bar, (QStringList{"&File", "&Opzioni", "&?"}));

    MainMenu& menu = *Window().Menu();
    EXPECT_EQ(Captions(menu.FileMenu()),
              (QStringList{"&Nuova Partita", "&Pausa", "&Edit vocabolario personale ...", "&Sfida del giorno", "&Hiscores table ",
                           "&Gestione dizionario principale ...", "&Fine"}));
    EXPECT_EQ(menu.Action(MainMenu::Command::NewGame)->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(Captions(menu.OptionsMenu()),
              (QStringList{"&Effetti sonori", "&Numero Lettere", "&Tempo di manche", "&Caselle lettere",
                           "&Livello difficolta", "Lingua dizionario", "Schermo &intero"}));
    const QMenu* options = menu.OptionsMenu();
    EXPECT_EQ(Captions(Submenu(options, "&Numero Lettere")), (QStringList{"&8 Lettere", "&9 Lettere", "&10 Lettere"}));
    EXPECT_EQ(Captions(Submenu(options, "&Tempo di manche")),
              (QStringList{"&30 Secondi", "&60 Secondi", "&90 Secondi", "&Infinito"}));
    EXPECT_EQ(Captions(Submenu(options, "&Caselle lettere")),
              (QStringList{"&3D", "3&D Animate", "&Classiche con immagine di sfondo",
                           "Classiche con &Sfondo chiaro (anche per screen reader)"}));
    EXPECT_EQ(Captions(Submenu(options, "Lingua dizionario")), (QStringList{"&Italiano", "&Inglese", "&Latino"}));
    const QStringList levels = Captions(Submenu(options, "&Livello difficolta"));
    ASSERT_EQ(levels.size(), 3);
    EXPECT_TRUE(levels[0].startsWith("&Principiante ("));
    EXPECT_TRUE(levels[1].startsWith("&Medio ("));
    EXPECT_TRUE(levels[2].startsWith("&Esperto ("));
    for (const QString& level : levels)
        EXPECT_TRUE(level.endsWith(")"));

    EXPECT_EQ(Captions(menu.HelpMenu()),
              (QStringList{"&Help", "&Parole ammesse", "Invia una E-&Mail all'autore ...", "&Visita Home ...",
                           "&Sito per giocare on-line a Letterama ...", "Dizionari / Enciclopedie online",
                           "&Info su Letterama ...", "&Tempo rimasto"}));
    EXPECT_EQ(Captions(Submenu(menu.HelpMenu(), "Dizionari / Enciclopedie online")),
              (QStringList{"Dizionario Garzanti", "Dizionario Piazzadante", "Enciclopedia Logos"}));
}

struct AddressRow {
    MainMenu::Command command;
    const char* settings;  // the settings file before start-up
    const char* address;   // nullptr: the player is told there is no site
};

class MainWindowAddressRows : public MainWindowTest, public ::testing::WithParamInterface<AddressRow> {};

TEST_P(MainWindowAddressRows, ItemOpensItsAddressThroughTheShellOrSaysThereIsNoSite)
{
    WriteLexicon(1);
    WriteSettings(GetParam().settings);
    ASSERT_TRUE(Start());
    fakes.dialogs.asked.clear();
    Choose(Window().Menu()->Action(GetParam().command));
    if (GetParam().address) {
        EXPECT_EQ(fakes.shell.opened, QStringList{QString::fromLatin1(GetParam().address)});
        EXPECT_TRUE(fakes.dialogs.asked.empty());
    } else {
        EXPECT_TRUE(fakes.shell.opened.isEmpty());
        EXPECT_EQ(fakes.dialogs.Texts(), QStringList{SiteAddress::NotSetUpMessage()});
    }
}

constexpr const char* kNoSite = "Tempo=60\r\n";
constexpr const char* kOwnSite = "Sito=http://127.0.0.1:8080/\r\n";

INSTANTIATE_TEST_SUITE_P(
    Addresses, MainWindowAddressRows,
    ::testing::Values(AddressRow{MainMenu::Command::Mail, kNoSite, WebAddresses::kMakerMail},
                      AddressRow{MainMenu::Command::HomePage, kOwnSite, "http://127.0.0.1:8080/"},
                      AddressRow{MainMenu::Command::OnlineGame, kOwnSite, "http://127.0.0.1:8080/letterama/online/"},
                      AddressRow{MainMenu::Command::HomePage, kNoSite, nullptr},
                      AddressRow{MainMenu::Command::OnlineGame, kNoSite, nullptr},
                      AddressRow{MainMenu::Command::HomePage, "Sito=javascript:alert(1)\r\n", nullptr},
                      AddressRow{MainMenu::Command::DictionaryGarzanti, kNoSite, WebAddresses::kDictionaryGarzanti},
                      AddressRow{MainMenu::Command::DictionaryPiazzadante, kNoSite,
                                 WebAddresses::kDictionaryPiazzadante},
                      AddressRow{MainMenu::Command::EncyclopediaLogos, kNoSite, WebAddresses::kEncyclopediaLogos}));

TEST_F(MainWindowTest, HelpOpensTheLocalPageOrSaysItIsMissing)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    QAction* help = Window().Menu()->Action(MainMenu::Command::Help);
    Choose(help);
    EXPECT_EQ(fakes.dialogs.Texts(), QStringList{"Non trovato file di documentazione/help: Letterama.htm"});
    EXPECT_TRUE(fakes.shell.opened.isEmpty());

    folder.Write(QStringLiteral("letterama.HTM"), "<html></html>");
    Choose(help);
    EXPECT_EQ(fakes.shell.opened, QStringList{folder.FilePath(QStringLiteral("letterama.HTM"))});
    EXPECT_EQ(fakes.dialogs.asked.size(), 1u);
}

TEST_F(MainWindowTest, HelpThatNoProgramOpensSaysSoWithThePagesPath)
{
    struct Row {
        const char* what;
        bool shellHandles;
        QStringList messages;
    };
    WriteLexicon(1);
    folder.Write(QStringLiteral("Letterama.htm"), "<html></html>");
    const QString page = QFileInfo(folder.FilePath(QStringLiteral("Letterama.htm"))).absoluteFilePath();
    const std::vector<Row> rows = {
        {"a browser opens the page silently", true, {}},
        {"with no browser the player is told where the page is", false,
         {"Impossibile aprire la guida: nessun programma del sistema apre le pagine web (per esempio un "
          "browser).\nLa guida è il file " + page}},
    };
    ASSERT_TRUE(Start());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        fakes.dialogs.asked.clear();
        fakes.shell.opened.clear();
        fakes.shell.handled = row.shellHandles;
        Choose(Window().Menu()->Action(MainMenu::Command::Help));
        EXPECT_EQ(fakes.shell.opened, QStringList{folder.FilePath(QStringLiteral("Letterama.htm"))});
        EXPECT_EQ(fakes.dialogs.Texts(), row.messages);
    }
}

TEST_F(MainWindowTest, WordRulesShowTheTextOrTheNumberedError)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    QAction* rules = Window().Menu()->Action(MainMenu::Command::WordRules);
    Choose(rules);
    folder.Write(QStringLiteral("regparol.txt"), "Solo parole italiane\r\nNiente verbi coniugati\rN\xe9 sigle\r\n");
    Choose(rules);
    EXPECT_EQ(fakes.dialogs.Texts(),
              (QStringList{"ERRORE 0001: File contenente le regole sulle parole non trovato: REGPAROL.TXT",
                           "Solo parole italiane\nNiente verbi coniugati\nNé sigle"}));
}

TEST_F(MainWindowTest, NewGameResetsTheBoardPlayersAndCounters)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    GameView& view = *Window().View();
    SetUpState().DrawnLetters = QStringLiteral("ABCDE");
    SetUpState().VowelsDrawn = 2;
    SetUpState().ConsonantsDrawn = 3;
    SetUpState().MancheNumber = 4;
    SetUpState().TotalScores = {100, 200, 300, 400};
    view.DrawPanel()->hide();
    view.FinishButton(1)->show();
    view.TimeBar()->FillBox(QRectF(0, 0, 10, 5), Qt::blue);
    view.ProgressStrip()->FillBox(QRectF(0, 0, 10, 5), Qt::blue);
    view.TimeLabel()->setText(QStringLiteral("12 / 60 Sec."));
    view.MancheLabel()->setText(QStringLiteral("Manche 4/5"));
    view.BoardPanel()->setTitle(QString());
    for (int slot = 0; slot < GameState::kPlayers; ++slot) {
        PlayerPanel* player = view.Player(slot);
        player->NameBox()->setEnabled(false);
        player->WordBox()->setEnabled(true);
        player->WordBox()->setText(QStringLiteral("casa"));
        player->WordBox()->hide();
        player->WordCaption()->setText(QStringLiteral("Parola trovata:  (4 Caratt.) "));
        player->ScoreLabel()->setText(QStringLiteral("800"));
    }

    // The game has a score: the player is asked first, and says yes.
    fakes.dialogs.answers.push_back(Dialogs::Answer::Yes);
    Choose(Window().Menu()->Action(MainMenu::Command::NewGame));
    EXPECT_EQ(fakes.dialogs.LastText(), MainWindow::kGiveUpGameQuestion);

    EXPECT_TRUE(State().DrawnLetters.isEmpty());
    EXPECT_EQ(State().VowelsDrawn, 0);
    EXPECT_EQ(State().ConsonantsDrawn, 0);
    EXPECT_EQ(State().MancheNumber, 1);
    EXPECT_EQ(State().TotalScores, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_FALSE(view.DrawPanel()->isHidden());
    EXPECT_TRUE(view.FinishButton(1)->isHidden());
    EXPECT_FALSE(view.FinishButton(0)->isHidden());
    EXPECT_TRUE(view.TimeBar()->Boxes().empty());
    EXPECT_TRUE(view.ProgressStrip()->Boxes().empty());
    EXPECT_TRUE(view.TimeLabel()->text().isEmpty());
    EXPECT_EQ(view.MancheLabel()->text(), QStringLiteral("Manche 1/5"));
    EXPECT_EQ(view.BoardPanel()->title(), QStringLiteral("Area estrazione lettere"));
    for (int slot = 0; slot < GameState::kPlayers; ++slot) {
        PlayerPanel* player = view.Player(slot);
        EXPECT_TRUE(player->NameBox()->isEnabled());
        EXPECT_FALSE(player->WordBox()->isEnabled());
        EXPECT_TRUE(player->WordBox()->text().isEmpty());
        EXPECT_FALSE(player->WordBox()->isHidden());
        EXPECT_EQ(player->WordCaption()->text(), QStringLiteral("Parola trovata:"));
        EXPECT_TRUE(player->ScoreLabel()->text().isEmpty());
    }
}

TEST_F(MainWindowTest, NewGameBoardIsWhiteOnlyForPictureTiles)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    QGroupBox* board = Window().View()->BoardPanel();
    Choose(Window().Menu()->TileStyleItem(3));
    Window().NewGame();
    EXPECT_EQ(board->palette().color(QPalette::Window), QColor(255, 255, 255));
    Choose(Window().Menu()->TileStyleItem(4));
    Window().NewGame();
    EXPECT_EQ(board->palette().color(QPalette::Window), QColor(128, 128, 128));
}

TEST_F(MainWindowTest, MainWindowElementsCarryTheirCaptionsAndTooltips)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    GameView& view = *Window().View();
    const std::pair<GameView::DrawButton, std::pair<const char*, const char*>> buttons[] = {
        {GameView::DrawButton::Auto, {"&Auto Estrazione", "Esegue l'estrazione di tutte le lettere"}},
        {GameView::DrawButton::Vowel, {"&Vocale", "Estrae una vocale"}},
        {GameView::DrawButton::Consonant, {"&Consonante", "Estrae una consonante"}},
        {GameView::DrawButton::InputWord, {"Input &Parola", "Chiede una parola da mischiare ..."}},
        {GameView::DrawButton::ComputerWord, {"Fi&ssa PC", "Sceglie una parola lunga e la mischia ..."}},
    };
    for (const auto& [role, texts] : buttons) {
        EXPECT_EQ(view.DrawButtonOf(role)->text(), QString::fromUtf8(texts.first));
        EXPECT_EQ(view.DrawButtonOf(role)->toolTip(), QString::fromUtf8(texts.second));
        EXPECT_EQ(view.DrawButtonOf(role)->parentWidget(), view.DrawPanel());
    }
    EXPECT_EQ(view.FinishButton(0)->text(), QStringLiteral("Fine Tempo"));
    EXPECT_EQ(view.FinishButton(1)->text(), QStringLiteral("Fine &Tempo"));
    EXPECT_EQ(view.FinishButton(1)->toolTip(), QStringLiteral("Clicca quando hai fatto"));
    EXPECT_EQ(view.MancheLabel()->text(), QStringLiteral("Manche 1 di 5"));
    EXPECT_EQ(view.TimeBar()->toolTip(), QStringLiteral("tempo trascorso"));
    EXPECT_EQ(view.ProgressStrip()->toolTip(), QStringLiteral("Parole lette"));
    EXPECT_EQ(view.BoardTextCopy()->font().family(), QStringLiteral("Courier New"));
    // The second screen-reader label starts empty: its design caption is no text for a player.
    EXPECT_TRUE(view.ScreenReaderLabel()->text().isEmpty());
    EXPECT_EQ(Window().BoardPanel(), view.BoardPanel());
    EXPECT_GE(view.BoardPanel()->width(), 10 * 62 + 1);
    const QStringList names{"Anonimo", "Valentina (CPU)", "Giacomo (CPU)", "Andrea (CPU)"};
    for (int slot = 0; slot < GameState::kPlayers; ++slot) {
        PlayerPanel* player = view.Player(slot);
        EXPECT_EQ(player->title(), QStringLiteral("Giocatore %1 :").arg(slot + 1));
        EXPECT_EQ(player->NameBox()->text(), names[slot]);
        EXPECT_EQ(player->NameBox()->toolTip(), QStringLiteral("Cambia nome giocatore %1").arg(slot + 1));
        EXPECT_EQ(player->WordCaption()->text(), QStringLiteral("Parola trovata:"));
    }
}

TEST_F(MainWindowTest, LaterWindowItemsExistAndHighScoresFromTheMenuOnlyShowTheTable)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    SetUpState().GameOver = true;
    EXPECT_TRUE(ChooseModal(Window().Menu()->Action(MainMenu::Command::HighScores), [](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Hiscores Table"));
    }));
    // Seen from the menu, even after a game, the table is not written.
    EXPECT_FALSE(folder.Exists(QStringLiteral("Lettrama.HIS")));

    folder.Write(QStringLiteral("USERVOCA.1"), "PIPPO\r\n");
    EXPECT_TRUE(ChooseModal(Window().Menu()->Action(MainMenu::Command::EditVocabulary), [](QWidget* modal) {
        const auto* list = modal->findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("PIPPO"));
    }));
    Choose(Window().Menu()->Action(MainMenu::Command::ManageDictionary));
    EXPECT_TRUE(fakes.dialogs.asked.empty());
    EXPECT_FALSE(folder.Exists(QStringLiteral("LETTRAMA.INI")));
}

TEST_F(MainWindowTest, AboutWindowShowsVersionLogoLinksLicenceAndCredits)
{
    WriteLexicon(1);
    WriteSettings("Sito=https://club.example\r\n");
    ASSERT_TRUE(Start());
    Choose(Window().Menu()->Action(MainMenu::Command::About));
    AboutWindow* about = Window().About();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->Version()->text(), QStringLiteral("Versione %1.%2.%3")
                                            .arg(Version::kMajor)
                                            .arg(Version::kMinor)
                                            .arg(Version::kRevision));
    // No logo file here: the name stands in for it.
    EXPECT_TRUE(about->Logo()->pixmap().isNull());
    EXPECT_EQ(about->Logo()->text(), QStringLiteral("Letterama"));

    QList<QPushButton*> links = about->findChildren<QPushButton*>();
    int opened = 0;
    for (QPushButton* link : links) {
        if (link->text().contains(QStringLiteral("autore")) || link->text().contains(QStringLiteral("on-line"))) {
            link->click();
            ++opened;
        }
    }
    EXPECT_EQ(opened, 3);
    EXPECT_EQ(fakes.shell.opened, (QStringList{QStringLiteral("https://club.example/"),
                                               QStringLiteral("https://club.example/letterama/online/"),
                                               QString::fromLatin1(WebAddresses::kMakerMail)}));

    // The licence and every data source, readable by a screen reader, and the licence's page one click away.
    QTextDocument credits;
    credits.setHtml(about->Credits()->text());
    const QString shown = credits.toPlainText();
    EXPECT_TRUE(shown.contains(Credits::LicenceText()));
    for (const Credits::DataSource& row : Credits::DataSources()) {
        SCOPED_TRACE(row.made.toStdString());
        EXPECT_TRUE(shown.contains(row.made + QStringLiteral(": ") + row.source + QStringLiteral(" (") + row.licence +
                                   QStringLiteral(")")));
    }
    EXPECT_TRUE(about->Credits()->accessibleName().isEmpty());
    emit about->Credits()->linkActivated(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html"));
    EXPECT_EQ(fakes.shell.opened.last(), QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html"));

    // Opened again, the same window comes back.
    about->close();
    Choose(Window().Menu()->Action(MainMenu::Command::About));
    EXPECT_EQ(Window().About(), about);
}

TEST_F(MainWindowTest, AboutWindowSaysThereIsNoSiteInsteadOfOpeningOne)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    Choose(Window().Menu()->Action(MainMenu::Command::About));
    int clicked = 0;
    for (QPushButton* link : Window().About()->findChildren<QPushButton*>()) {
        if (link->text().contains(QStringLiteral("sito")) || link->text().contains(QStringLiteral("on-line"))) {
            link->click();
            ++clicked;
        }
    }
    EXPECT_EQ(clicked, 2);
    EXPECT_TRUE(fakes.shell.opened.isEmpty());
    EXPECT_EQ(fakes.dialogs.Texts(), QStringList(2, SiteAddress::NotSetUpMessage()));
}

TEST_F(MainWindowTest, LogoFromTheProgramFolderIsShown)
{
    WriteLexicon(1);
    QImage logo(120, 60, QImage::Format_RGB32);
    logo.fill(Qt::darkGreen);
    logo.save(folder.FilePath(QStringLiteral("letteramalogo.jpg")), "JPG");
    ASSERT_TRUE(Start());
    Choose(Window().Menu()->Action(MainMenu::Command::About));
    EXPECT_FALSE(Window().About()->Logo()->pixmap().isNull());
}

TEST_F(MainWindowTest, EndItemAndClosingTheWindowEndTheProgram)
{
    WriteLexicon(1);
    ASSERT_TRUE(Start());
    Window().show();
    Choose(Window().Menu()->Action(MainMenu::Command::Quit));
    EXPECT_TRUE(Window().EndRequested());
    EXPECT_FALSE(Window().isVisible());

    ASSERT_TRUE(Start());
    Window().show();
    EXPECT_FALSE(Window().EndRequested());
    Window().close();
    EXPECT_TRUE(Window().EndRequested());
}
