// SPDX-License-Identifier: GPL-3.0-or-later
// Simulated players at the live tables, over real WebSockets: `tables` tables of four
// humans each on a running letterama-site. Each table's first player creates it and
// draws; every player then types a word of the board one letter a second and
// finishes at the end. Measured: the time from a typed word to the server's answer
// (the word's length, sent to the whole table) (p50, p99), and how late each table's results come after its
// clock's end (the first "playing" state plus the manche's seconds).
//
//   online_load PORT TABLES [SECONDS]
#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace net = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = net::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

struct Figures {
    std::vector<double> wordMs;
    std::vector<double> resultsLateMs;
    int failures = 0;
    int finished = 0;
};

struct Table;

class Player : public std::enable_shared_from_this<Player> {
public:
    Player(net::io_context& io, Table& table, int seat) : socket_(net::make_strand(io)), timer_(io), table_(table), seat_(seat) {}
    void Start(int port);
    void Send(std::string text);
    void TypeNextLetter();
    // A player of seats 2 to 4 sits once connected and once the table is there.
    void JoinWhenReady();

    std::string token;

private:
    void Read();
    void OnMessage(const std::string& text);
    void WriteNext();

    websocket::stream<beast::tcp_stream> socket_;
    net::steady_timer timer_;
    beast::flat_buffer buffer_;
    std::deque<std::string> outgoing_;
    Table& table_;
    const int seat_;
    int heldSeat_ = -1;  // the seat the server gave
    QString word_;
    int typed_ = 0;
    Clock::time_point sentAt_;
    QString waitingFor_;
    bool playing_ = false;
    bool drew_ = false;
    bool ready_ = false;
    bool joined_ = false;
};

struct Table {
    Figures& figures;
    int seconds;
    int port;
    QString id;
    std::vector<std::shared_ptr<Player>> players;
    Clock::time_point clockStart{};
    bool clockSeen = false;
    int resultsSeen = 0;
};

void Player::Start(int port)
{
    auto self = shared_from_this();
    beast::get_lowest_layer(socket_).async_connect(
        tcp::endpoint(net::ip::make_address("127.0.0.1"), static_cast<unsigned short>(port)),
        [self, port](beast::error_code error) {
            if (error) {
                ++self->table_.figures.failures;
                return;
            }
            beast::get_lowest_layer(self->socket_).socket().set_option(tcp::no_delay(true), error);
            self->socket_.set_option(websocket::stream_base::decorator(
                [port](websocket::request_type& request) {
                    request.set(beast::http::field::origin, "http://127.0.0.1:" + std::to_string(port));
                }));
            self->socket_.async_handshake("127.0.0.1:" + std::to_string(port), "/letterama/online/ws",
                                          [self](beast::error_code error) {
                                              if (error) {
                                                  ++self->table_.figures.failures;
                                                  return;
                                              }
                                              self->Read();
                                              self->ready_ = true;
                                              self->JoinWhenReady();
                                              if (self->seat_ == 0)
                                                  self->Send(R"({"t":"create","name":"Giocatore","language":1,"letters":8,"seconds":)" +
                                                             std::to_string(self->table_.seconds) + R"(,"level":2})");
                                          });
        });
}

void Player::JoinWhenReady()
{
    if (seat_ == 0 || !ready_ || joined_ || table_.id.isEmpty())
        return;
    joined_ = true;
    Send(R"({"t":"join","table":")" + table_.id.toStdString() + "\"}");
    Send(R"({"t":"sit","name":"Giocatore )" + std::to_string(seat_ + 1) + "\"}");
}

void Player::Read()
{
    socket_.async_read(buffer_, [self = shared_from_this()](beast::error_code error, std::size_t) {
        if (error)
            return;
        const std::string text = beast::buffers_to_string(self->buffer_.data());
        self->buffer_.consume(self->buffer_.size());
        self->OnMessage(text);
        self->Read();
    });
}

void Player::Send(std::string text)
{
    net::post(socket_.get_executor(), [self = shared_from_this(), text = std::move(text)]() mutable {
        self->outgoing_.push_back(std::move(text));
        if (self->outgoing_.size() == 1)
            self->WriteNext();
    });
}

void Player::WriteNext()
{
    socket_.async_write(net::buffer(outgoing_.front()), [self = shared_from_this()](beast::error_code error, std::size_t) {
        if (error)
            return;
        self->outgoing_.pop_front();
        if (!self->outgoing_.empty())
            self->WriteNext();
    });
}

void Player::TypeNextLetter()
{
    if (!playing_ || typed_ >= word_.size())
        return;
    ++typed_;
    waitingFor_ = word_.left(typed_);
    sentAt_ = Clock::now();
    Send(R"({"t":"word","word":")" + waitingFor_.toStdString() + "\"}");
    timer_.expires_after(std::chrono::seconds(1));
    timer_.async_wait([self = shared_from_this()](beast::error_code error) {
        if (!error)
            self->TypeNextLetter();
    });
}

