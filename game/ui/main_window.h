// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_state.h"
#include "lexicon/core/lexicon_file_stamp.h"
#include "lexicon/core/lexicon_index.h"
#include "lexicon/core/lexicon_source.h"
#include "lexicon/core/lexicon_words.h"
#include "platform/core/platform.h"
#include "platform/core/program_files.h"
#include "game/ui/search_runner.h"
#include "platform/core/site_address.h"
#include "game/core/sound_effects.h"

#include <QByteArray>
#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class AboutWindow;
class DrawController;
class Game;
class GameView;
class MainMenu;
class MancheController;
class PlayerInput;
class QGroupBox;
class QTimer;
class ResultsWindow;
class SpellChecker;
class TileBoard;

// The game's main window. It holds the game in play and the lexicon of the chosen
// language for the whole run, runs start-up, keeps the settings file in step with the
// menus, and starts new games. Its controllers act through the game's operations and
// show what its signals tell; none of them writes the game's state.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr const char* kTimeKeyCaption = "&Tempo rimasto";
    static inline const QString kGiveUpGameQuestion =
        QStringLiteral("La partita in corso ha già un punteggio e andrà persa. Vuoi davvero abbandonarla?");

    // `files` are the game's program folder and the user's files; `spellChecker` serves
    // the confirmation of unknown words and must outlive the window.
    MainWindow(const Platform& platform, ProgramFiles files, SpellChecker& spellChecker, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: asks for the update notice, reads the settings, prepares the board and
    // loads the lexicon index. Returns false when the program must end (no lexicon for
    // the language: the user has been told; or the user chose to download a new version).
    bool Startup();

    // Reads the settings file, if there is one, into the game's settings.
    void LoadSettings();
    // Writes the whole settings file from the state and the check marks.
    void SaveSettings();
    // "&Nuova Partita" (F2) and the end of a game.
    void NewGame();

    // Loads the lexicon of `LexiconLanguage` into memory, with its index and the
    // language's letter tables: at start-up, for another language, and after the
    // dictionary editor has rebuilt the file. A missing lexicon shows the fatal
    // message and returns false.
    bool LoadLexicon();
    // Where the search and the lookup find the lexicon of the current language.
    LexiconSource CurrentLexicon() const;
    // Loads the lexicon again when its file changed on disk since it was loaded (a
    // rebuild by letterama-dict, say); a file that cannot be read now leaves the words
    // held. Run before a manche's search and before its judging.
    void FollowLexiconFile();

    // Closes the window and ends the program.
    void EndProgram();
    bool EndRequested() const { return endRequested_; }

    // The game in play, and what it holds, read-only.
    Game& CurrentGame() const { return *game_; }
    const GameState& State() const;
    const Platform& PlatformServices() const { return platform_; }
    const ProgramFiles& Files() const { return files_; }
    const LexiconIndex& Lexicon() const { return lexicon_; }
    GameView* View() const { return view_; }
    MainMenu* Menu() const { return menu_; }
    QWidget* BoardPanel() const;
    TileBoard* Board() const { return board_; }
    DrawController* Draw() const { return draw_; }
    PlayerInput* Input() const { return input_; }
    MancheController* Manche() const { return manche_; }
    QTimer* MancheClock() const;
    ResultsWindow* Results() const { return results_; }
    AboutWindow* About() const;
    // The Letterama site in use: the player's "Sito=" when it names one, otherwise the
    // build's; it may be none.
    SiteAddress Site() const;

signals:
    // The tile style was chosen again: the board redraws its tiles.
    void TileStyleChanged(int style);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectMenu();
    void ConnectPlayers();
    void BuildBoard();
    void BuildManche();
    // The time key, in the "&?" menu: says the seconds left on the spoken line.
    void AddTimeKey();
    // The board is complete: the manche clock starts and the computers search.
    void StartManche();
    // The window's part of a new game, and of the wait for the next draw.
    void ResetViewForNewGame();
    void ResetViewForNextManche();
    // The players wait for the next draw: the spoken line is emptied and the focus
    // is on the first draw button.
    void WaitForTheDraw();
    void SetWordMaxLength(int letters);
    // Sizes and centres the window on its screen, no larger than the screen's room.
    void FitScreen();
    void ApplyLanguageCaption();
    void CheckMarksFromState();
    void PaintBoardBackground();
    void PrepareBoard();
    void PlaceLinkPictures();
    void StartUpdateCheck();
    // The settings in force for the game, read from the file or chosen in the menus;
    // another language takes its lexicon with it.
    void UseSettings(const GameSettings& settings);
    // The settings file over `settings`, the player's name into its box.
    void ReadSettingsFile(GameSettings& settings);
    void OnUpdateNotice(const std::optional<QByteArray>& notice);

    // Menu handlers.
    void OnLetterCountChosen(int letters);
    void OnTimeChosen(int seconds);
    void OnTileStyleChosen(int style);
    void OnLevelChosen(int level);
    void OnLanguageChosen(int language);
    void OnSoundToggled(bool on);
    // Whether the game under way may be given up (a new game, another language,
    // the end of the program, the window closed): asked, default No, once it has a score.
    bool MayGiveUpGame();
    void OnEditPersonalVocabulary();
    void OnHighScores();
    void OnManageMainDictionary();
    void OnHelp();
    void OnWordRules();
    void OnAbout();
    void OnPause();
    void OnFullScreen();
    void OpenAddress(const char* address);
    // Opens a page of the Letterama site, or tells the player there is no site.
    void OpenSitePage(const char* path);

    Platform platform_;
    ProgramFiles files_;
    SpellChecker& spellChecker_;
    std::unique_ptr<Game> game_;
    LexiconIndex lexicon_;
    std::shared_ptr<const LexiconWords> words_;
    LexiconFileStamp lexiconStamp_;  // of the file words_ came from
    SoundEffects sounds_;
    GameView* view_;
    MainMenu* menu_;
    TileBoard* board_ = nullptr;
    PlayerInput* input_ = nullptr;
    DrawController* draw_ = nullptr;
    std::unique_ptr<SearchRunner> search_;
    ResultsWindow* results_ = nullptr;
    MancheController* manche_ = nullptr;
    QPointer<AboutWindow> about_;
    bool programFolderReady_ = false;
    bool endRequested_ = false;
};
