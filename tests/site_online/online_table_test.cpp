// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/core/online_table.h"

#include "tests/support/fake_platform.h"
#include "model/language.h"
#include "lexicon/core/lexicon_words.h"
#include "lexicon/core/lexicon_writer.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using ClientId = OnlineTable::ClientId;
using Seconds = std::chrono::seconds;

QJsonObject Parsed(const std::string& message)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(message)).object();
}

// A table of eight letters and 60 seconds over a lexicon of a few words, with Anna in
// seat 1, Bruno in seat 2 and a watcher; two computer players in seats 3 and 4. The
// scripted random source picks the letters the test queues, then answers 0: the
// computers at the medium level announce the first word found.
struct TableFixture : ::testing::Test {
    static constexpr ClientId kAnna = 1, kBruno = 2, kWatcher = 3;

    QTemporaryDir lexiconFolder;
    QTemporaryDir emptyFolder;
    ProgramFiles noVocabulary{emptyFolder.path()};
    FakeRandom random;
    LexiconSource lexicon;
    QString lexiconPath;
    std::map<ClientId, std::vector<std::string>> sent;
    std::vector<QString> reported;
    std::vector<std::pair<QString, int>> won;
    struct Finished {
        std::array<QString, GameRules::kPlayers> names;
        Game::Totals totals;
        QString winner;
    };
    std::vector<Finished> finished;
    std::unique_ptr<OnlineTable> table;
    OnlineTable::Clock::time_point now{};
    QString annaToken;
    int tokens = 0;

    void SetUp() override
    {
        sent.clear();
        reported.clear();
        won.clear();
        finished.clear();
        random.values.clear();
        now = {};
        lexiconPath = QDir(lexiconFolder.path()).filePath(QStringLiteral("SLESSICO.1"));
        std::array<QStringList, kLexiconListCount> lists;
        for (const QString word : {"SALE", "TELA", "COLLE", "STELO", "CASTELLO"})
            lists[word.size() - 3].append(word);
        ASSERT_TRUE(WriteLexiconFile(lexiconPath,
                                     ComposeLexicon(ToLexiconWordLists(lists), LexiconBanner(Language::Italian))));
        lexicon = LexiconSource{Language::Italian, lexiconPath, LexiconWords::Load(lexiconPath)};
        ASSERT_TRUE(lexicon.Words);
        OnlineTable::Hooks hooks;
        hooks.send = [this](ClientId client, const std::string& text) { sent[client].push_back(text); };
        hooks.clockTimer = [](int, std::chrono::milliseconds) {};
        hooks.newToken = [this] { return QStringLiteral("token-%1").arg(++tokens); };
        hooks.reportWord = [this](ClientId, Language, const QString& word) { reported.push_back(word); };
        hooks.gameWon = [this](const QString& name, int points, ClientId) { won.emplace_back(name, points); };
        hooks.gameFinished = [this](const std::array<QString, GameRules::kPlayers>& names, const Game::Totals& totals,
                                    const QString& winner) { finished.push_back({names, totals, winner}); };
        OnlineProtocol::TableOptions options;
        options.letters = 8;
        options.seconds = 60;
        table = std::make_unique<OnlineTable>(QStringLiteral("T1"), options, lexicon, random, noVocabulary, hooks, now);
        annaToken = table->Reserve(QStringLiteral("Anna"), now);
        table->Join(kAnna, annaToken, now);
        table->Join(kBruno, QString(), now);
        Send(kBruno, R"({"t":"sit","name":"Bruno"})");
        table->Join(kWatcher, QString(), now);
    }

    void Send(ClientId client, const std::string& message)
    {
        const auto parsed = OnlineProtocol::Parse(message);
        ASSERT_TRUE(std::holds_alternative<OnlineProtocol::Request>(parsed)) << message;
        table->Handle(client, std::get<OnlineProtocol::Request>(parsed), now);
    }

