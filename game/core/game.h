// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_rules.h"
#include "model/game_settings.h"
#include "model/game_state.h"
#include "game/core/letter_draw.h"
#include "lexicon/core/lexicon_source.h"
#include "game/core/manche_flow.h"
#include "scoring/core/results_board.h"
#include "game/core/round_clock.h"
#include "game/core/sound_effects.h"
#include "game/core/word_draw.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <chrono>
#include <memory>
#include <optional>

class ProgramFiles;
class RandomSource;
class WavePlayer;

// One game of Letterama: five manches of four players, each manche a draw of
// letters, a clock, the computer players' search and announcements, the players'
// words, and the judging and scoring of them. Its state is its own: whoever holds a
// Game (the main window, a test, a table of the site) asks it to act by the
// operations the rules name and hears what changed by its signals; nobody else
// writes its letters, clock, words or scores.
//
// A game owns no timer and asks nothing: the clock moves when Tick is called (the
// holder's QTimer follows timerPeriodChanged), a message for the player comes out as
// told(), and a word that no list knows waits in confirmationNeeded until the holder
// answers with Confirm. So many games run side by side in one process, each on the
// thread that calls it, sharing only what is immutable (the lexicon's words).
//
// A manche:
//     DrawVowel / DrawConsonant / DrawAuto / DrawTypedWord / DrawComputerWord
//         ... drawCompleted: the board is full and the computers have searched
//     StartClock, then Tick once a period; EnterWord and FinishNow meanwhile
//         ... wordAnnounced ten seconds before the end, then mancheEnded
//     JudgeManche (Confirm when asked) ... mancheJudged with the board
//     NextManche ... mancheStarted, or gameEnded after the fifth
class Game : public QObject {
    Q_OBJECT

public:
    // What a game needs from outside, each kept by the caller for the game's life.
    struct Services {
        RandomSource& random;      // every draw, scramble and announcement
        const ProgramFiles& files;  // the personal vocabulary, the sounds
        WavePlayer& wave;           // the sounds, while the settings have them on
    };

    enum class Phase {
        Drawing,   // the board is filling
        Drawn,     // the board is full; the clock has not started
        Playing,   // the clock runs
        Judging,   // the manche is over; its board is judged
        Judged,    // the board is complete; the next manche waits
        Over,      // the fifth manche has been judged
    };

    using Totals = std::array<int, GameRules::kPlayers>;

    // `lexicon` is the language's lexicon file and its words, shared with other games.
    Game(const GameSettings& settings, LexiconSource lexicon, Services services, QObject* parent = nullptr);
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // A new game: manche 1, no letters, no words, every total 0.
    void NewGame();

    // The settings in force from the next draw on; refused (false) once a letter of
    // the manche is drawn, or while its clock runs. Another language needs its lexicon.
    bool ApplySettings(const GameSettings& settings);
    bool ApplySettings(const GameSettings& settings, LexiconSource lexicon);
    // The settings that change no rule of the manche under way, in force at once: the
    // computer players' level, the sound, the tiles' look and the player's site.
    void ApplyPreferences(const GameSettings& settings);
    // The same language's lexicon read again (its file was rebuilt): the next search,
    // word draw and judging use it. Refused (false) for another language.
    bool ReplaceLexicon(LexiconSource lexicon);
    // A player's name; a name holding "(CPU)" makes the slot a computer player.
    // Refused while a manche is under way, as the name boxes are.
    bool SetPlayerName(int slot, const QString& name);

    // The draws. A vowel or consonant past the limit is told and draws nothing; a
    // typed string that is not LetterCount letters of the alphabet is refused.
    void DrawVowel();
    void DrawConsonant();
    void DrawAuto();
    void DrawTypedWord(const QString& letters);
    // A word of LetterCount letters from the lexicon, scrambled.
    void DrawComputerWord();

    // The clock: Start once the board is full, Tick once a period (the period comes
    // with timerPeriodChanged), FinishNow when the human ends early.
    void StartClock();
    void Tick();
    void FinishNow();
    // A modal window of the holder is open: ticks are dropped meanwhile.
    void SetSuspended(bool suspended) { suspended_ = suspended; }

    // A human player's word, as typed so far; refused outside a running manche and for
    // a computer player's slot.
    bool EnterWord(int slot, const QString& word);

    // Judges the ended manche until a word needs the human's answer (then
    // confirmationNeeded, and NeedsConfirmation) or the board is complete (then the
    // totals are updated, mancheJudged, and Complete). Each row judged comes out as
    // rowJudged on the way. A listener of told or rowJudged may give the judging up
    // (CloseResults, NewGame, Abandon) or destroy the game: then nothing more is sent,
    // and Complete is answered, as there is nothing left to judge.
    ResultsEvaluation::Status JudgeManche();
    // The human's answer to confirmationNeeded: 1 add and score, 2 add only, 3 leave
    // out. Judging then goes on with JudgeManche.
    void Confirm(int choice);

