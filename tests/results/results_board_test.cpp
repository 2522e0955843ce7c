// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/results_board.h"

#include "tests/results/manche_fixture.h"
#include "lexicon/core/personal_vocabulary.h"
#include "platform/core/program_folder.h"
#include "platform/core/program_files.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using MancheFixture::Players;

class ResultsBoardTest : public ::testing::Test {
protected:
    ResultsBoardTest()
    {
        EXPECT_TRUE(MancheFixture::WriteLexicon(folder, 1));
        input.drawnLetters = MancheFixture::kLetters;
        input.lexicon = LexiconSource::ForLanguage(files, Language::Italian);
        input.files = &files;
        input.lexiconLanguage = 1;
        input.finishSeconds = 12;
        confirm = [this](const QString& word, int previousChoice) {
            asked.append(word);
            previousChoices.push_back(previousChoice);
            if (choices.empty())
                return 3;
            const int choice = choices.front();
            choices.erase(choices.begin());
            return choice;
        };
    }

    ResultsBoardOutcome Evaluate()
    {
        return ResultsBoard::Evaluate(input, dialogs, confirm);
    }

    static QStringList Verdicts(const ResultsBoardOutcome& outcome)
    {
        QStringList verdicts;
        for (const ResultsBoardRow& row : outcome.rows)
            verdicts.append(row.verdict.value_or(QStringLiteral("<unjudged>")));
        return verdicts;
    }
    static QStringList PointsTexts(const ResultsBoardOutcome& outcome)
    {
        QStringList points;
        for (const ResultsBoardRow& row : outcome.rows)
            points.append(row.PointsText());
        return points;
    }
    QByteArray Vocabulary() const
    {
        return folder.Exists(QStringLiteral("USERVOCA.1")) ? folder.Read(QStringLiteral("USERVOCA.1")) : QByteArray();
    }

    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    FakeDialogs dialogs;
    ResultsBoardInput input;
    ResultsBoard::ConfirmWord confirm;
    std::vector<int> choices;  // scripted answers of the confirmation, in order
    QStringList asked;
    std::vector<int> previousChoices;
};

TEST_F(ResultsBoardTest, TimeBonusGoesOnlyToTheSoleBestWord)
{
    struct Case {
        const char* name;
        std::array<PlayerSlot, GameState::kPlayers> players;
        int finishSeconds;
        QStringList verdicts;
        QStringList points;
        int bestPlayer;
        int tieCount;
    };
    const Case cases[] = {
        {"all words invalid", Players("LATTE", "", "QQQ", "AL"), 12, {"NO2", "NO2", "NO2", "NO2"},
         {"0", "0", "0", "0"}, -1, 4},
        {"two equal top scores", Players("STELLA", "LOCALE", "CELLA", "ORA"), 12, {"SI", "SI", "SI", "SI"},
         {"600", "600", "500", "300"}, 0, 2},
        {"human alone best at 12 s", Players("STELLA", "CELLA", "SALE", "ORA"), 12, {"SI", "SI", "SI", "SI"},
         {"600+480", "500", "400", "300"}, 0, 1},
        {"time limit reached", Players("STELLA", "CELLA", "SALE", "ORA"), 60, {"SI", "SI", "SI", "SI"},
         {"600", "500", "400", "300"}, 0, 1},
        {"a computer alone best", Players("SALE", "CASTELLO", "", "CASTA"), 12, {"SI", "SI", "NO2", "SI"},
         {"400", "800+480", "0", "500"}, 1, 1},
    };
    for (const Case& c : cases) {
        input.players = c.players;
        input.finishSeconds = c.finishSeconds;
        input.totals = {};
        const ResultsBoardOutcome outcome = Evaluate();
        EXPECT_EQ(Verdicts(outcome), c.verdicts) << c.name;
        EXPECT_EQ(PointsTexts(outcome), c.points) << c.name;
        EXPECT_EQ(outcome.bestPlayer, c.bestPlayer) << c.name;
        EXPECT_EQ(outcome.tieCount, c.tieCount) << c.name;
    }
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(ResultsBoardTest, HumanFinishingAt12sWithTheOnlyBestWordScores1080)
{
    input.players = Players("stella", "CELLA", "SALE", "ORA");  // the word box may hold lower case
    input.totals = {200, 900, 100, 0};
    const ResultsBoardOutcome outcome = Evaluate();

    EXPECT_EQ(outcome.rows[0].word, QStringLiteral("STELLA"));
    EXPECT_EQ(outcome.rows[0].wordPoints, 600);
    EXPECT_EQ(outcome.rows[0].bonus, 480);
    EXPECT_EQ(outcome.rows[0].Points(), 1080);
    EXPECT_EQ(outcome.rows[0].PointsText(), QStringLiteral("600+480"));
    EXPECT_EQ(outcome.totals, (std::array<int, 4>{1280, 1400, 500, 300}));
    EXPECT_EQ(outcome.ScoreLabels(), (QStringList{QStringLiteral(" 1280 (2°)"), QStringLiteral(" 1400 (1°)"),
                                                  QStringLiteral("  500 (3°)"), QStringLiteral("  300 (4°)")}));
}

TEST_F(ResultsBoardTest, CopiedSourceWordIsRefusedOnlyForHumans)
{
    input.sourceWord = QStringLiteral("CASTELLO");
    input.players = Players("CASTELLO", "CASTELLO", "CASTA", "ORA");
    const ResultsBoardOutcome outcome = Evaluate();

    EXPECT_EQ(Verdicts(outcome), (QStringList{"NO1", "SI", "SI", "SI"}));
    EXPECT_EQ(outcome.rows[0].ValidityText(), QStringLiteral("NO"));
    EXPECT_EQ(outcome.rows[0].Points(), 0);
    // The computer player is now alone at the top and takes the bonus.
    EXPECT_EQ(PointsTexts(outcome), (QStringList{"0", "800+480", "500", "300"}));
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, QStringLiteral("inform"));
    EXPECT_EQ(dialogs.asked[0].text,
              QStringLiteral("La parola CASTELLO è stata inserita dal giocatore umano 'Anonimo' ma essa è troppo "
                             "simile alla stringa di input per la estrazione quindi NON è considerata valida anche "
                             "se presente nel vocabolario."));
}

