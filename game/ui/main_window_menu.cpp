// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/main_window.h"

#include "game/ui/about_window.h"
#include "game/ui/daily_challenge_window.h"
#include "platform/core/dialogs.h"
#include "dictionary_editor/ui/dictionary_editor_window.h"
#include "game/ui/game_view.h"
#include "game/core/game.h"
#include "game/core/help_files.h"
#include "scoring/ui/high_score_window.h"
#include "game/ui/link_picture.h"
#include "game/ui/main_menu.h"
#include "platform/core/program_files.h"
#include "platform/core/shell.h"
#include "lexicon/ui/vocabulary_window.h"
#include "platform/core/web_addresses.h"
#include "lexicon/core/word_rules.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

// The main window's menu handlers: one per item. Every item that changes a setting
// ends by rewriting the settings file.

void MainWindow::ConnectMenu()
{
    using Command = MainMenu::Command;
    auto onCommand = [this](Command command, auto handler) {
        connect(menu_->Action(command), &QAction::triggered, this, handler);
    };
    onCommand(Command::NewGame, [this] {
        if (MayGiveUpGame())
            NewGame();
    });
    onCommand(Command::EditVocabulary, [this] { OnEditPersonalVocabulary(); });
    onCommand(Command::HighScores, [this] { OnHighScores(); });
    onCommand(Command::DailyChallenge, [this] {
        DailyChallengeWindow::Start(this, platform_, Site(), game_->Settings().LexiconLanguage);
    });
    onCommand(Command::ManageDictionary, [this] { OnManageMainDictionary(); });
    onCommand(Command::Quit, [this] {
        if (MayGiveUpGame())
            EndProgram();
    });
    onCommand(Command::Sound, [this](bool on) { OnSoundToggled(on); });
    onCommand(Command::Help, [this] { OnHelp(); });
    onCommand(Command::WordRules, [this] { OnWordRules(); });
    onCommand(Command::Mail, [this] { OpenAddress(WebAddresses::kMakerMail); });
    onCommand(Command::HomePage, [this] { OpenSitePage(SiteAddress::kHomePath); });
    onCommand(Command::OnlineGame, [this] { OpenSitePage(SiteAddress::kOnlineGamePath); });
    onCommand(Command::DictionaryGarzanti, [this] { OpenAddress(WebAddresses::kDictionaryGarzanti); });
    onCommand(Command::DictionaryPiazzadante, [this] { OpenAddress(WebAddresses::kDictionaryPiazzadante); });
    onCommand(Command::EncyclopediaLogos, [this] { OpenAddress(WebAddresses::kEncyclopediaLogos); });
    onCommand(Command::About, [this] { OnAbout(); });
    onCommand(Command::Pause, [this] { OnPause(); });
    onCommand(Command::FullScreen, [this] { OnFullScreen(); });

    auto onChoice = [this](QActionGroup* group, void (MainWindow::*handler)(int)) {
        connect(group, &QActionGroup::triggered, this,
                [this, handler](QAction* item) { (this->*handler)(item->data().toInt()); });
    };
    onChoice(menu_->LetterCountGroup(), &MainWindow::OnLetterCountChosen);
    onChoice(menu_->TimeGroup(), &MainWindow::OnTimeChosen);
    onChoice(menu_->TileStyleGroup(), &MainWindow::OnTileStyleChosen);
    onChoice(menu_->LevelGroup(), &MainWindow::OnLevelChosen);
    onChoice(menu_->LanguageGroup(), &MainWindow::OnLanguageChosen);

    connect(view_->HomeLink(), &LinkPicture::Activated, this, [this] { OpenSitePage(SiteAddress::kHomePath); });
    connect(view_->OnlineLink(), &LinkPicture::Activated, this,
            [this] { OpenSitePage(SiteAddress::kOnlineGamePath); });
}

void MainWindow::OnLetterCountChosen(int letters)
{
    MainMenu::CheckOnly(menu_->LetterCountGroup(), letters);
    SetWordMaxLength(letters);
    if (letters != game_->Settings().LetterCount) {
        platform_.dialogs.Inform(QStringLiteral("Attenzione: si inizia una nuova partita con %1 lettere estratte.")
                                     .arg(letters));
        GameSettings settings = game_->Settings();
        settings.LetterCount = letters;
        NewGame();
        UseSettings(settings);
    }
    SaveSettings();
}

void MainWindow::OnTimeChosen(int seconds)
{
    MainMenu::CheckOnly(menu_->TimeGroup(), seconds);
    if (seconds != game_->Settings().RoundSeconds) {
        platform_.dialogs.Inform(
            seconds == GameSettings::kUnlimitedSeconds
                ? QStringLiteral("Attenzione: si inizia una nuova partita con tutto il tempo che vuoi per pensare!")
                : QStringLiteral("Attenzione: si inizia una nuova partita con %1 secondi di tempo per pensare.")
                      .arg(seconds));
        GameSettings settings = game_->Settings();
        settings.RoundSeconds = seconds;
        NewGame();
        UseSettings(settings);
    }
    SaveSettings();
}

