// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/core/online_table.h"

#include "model/game_state.h"
#include "lexicon/core/word_lookup.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

using OnlineProtocol::Kind;
using OnlineProtocol::Message;

namespace {

GameSettings SettingsOf(const OnlineProtocol::TableOptions& options)
{
    GameSettings settings;
    settings.LetterCount = options.letters;
    settings.RoundSeconds = options.seconds;
    settings.Level = options.level;
    settings.LexiconLanguage = options.language;
    settings.SoundOn = false;
    return settings;
}

bool IsVowel(QChar letter)
{
    return QStringLiteral("AEIOUY").contains(letter);
}

}  // namespace

OnlineTable::OnlineTable(QString id, const OnlineProtocol::TableOptions& options, LexiconSource lexicon,
                         RandomSource& random, const ProgramFiles& noVocabulary, Hooks hooks, Clock::time_point now)
    : id_(std::move(id)),
      options_(options),
      hooks_(std::move(hooks)),
      game_(SettingsOf(options), std::move(lexicon), Game::Services{random, noVocabulary, wave_}),
      drawSince_(now),
      resultsSince_(now),
      lastHuman_(now)
{
    QObject::connect(&game_, &Game::letterDrawn, [this](int position, const QString& letter) {
        SendAll(Message("letter", {{QStringLiteral("position"), position}, {QStringLiteral("letter"), letter}}));
    });
    QObject::connect(&game_, &Game::timerPeriodChanged, [this](int ms, std::chrono::milliseconds firstAfter) {
        if (hooks_.clockTimer)
            hooks_.clockTimer(ms, firstAfter);
    });
    QObject::connect(&game_, &Game::secondsChanged, [this](int elapsed) {
        // The seconds run out at once after everyone finished: nobody needs to hear them.
        if (phase_ == Phase::Playing && elapsed > 0 && !finishing_)
            SendAll(Message("tick", {{QStringLiteral("elapsed"), elapsed}, {QStringLiteral("seconds"), options_.seconds}}));
    });
    QObject::connect(&game_, &Game::wordAnnounced, [this](int slot, const QString& word) {
        SendAll(Message("announce", {{QStringLiteral("seat"), slot}, {QStringLiteral("length"), word.size()}}));
        announced_ = true;
    });
    QObject::connect(&game_, &Game::told, [this](const QString& text) {
        if (speaking_ != 0 && hooks_.send)
            hooks_.send(speaking_, Message("told", {{QStringLiteral("text"), text}}));
    });
    QObject::connect(&game_, &Game::gameEnded, [this](const Game::Totals& totals) { finalTotals_ = totals; });
    SyncNames();
    game_.NewGame();
}

OnlineTable::~OnlineTable() = default;

QString OnlineTable::ComputerName(int seat) const
{
    static const std::array<QString, GameRules::kPlayers> names{
        QStringLiteral("Anonimo (CPU)"), QStringLiteral("Valentina (CPU)"), QStringLiteral("Giacomo (CPU)"),
        QStringLiteral("Andrea (CPU)")};
    return names[seat];
}

void OnlineTable::SyncNames()
{
    for (int seat = 0; seat < GameRules::kPlayers; ++seat)
        game_.SetPlayerName(seat, seats_[seat].name.isEmpty() ? ComputerName(seat) : seats_[seat].name);
}

bool OnlineTable::PlaysThisManche(int seat) const
{
    return seat >= 0 && !seats_[seat].name.isEmpty() && game_.Player(seat).Name == seats_[seat].name;
}

int OnlineTable::HumanCount() const
{
    return static_cast<int>(std::count_if(seats_.begin(), seats_.end(), [](const Seat& s) { return !s.name.isEmpty(); }));
}

int OnlineTable::NextHumanFrom(int seat) const
{
    for (int step = 0; step < GameRules::kPlayers; ++step) {
        const int candidate = (seat + step) % GameRules::kPlayers;
        if (!seats_[candidate].name.isEmpty())
            return candidate;
    }
    return -1;
}