TEST_F(ResultsBoardTest, SimilarityRuleNeedsFourLettersTogether)
{
    input.sourceWord = QStringLiteral("ORASTELLC");
    const std::pair<const char*, const char*> cases[] = {
        {"ORA", "SI"},       // three letters are never caught
        {"STELLA", "NO1"},   // STELL stands in the source
        {"CASTA", "SI"},     // no four letters of it together
    };
    for (const auto& [word, verdict] : cases) {
        dialogs.asked.clear();
        input.players = Players(QString::fromLatin1(word), "", "", "");
        const ResultsBoardOutcome outcome = Evaluate();
        EXPECT_EQ(outcome.rows[0].verdict, QString::fromLatin1(verdict)) << word;
        EXPECT_EQ(dialogs.asked.size(), outcome.rows[0].verdict == QStringLiteral("NO1") ? 1u : 0u) << word;
    }
}

TEST_F(ResultsBoardTest, EqualTotalsRankInPlayerOrder)
{
    input.players = Players("", "", "", "");
    input.totals = {300, 500, 500, 300};
    const ResultsBoardOutcome outcome = Evaluate();
    EXPECT_EQ(Verdicts(outcome), (QStringList{"NO2", "NO2", "NO2", "NO2"}));
    std::array<int, 4> ranks{};
    for (int p = 0; p < 4; ++p)
        ranks[p] = outcome.rows[p].rank;
    EXPECT_EQ(ranks, (std::array<int, 4>{3, 1, 2, 4}));
    EXPECT_EQ(outcome.totals, input.totals);
}

TEST_F(ResultsBoardTest, ConfirmationChoicesDecideScoreAndVocabulary)
{
    struct Case {
        int choice;
        const char* verdict;
        int points;
        QByteArray vocabulary;
    };
    const Case cases[] = {
        {1, "SI", 500, "SALTO\r\n"},
        {2, "NO", 0, "SALTO\r\n"},   // its new line must not let it count at the re-run
        {3, "NO", 0, ""},
    };
    for (const Case& c : cases) {
        QFile::remove(folder.FilePath(QStringLiteral("USERVOCA.1")));
        asked.clear();
        previousChoices.clear();
        choices = {c.choice};
        input.confirmChoice = 7;  // whatever was chosen last time is offered again
        input.finishSeconds = 60;
        input.players = Players("salto", "CELLA", "SALE", "ORA");
        const ResultsBoardOutcome outcome = Evaluate();

        EXPECT_EQ(asked, QStringList{QStringLiteral("SALTO")}) << c.choice;
        EXPECT_EQ(previousChoices, std::vector<int>{7});
        EXPECT_EQ(outcome.rows[0].verdict, QString::fromLatin1(c.verdict)) << c.choice;
        EXPECT_TRUE(outcome.rows[0].confirmed);
        EXPECT_EQ(outcome.rows[0].Points(), c.points) << c.choice;
        EXPECT_EQ(outcome.totals[0], c.points) << c.choice;
        EXPECT_EQ(Vocabulary(), c.vocabulary) << c.choice;
        EXPECT_EQ(outcome.confirmChoice, c.choice);
        // The players after the stop are judged by the re-run.
        EXPECT_EQ(Verdicts(outcome).mid(1), (QStringList{"SI", "SI", "SI"})) << c.choice;
    }
}

