// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/main_window.h"

#include "game/ui/about_window.h"
#include "platform/ui/button_keys.h"
#include "platform/core/dialogs.h"
#include "game/ui/draw_controller.h"
#include "game/ui/fill_strip.h"
#include "game/core/game.h"
#include "game/ui/game_view.h"
#include "platform/core/http_fetcher.h"
#include "model/language.h"
#include "game/ui/manche_controller.h"
#include "game/ui/link_picture.h"
#include "game/ui/main_menu.h"
#include "game/ui/player_input.h"
#include "game/ui/player_panel.h"
#include "platform/core/program_folder.h"
#include "scoring/ui/results_window.h"
#include "game/core/settings_file.h"
#include "game/ui/board/tile_board.h"
#include "game/core/update_notice.h"
#include "platform/version.h"
#include "platform/ui/window_places.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStringList>

#include <algorithm>
#include <QTimer>

namespace {

QStringList NamesOf(const GameState& state)
{
    QStringList names;
    for (const PlayerSlot& slot : state.Players)
        names.append(slot.Name);
    return names;
}

}  // namespace

MainWindow::MainWindow(const Platform& platform, ProgramFiles files, SpellChecker& spellChecker, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      files_(std::move(files)),
      spellChecker_(spellChecker),
      game_(std::make_unique<Game>(GameSettings{}, LexiconSource{}, Game::Services{platform_.random, files_, platform_.wave})),
      sounds_(game_->View().Settings.SoundOn, platform_.wave, files_),
      view_(new GameView(NamesOf(game_->View()), this)),
      menu_(new MainMenu(menuBar()))
{
    setWindowTitle(TableOf(game_->Settings().LexiconLanguage).WindowCaption);
    // The game's messages and refusals reach the player through the window's dialogs.
    connect(game_.get(), &Game::told, this, [this](const QString& text) { platform_.dialogs.Inform(text); });
    connect(game_.get(), &Game::refused, this, [this] { platform_.dialogs.Beep(); });
    // On a screen too small for the whole game (1920 x 1080 at twice the scale) the
    // window still fits and the game scrolls inside it, the link buttons included.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("gameScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(view_);
    setCentralWidget(scroll);
    BuildBoard();
    BuildManche();
    ConnectMenu();
    ConnectPlayers();
    CheckMarksFromState();
    SetWordMaxLength(game_->Settings().LetterCount);
    for (int slot = 0; slot < GameState::kPlayers; ++slot)
        view_->Player(slot)->ResetForNewGame();
    // As after a new game, the second finish button waits hidden.
    view_->FinishButton(1)->hide();
    view_->FinishButton(0)->setEnabled(false);
    FitScreen();
    platform_.places.Remember(this, QStringLiteral("partita"));
    ButtonKeys::EnterPressesFocusedButton(this);
}

MainWindow::~MainWindow()
{
    // The name box may lose the focus while the window is torn down; nothing may be
    // saved then.
    view_->NameBox(0)->removeEventFilter(this);
    // The controllers hold references to members that go before the window's
    // children do.
    delete manche_;
    manche_ = nullptr;
    delete draw_;
    draw_ = nullptr;
    delete input_;
    input_ = nullptr;
    delete results_;
    results_ = nullptr;
}

const GameState& MainWindow::State() const
{
    return game_->View();
}

QWidget* MainWindow::BoardPanel() const
{
    return view_->BoardPanel();
}

void MainWindow::ConnectPlayers()
{
    for (int slot = 0; slot < GameState::kPlayers; ++slot) {
        connect(view_->NameBox(slot), &QLineEdit::textChanged, this,
                [this, slot](const QString& name) { game_->SetPlayerName(slot, name); });
        connect(view_->WordBox(slot), &QLineEdit::textChanged, this,
                [this, slot](const QString& word) { game_->EnterWord(slot, word); });
    }
    view_->NameBox(0)->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_->NameBox(0) && event->type() == QEvent::FocusOut)
        SaveSettings();
    // A click on the board itself, not on a tile: the first one of the run gives the hint.
    if (manche_ && (watched == board_ || watched == view_->BoardPanel()) &&
        event->type() == QEvent::MouseButtonPress)
        manche_->BoardClicked();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program, whatever other window is open; work
    // still under way stops at its next pause. The title bar's X asks first, as
    // "&Fine" does, before a game with a score is lost; the program's own ends have
    // asked already or have nothing to ask.
    if (!endRequested_ && !MayGiveUpGame()) {
        event->ignore();
        return;
    }
    endRequested_ = true;
    manche_->Abandon();
    event->accept();
    QCoreApplication::quit();
}