QString OnlineTable::Reserve(const QString& name, Clock::time_point now, const QString& browser)
{
    for (int seat = 0; seat < GameRules::kPlayers; ++seat) {
        Seat& chosen = seats_[seat];
        if (!chosen.name.isEmpty())
            continue;
        chosen = Seat{};
        chosen.name = name;
        chosen.token = hooks_.newToken ? hooks_.newToken() : QString();
        chosen.browser = browser;
        // Kept for its player until the page joins, as for a connection gone.
        chosen.absentSince = now;
        lastHuman_ = now;
        SyncNames();
        if (phase_ == Phase::Drawing && game_.Letters().isEmpty() && NextHumanFrom(turn_) >= 0)
            turn_ = NextHumanFrom(turn_);
        return chosen.token;
    }
    return QString();
}

int OnlineTable::SeatOf(ClientId client) const
{
    const auto found = clients_.find(client);
    return found == clients_.end() ? -1 : found->second;
}

void OnlineTable::Join(ClientId client, const QString& token, Clock::time_point now, const QString& browser)
{
    int seat = -1;
    for (int s = 0; s < GameRules::kPlayers && seat < 0; ++s) {
        const Seat& held = seats_[s];
        if (held.name.isEmpty())
            continue;
        if ((!token.isEmpty() && held.token == token) || (!browser.isEmpty() && held.browser == browser))
            seat = s;
    }
    clients_[client] = seat;
    if (!browser.isEmpty())
        browsers_[client] = browser;
    if (seat >= 0) {
        Seat& taken = seats_[seat];
        // The same browser in a second tab: the newer connection holds the seat.
        if (taken.client != 0 && taken.client != client)
            clients_[taken.client] = -1;
        taken.client = client;
        taken.absentSince.reset();
        lastHuman_ = now;
        hooks_.send(client, Message("seated", {{QStringLiteral("table"), id_},
                                               {QStringLiteral("token"), taken.token},
                                               {QStringLiteral("seat"), seat}}));
    }
    SendStates();
}

void OnlineTable::Left(ClientId client, Clock::time_point now)
{
    const int seat = SeatOf(client);
    clients_.erase(client);
    browsers_.erase(client);
    if (seat >= 0 && seats_[seat].client == client) {
        seats_[seat].client = 0;
        seats_[seat].absentSince = now;
    }
    SendStates();
}

void OnlineTable::Refuse(ClientId client, const std::string& why) const
{
    hooks_.send(client, OnlineProtocol::RefusalMessage(OnlineProtocol::Refused(why)));
}

void OnlineTable::SendAll(const std::string& message) const
{
    for (const auto& [client, seat] : clients_)
        hooks_.send(client, message);
}

void OnlineTable::SendStates() const
{
    for (const auto& [client, seat] : clients_)
        hooks_.send(client, StateFor(client));
}

void OnlineTable::Handle(ClientId client, const OnlineProtocol::Request& request, Clock::time_point now)
{
    if (!clients_.count(client)) {
        Refuse(client, "table");
        return;
    }
    speaking_ = client;
    const int seat = SeatOf(client);
    switch (request.kind) {
    case Kind::Sit: {
        if (seat >= 0) {
            Refuse(client, "phase");
            break;
        }
        const auto browser = browsers_.find(client);
        const QString key = browser == browsers_.end() ? QString() : browser->second;
        const QString token = Reserve(request.name, now, key);
        if (token.isEmpty()) {
            Refuse(client, "full");
            break;
        }
        Join(client, token, now, key);
        break;
    }
    case Kind::Draw:
        if (seat < 0 || seat != turn_ || phase_ != Phase::Drawing)
            Refuse(client, "turn");
        else
            Draw(seat, request.draw);
        break;
    case Kind::Word:
        if (seat < 0 || (request.seat >= 0 && request.seat != seat) || !PlaysThisManche(seat))
            Refuse(client, "seat");
        else
            Word(seat, request);
        break;
    case Kind::Done:
        if (seat < 0 || !PlaysThisManche(seat))
            Refuse(client, "seat");
        else if (phase_ != Phase::Playing || !game_.ClockRunning())
            Refuse(client, "clock");
        else
            Done(seat);
        break;
    case Kind::Report:
        if (seat < 0)
            Refuse(client, "seat");
        else
            Report(seat);
        break;
    case Kind::Continue:
        if (seat < 0)
            Refuse(client, "seat");
        else if (phase_ != Phase::Results)
            Refuse(client, "phase");
        else
            Continue(seat);
        break;
    case Kind::Again:
        if (seat < 0)
            Refuse(client, "seat");
        else if (phase_ != Phase::Over)
            Refuse(client, "phase");
        else
            NewGame();
        break;
    case Kind::Leave:
        if (seat < 0) {
            Refuse(client, "seat");
            break;
        }
        FreeSeat(seat);
        clients_[client] = -1;
        SendStates();
        break;
    case Kind::Join:
        Join(client, request.token, now);
        break;
    case Kind::Lobby:
    case Kind::Create: Refuse(client, "phase"); break;
    }
    speaking_ = 0;
}