    // The reason of the refusal `client` got for `message`, or "" when none came.
    std::string RefusalOf(ClientId client, const std::string& message)
    {
        const std::size_t before = sent[client].size();
        Send(client, message);
        for (std::size_t i = before; i < sent[client].size(); ++i) {
            const QJsonObject answer = Parsed(sent[client][i]);
            if (answer[QStringLiteral("t")] == QStringLiteral("refused"))
                return answer[QStringLiteral("why")].toString().toStdString();
        }
        return {};
    }

    QJsonObject StateOf(ClientId client)
    {
        for (auto it = sent[client].rbegin(); it != sent[client].rend(); ++it) {
            const QJsonObject message = Parsed(*it);
            if (message[QStringLiteral("t")] == QStringLiteral("state"))
                return message;
        }
        return {};
    }

    QString Phase() { return StateOf(kWatcher)[QStringLiteral("phase")].toString(); }

    // Queues the picks that draw `letters` from the Italian pools, and has the seat
    // whose turn it is press the buttons.
    void DrawBoard(ClientId drawer, const QString& letters = QStringLiteral("CASTELLO"))
    {
        const LanguageTable& italian = TableOf(Language::Italian);
        for (const QChar letter : letters) {
            const bool vowel = italian.VowelPool.contains(letter);
            const QString& pool = vowel ? italian.VowelPool : italian.ConsonantPool;
            random.values.push_back((pool.indexOf(letter) + 0.5) / pool.size());
            Send(drawer, vowel ? R"({"t":"draw","kind":"vowel"})" : R"({"t":"draw","kind":"consonant"})");
        }
        ASSERT_EQ(Phase(), QStringLiteral("playing"));
    }

    void Tick(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            table->Tick();
    }

    void TickToResults()
    {
        for (int i = 0; i < 200 && Phase() == QStringLiteral("playing"); ++i)
            table->Tick();
        ASSERT_EQ(Phase(), QStringLiteral("results"));
    }

    QJsonArray Rows(ClientId client) { return StateOf(client)[QStringLiteral("results")][QStringLiteral("rows")].toArray(); }
};

TEST_F(TableFixture, EachRequestOutOfTurnSeatOrTimeIsRefusedAndChangesNothing)
{
    const auto atDraw = [](TableFixture&) {};
    const auto atPlay = [](TableFixture& f) { f.DrawBoard(kAnna); };
    const auto afterClock = [](TableFixture& f) {
        f.DrawBoard(kAnna);
        f.TickToResults();
    };
    const struct {
        const char* what;
        std::function<void(TableFixture&)> reach;
        ClientId client;
        std::string message;
        std::string why;
    } cases[] = {
        {"a draw out of turn", atDraw, kBruno, R"({"t":"draw","kind":"vowel"})", "turn"},
        {"a draw by a watcher", atDraw, kWatcher, R"({"t":"draw","kind":"auto"})", "turn"},
        {"a draw once the board is full", atPlay, kAnna, R"({"t":"draw","kind":"vowel"})", "turn"},
        {"a word before the clock", atDraw, kAnna, R"({"t":"word","word":"SALE"})", "clock"},
        {"a word for another seat", atPlay, kAnna, R"({"t":"word","word":"SALE","seat":1})", "seat"},
        {"a word for a computer's seat", atPlay, kAnna, R"({"t":"word","word":"SALE","seat":2})", "seat"},
        {"a word by a watcher", atPlay, kWatcher, R"({"t":"word","word":"SALE"})", "seat"},
        {"a word outside the alphabet", atPlay, kAnna, R"({"t":"word","word":"JAZZ"})", "letters"},
        {"a word longer than the board", atPlay, kAnna, R"({"t":"word","word":"CASTELLOSA"})", "letters"},
        {"a word after the clock", afterClock, kAnna, R"({"t":"word","word":"SALE"})", "clock"},
        {"finished after the clock", afterClock, kAnna, R"({"t":"done"})", "clock"},
        {"continue while playing", atPlay, kAnna, R"({"t":"continue"})", "phase"},
        {"a report before the results", atPlay, kAnna, R"({"t":"report"})", "phase"},
        {"a report of a valid word", afterClock, kAnna, R"({"t":"report"})", "phase"},
        {"another game before the end", atDraw, kAnna, R"({"t":"again"})", "phase"},
        {"a second seat", atDraw, kAnna, R"({"t":"sit","name":"Anna"})", "phase"},
        {"a lobby request to a table", atDraw, kAnna, R"({"t":"lobby"})", "phase"},
        {"a word in time", atPlay, kAnna, R"({"t":"word","word":"sale"})", ""},
    };
    for (const auto& row : cases) {
        SetUp();
        row.reach(*this);
        const QByteArray before = QJsonDocument(StateOf(kWatcher)).toJson();
        EXPECT_EQ(RefusalOf(row.client, row.message), row.why) << row.what;
        if (!row.why.empty()) {
            EXPECT_EQ(QJsonDocument(StateOf(kWatcher)).toJson().toStdString(), before.toStdString()) << row.what;
        }
    }
}

