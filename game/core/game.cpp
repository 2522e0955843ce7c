// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/game.h"

#include "platform/core/dialogs.h"
#include "lexicon/core/lexicon_words.h"
#include "platform/core/random_source.h"
#include "lexicon/core/word_search.h"

#include <QPointer>

#include <utility>

// The parts of the game that speak to the player through Dialogs hand their
// messages to the game's holder as signals instead: a game asks no question itself.
// None of them asks anything but plain information. A judging step may go on after a
// listener destroyed the game: its messages then reach nobody.
class Game::Messages : public Dialogs {
public:
    explicit Messages(Game& game) : game_(&game) {}

    void Inform(const QString& text) override
    {
        if (game_)
            emit game_->told(text);
    }
    Answer AskOkCancel(const QString&) override { return Answer::Ok; }
    Answer AskYesNo(const QString&) override { return Answer::Yes; }
    Answer AskYesNoCancel(const QString&) override { return Answer::Yes; }
    std::optional<QString> InputBox(const QString&, const QString&) override { return std::nullopt; }
    void Beep() override
    {
        if (game_)
            emit game_->refused();
    }
    bool ModalOpen() const override { return false; }

private:
    QPointer<Game> game_;
};

namespace {

LexiconIndex IndexOf(const LexiconSource& lexicon)
{
    return lexicon.Words ? lexicon.Words->Index() : LexiconIndex{};
}

}  // namespace

Game::Game(const GameSettings& settings, LexiconSource lexicon, Services services, QObject* parent)
    : QObject(parent),
      lexicon_(std::move(lexicon)),
      random_(services.random),
      files_(services.files),
      index_(IndexOf(lexicon_)),
      messages_(std::make_shared<Messages>(*this)),
      sounds_(state_.Settings.SoundOn, services.wave, services.files),
      letters_(state_, services.random, *messages_, DrawHooks()),
      words_(state_, letters_, *messages_, services.random, index_, services.files),
      clock_(state_, sounds_, services.random, ClockHooks()),
      flow_(state_, clock_, *messages_, FlowHooks())
{
    state_.Settings = settings;
    state_.UseLettersOf(settings.LexiconLanguage);
}

Game::~Game() = default;

LetterDraw::Hooks Game::DrawHooks()
{
    LetterDraw::Hooks hooks;
    hooks.resetTiles = [this] { emit drawReset(); };
    hooks.prepareDraw = [this] { emit drawStarted(); };
    hooks.drawTile = [this](int position, const QString& letter) { emit letterDrawn(position, letter); };
    hooks.drawComplete = [this] { SearchComputerWords(); };
    return hooks;
}

RoundClock::Hooks Game::ClockHooks()
{
    RoundClock::Hooks hooks;
    hooks.setTimerPeriod = [this](int ms, std::chrono::milliseconds firstAfter) {
        emit timerPeriodChanged(ms, firstAfter);
    };
    hooks.stopTimer = [this] { emit timerPeriodChanged(0, std::chrono::milliseconds(0)); };
    hooks.paintTimeSlice = [this](int elapsed, int roundSeconds) { emit timeSlicePassed(elapsed, roundSeconds); };
    hooks.setTimeLabel = [this](const QString& text) {
        emit timeLabelChanged(text);
        emit secondsChanged(state_.ElapsedSeconds);
    };
    hooks.hideSecondFinishButton = [this] { emit secondFinishButtonHidden(); };
    hooks.announceWord = [this](int slot, const QString& word) { emit wordAnnounced(slot, word); };
    hooks.endOfManche = [this] { flow_.EndOfManche(); };
    hooks.suspended = [this] { return suspended_; };
    return hooks;
}

MancheFlow::Hooks Game::FlowHooks()
{
    MancheFlow::Hooks hooks;
    hooks.showResults = [this] {
        phase_ = Phase::Judging;
        evaluation_.reset();
        emit mancheEnded();
    };
    hooks.resetForNextManche = [this] {
        letters_.ResetDraw();
        emit nextMancheReady();
    };
    hooks.newGame = [this] {
        letters_.ResetDraw();
        evaluation_.reset();
        lastBoard_.reset();
        emit newGameStarted();
    };
    hooks.setMancheLabel = [this](const QString&) {
        phase_ = Phase::Drawing;
        emit mancheStarted(state_.MancheNumber);
    };
    hooks.showHighScores = [this] {
        phase_ = Phase::Over;
        emit gameEnded(state_.TotalScores);
    };
    hooks.showEndOfGame = [this] { emit endOfGameReached(); };
    return hooks;
}

void Game::NewGame()
{
    flow_.NewGame();
}

bool Game::ApplySettings(const GameSettings& settings)
{
    if (settings.LexiconLanguage != lexicon_.LexiconLanguage)
        return false;
    return ApplySettings(settings, lexicon_);
}

bool Game::ApplySettings(const GameSettings& settings, LexiconSource lexicon)
{
    if (phase_ != Phase::Drawing || !state_.DrawnLetters.isEmpty() || settings.LexiconLanguage != lexicon.LexiconLanguage)
        return false;
    state_.Settings = settings;
    state_.UseLettersOf(settings.LexiconLanguage);
    lexicon_ = std::move(lexicon);
    index_ = IndexOf(lexicon_);
    // A vowel or consonant count belongs to the board size it was drawn for.
    letters_.ResetDraw();
    return true;
}

void Game::ApplyPreferences(const GameSettings& settings)
{
    state_.Settings.Level = settings.Level;
    state_.Settings.SoundOn = settings.SoundOn;
    state_.Settings.TileStyle = settings.TileStyle;
    state_.Settings.Site = settings.Site;
}

