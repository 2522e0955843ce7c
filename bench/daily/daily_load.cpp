// SPDX-License-Identifier: GPL-3.0-or-later
// PLAYERS players of the day's challenge send their word within the same second:
// each first opens the board's page and presses "Gioca" (one at a time, not timed),
// then all hold a connection open and send "Invia" at a random moment of one second.
// Prints the time from each word sent to its answer (p50, p90, p99, max) and how
// many answers were the expected redirect to the result.
//   daily_load PORT WORD [PLAYERS]
#include <boost/asio.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace net = boost::asio;
using tcp = net::ip::tcp;
using Clock = std::chrono::steady_clock;

namespace {

// One request on a connection of its own, read to the end of its answer.
std::string Exchange(net::io_context& io, unsigned short port, const std::string& request)
{
    tcp::socket socket(io);
    socket.connect({net::ip::make_address("127.0.0.1"), port});
    net::write(socket, net::buffer(request));
    std::string answer;
    boost::system::error_code error;
    char chunk[8192];
    for (;;) {
        const std::size_t n = socket.read_some(net::buffer(chunk), error);
        answer.append(chunk, n);
        if (error)
            break;
    }
    return answer;
}

std::string Between(const std::string& text, const std::string& before, char end)
{
    const std::size_t start = text.find(before);
    if (start == std::string::npos)
        return {};
    const std::size_t from = start + before.size();
    return text.substr(from, text.find(end, from) - from);
}

struct Player {
    std::string cookie;
    std::string token;
    std::unique_ptr<tcp::socket> socket;
    std::unique_ptr<net::steady_timer> timer;
    std::string request;
    std::string answer;
    char chunk[4096];
    Clock::time_point sentAt;
    double ms = -1;
    bool redirected = false;
};

void ReadAnswer(Player& player)
{
    player.socket->async_read_some(net::buffer(player.chunk), [&player](boost::system::error_code error, std::size_t n) {
        player.answer.append(player.chunk, n);
        const std::size_t end = player.answer.find("\r\n\r\n");
        if (end != std::string::npos || error) {
            player.ms = std::chrono::duration<double, std::milli>(Clock::now() - player.sentAt).count();
            player.redirected = player.answer.starts_with("HTTP/1.1 303");
            player.socket->close();
            return;
        }
        ReadAnswer(player);
    });
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "daily_load PORT WORD [PLAYERS]\n";
        return 2;
    }
    const auto port = static_cast<unsigned short>(std::stoi(argv[1]));
    const std::string word = argv[2];
    const int count = argc > 3 ? std::stoi(argv[3]) : 1000;
    net::io_context io;
    const std::string host = "Host: 127.0.0.1:" + std::to_string(port) + "\r\n";

    std::vector<Player> players(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Player& player = players[static_cast<std::size_t>(i)];
        const std::string page =
            Exchange(io, port, "GET /letterama/sfida/gioca?lingua=1 HTTP/1.1\r\n" + host + "Connection: close\r\n\r\n");
        player.cookie = Between(page, "Set-Cookie: ", ';');
        player.token = Between(page, "name=\"token\" value=\"", '"');
        const std::string form = "lingua=1&nome=Giocatore" + std::to_string(i) + "&token=" + player.token;
        const std::string started = Exchange(
            io, port,
            "POST /letterama/sfida/inizia HTTP/1.1\r\n" + host + "Cookie: " + player.cookie +
                "\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                std::to_string(form.size()) + "\r\nConnection: close\r\n\r\n" + form);
        if (started.find("\"lettere\"") == std::string::npos) {
            std::cerr << "player " << i << " could not start:\n" << started.substr(0, 300) << "\n";
            return 1;
        }
        const std::string sent = "lingua=1&parola=" + word + "&token=" + player.token;
        player.request = "POST /letterama/sfida/invia HTTP/1.1\r\n" + host + "Cookie: " + player.cookie +
                         "\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                         std::to_string(sent.size()) + "\r\nConnection: close\r\n\r\n" + sent;
    }
    // The site drops a connection whose request has not come whole within 10 s: the
    // connections open only now.
    for (Player& player : players) {
        player.socket = std::make_unique<tcp::socket>(io);
        player.socket->connect({net::ip::make_address("127.0.0.1"), port});
        player.timer = std::make_unique<net::steady_timer>(io);
    }

    // Every connection is open: the words go within one second from now.
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> moment(0, 999);
    const Clock::time_point start = Clock::now() + std::chrono::milliseconds(50);
    for (Player& player : players) {
        player.timer->expires_at(start + std::chrono::milliseconds(moment(random)));
        player.timer->async_wait([&player](boost::system::error_code) {
            player.sentAt = Clock::now();
            net::async_write(*player.socket, net::buffer(player.request),
                             [&player](boost::system::error_code error, std::size_t) {
                                 if (!error)
                                     ReadAnswer(player);
                             });
        });
    }
    io.run();

    std::vector<double> times;
    int redirected = 0;
    for (const Player& player : players) {
        if (player.ms >= 0)
            times.push_back(player.ms);
        redirected += player.redirected;
    }
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) {
        return times.empty() ? 0.0 : times[std::min(times.size() - 1, static_cast<std::size_t>(share * times.size()))];
    };
    std::printf("players %d, answered %zu, redirected to the result %d\n", count, times.size(), redirected);
    std::printf("word to answer: p50 %.1f ms, p90 %.1f ms, p99 %.1f ms, max %.1f ms\n", at(0.5), at(0.9), at(0.99),
                times.empty() ? 0.0 : times.back());
    return redirected == count ? 0 : 1;
}