TEST_F(TableFixture, NoWordReachesAnotherBrowserBeforeTheManchesEnd)
{
    DrawBoard(kAnna);
    Send(kAnna, R"({"t":"word","word":"stelo"})");
    Send(kBruno, R"({"t":"word","word":"colle"})");
    Tick(50);  // the computers have announced
    ASSERT_EQ(table->CurrentGame().Player(2).Word, QStringLiteral("SALE"));
    const auto holds = [&](ClientId client, const QString& word) {
        for (const std::string& message : sent[client]) {
            if (QString::fromStdString(message).contains(word, Qt::CaseInsensitive))
                return true;
        }
        return false;
    };
    EXPECT_FALSE(holds(kBruno, QStringLiteral("STELO")));
    EXPECT_FALSE(holds(kWatcher, QStringLiteral("STELO")));
    EXPECT_FALSE(holds(kAnna, QStringLiteral("COLLE")));
    for (const ClientId client : {kAnna, kBruno, kWatcher})
        EXPECT_FALSE(holds(client, QStringLiteral("SALE"))) << client;
    // Only the lengths travel.
    const auto lengthSent = [&](ClientId client, int seat, int length) {
        for (const std::string& message : sent[client]) {
            const QJsonObject parsed = Parsed(message);
            if (parsed[QStringLiteral("t")] == QStringLiteral("length") && parsed[QStringLiteral("seat")] == seat &&
                parsed[QStringLiteral("length")] == length)
                return true;
        }
        return false;
    };
    EXPECT_TRUE(lengthSent(kBruno, 0, 5));
    EXPECT_TRUE(lengthSent(kWatcher, 1, 5));
    const QJsonArray seats = StateOf(kBruno)[QStringLiteral("seats")].toArray();
    EXPECT_EQ(seats[0][QStringLiteral("length")].toInt(), 5);
    EXPECT_EQ(seats[2][QStringLiteral("length")].toInt(), 4);
    EXPECT_EQ(StateOf(kAnna)[QStringLiteral("yourWord")].toString(), QStringLiteral("STELO"));

    TickToResults();
    EXPECT_EQ(Rows(kBruno)[0][QStringLiteral("word")].toString(), QStringLiteral("stelo"));
    EXPECT_EQ(Rows(kWatcher)[2][QStringLiteral("word")].toString(), QStringLiteral("sale"));
}

TEST_F(TableFixture, EveryHumanDoneEndsTheMancheAndTheResultsAreTheSameForAll)
{
    DrawBoard(kAnna);
    Tick(10);
    Send(kAnna, R"({"t":"word","word":"colle"})");
    Send(kAnna, R"({"t":"done"})");
    EXPECT_EQ(Phase(), QStringLiteral("playing"));  // Bruno plays on
    Send(kBruno, R"({"t":"done"})");
    TickToResults();
    EXPECT_EQ(Rows(kAnna), Rows(kBruno));
    EXPECT_EQ(Rows(kAnna), Rows(kWatcher));
    // COLLE beats the computers' SALE alone: 500 and the bonus of 50 seconds left.
    EXPECT_EQ(Rows(kAnna)[0][QStringLiteral("total")].toInt(), 1000);
    EXPECT_EQ(Rows(kAnna)[0][QStringLiteral("valid")].toString(), QStringLiteral("SI"));
    EXPECT_EQ(StateOf(kAnna)[QStringLiteral("results")][QStringLiteral("found")].toArray().first().toString(),
              QStringLiteral("CASTELLO"));
}