bool Game::ReplaceLexicon(LexiconSource lexicon)
{
    if (lexicon.LexiconLanguage != lexicon_.LexiconLanguage)
        return false;
    lexicon_ = std::move(lexicon);
    index_ = IndexOf(lexicon_);
    return true;
}

bool Game::SetPlayerName(int slot, const QString& name)
{
    const bool betweenManches = (phase_ == Phase::Drawing && state_.DrawnLetters.isEmpty()) ||
                                phase_ == Phase::Judged || phase_ == Phase::Over;
    if (slot < 0 || slot >= GameRules::kPlayers || !betweenManches)
        return false;
    state_.Players[slot].Name = name;
    return true;
}

void Game::DrawVowel()
{
    if (phase_ == Phase::Drawing)
        letters_.PressVowel();
}

void Game::DrawConsonant()
{
    if (phase_ == Phase::Drawing)
        letters_.PressConsonant();
}

void Game::DrawAuto()
{
    if (phase_ == Phase::Drawing)
        letters_.PressAuto();
}

void Game::DrawTypedWord(const QString& letters)
{
    if (phase_ == Phase::Drawing)
        words_.DrawString(letters);
}

void Game::DrawComputerWord()
{
    if (phase_ != Phase::Drawing)
        return;
    const LexiconResult<std::shared_ptr<const LexiconWords>> words = lexicon_.Open();
    if (!words) {
        // Told, then refused like a string of the wrong length.
        emit told(words.Error().Message());
        words_.DrawString(QString());
        return;
    }
    const QString word = WordDraw::PickWord(**words, state_.Settings.LetterCount, random_);
    words_.DrawString(WordDraw::Scramble(word, random_));
}

void Game::SearchComputerWords()
{
    const LexiconResult<WordSearch::Found> found =
        WordSearch::Run(lexicon_, state_.DrawnLetters, state_.Settings.LetterCount);
    state_.FoundWords.clear();
    if (found)
        state_.FoundWords = found->InOrder();
    else
        emit told(found.Error().Message());
    phase_ = Phase::Drawn;
    emit drawCompleted(state_.DrawnLetters);
}

void Game::StartClock()
{
    if (phase_ != Phase::Drawn)
        return;
    phase_ = Phase::Playing;
    clock_.Start();
}

void Game::Tick()
{
    clock_.ClockTick();
}

void Game::FinishNow()
{
    if (phase_ == Phase::Playing)
        clock_.FinishNow();
}

bool Game::EnterWord(int slot, const QString& word)
{
    if (phase_ != Phase::Playing || clock_.FastForwarding() || slot < 0 || slot >= GameRules::kPlayers ||
        IsComputerPlayer(state_.Players[slot].Name))
        return false;
    state_.Players[slot].Word = word;
    return true;
}

ResultsEvaluation::Status Game::JudgeManche()
{
    if (phase_ != Phase::Judging)
        return ResultsEvaluation::Status::Complete;
    if (!evaluation_) {
        ResultsBoardInput input = ResultsBoardInput::OfManche(state_, lexicon_, confirmChoice_, &files_);
        evaluation_ = std::make_shared<ResultsEvaluation>(std::move(input));
    }
    // A listener of the step's messages and rows may give the judging up, or destroy
    // the game, before the step returns: the step keeps what it runs on, and its end
    // then reaches nobody.
    const std::shared_ptr<ResultsEvaluation> evaluation = evaluation_;
    const std::shared_ptr<Messages> messages = messages_;
    const QPointer<Game> self(this);
    const auto rowJudgedHere = [self, evaluation](int player, const ResultsBoardRow& row) {
        if (self && self->evaluation_ == evaluation)
            emit self->rowJudged(player, row);
    };
    const ResultsEvaluation::Status status = evaluation->Run(*messages, rowJudgedHere);
    if (!self || evaluation_ != evaluation)
        return ResultsEvaluation::Status::Complete;
    if (status == ResultsEvaluation::Status::NeedsConfirmation) {
        emit confirmationNeeded(evaluation->WordToConfirm(), evaluation->PreviousChoice());
        return ResultsEvaluation::Status::NeedsConfirmation;
    }
    const ResultsBoardOutcome board = evaluation->Outcome();
    evaluation_.reset();
    Judged(board);
    // Told over the complete board, which stays as judged.
    if (self && !board.vocabularyError.isEmpty())
        emit told(board.vocabularyError);
    return ResultsEvaluation::Status::Complete;
}

void Game::Judged(const ResultsBoardOutcome& board)
{
    state_.TotalScores = board.totals;
    confirmChoice_ = board.confirmChoice;
    lastBoard_ = board;
    phase_ = Phase::Judged;
    emit mancheJudged(board);
}

void Game::Confirm(int choice)
{
    if (evaluation_ && !evaluation_->WordToConfirm().isEmpty())
        evaluation_->Confirm(choice);
}

void Game::NextManche()
{
    if (phase_ == Phase::Judged)
        flow_.ResultsClosed();
}

void Game::CloseResults()
{
    if (phase_ != Phase::Judging && phase_ != Phase::Judged)
        return;
    evaluation_.reset();
    flow_.ResultsClosed();
}

void Game::HighScoresClosed()
{
    flow_.HighScoresClosed();
}

void Game::EndOfGameClosed(bool playAgain)
{
    flow_.EndOfGameClosed(playAgain ? MancheFlow::EndOfGameChoice::PlayAgain : MancheFlow::EndOfGameChoice::Quit);
}

void Game::BoardClicked()
{
    flow_.BoardClicked();
}

void Game::Abandon()
{
    evaluation_.reset();
    flow_.Abandon();
}
