#pragma once

#include "game_state.h"
#include "lexicon_index.h"
#include "platform.h"

#include <QByteArray>
#include <QMainWindow>
#include <QPointer>

#include <optional>

class AboutWindow;
class GameView;
class MainMenu;
class QGroupBox;

// The game's main window. It owns the shared game state and the lexicon index of
// the chosen language for the whole run, runs start-up, keeps the settings file in
// step with the menus, and starts new games.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(const Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: asks for the update notice, makes `programFolder` the current folder,
    // reads the settings, prepares the board and loads the lexicon index. Returns
    // false when the program must end (no lexicon for the language: the user has been
    // told; or the user chose to download a new version).
    bool Startup(const QString& programFolder);

    // Reads the settings file, if there is one, into the state and the check marks.
    void LoadSettings();
    // Writes the whole settings file from the state and the check marks.
    void SaveSettings();
    void NewGame();

    // Loads the index of the lexicon of `LexiconLanguage` and the language's letter
    // tables. A missing lexicon shows the fatal message and returns false.
    bool LoadLexicon();

    // Closes the window and ends the program.
    void EndProgram();
    bool EndRequested() const { return endRequested_; }

    GameState& State() { return state_; }
    const GameState& State() const { return state_; }
    const Platform& PlatformServices() const { return platform_; }
    const LexiconIndex& Lexicon() const { return lexicon_; }
    GameView* View() const { return view_; }
    MainMenu* Menu() const { return menu_; }
    QWidget* BoardPanel() const;
    AboutWindow* About() const;

signals:
    // The tile style was chosen again: the board redraws its tiles.
    void TileStyleChanged(int style);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectMenu();
    void ConnectPlayers();
    void SetWordMaxLength(int letters);
    void ApplyLanguageCaption();
    void CheckMarksFromState();
    void PaintBoardBackground();
    void PrepareBoard();
    void PlaceLinkPictures();
    void StartUpdateCheck();
    void OnUpdateNotice(const std::optional<QByteArray>& notice);

    // Menu handlers.
    void OnLetterCountChosen(int letters);
    void OnTimeChosen(int seconds);
    void OnTileStyleChosen(int style);
    void OnLevelChosen(int level);
    void OnLanguageChosen(int language);
    void OnSoundToggled(bool on);
    void OnEditPersonalVocabulary();
    void OnHighScores();
    void OnManageMainDictionary();
    void OnHelp();
    void OnWordRules();
    void OnAbout();
    void OpenAddress(const char* address);

    Platform platform_;
    GameState state_;
    LexiconIndex lexicon_;
    GameView* view_;
    MainMenu* menu_;
    QPointer<AboutWindow> about_;
    bool programFolderReady_ = false;
    bool endRequested_ = false;
};