TEST_F(TableFixture, AnUnknownWordIsNoWithoutAskingAndItsPlayerMayReportItOnce)
{
    DrawBoard(kAnna);
    Send(kAnna, R"({"t":"word","word":"cella"})");
    TickToResults();
    EXPECT_EQ(Rows(kAnna)[0][QStringLiteral("verdict")].toString(), QStringLiteral("NO"));
    EXPECT_TRUE(StateOf(kAnna)[QStringLiteral("results")][QStringLiteral("reportable")].toBool());
    EXPECT_FALSE(StateOf(kBruno)[QStringLiteral("results")][QStringLiteral("reportable")].toBool());
    EXPECT_EQ(RefusalOf(kBruno, R"({"t":"report"})"), "phase");
    EXPECT_EQ(RefusalOf(kAnna, R"({"t":"report"})"), "");
    EXPECT_EQ(RefusalOf(kAnna, R"({"t":"report"})"), "phase");
    EXPECT_EQ(reported, std::vector<QString>{QStringLiteral("CELLA")});
}

TEST_F(TableFixture, ASeatIsKeptForAReturningBrowserAndFreedAfterAMinute)
{
    table->Left(kAnna, now);
    now += Seconds(30);
    table->Housekeeping(now);
    table->Join(kAnna + 10, annaToken, now);
    EXPECT_EQ(StateOf(kAnna + 10)[QStringLiteral("you")].toInt(), 0);

    table->Left(kAnna + 10, now);
    now += Seconds(61);
    table->Housekeeping(now);
    // The draw's wait ran out meanwhile: the seat is free now and a computer's from
    // the next manche.
    const QJsonArray seats = StateOf(kWatcher)[QStringLiteral("seats")].toArray();
    EXPECT_TRUE(seats[0][QStringLiteral("free")].toBool());
    table->Join(kAnna + 20, annaToken, now);
    EXPECT_EQ(StateOf(kAnna + 20)[QStringLiteral("you")].toInt(), -1);
}

TEST_F(TableFixture, TheBrowserThatSatFindsItsSeatByItsCookieWithoutTheToken)
{
    const ClientId carla = 10, carlaReloaded = 11, carlaSecondTab = 12, stranger = 13;
    const QString carlasBrowser = QStringLiteral("carla-browser-key-0001");
    table->Join(carla, QString(), now, carlasBrowser);
    Send(carla, R"({"t":"sit","name":"Carla"})");
    ASSERT_EQ(StateOf(carla)[QStringLiteral("you")].toInt(), 2);
    table->Left(carla, now);

    // Another browser, or none, is a watcher; the same browser is back in its seat.
    table->Join(stranger, QString(), now, QStringLiteral("another-browser-key-02"));
    EXPECT_EQ(StateOf(stranger)[QStringLiteral("you")].toInt(), -1);
    table->Join(carlaReloaded, QString(), now, carlasBrowser);
    EXPECT_EQ(StateOf(carlaReloaded)[QStringLiteral("you")].toInt(), 2);
    // A second tab of it takes the seat over, as with the token.
    table->Join(carlaSecondTab, QString(), now, carlasBrowser);
    EXPECT_EQ(StateOf(carlaSecondTab)[QStringLiteral("you")].toInt(), 2);
    EXPECT_EQ(table->SeatOf(carlaReloaded), -1);

    // Once left, the seat is no longer the browser's.
    Send(carlaSecondTab, R"({"t":"leave"})");
    table->Join(carlaReloaded, QString(), now, carlasBrowser);
    EXPECT_EQ(StateOf(carlaReloaded)[QStringLiteral("you")].toInt(), -1);
}

