// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/game.h"

#include "tests/support/fake_platform.h"
#include "model/language.h"
#include "lexicon/core/lexicon_words.h"
#include "lexicon/core/lexicon_writer.h"
#include "lexicon/core/personal_vocabulary.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A game over a lexicon of a few words, in a program folder of its own. The scripted
// random source answers 0 to everything: the computers at the medium level announce
// the first word found, and an automatic draw takes the first letter of each pool.
struct GameFixture : ::testing::Test {
    QTemporaryDir lexiconFolder;
    QTemporaryDir programFolder;
    ProgramFiles files{programFolder.path()};
    FakeRandom random;
    FakeWavePlayer wave;
    LexiconSource lexicon;
    std::unique_ptr<Game> game;
    QStringList told;

    void SetUp() override
    {
        const QString path = QDir(lexiconFolder.path()).filePath(QStringLiteral("SLESSICO.1"));
        std::array<QStringList, kLexiconListCount> lists;
        for (const QString word : {"SALE", "TELA", "COLLE", "STELO", "CASTELLO"})
            lists[word.size() - 3].append(word);
        ASSERT_TRUE(WriteLexiconFile(path, ComposeLexicon(ToLexiconWordLists(lists), LexiconBanner(Language::Italian))));
        lexicon = LexiconSource{Language::Italian, path, LexiconWords::Load(path)};
        ASSERT_TRUE(lexicon.Words);
        GameSettings settings;
        settings.LetterCount = 8;
        settings.RoundSeconds = 60;
        settings.SoundOn = false;
        MakeGame(settings);
    }

    void MakeGame(const GameSettings& settings)
    {
        game = std::make_unique<Game>(settings, lexicon, Game::Services{random, files, wave});
        QObject::connect(game.get(), &Game::told, [this](const QString& text) { told.append(text); });
        game->NewGame();
    }

    // Draws CASTELLO as a typed string and starts the clock.
    void StartManche(const QString& letters = QStringLiteral("CASTELLO"))
    {
        game->DrawTypedWord(letters);
        ASSERT_EQ(game->CurrentPhase(), Game::Phase::Drawn);
        game->StartClock();
    }

    void TickUntilEnd()
    {
        for (int tick = 0; tick < 200 && game->CurrentPhase() == Game::Phase::Playing; ++tick)
            game->Tick();
        ASSERT_EQ(game->CurrentPhase(), Game::Phase::Judging);
    }

    void PlayManche(const QString& humanWord, int finishAt)
    {
        StartManche();
        for (int second = 0; second < finishAt; ++second)
            game->Tick();
        ASSERT_TRUE(game->EnterWord(0, humanWord));
        game->FinishNow();
        TickUntilEnd();
        ASSERT_EQ(game->JudgeManche(), ResultsEvaluation::Status::Complete);
    }
};

TEST_F(GameFixture, DrawSearchesAndTheComputersAnnounceTenSecondsBeforeTheEnd)
{
    QList<int> announcedAt;
    QObject::connect(game.get(), &Game::wordAnnounced,
                     [&](int, const QString&) { announcedAt.append(game->ElapsedSeconds()); });
    StartManche();
    EXPECT_EQ(game->FoundWords(), QStringList({"SALE", "TELA", "COLLE", "STELO", "CASTELLO"}));
    TickUntilEnd();
    EXPECT_EQ(announcedAt, QList<int>({50, 50, 50}));
    EXPECT_EQ(game->Player(1).Word, QStringLiteral("SALE"));
}

TEST_F(GameFixture, SoleBestWordEarnsTheBonusOfTheSecondTheHumanFinished)
{
    // COLLE beats the computers' SALE; finished at second 20: 40 seconds of bonus.
    PlayManche(QStringLiteral("colle"), 20);
    const ResultsBoardOutcome& board = *game->LastBoard();
    EXPECT_EQ(board.rows[0].verdict, QStringLiteral("SI"));
    EXPECT_EQ(game->TotalScores(), (Game::Totals{500 + 400, 400, 400, 400}));
}

TEST_F(GameFixture, WordCopiedFromTheTypedStringIsRefusedAndTold)
{
    PlayManche(QStringLiteral("STELO"), 5);
    EXPECT_EQ(game->LastBoard()->rows[0].verdict, QStringLiteral("NO1"));
    EXPECT_EQ(game->TotalScores()[0], 0);
    ASSERT_FALSE(told.isEmpty());
    EXPECT_TRUE(told.last().contains(QStringLiteral("STELO")));
}