TEST_F(ResultsBoardTest, ReRunAfterConfirmationDoesNotCountTheBestWordTwice)
{
    // Two humans at the keyboard: the pass stops at player 2 after it has met player 1.
    input.players = Players("STELLA", "SALTO", "SALE", "ORA");
    input.players[1].Name = QStringLiteral("Ugo");
    choices = {3};
    const ResultsBoardOutcome outcome = Evaluate();

    EXPECT_EQ(asked, QStringList{QStringLiteral("SALTO")});
    EXPECT_EQ(outcome.tieCount, 1);
    EXPECT_EQ(PointsTexts(outcome), (QStringList{"600+480", "0", "400", "300"}));
}

TEST_F(ResultsBoardTest, UnknownWordsOfComputersAndKnownPersonalWordsAreNotPutToThePlayer)
{
    folder.Write(QStringLiteral("uservoca.1"), "resto\r\n");
    input.players = Players("RESTO", "SALTO", "SALE", "ORA");
    input.finishSeconds = 60;
    const ResultsBoardOutcome outcome = Evaluate();
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(Verdicts(outcome), (QStringList{"SI", "NO", "SI", "SI"}));
    EXPECT_EQ(PointsTexts(outcome), (QStringList{"500", "0", "400", "300"}));
}

TEST_F(ResultsBoardTest, UnwritableVocabularyStillLetsChoiceOneScoreAndSaysTheWordWasNotAdded)
{
    struct Case {
        const char* label;
        bool folderInTheWay;  // a folder where the file would go
        bool fullDisk;        // the append's flush fails
    };
    const Case cases[] = {{"folder in the way", true, false}, {"full disk", false, true}, {"writable", false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TempProgramFolder folder;
        // A full disk: every append's flush fails.
        const ProgramFiles caseFiles =
            c.fullDisk ? ProgramFiles(folder.Path()).WithWriteStep([](QFileDevice&, const QByteArray&) { return false; })
                       : ProgramFiles(folder.Path());
        EXPECT_TRUE(MancheFixture::WriteLexicon(folder, 1));
        input.lexicon = LexiconSource::ForLanguage(caseFiles, Language::Italian);
        input.files = &caseFiles;
        if (c.folderInTheWay) {
            ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("USERVOCA.1")));
        }
        input.players = Players("SALTO", "", "", "");
        choices = {1};
        const ResultsBoardOutcome outcome = Evaluate();

        EXPECT_EQ(outcome.rows[0].verdict, QStringLiteral("SI"));
        EXPECT_EQ(outcome.rows[0].PointsText(), QStringLiteral("500+480"));
        EXPECT_TRUE(dialogs.asked.empty());
        const bool failed = c.folderInTheWay || c.fullDisk;
        EXPECT_EQ(outcome.vocabularyError.contains(QStringLiteral("SALTO")), failed) << outcome.vocabularyError.toStdString();
        EXPECT_EQ(outcome.vocabularyError.contains(QStringLiteral("USERVOCA.1")), failed);
    }
}

TEST_F(ResultsBoardTest, MissingLexiconLeavesEveryWordUnjudgedAndScoreless)
{
    QFile::remove(folder.FilePath(QStringLiteral("SLESSICO.1")));
    input.players = Players("STELLA", "CELLA", "", "ORA");
    const ResultsBoardOutcome outcome = Evaluate();
    EXPECT_EQ(Verdicts(outcome), (QStringList{"", "", "", ""}));
    for (const ResultsBoardRow& row : outcome.rows) {
        EXPECT_EQ(row.ValidityText(), QString());
        EXPECT_EQ(row.PointsText(), QStringLiteral("0"));
    }
    EXPECT_TRUE(asked.isEmpty());
    ASSERT_FALSE(dialogs.asked.empty());
    EXPECT_EQ(dialogs.LastText(), QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.1"));
}

TEST_F(ResultsBoardTest, AnEvaluationLeftWaitingForTheAnswerWritesNothing)
{
    // A new game or the window closing while the question is open drops the
    // evaluation before the answer arrives.
    input.players = Players("SALTO", "CELLA", "SALE", "ORA");
    int rowsShown = 0;
    {
        ResultsEvaluation evaluation(input);
        EXPECT_EQ(evaluation.Run(dialogs, [&](int, const ResultsBoardRow&) { ++rowsShown; }),
                  ResultsEvaluation::Status::NeedsConfirmation);
        EXPECT_EQ(evaluation.WordToConfirm(), QStringLiteral("SALTO"));
    }
    EXPECT_EQ(Vocabulary(), QByteArray());
    EXPECT_EQ(rowsShown, 0);
}

}  // namespace