TEST_F(TableFixture, TheRestOfTheDrawComesAfterTwentySecondsAndAnEmptyTableCloses)
{
    random.values.push_back(0.0);
    Send(kAnna, R"({"t":"draw","kind":"vowel"})");
    now += Seconds(19);
    table->Housekeeping(now);
    EXPECT_EQ(Phase(), QStringLiteral("drawing"));
    now += Seconds(1);
    table->Housekeeping(now);
    EXPECT_EQ(Phase(), QStringLiteral("playing"));
    EXPECT_EQ(StateOf(kWatcher)[QStringLiteral("letters")].toString().size(), 8);

    Send(kAnna, R"({"t":"leave"})");
    Send(kBruno, R"({"t":"leave"})");
    now += Seconds(119);
    EXPECT_TRUE(table->Housekeeping(now));
    now += Seconds(1);
    EXPECT_FALSE(table->Housekeeping(now));
    EXPECT_EQ(Parsed(sent[kWatcher].back())[QStringLiteral("t")].toString(), QStringLiteral("closed"));
}

// The same five manches played by a Game alone: the totals must be the table's.
TEST_F(TableFixture, AWholeGameReachesTheEndWithTheTotalsTheCoreComputes)
{
    FakeRandom referenceRandom;
    FakeWavePlayer wave;
    GameSettings settings;
    settings.LetterCount = 8;
    settings.RoundSeconds = 60;
    settings.SoundOn = false;
    Game reference(settings, lexicon, Game::Services{referenceRandom, noVocabulary, wave});
    reference.NewGame();
    reference.SetPlayerName(0, QStringLiteral("Anna"));
    reference.SetPlayerName(1, QStringLiteral("Bruno"));
    reference.SetPlayerName(2, QStringLiteral("Giacomo (CPU)"));
    reference.SetPlayerName(3, QStringLiteral("Andrea (CPU)"));

    const struct {
        const char* anna;
        const char* bruno;
        int finishAt;
    } manches[] = {{"colle", "sale", 12}, {"stelo", "stelo", 30}, {"castello", "tela", 5}, {"", "cella", 40},
                   {"tela", "castello", 59}};
    const ClientId drawers[] = {kAnna, kBruno, kAnna, kBruno, kAnna};
    for (int m = 0; m < 5; ++m) {
        const auto& manche = manches[m];
        DrawBoard(drawers[m]);
        Tick(manche.finishAt);
        Send(kAnna, std::string(R"({"t":"word","word":")") + manche.anna + "\"}");
        Send(kBruno, std::string(R"({"t":"word","word":")") + manche.bruno + "\"}");
        Send(kAnna, R"({"t":"done"})");
        Send(kBruno, R"({"t":"done"})");
        TickToResults();

        const LanguageTable& italian = TableOf(Language::Italian);
        for (const QChar letter : QStringLiteral("CASTELLO")) {
            const bool vowel = italian.VowelPool.contains(letter);
            const QString& pool = vowel ? italian.VowelPool : italian.ConsonantPool;
            referenceRandom.values.push_back((pool.indexOf(letter) + 0.5) / pool.size());
            vowel ? reference.DrawVowel() : reference.DrawConsonant();
        }
        reference.StartClock();
        for (int s = 0; s < manche.finishAt; ++s)
            reference.Tick();
        reference.EnterWord(0, QString::fromLatin1(manche.anna).toUpper());
        reference.EnterWord(1, QString::fromLatin1(manche.bruno).toUpper());
        reference.FinishNow();
        for (int tick = 0; tick < 200 && reference.CurrentPhase() == Game::Phase::Playing; ++tick)
            reference.Tick();
        while (reference.JudgeManche() == ResultsEvaluation::Status::NeedsConfirmation)
            reference.Confirm(3);
        for (int seat = 0; seat < 4; ++seat)
            EXPECT_EQ(Rows(kWatcher)[seat][QStringLiteral("total")].toInt(), reference.TotalScores()[seat])
                << "manche " << m + 1 << " seat " << seat + 1;
        reference.NextManche();

        Send(kAnna, R"({"t":"continue"})");
        Send(kBruno, R"({"t":"continue"})");
    }
    EXPECT_EQ(Phase(), QStringLiteral("over"));
    const Game::Totals& totals = reference.TotalScores();
    const int best = static_cast<int>(std::max_element(totals.begin(), totals.end()) - totals.begin());
    EXPECT_EQ(StateOf(kAnna)[QStringLiteral("winner")].toString(), reference.Player(best).Name);
    ASSERT_EQ(won.size(), 1u);
    EXPECT_EQ(won[0].second, totals[best]);
    // The game is kept whole, whoever won.
    ASSERT_EQ(finished.size(), 1u);
    EXPECT_EQ(finished[0].totals, totals);
    EXPECT_EQ(finished[0].names[1], QStringLiteral("Bruno"));
    EXPECT_EQ(finished[0].winner, reference.Player(best).Name);

    Send(kBruno, R"({"t":"again"})");
    EXPECT_EQ(Phase(), QStringLiteral("drawing"));
    EXPECT_EQ(StateOf(kAnna)[QStringLiteral("manche")].toInt(), 1);
}