TEST_F(GameFixture, UnknownWordAddedAtTheHumansWordGoesToTheGamesOwnVocabulary)
{
    QStringList asked;
    QObject::connect(game.get(), &Game::confirmationNeeded, [&](const QString& word, int) { asked.append(word); });
    StartManche();
    ASSERT_TRUE(game->EnterWord(0, QStringLiteral("CELLA")));  // spelt, in no list
    TickUntilEnd();
    ASSERT_EQ(game->JudgeManche(), ResultsEvaluation::Status::NeedsConfirmation);
    EXPECT_EQ(asked, QStringList{QStringLiteral("CELLA")});
    game->Confirm(1);
    ASSERT_EQ(game->JudgeManche(), ResultsEvaluation::Status::Complete);

    EXPECT_EQ(game->TotalScores()[0], 500);
    EXPECT_EQ(PersonalVocabulary(1, files).Read(), QStringList{QStringLiteral("CELLA")});
    EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("USERVOCA.1"))));

    // Known from now on: the next manche asks nothing.
    game->NextManche();
    asked.clear();
    StartManche();
    ASSERT_TRUE(game->EnterWord(0, QStringLiteral("CELLA")));
    TickUntilEnd();
    EXPECT_EQ(game->JudgeManche(), ResultsEvaluation::Status::Complete);
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(game->TotalScores()[0], 1000);
}

TEST_F(GameFixture, FiveManchesEndTheGameAndANewGameStartsFromNothing)
{
    QList<int> started;
    int ended = 0;
    QObject::connect(game.get(), &Game::mancheStarted, [&](int manche) { started.append(manche); });
    QObject::connect(game.get(), &Game::gameEnded, [&](const Game::Totals&) { ++ended; });
    for (int manche = 1; manche <= GameRules::kManchesPerGame; ++manche) {
        ASSERT_EQ(game->MancheNumber(), manche);
        PlayManche(QStringLiteral("COLLE"), 50);
        game->NextManche();
    }
    EXPECT_EQ(started, QList<int>({2, 3, 4, 5}));
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(game->IsOver());
    EXPECT_EQ(game->TotalScores()[0], 5 * (500 + 100));
    game->DrawAuto();
    EXPECT_TRUE(game->Letters().isEmpty()) << "no draw after the fifth manche";

    game->NewGame();
    EXPECT_EQ(game->MancheNumber(), 1);
    EXPECT_FALSE(game->IsOver());
    EXPECT_EQ(game->TotalScores(), Game::Totals{});
    EXPECT_TRUE(game->Player(0).Word.isEmpty());
    EXPECT_TRUE(game->SourceWord().isEmpty());
    EXPECT_FALSE(game->LastBoard());
    game->DrawAuto();
    EXPECT_EQ(game->Letters().size(), 8);
}

TEST_F(GameFixture, TicksAreDroppedWhileSuspended)
{
    StartManche();
    game->Tick();
    game->SetSuspended(true);
    for (int i = 0; i < 100; ++i)
        game->Tick();
    EXPECT_EQ(game->ElapsedSeconds(), 1);
    EXPECT_EQ(game->CurrentPhase(), Game::Phase::Playing);
    game->SetSuspended(false);
    game->Tick();
    EXPECT_EQ(game->ElapsedSeconds(), 2);
}

TEST_F(GameFixture, VowelPastTheLimitIsToldAndNotDrawn)
{
    for (int i = 0; i < 6; ++i)
        game->DrawVowel();
    EXPECT_EQ(game->Letters().size(), 5);
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0], LetterDraw::VowelLimitMessage(5));
}

TEST_F(GameFixture, ComputerWordIsAScrambledLexiconWordKeptAsTheSourceWord)
{
    game->DrawComputerWord();
    ASSERT_EQ(game->CurrentPhase(), Game::Phase::Drawn);
    QString sorted = game->Letters();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, QStringLiteral("ACELLOST"));
    EXPECT_EQ(game->SourceWord(), game->Letters());
}

TEST_F(GameFixture, MissingLexiconIsToldAndTheComputerWordRefused)
{
    int refused = 0;
    QObject::connect(game.get(), &Game::refused, [&] { ++refused; });
    ASSERT_TRUE(QFile::remove(lexicon.FileName));
    game->DrawComputerWord();
    EXPECT_EQ(refused, 1);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("Errore 0002")));
    EXPECT_EQ(game->CurrentPhase(), Game::Phase::Drawing);
}