void MainWindow::EndProgram()
{
    endRequested_ = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::FitScreen()
{
    // The game's own size where the screen has room, less where it has not; a place
    // kept from the last run (on a screen there is now) comes after this.
    const QScreen* shown = screen();
    const QSize wanted = view_->sizeHint() + QSize(0, menuBar()->sizeHint().height());
    if (!shown) {
        resize(wanted);
        return;
    }
    const QRect available = shown->availableGeometry();
    resize(wanted.boundedTo(available.size()));
    move(available.topLeft() + QPoint(std::max(0, available.width() - width()) / 2,
                                      std::max(0, available.height() - height()) / 2));
}

void MainWindow::SetWordMaxLength(int letters)
{
    for (int slot = 0; slot < GameState::kPlayers; ++slot)
        view_->WordBox(slot)->setMaxLength(letters);
}

void MainWindow::ApplyLanguageCaption()
{
    setWindowTitle(TableOf(game_->Settings().LexiconLanguage).WindowCaption);
}

void MainWindow::CheckMarksFromState()
{
    const GameSettings& settings = game_->Settings();
    MainMenu::CheckOnly(menu_->LetterCountGroup(), settings.LetterCount);
    MainMenu::CheckOnly(menu_->TimeGroup(), settings.RoundSeconds);
    MainMenu::CheckOnly(menu_->TileStyleGroup(), static_cast<int>(settings.TileStyle));
    MainMenu::CheckOnly(menu_->LevelGroup(), static_cast<int>(settings.Level));
    MainMenu::CheckOnly(menu_->LanguageGroup(), TableOf(settings.LexiconLanguage).Number());
    menu_->Action(MainMenu::Command::Sound)->setChecked(settings.SoundOn);
}

// ---- Start-up ----

bool MainWindow::Startup()
{
    // Only the first start-up of a run sets the defaults and reads the settings file.
    GameSettings settings = game_->Settings();
    if (settings.RoundSeconds == 0) {
        settings = GameSettings{};
        settings.RoundSeconds = 60;
        programFolderReady_ = true;
        ReadSettingsFile(settings);
    }
    if (!LanguageFromNumber(static_cast<int>(settings.LexiconLanguage)))
        settings.LexiconLanguage = Language::Italian;
    UseSettings(settings);
    // Asked once the settings are read: the player's own site may be named there.
    StartUpdateCheck();
    CheckMarksFromState();
    SetWordMaxLength(game_->Settings().LetterCount);
    ApplyLanguageCaption();

    // The results window was made hidden with the window, so that the computer
    // search can fill its list of found words.

    PrepareBoard();
    if (!LoadLexicon())
        return false;
    PlaceLinkPictures();
    return !endRequested_;
}

void MainWindow::StartUpdateCheck()
{
    // With no site there is nothing to ask, and start-up goes on without a word.
    const SiteAddress site = Site();
    if (!site.IsSet())
        return;
    QPointer<MainWindow> self(this);
    platform_.http.Fetch(site.Page(SiteAddress::kUpdateNoticePath),
                         [self](std::optional<QByteArray> notice) {
                             if (self)
                                 self->OnUpdateNotice(notice);
                         });
}

void MainWindow::OnUpdateNotice(const std::optional<QByteArray>& notice)
{
    // No network, no file, no number: start-up goes on without a word.
    if (!notice || endRequested_)
        return;
    const std::optional<QString> question =
        UpdateNotice::Question(*notice, Version::kMajor, Version::kMinor, Version::kRevision);
    if (!question)
        return;
    if (platform_.dialogs.AskYesNo(*question) == Dialogs::Answer::Yes) {
        OpenSitePage(SiteAddress::kDownloadPath);
        EndProgram();
    }
}

void MainWindow::PrepareBoard()
{
    PaintBoardBackground();
    view_->TimeBar()->Clear();
    view_->ProgressStrip()->Clear();
    view_->TimeLabel()->clear();
    for (int slot = 0; slot < GameState::kPlayers; ++slot)
        view_->Player(slot)->ScoreLabel()->clear();
    // Parks the tiles and hides the screen-reader copy of the board until letters
    // are drawn.
    board_->Reset();
    view_->BoardPanel()->setTitle(TileBoard::kEmptyCaption);
}

bool MainWindow::LoadLexicon()
{
    const QString fileName = TableOf(game_->Settings().LexiconLanguage).LexiconFileName();
    std::shared_ptr<const LexiconWords> words;
    const QString path = files_.Resolve(fileName);
    const LexiconFileStamp stamp = LexiconFileStamp::Of(path);
    if (files_.Exists(fileName))
        words = LexiconWords::Load(path);
    if (!words) {
        platform_.dialogs.Inform(QStringLiteral("Errore fatale! non trovato file di vocabolario: ") + fileName);
        return false;
    }
    // A search or lookup still under way keeps the words it started with.
    words_ = std::move(words);
    lexiconStamp_ = stamp;
    lexicon_ = words_->Index();
    game_->ReplaceLexicon(CurrentLexicon());
    return true;
}

void MainWindow::FollowLexiconFile()
{
    const QString fileName = TableOf(game_->Settings().LexiconLanguage).LexiconFileName();
    const QString path = files_.Resolve(fileName);
    const LexiconFileStamp stamp = LexiconFileStamp::Of(path);
    if (stamp == lexiconStamp_ || !stamp.exists)
        return;
    std::shared_ptr<const LexiconWords> words = LexiconWords::Load(path);
    if (!words)
        return;
    words_ = std::move(words);
    lexiconStamp_ = stamp;
    lexicon_ = words_->Index();
    game_->ReplaceLexicon(CurrentLexicon());
}

void MainWindow::PlaceLinkPictures()
{
    // The bottom row's layout keeps both pictures centred on any window width; here
    // they only get their pictures, now that the program folder is current.
    view_->HomeLink()->LoadPicture(files_, QString::fromLatin1(GameView::kHomeLinkPicture));
    view_->OnlineLink()->LoadPicture(files_, QString::fromLatin1(GameView::kOnlineLinkPicture));
    if (about_)
        about_->LoadLogo();
}

// ---- Settings ----

void MainWindow::LoadSettings()
{
    GameSettings settings = game_->Settings();
    ReadSettingsFile(settings);
    if (!LanguageFromNumber(static_cast<int>(settings.LexiconLanguage)))
        settings.LexiconLanguage = Language::Italian;
    UseSettings(settings);
}

void MainWindow::UseSettings(const GameSettings& settings)
{
    // The words held stay with their own language; another one is read by LoadLexicon.
    const bool sameLanguage = settings.LexiconLanguage == game_->Settings().LexiconLanguage;
    game_->ApplySettings(settings, LexiconSource::ForLanguage(files_, settings.LexiconLanguage,
                                                              sameLanguage ? words_ : nullptr));
    game_->ApplyPreferences(settings);
}

void MainWindow::ReadSettingsFile(GameSettings& settings)
{
    ProgramFolder::ReadStatus status = ProgramFolder::ReadStatus::Ok;
    const std::optional<StoredSettings> stored = SettingsFile::Read(files_, &status);
    if (status != ProgramFolder::ReadStatus::Ok && status != ProgramFolder::ReadStatus::Missing) {
        // The game goes on with its defaults but leaves that file alone.
        platform_.dialogs.Inform(ProgramFolder::ReadFailureText(status, QString::fromLatin1(SettingsFile::kFileName)) +
                                 QStringLiteral("\nSi usano le impostazioni predefinite, che non verranno salvate."));
    }
    if (!stored)
        return;
    // Only what the file names changes; everything else keeps its default.
    QString playerName = view_->NameBox(0)->text();
    stored->ApplyTo(settings, playerName);
    view_->NameBox(0)->setText(playerName);
}

void MainWindow::SaveSettings()
{
    // Before start-up the settings file is not read yet: a write would replace it.
    if (!programFolderReady_)
        return;
    QString error;
    if (!SettingsFile::Write(files_, game_->Settings(), game_->Player(0).Name, &error)) {
        platform_.dialogs.Inform(QStringLiteral("Impossibile salvare le impostazioni in ") +
                                 QString::fromLatin1(SettingsFile::kFileName) + QStringLiteral(": ") + error);
    }
}

// ---- New game ----

LexiconSource MainWindow::CurrentLexicon() const
{
    return LexiconSource::ForLanguage(files_, game_->Settings().LexiconLanguage, words_);
}

void MainWindow::NewGame()
{
    manche_->NewGame();
}

AboutWindow* MainWindow::About() const
{
    return about_;
}

SiteAddress MainWindow::Site() const
{
    return SiteAddress::ForPlayer(game_->Settings().Site);
}