void Player::OnMessage(const std::string& text)
{
    const QJsonObject message = QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
    const QString t = message[QStringLiteral("t")].toString();
    // Every player's table is touched only from its players' strands, one at a time
    // per player; the counters below are approximate under races and read at the end.
    if (t == QStringLiteral("created")) {
        table_.id = message[QStringLiteral("table")].toString();
        token = message[QStringLiteral("token")].toString().toStdString();
        Send(R"({"t":"join","table":")" + table_.id.toStdString() + R"(","token":")" + token + "\"}");
        for (std::size_t i = 1; i < table_.players.size(); ++i)
            table_.players[i]->JoinWhenReady();
        return;
    }
    if (t == QStringLiteral("seated")) {
        heldSeat_ = message[QStringLiteral("seat")].toInt();
        return;
    }
    if (t == QStringLiteral("refused")) {
        ++table_.figures.failures;
        return;
    }
    if (t == QStringLiteral("length")) {
        // The server's answer to a typed word: its length, to everyone at the table.
        if (message[QStringLiteral("seat")].toInt() == heldSeat_ && !waitingFor_.isEmpty() &&
            message[QStringLiteral("length")].toInt() == waitingFor_.size()) {
            table_.figures.wordMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sentAt_).count());
            waitingFor_.clear();
        }
        return;
    }
    if (t != QStringLiteral("state"))
        return;
    const QString phase = message[QStringLiteral("phase")].toString();
    if (seat_ == 0 && phase == QStringLiteral("drawing") && !drew_) {
        int humans = 0;
        for (const auto& seat : message[QStringLiteral("seats")].toArray())
            humans += !seat.toObject()[QStringLiteral("cpu")].toBool();
        // Once everyone sits: one automatic draw.
        if (humans == static_cast<int>(table_.players.size())) {
            drew_ = true;
            Send(R"({"t":"draw","kind":"auto"})");
        }
    }
    if (phase == QStringLiteral("playing") && !playing_) {
        playing_ = true;
        if (!table_.clockSeen) {
            table_.clockSeen = true;
            table_.clockStart = Clock::now();
        }
        const QString letters = message[QStringLiteral("letters")].toString();
        word_ = letters.mid(seat_, 4);
        TypeNextLetter();
    }
    if (phase == QStringLiteral("results") && playing_) {
        playing_ = false;
        timer_.cancel();
        const auto end = table_.clockStart + std::chrono::seconds(table_.seconds);
        table_.figures.resultsLateMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - end).count());
        if (++table_.resultsSeen == static_cast<int>(table_.players.size()))
            ++table_.figures.finished;
    }
}

double Percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(p * values.size()))];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "online_load PORT TABLES [SECONDS]\n");
        return 2;
    }
    const int port = std::atoi(argv[1]);
    const int tableCount = std::atoi(argv[2]);
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 30;
    // One thread: the client's strands need no locks for the shared figures.
    net::io_context io;
    Figures figures;
    std::vector<std::unique_ptr<Table>> tables;
    tables.reserve(tableCount);
    for (int t = 0; t < tableCount; ++t) {
        tables.push_back(std::make_unique<Table>(Table{figures, seconds, port, {}, {}, {}, false, 0}));
        for (int seat = 0; seat < 4; ++seat)
            tables.back()->players.push_back(std::make_shared<Player>(io, *tables.back(), seat));
    }
    // Tables open a few milliseconds apart, as players arrive.
    net::steady_timer opener(io);
    int next = 0;
    std::function<void()> openNext = [&] {
        if (next >= tableCount)
            return;
        for (auto& player : tables[next]->players)
            player->Start(port);
        ++next;
        opener.expires_after(std::chrono::milliseconds(4));
        opener.async_wait([&](beast::error_code) { openNext(); });
    };
    openNext();
    net::steady_timer stop(io);
    stop.expires_after(std::chrono::seconds(seconds + 30 + tableCount * 4 / 1000));
    stop.async_wait([&](beast::error_code) { io.stop(); });
    io.run();
    std::printf("players %d, tables %d, manche %d s\n", tableCount * 4, tableCount, seconds);
    std::printf("typed word to its answer: %zu samples, p50 %.1f ms, p99 %.1f ms, max %.1f ms\n", figures.wordMs.size(),
                Percentile(figures.wordMs, 0.5), Percentile(figures.wordMs, 0.99), Percentile(figures.wordMs, 1.0));
    std::printf("results after the clock's end: %zu samples, p50 %.1f ms, p99 %.1f ms, max %.1f ms\n",
                figures.resultsLateMs.size(), Percentile(figures.resultsLateMs, 0.5),
                Percentile(figures.resultsLateMs, 0.99), Percentile(figures.resultsLateMs, 1.0));
    std::printf("tables finished %d of %d, refusals or failures %d\n", figures.finished, tableCount, figures.failures);
    return 0;
}