void OnlineTable::Draw(int, OnlineProtocol::DrawKind kind)
{
    switch (kind) {
    case OnlineProtocol::DrawKind::Vowel: game_.DrawVowel(); break;
    case OnlineProtocol::DrawKind::Consonant: game_.DrawConsonant(); break;
    case OnlineProtocol::DrawKind::Auto: game_.DrawAuto(); break;
    }
    StartClockWhenDrawn();
    SendStates();
}

void OnlineTable::DrawTheRest()
{
    // Vowels and consonants alternate as in an automatic draw, keeping the letters
    // already on the board: as many vowels as an automatic draw has, the rest consonants.
    const int vowelsWanted = (options_.letters + 1) / 2;
    while (game_.CurrentPhase() == Game::Phase::Drawing && game_.Letters().size() < options_.letters) {
        const int before = static_cast<int>(game_.Letters().size());
        const int vowels = static_cast<int>(std::count_if(game_.Letters().begin(), game_.Letters().end(), IsVowel));
        if (vowels < vowelsWanted)
            game_.DrawVowel();
        else
            game_.DrawConsonant();
        if (game_.Letters().size() == before && game_.CurrentPhase() == Game::Phase::Drawing)
            game_.DrawAuto();  // never expected: a limit refused the letter
    }
    StartClockWhenDrawn();
    SendStates();
}

void OnlineTable::StartClockWhenDrawn()
{
    if (game_.CurrentPhase() != Game::Phase::Drawn)
        return;
    for (Seat& seat : seats_)
        seat.done = false;
    finishing_ = false;
    phase_ = Phase::Playing;
    game_.StartClock();
}

void OnlineTable::Word(int seat, const OnlineProtocol::Request& request)
{
    if (phase_ != Phase::Playing || !game_.ClockRunning() || seats_[seat].done) {
        Refuse(seats_[seat].client, "clock");
        return;
    }
    const QString word = request.word.toUpper();
    const bool spelt = word.size() <= options_.letters &&
                       std::all_of(word.begin(), word.end(), [&](QChar c) { return game_.Alphabet().contains(c); });
    if (!spelt) {
        Refuse(seats_[seat].client, "letters");
        return;
    }
    if (!game_.EnterWord(seat, word)) {
        Refuse(seats_[seat].client, "clock");
        return;
    }
    // A letter typed is the hot path: one small message made once for everyone, the
    // typer too (whose page holds the word: the length tells it the server has it).
    SendAll(Message("length", {{QStringLiteral("seat"), seat}, {QStringLiteral("length"), word.size()}}));
}

void OnlineTable::Done(int seat)
{
    seats_[seat].done = true;
    FinishWhenEveryoneIsDone();
    SendStates();
}

void OnlineTable::FinishWhenEveryoneIsDone()
{
    if (phase_ != Phase::Playing || !game_.ClockRunning())
        return;
    for (int seat = 0; seat < GameRules::kPlayers; ++seat) {
        if (PlaysThisManche(seat) && !seats_[seat].done)
            return;
    }
    finishing_ = true;
    game_.FinishNow();
}

void OnlineTable::Tick()
{
    announced_ = false;
    game_.Tick();
    if (announced_)
        SendStates();  // the computers' word lengths
    if (game_.CurrentPhase() == Game::Phase::Judging)
        Judge();
}