    // After the judged manche: the next one, or the end of the game after the fifth.
    void NextManche();

    // The holder's results window closed, the board judged or given up half way
    // (its totals unchanged): the next manche, or the end of the game after the fifth.
    void CloseResults();
    // The end of a game, after gameEnded: the high scores were seen (then
    // endOfGameReached), and the end-of-game choice was made (a new game, or none).
    void HighScoresClosed();
    void EndOfGameClosed(bool playAgain);
    // A click on the board: the first of the game's life tells the new-game key.
    void BoardClicked();
    // The holder goes away: no more ticks, and no step of the game's end follows.
    void Abandon();

    // What a holder may read.
    Phase CurrentPhase() const { return phase_; }
    const GameSettings& Settings() const { return state_.Settings; }
    const QString& Letters() const { return state_.DrawnLetters; }
    const QString& SourceWord() const { return state_.SourceWord; }
    const QString& Alphabet() const { return state_.Alphabet; }
    const QStringList& FoundWords() const { return state_.FoundWords; }
    int ElapsedSeconds() const { return state_.ElapsedSeconds; }
    int MancheNumber() const { return state_.MancheNumber; }
    bool IsOver() const { return state_.GameOver; }
    const Totals& TotalScores() const { return state_.TotalScores; }
    const PlayerSlot& Player(int slot) const { return state_.Players.at(slot); }
    // The board of the last manche judged, if any.
    const std::optional<ResultsBoardOutcome>& LastBoard() const { return lastBoard_; }
    bool ClockRunning() const { return clock_.Running(); }
    // The rest of the manche runs out after "finished".
    bool FastForwarding() const { return clock_.FastForwarding(); }
    const RoundClock& Clock() const { return clock_; }
    // The whole game, read-only: for the windows that show it.
    const GameState& View() const { return state_; }

signals:
    // A draw begins (the players' view is reset for it), and its tiles are emptied.
    void drawStarted();
    void drawReset();
    void letterDrawn(int position, const QString& letter);
    // The board is full (`letters`), and FoundWords holds the computers' finds.
    void drawCompleted(const QString& letters);
    // The holder's timer ticks every `ms` milliseconds, the first `firstAfter` from
    // now; 0 stops it.
    void timerPeriodChanged(int ms, std::chrono::milliseconds firstAfter);
    void secondsChanged(int elapsed);
    // The clock's label ("Infinito" or the seconds left) and second `elapsed` of the
    // time bar; fast-forwarding, the second finish button goes.
    void timeLabelChanged(const QString& text);
    void timeSlicePassed(int elapsed, int roundSeconds);
    void secondFinishButtonHidden();
    void wordAnnounced(int slot, const QString& word);
    void mancheEnded();
    void confirmationNeeded(const QString& word, int previousChoice);
    // A row of the board judged (name, word and verdict known), so that a window can
    // show the rows one by one; the points follow in mancheJudged.
    void rowJudged(int player, const ResultsBoardRow& row);
    // The board is complete: the totals are the game's. A word that could not be
    // added to the personal vocabulary is told after it.
    void mancheJudged(const ResultsBoardOutcome& board);
    void mancheStarted(int manche);
    // The state is emptied for the next manche's draw, and for a new game.
    void nextMancheReady();
    void newGameStarted();
    void gameEnded(const Game::Totals& totals);
    // After HighScoresClosed: the game's last step, where the player chooses.
    void endOfGameReached();
    // A message for the player (a limit reached, a word refused, a file missing).
    void told(const QString& text);
    // A string that cannot be drawn: the holder beeps.
    void refused();

private:
    friend struct GameTestAccess;
    class Messages;

    LetterDraw::Hooks DrawHooks();
    RoundClock::Hooks ClockHooks();
    MancheFlow::Hooks FlowHooks();
    void SearchComputerWords();
    void Judged(const ResultsBoardOutcome& board);

    GameState state_;
    LexiconSource lexicon_;
    RandomSource& random_;
    const ProgramFiles& files_;
    LexiconIndex index_;  // of the shared words, for the word draw
    // Shared with a judging step under way, which a listener may outlive.
    std::shared_ptr<Messages> messages_;
    SoundEffects sounds_;
    LetterDraw letters_;
    WordDraw words_;
    RoundClock clock_;
    MancheFlow flow_;
    Phase phase_ = Phase::Drawing;
    bool suspended_ = false;
    int confirmChoice_ = 0;  // offered again at the next confirmation
    // Shared with the judging step under way: a listener may give the judging up
    // while the step still runs on it.
    std::shared_ptr<ResultsEvaluation> evaluation_;
    std::optional<ResultsBoardOutcome> lastBoard_;
};