void MainWindow::OnTileStyleChosen(int style)
{
    MainMenu::CheckOnly(menu_->TileStyleGroup(), style);
    GameSettings settings = game_->Settings();
    settings.TileStyle = static_cast<TileLook>(style);
    game_->ApplyPreferences(settings);
    emit TileStyleChanged(style);
    SaveSettings();
}

void MainWindow::OnLevelChosen(int level)
{
    MainMenu::CheckOnly(menu_->LevelGroup(), level);
    GameSettings settings = game_->Settings();
    settings.Level = static_cast<Difficulty>(level);
    game_->ApplyPreferences(settings);
    SaveSettings();
}

void MainWindow::OnLanguageChosen(int number)
{
    // Switching to a language without its lexicon would leave a game that cannot
    // judge a word, and a settings file that stops the next start-up: keep the
    // language in use instead.
    const Language language = LanguageFromNumber(number).value_or(Language::Italian);
    if (!files_.Exists(TableOf(language).LexiconFileName())) {
        platform_.dialogs.Inform(MissingLexiconMessage(language));
        CheckMarksFromState();
        return;
    }
    if (language != game_->Settings().LexiconLanguage && !MayGiveUpGame()) {
        CheckMarksFromState();
        return;
    }
    MainMenu::CheckOnly(menu_->LanguageGroup(), number);
    // The game is given up first: another language takes effect on an empty board.
    NewGame();
    GameSettings settings = game_->Settings();
    settings.LexiconLanguage = language;
    UseSettings(settings);
    ApplyLanguageCaption();
    LoadLexicon();
    SaveSettings();
}

bool MainWindow::MayGiveUpGame()
{
    // A game without a point yet loses nothing; one with a score goes only when the
    // player says so, and a hasty Enter keeps it.
    const auto& totals = game_->TotalScores();
    if (std::none_of(totals.begin(), totals.end(), [](int total) { return total != 0; }))
        return true;
    return platform_.dialogs.AskYesNoDefaultNo(kGiveUpGameQuestion) == Dialogs::Answer::Yes;
}

void MainWindow::OnSoundToggled(bool on)
{
    GameSettings settings = game_->Settings();
    settings.SoundOn = on;
    game_->ApplyPreferences(settings);
    SaveSettings();
}

void MainWindow::OnEditPersonalVocabulary()
{
    // Modal: the game's clock waits until the player goes back to the game.
    auto* window = new VocabularyWindow(game_->Settings(), files_, platform_.dialogs, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Open();
}

void MainWindow::OnHighScores()
{
    // From the menu the table is only shown, whatever the state of the game.
    HighScoreWindow::OpenFromMenu(game_->View(), platform_, files_, this);
}

void MainWindow::OnManageMainDictionary()
{
    // Window-modal and on open(): the game goes on from the editor's signals. After a
    // rebuild the game reloads its lexicon, so the next manche judges with it.
    auto* editor = new DictionaryEditorWindow(
        {game_->Settings().LexiconLanguage, TableOf(game_->Settings().LexiconLanguage).LexiconFileName(),
         files_, platform_.dialogs, platform_.http, spellChecker_, [this] { LoadLexicon(); }, Site(),
         &platform_.places},
        this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->setWindowModality(Qt::WindowModal);
    editor->Open();
}

void MainWindow::OnHelp()
{
    const QString page = QString::fromLatin1(HelpFiles::kHelpPage);
    if (!files_.Exists(page)) {
        platform_.dialogs.Inform(HelpFiles::MissingHelpMessage());
        return;
    }
    const QString resolved = files_.Resolve(page);
    if (!platform_.shell.Open(resolved))
        platform_.dialogs.Inform(HelpFiles::UnopenedHelpMessage(QFileInfo(resolved).absoluteFilePath()));
}

void MainWindow::OnWordRules()
{
    platform_.dialogs.Inform(WordRules::MessageText(files_));
}

void MainWindow::OnAbout()
{
    if (!about_)
        about_ = new AboutWindow(platform_.shell, platform_.dialogs, Site(), files_, this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::OpenAddress(const char* address)
{
    platform_.shell.Open(QString::fromLatin1(address));
}

void MainWindow::OpenSitePage(const char* path)
{
    const SiteAddress site = Site();
    if (site.IsSet())
        platform_.shell.Open(site.Page(path));
    else
        platform_.dialogs.Inform(SiteAddress::NotSetUpMessage());
}