void OnlineTable::Judge()
{
    // No personal vocabulary on-line: a word no list knows is left out ("NO"), and
    // nobody is asked.
    while (game_.JudgeManche() == ResultsEvaluation::Status::NeedsConfirmation)
        game_.Confirm(3);
    phase_ = Phase::Results;
    for (Seat& seat : seats_) {
        seat.ready = false;
        seat.reported = false;
    }
    CountManche();
    lastLetters_ = game_.Letters();
    foundWords_ = game_.FoundWords();
    std::stable_sort(foundWords_.begin(), foundWords_.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
    resultsStarted_ = true;
    SendStates();
}

void OnlineTable::CountManche()
{
    const bool first = played_.manchesJudged == 0;
    ++played_.manchesJudged;
    for (int seat = 0; seat < GameRules::kPlayers; ++seat) {
        // The token, not the name, tells one person from another of the same name.
        const QString token = PlaysThisManche(seat) ? seats_[seat].token : QString();
        if (first) {
            wholeGameToken_[seat] = token;
            played_.wholeGameHuman[seat] = token.isEmpty() ? QString() : seats_[seat].name;
        } else if (token.isEmpty() || token != wholeGameToken_[seat]) {
            wholeGameToken_[seat].clear();
            played_.wholeGameHuman[seat].clear();
        }
    }
}

void OnlineTable::Continue(int seat)
{
    seats_[seat].ready = true;
    for (int s = 0; s < GameRules::kPlayers; ++s) {
        if (!seats_[s].name.isEmpty() && seats_[s].client != 0 && !seats_[s].ready) {
            SendStates();
            return;
        }
    }
    NextManche();
}

void OnlineTable::NextManche()
{
    game_.NextManche();
    if (game_.CurrentPhase() == Game::Phase::Over) {
        phase_ = Phase::Over;
        const auto best = std::max_element(finalTotals_.begin(), finalTotals_.end());
        const int winner = static_cast<int>(best - finalTotals_.begin());
        winner_ = game_.Player(winner).Name;
        played_.totals = finalTotals_;
        const VerifiedRecord::Outcome record = VerifiedRecord::Judge(played_);
        if (hooks_.gameFinished) {
            std::array<QString, GameRules::kPlayers> names;
            for (int seat = 0; seat < GameRules::kPlayers; ++seat)
                names[seat] = game_.Player(seat).Name;
            hooks_.gameFinished(names, finalTotals_, record.seat >= 0 ? names[record.seat] : QString());
        }
        if (record.verdict == VerifiedRecord::Verdict::Verified && hooks_.gameWon)
            hooks_.gameWon(record.name, record.points, seats_[record.seat].client);
        SendStates();
        return;
    }
    phase_ = Phase::Drawing;
    SyncNames();
    const int next = NextHumanFrom((turn_ + 1) % GameRules::kPlayers);
    turn_ = next >= 0 ? next : 0;
    drawWaitStarts_ = true;
    SendStates();
}

void OnlineTable::NewGame()
{
    game_.NewGame();
    phase_ = Phase::Drawing;
    winner_.clear();
    finalTotals_ = {};
    played_ = {};
    wholeGameToken_ = {};
    SyncNames();
    const int first = NextHumanFrom(0);
    turn_ = first >= 0 ? first : 0;
    drawWaitStarts_ = true;
    SendStates();
}

void OnlineTable::Report(int seat)
{
    const std::optional<ResultsBoardOutcome>& board = game_.LastBoard();
    if (phase_ != Phase::Results && phase_ != Phase::Over) {
        Refuse(seats_[seat].client, "phase");
        return;
    }
    const ResultsBoardRow& row = board->rows[seat];
    if (seats_[seat].reported || row.verdict != WordVerdict::Unknown || IsComputerPlayer(row.name)) {
        Refuse(seats_[seat].client, "phase");
        return;
    }
    seats_[seat].reported = true;
    if (hooks_.reportWord)
        hooks_.reportWord(seats_[seat].client, options_.language, row.word);
    SendStates();
}

void OnlineTable::FreeSeat(int seat)
{
    seats_[seat] = Seat{};
    SyncNames();
    if (turn_ == seat && phase_ == Phase::Drawing && game_.Letters().isEmpty()) {
        const int next = NextHumanFrom(seat);
        turn_ = next >= 0 ? next : turn_;
    }
    FinishWhenEveryoneIsDone();
}

bool OnlineTable::Housekeeping(Clock::time_point now)
{
    if (drawWaitStarts_) {
        drawSince_ = now;
        drawWaitStarts_ = false;
    }
    if (resultsStarted_) {
        resultsSince_ = now;
        resultsStarted_ = false;
    }
    bool changed = false;
    for (int seat = 0; seat < GameRules::kPlayers; ++seat) {
        const Seat& s = seats_[seat];
        if (!s.name.isEmpty() && s.absentSince && now - *s.absentSince >= kAbsentSeat) {
            FreeSeat(seat);
            changed = true;
        }
    }
    if (HumanCount() > 0)
        lastHuman_ = now;
    else if (now - lastHuman_ >= kEmptyTable) {
        SendAll(Message("closed", {{QStringLiteral("text"), QStringLiteral("Il tavolo è stato chiuso: nessun giocatore "
                                                                           "è rimasto seduto.")}}));
        hooks_.clockTimer(0, std::chrono::milliseconds(0));
        return false;
    }
    if (phase_ == Phase::Drawing && now - drawSince_ >= kDrawWait) {
        DrawTheRest();
        changed = false;
    }
    if (phase_ == Phase::Results && now - resultsSince_ >= kResultsWait) {
        NextManche();
        changed = false;
    }
    if (changed)
        SendStates();
    return true;
}

OnlineTable::Summary OnlineTable::Describe() const
{
    Summary summary;
    summary.id = id_;
    summary.options = options_;
    summary.humans = HumanCount();
    summary.free = GameRules::kPlayers - summary.humans;
    summary.playing = game_.MancheNumber() > 1 || !game_.Letters().isEmpty() || phase_ != Phase::Drawing;
    return summary;
}

std::string OnlineTable::StateFor(ClientId client) const
{
    static const char* const phases[] = {"drawing", "playing", "results", "over"};
    const int you = SeatOf(client);
    const bool judged = phase_ == Phase::Results || phase_ == Phase::Over;
    QJsonArray seats;
    for (int seat = 0; seat < GameRules::kPlayers; ++seat) {
        const Seat& s = seats_[seat];
        const Game::Totals& totals = phase_ == Phase::Over ? finalTotals_ : game_.TotalScores();
        seats.append(QJsonObject{{QStringLiteral("name"), game_.Player(seat).Name},
                                 {QStringLiteral("cpu"), IsComputerPlayer(game_.Player(seat).Name)},
                                 {QStringLiteral("free"), s.name.isEmpty()},
                                 {QStringLiteral("length"), game_.Player(seat).Word.size()},
                                 {QStringLiteral("done"), s.done},
                                 {QStringLiteral("ready"), s.ready},
                                 {QStringLiteral("away"), !s.name.isEmpty() && s.client == 0},
                                 {QStringLiteral("total"), totals[seat]}});
    }
    QJsonObject state{
        {QStringLiteral("table"), id_},
        {QStringLiteral("phase"), QLatin1String(phases[static_cast<int>(phase_)])},
        {QStringLiteral("manche"), std::min(game_.MancheNumber(), GameRules::kManchesPerGame)},
        {QStringLiteral("letters"), judged ? lastLetters_ : game_.Letters()},
        {QStringLiteral("letterCount"), options_.letters},
        {QStringLiteral("seconds"), options_.seconds},
        {QStringLiteral("elapsed"), phase_ == Phase::Playing ? game_.ElapsedSeconds() : 0},
        {QStringLiteral("language"), TableOf(options_.language).Number()},
        {QStringLiteral("level"), static_cast<int>(options_.level)},
        {QStringLiteral("turn"), turn_},
        {QStringLiteral("you"), you},
        {QStringLiteral("yourWord"), you >= 0 ? game_.Player(you).Word : QString()},
        {QStringLiteral("seats"), seats},
    };
    if (judged && game_.LastBoard()) {
        const ResultsBoardOutcome& board = *game_.LastBoard();
        QJsonArray rows;
        for (const ResultsBoardRow& row : board.rows) {
            rows.append(QJsonObject{{QStringLiteral("name"), row.name},
                                    {QStringLiteral("word"), row.word.toLower()},
                                    {QStringLiteral("verdict"), row.verdict.value_or(QString())},
                                    {QStringLiteral("valid"), row.ValidityText()},
                                    {QStringLiteral("points"), row.PointsText()},
                                    {QStringLiteral("total"), row.total},
                                    {QStringLiteral("rank"), row.rank}});
        }
        QJsonArray found;
        for (const QString& word : foundWords_)
            found.append(word);
        const bool reportable = you >= 0 && !seats_[you].reported && board.rows[you].verdict == WordVerdict::Unknown &&
                                !IsComputerPlayer(board.rows[you].name);
        state.insert(QStringLiteral("results"), QJsonObject{{QStringLiteral("rows"), rows},
                                                            {QStringLiteral("found"), found},
                                                            {QStringLiteral("reportable"), reportable}});
    }
    if (phase_ == Phase::Over)
        state.insert(QStringLiteral("winner"), winner_);
    return Message("state", state);
}
