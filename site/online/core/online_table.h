// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/game.h"
#include "lexicon/core/lexicon_source.h"
#include "site/online/core/online_protocol.h"
#include "site/online/core/verified_record.h"
#include "platform/core/wave_player.h"

#include <QString>
#include <QStringList>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

class ProgramFiles;
class RandomSource;

// One live table: a Game of four seats played by the people at it and by computer
// players of the table's level in the seats no human holds. It takes the checked
// requests of the connections that joined it, decides what each may do (whose turn it
// is to draw, which seat a word belongs to, whether the clock runs), and sends each
// connection the table as its player may see it: another seat's word travels only
// as its length until the manche is judged.
//
// Not thread-safe: its holder calls it from one strand at a time, drives the clock
// with Tick at the period the hooks ask for, and calls Housekeeping about once a
// second with the time (the draw's 20 s, an absent seat's 60 s, an empty table's
// two minutes are counted there).
class OnlineTable {
public:
    using ClientId = std::uint64_t;
    using Clock = std::chrono::steady_clock;

    static constexpr std::chrono::seconds kDrawWait{20};
    static constexpr std::chrono::seconds kAbsentSeat{60};
    static constexpr std::chrono::seconds kEmptyTable{120};
    static constexpr std::chrono::seconds kResultsWait{90};

    struct Hooks {
        std::function<void(ClientId, const std::string&)> send;
        // The clock's timer: a tick every `ms`, the first `firstAfter` from now; 0 stops it.
        std::function<void(int ms, std::chrono::milliseconds firstAfter)> clockTimer;
        // A fresh secret for a seat's token.
        std::function<QString()> newToken;
        // "Segnala" by `client`: a word for the missing-words list.
        std::function<void(ClientId client, Language, const QString& word)> reportWord;
        // The game is over and its winner's total is a verified record (VerifiedRecord):
        // the winner, the total, and the winner's connection (0 when away).
        std::function<void(const QString& name, int points, ClientId winner)> gameWon;
        // Every game that reaches its end, verified or not: the seats' names at the end,
        // their totals, and the winner (empty when the best total is shared).
        std::function<void(const std::array<QString, GameRules::kPlayers>& names, const Game::Totals& totals,
                           const QString& winner)>
            gameFinished;
    };

    // What the table shows in the lobby.
    struct Summary {
        QString id;
        OnlineProtocol::TableOptions options;
        int humans = 0;
        int free = 0;
        bool playing = false;
    };

    OnlineTable(QString id, const OnlineProtocol::TableOptions& options, LexiconSource lexicon,
                RandomSource& random, const ProgramFiles& noVocabulary, Hooks hooks, Clock::time_point now);
    ~OnlineTable();
    OnlineTable(const OnlineTable&) = delete;
    OnlineTable& operator=(const OnlineTable&) = delete;

    // Keeps a free seat for `name` and returns its token; empty when every seat is a human's.
    // `browser` is the key of the seat cookie of the browser that asked (may be empty).
    QString Reserve(const QString& name, Clock::time_point now, const QString& browser = QString());

    // A connection shows the table: in the seat of `token`, or of the browser whose
    // seat cookie holds `browser`, when there is one.
    void Join(ClientId client, const QString& token, Clock::time_point now, const QString& browser = QString());
    // A checked request of a connection that joined.
    void Handle(ClientId client, const OnlineProtocol::Request& request, Clock::time_point now);
    // The connection has gone; its seat waits kAbsentSeat for it.
    void Left(ClientId client, Clock::time_point now);

    void Tick();
    // False once the table has closed (no human for kEmptyTable).
    bool Housekeeping(Clock::time_point now);

    Summary Describe() const;
    const QString& Id() const { return id_; }
    const Game& CurrentGame() const { return game_; }
    // The seat a connection holds, or -1.
    int SeatOf(ClientId client) const;

    // What the table tells `client`, as sent after every change.
    std::string StateFor(ClientId client) const;

private:
    enum class Phase { Drawing, Playing, Results, Over };

    struct Seat {
        QString name;    // the human's; empty: a computer player
        QString token;   // the human's secret
        QString browser; // the key of the seat cookie of the browser that sat
        ClientId client = 0;
        std::optional<Clock::time_point> absentSince;
        bool done = false;
        bool ready = false;
        bool reported = false;
    };

    class SilentWave : public WavePlayer {
    public:
        void Play(const QString&) override {}
        bool HasOutput() const override { return false; }
    };

    void Refuse(ClientId client, const std::string& why) const;
    void SendAll(const std::string& message) const;
    void SendStates() const;
    void Draw(int seat, OnlineProtocol::DrawKind kind);
    void DrawTheRest();
    void StartClockWhenDrawn();
    void Word(int seat, const OnlineProtocol::Request& request);
    void Done(int seat);
    void FinishWhenEveryoneIsDone();
    void Judge();
    // Who played each seat in the manche just judged, for the verified record.
    void CountManche();
    void Continue(int seat);
    void NextManche();
    void NewGame();
    void Report(int seat);
    void FreeSeat(int seat);
    // The seats' names into the game, where it takes them (between manches).
    void SyncNames();
    bool PlaysThisManche(int seat) const;
    int NextHumanFrom(int seat) const;
    int HumanCount() const;
    QString ComputerName(int seat) const;

    const QString id_;
    const OnlineProtocol::TableOptions options_;
    Hooks hooks_;
    SilentWave wave_;
    Game game_;
    std::array<Seat, GameRules::kPlayers> seats_;
    std::map<ClientId, int> clients_;  // every connection that joined, and its seat or -1
    std::map<ClientId, QString> browsers_;  // the seat cookie's key of each connection that has one
    Phase phase_ = Phase::Drawing;
    int turn_ = 0;
    Clock::time_point drawSince_;
    Clock::time_point resultsSince_;
    Clock::time_point lastHuman_;
    ClientId speaking_ = 0;  // the connection whose request is being handled
    bool finishing_ = false;
    bool announced_ = false;       // a computer announced during this tick       // every human is done: the clock runs out fast
    bool drawWaitStarts_ = false;  // the draw's wait counts from the next Housekeeping
    bool resultsStarted_ = false;  // and so does the results' wait
    QString lastLetters_;          // the board and the finds of the manche judged
    QStringList foundWords_;
    Game::Totals finalTotals_{};
    VerifiedRecord::FinishedGame played_;                     // what a verified record asks of the game
    std::array<QString, GameRules::kPlayers> wholeGameToken_;  // the token of each seat's one human
    QString winner_;
};