// Every operation out of its turn is refused and changes nothing.
TEST_F(GameFixture, OperationsOutOfTurnAreRefused)
{
    struct Row {
        const char* name;
        std::function<void(GameFixture&)> before;
        std::function<bool(Game&)> act;  // true: the operation was taken
    };
    const auto drawn = [](GameFixture& f) { f.game->DrawTypedWord(QStringLiteral("CASTELLO")); };
    const auto playing = [](GameFixture& f) { f.StartManche(); };
    const std::vector<Row> rows = {
        {"a word before the clock starts", drawn, [](Game& g) { return g.EnterWord(0, QStringLiteral("SALE")); }},
        {"a word into a computer's slot", playing, [](Game& g) { return g.EnterWord(1, QStringLiteral("SALE")); }},
        {"a word after finishing", playing,
         [](Game& g) {
             g.FinishNow();
             return g.EnterWord(0, QStringLiteral("SALE"));
         }},
        {"the clock before the board is full", [](GameFixture& f) { f.game->DrawVowel(); },
         [](Game& g) {
             g.StartClock();
             return g.ClockRunning();
         }},
        {"the next manche before judging", playing,
         [](Game& g) {
             g.NextManche();
             return g.MancheNumber() != 1;
         }},
        {"settings once a letter is drawn", [](GameFixture& f) { f.game->DrawConsonant(); },
         [](Game& g) {
             GameSettings settings = g.Settings();
             settings.LetterCount = 10;
             return g.ApplySettings(settings);
         }},
        {"another language without its lexicon", [](GameFixture&) {},
         [](Game& g) {
             GameSettings settings = g.Settings();
             settings.LexiconLanguage = Language::English;
             return g.ApplySettings(settings);
         }},
        {"a name during a manche", playing, [](Game& g) { return g.SetPlayerName(0, QStringLiteral("Lia")); }},
        {"a second draw over a full board", drawn,
         [](Game& g) {
             const QString before = g.Letters();
             g.DrawAuto();
             return g.Letters() != before;
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MakeGame(game->Settings());
        row.before(*this);
        EXPECT_FALSE(row.act(*game));
    }
}

TEST_F(GameFixture, SettingsAndNamesTakeEffectBetweenManches)
{
    GameSettings settings = game->Settings();
    settings.LetterCount = 10;
    ASSERT_TRUE(game->ApplySettings(settings));
    ASSERT_TRUE(game->SetPlayerName(1, QStringLiteral("Lia")));  // a human now: no "(CPU)"
    game->DrawAuto();
    EXPECT_EQ(game->Letters().size(), 10);
    game->StartClock();
    EXPECT_TRUE(game->EnterWord(1, QStringLiteral("SALE")));
}

// The holder's results window closes on the judged board, or gives the board up
// before judging it: the next manche either way, the totals the judged board's.
TEST_F(GameFixture, ClosingTheResultsGoesOnWithTheBoardJudgedOrGivenUp)
{
    struct Row {
        const char* name;
        bool judged;
        int expectedTotal;
    };
    for (const Row& row : {Row{"judged", true, 500 + 400}, Row{"given up", false, 0}}) {
        SCOPED_TRACE(row.name);
        MakeGame(game->Settings());
        QList<int> started;
        QObject::connect(game.get(), &Game::mancheStarted, [&](int manche) { started.append(manche); });
        StartManche();
        for (int second = 0; second < 20; ++second)
            game->Tick();
        ASSERT_TRUE(game->EnterWord(0, QStringLiteral("COLLE")));
        game->FinishNow();
        TickUntilEnd();
        if (row.judged) {
            ASSERT_EQ(game->JudgeManche(), ResultsEvaluation::Status::Complete);
            EXPECT_EQ(game->CurrentPhase(), Game::Phase::Judged);
        }
        game->CloseResults();
        EXPECT_EQ(game->TotalScores()[0], row.expectedTotal);
        EXPECT_EQ(started, QList<int>{2});
        EXPECT_EQ(game->CurrentPhase(), Game::Phase::Drawing);
    }
}

// A listener of the judging's message gives the board up, or destroys the game, while
// the judging step still runs: nothing of that board is sent or counted.
TEST_F(GameFixture, JudgingGivenUpFromItsOwnMessageSendsNothing)
{
    for (const bool destroy : {false, true}) {
        SCOPED_TRACE(destroy);
        MakeGame(game->Settings());
        int rows = 0;
        int judged = 0;
        QObject::connect(game.get(), &Game::rowJudged, [&](int, const ResultsBoardRow&) { ++rows; });
        QObject::connect(game.get(), &Game::mancheJudged, [&](const ResultsBoardOutcome&) { ++judged; });
        QObject::connect(game.get(), &Game::told, [this, destroy](const QString&) {
            if (destroy)
                game.reset();
            else
                game->CloseResults();
        });
        StartManche();
        ASSERT_TRUE(game->EnterWord(0, QStringLiteral("CASTELLO")));  // copies the typed string: told
        TickUntilEnd();
        EXPECT_EQ(game->JudgeManche(), ResultsEvaluation::Status::Complete);
        EXPECT_EQ(rows, 0);
        EXPECT_EQ(judged, 0);
        if (!destroy) {
            EXPECT_EQ(game->TotalScores(), Game::Totals{});
            EXPECT_EQ(game->MancheNumber(), 2);
        }
    }
}

TEST_F(GameFixture, AfterTheHighScoresTheEndOfGameChoiceStartsANewGameOrNothing)
{
    for (const bool playAgain : {true, false}) {
        SCOPED_TRACE(playAgain);
        MakeGame(game->Settings());
        int endReached = 0;
        int newGames = 0;
        QObject::connect(game.get(), &Game::endOfGameReached, [&] { ++endReached; });
        QObject::connect(game.get(), &Game::newGameStarted, [&] { ++newGames; });
        for (int manche = 1; manche <= GameRules::kManchesPerGame; ++manche) {
            PlayManche(QStringLiteral("COLLE"), 50);
            game->NextManche();
        }
        ASSERT_EQ(game->CurrentPhase(), Game::Phase::Over);
        game->EndOfGameClosed(playAgain);  // before the high scores: not its turn
        EXPECT_EQ(newGames, 0);
        game->HighScoresClosed();
        EXPECT_EQ(endReached, 1);
        game->EndOfGameClosed(playAgain);
        EXPECT_EQ(newGames, playAgain ? 1 : 0);
        EXPECT_EQ(game->IsOver(), !playAgain);
    }
}

TEST_F(GameFixture, PreferencesChangeDuringAMancheButNotItsRules)
{
    StartManche();
    GameSettings wanted = game->Settings();
    wanted.Level = Difficulty::Expert;
    wanted.SoundOn = true;
    wanted.LetterCount = 10;
    game->ApplyPreferences(wanted);
    EXPECT_EQ(game->Settings().Level, Difficulty::Expert);
    EXPECT_TRUE(game->Settings().SoundOn);
    EXPECT_EQ(game->Settings().LetterCount, 8);

    LexiconSource english = lexicon;
    english.LexiconLanguage = Language::English;
    EXPECT_FALSE(game->ReplaceLexicon(english));
    EXPECT_TRUE(game->ReplaceLexicon(lexicon));
}

TEST_F(GameFixture, AutoDrawOfEightLettersAlternatesVowelsFirst)
{
    const QString vowels = TableOf(Language::Italian).VowelPool;
    for (const double r : {0.0, 0.13, 0.27, 0.41, 0.55, 0.69, 0.83, 0.97})
        random.values.push_back(r);
    game->DrawAuto();
    const QString drawn = game->Letters();
    ASSERT_EQ(drawn.size(), 8);
    for (int position = 1; position <= 8; ++position)
        EXPECT_EQ(vowels.contains(drawn.at(position - 1)), position % 2 == 1) << drawn.toStdString();
    // Auto draws do not count against the one-by-one limits.
    EXPECT_EQ(game->View().VowelsDrawn, 0);
    EXPECT_EQ(game->View().ConsonantsDrawn, 0);
    EXPECT_EQ(game->CurrentPhase(), Game::Phase::Drawn);
}

// Y stands last in the foreign vowel pool, J K X W last in the consonant pool; the
// same numbers pick U and Z in Italian.
TEST_F(GameFixture, YJKXWComeOnlyFromTheForeignPools)
{
    struct Row {
        Language language;
        const char* expected;
    };
    for (const Row& row : {Row{Language::Italian, "UZUZUZUZUZ"}, Row{Language::English, "YJYKYXYWYJ"},
                           Row{Language::Latin, "YJYKYXYWYJ"}}) {
        SCOPED_TRACE(row.expected);
        GameSettings settings = game->Settings();
        settings.LetterCount = 10;
        settings.LexiconLanguage = row.language;
        MakeGame(settings);
        ASSERT_TRUE(game->ApplySettings(settings, LexiconSource{row.language, lexicon.FileName, lexicon.Words}));
        const double y = 0.9999;
        const double j = 79.5 / 83, k = 80.5 / 83, x = 81.5 / 83, w = 82.5 / 83;
        for (const double r : {y, j, y, k, y, x, y, w, y, j})
            random.values.push_back(r);
        game->DrawAuto();
        EXPECT_EQ(game->Letters(), QString::fromLatin1(row.expected));
    }
}

}  // namespace