// Bruno wins with CASTELLO every manche; leaving and sitting again, even under the
// same name, makes his seat another person's, whose points are not all their own.
TEST_F(TableFixture, AWinningSeatThatChangedHandsGivesNoVerifiedRecord)
{
    for (const bool changesHands : {false, true}) {
        SCOPED_TRACE(changesHands ? "changes hands" : "one human");
        SetUp();
        for (int m = 0; m < 5; ++m) {
            if (changesHands && m == 2) {
                Send(kBruno, R"({"t":"leave"})");
                Send(kBruno, R"({"t":"sit","name":"Bruno"})");
                ASSERT_EQ(table->SeatOf(kBruno), 1);
            }
            DrawBoard(StateOf(kWatcher)[QStringLiteral("turn")].toInt() == 0 ? kAnna : kBruno);
            Send(kAnna, R"({"t":"word","word":"sale"})");
            Send(kBruno, R"({"t":"word","word":"castello"})");
            Send(kAnna, R"({"t":"done"})");
            Send(kBruno, R"({"t":"done"})");
            TickToResults();
            Send(kAnna, R"({"t":"continue"})");
            Send(kBruno, R"({"t":"continue"})");
        }
        ASSERT_EQ(Phase(), QStringLiteral("over"));
        EXPECT_EQ(StateOf(kAnna)[QStringLiteral("winner")].toString(), QStringLiteral("Bruno"));
        if (changesHands) {
            EXPECT_TRUE(won.empty());
        } else {
            ASSERT_EQ(won.size(), 1u);
            EXPECT_EQ(won[0].first, QStringLiteral("Bruno"));
        }
    }
}

// The verdict letterama-dict gives for `word` on the letters over the same lexicon.
QString DictVerdict(const QString& lexiconPath, const QString& letters, const QString& word)
{
    QProcess dict;
    dict.start(QStringLiteral(LETTERAMA_DICT_PATH), {QStringLiteral("lookup"), QStringLiteral("--lexicon"), lexiconPath,
                                                     letters, word});
    if (!dict.waitForFinished(30000))
        return QStringLiteral("(no answer)");
    return QString::fromUtf8(dict.readAllStandardOutput()).trimmed();
}

TEST_F(TableFixture, TheTablesVerdictsAreThoseOfLetteramaDictOnTheSameLexicon)
{
    const QStringList words{QStringLiteral("colle"), QStringLiteral("castello"), QStringLiteral("cella"),
                            QStringLiteral("sali"),  QStringLiteral("cc"),       QStringLiteral("lll"),
                            QStringLiteral("sale"),  QStringLiteral("ocast")};
    for (const QString& word : words) {
        SetUp();
        DrawBoard(kAnna);
        Send(kAnna, R"({"t":"word","word":")" + word.toStdString() + "\"}");
        TickToResults();
        EXPECT_EQ(Rows(kAnna)[0][QStringLiteral("verdict")].toString(),
                  DictVerdict(lexiconPath, QStringLiteral("CASTELLO"), word))
            << word.toStdString();
    }
}

}  // namespace
