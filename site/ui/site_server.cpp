// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/site_server.h"

#include "site/ui/connection_limit.h"
#include "site/ui/http_session.h"

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>

#include <chrono>
#include <thread>
#include <vector>

namespace net = boost::asio;
using tcp = net::ip::tcp;

namespace {

// nginx's queue of connections waiting to be accepted: a burst of clients connecting
// at once is not dropped to wait a second for its retransmission.
constexpr int kListenBacklog = 511;

// An IPv4 client reaching a socket bound to "::" is written as "::ffff:a.b.c.d": the
// same client must count, and be trusted, as "a.b.c.d".
std::string AddressText(const net::ip::address& address)
{
    if (address.is_v6() && address.to_v6().is_v4_mapped())
        return net::ip::make_address_v4(net::ip::v4_mapped, address.to_v6()).to_string();
    return address.to_string();
}

}  // namespace

// The event loop and the page pool with what they share; made when the server is.
struct SiteServer::Loop {
    Loop(SiteService& service, const ServerLimits& limits)
        : connections(limits.mostPerAddress, limits.trustedProxies),
          context{service, limits, pagePool, &webSocketRoute},
          acceptor(events),
          retryTimer(events),
          pagePoolWork(net::make_work_guard(pagePool))
    {
    }

    void Accept()
    {
        acceptor.async_accept(net::make_strand(events), [this](boost::system::error_code error, tcp::socket socket) {
            if (error == net::error::operation_aborted || !acceptor.is_open())
                return;
            if (error) {
                // Out of file descriptors, say: wait a moment instead of spinning.
                retryTimer.expires_after(std::chrono::milliseconds(50));
                retryTimer.async_wait([this](boost::system::error_code waited) {
                    if (!waited)
                        Accept();
                });
                return;
            }
            boost::system::error_code peerError;
            const tcp::endpoint peer = socket.remote_endpoint(peerError);
            if (!peerError) {
                const std::string address = AddressText(peer.address());
                // Over its limit the connection is closed at once, as it goes here.
                if (ConnectionLimit::Ticket ticket = connections.Admit(address)) {
                    socket.set_option(tcp::no_delay(true), peerError);
                    std::make_shared<HttpSession>(std::move(socket), context, std::move(ticket), address)->Start();
                }
            }
            Accept();
        });
    }

    // Destroyed in reverse: the page pool (whose queued work holds sessions) goes
    // before the event loop their sockets belong to, and both before the limit and
    // the context every session holds on to.
    ConnectionLimit connections;
    SessionContext context;
    net::io_context events;
    // After the loop: the live tables it holds, with their timers, go before the loop.
    WebSocketRoute webSocketRoute;
    tcp::acceptor acceptor;
    net::steady_timer retryTimer;
    net::io_context pagePool;
    net::executor_work_guard<net::io_context::executor_type> pagePoolWork;
};

SiteServer::SiteServer(SiteService& service, ServerLimits limits)
    : service_(service), limits_(std::move(limits)), loop_(std::make_unique<Loop>(service_, limits_))
{
}

SiteServer::~SiteServer()
{
    Stop();
}

int SiteServer::Bind(const std::string& host, int port)
{
    boost::system::error_code error;
    const net::ip::address address = net::ip::make_address(host, error);
    if (error) {
        bindError_ = "indirizzo non valido";
        return -1;
    }
    const tcp::endpoint endpoint(address, static_cast<unsigned short>(port));
    tcp::acceptor& acceptor = loop_->acceptor;
    acceptor.open(endpoint.protocol(), error);
    // Reusing an address lets a restarted site bind while its old connections wait
    // out their last seconds; it never lets two sites listen on one port.
    if (!error)
        acceptor.set_option(tcp::acceptor::reuse_address(true), error);
    if (!error)
        acceptor.bind(endpoint, error);
    if (!error)
        acceptor.listen(kListenBacklog, error);
    if (error) {
        bindError_ = error == net::error::address_in_use ? std::string("la porta è già in uso") : error.message();
        boost::system::error_code ignored;
        acceptor.close(ignored);
        return -1;
    }
    return acceptor.local_endpoint().port();
}

bool SiteServer::Listen()
{
    Loop& loop = *loop_;
    if (!loop.acceptor.is_open())
        return false;
    std::vector<std::thread> pagers;
    for (int i = 0; i < limits_.databaseThreads; ++i) {
        pagers.emplace_back([this, &loop] {
            loop.pagePool.run();
            service_.ThreadEnds();
        });
    }
    loop.Accept();
    running_ = true;
    std::vector<std::thread> loopers;
    for (int i = 1; i < limits_.threads; ++i)
        loopers.emplace_back([&loop] { loop.events.run(); });
    loop.events.run();
    for (std::thread& thread : loopers)
        thread.join();
    running_ = false;
    loop.pagePoolWork.reset();
    loop.pagePool.stop();
    for (std::thread& thread : pagers)
        thread.join();
    return true;
}

void SiteServer::Stop()
{
    if (!loop_)
        return;
    loop_->events.stop();
    loop_->pagePool.stop();
}

void SiteServer::ServeWebSockets(WebSocketRoute route)
{
    loop_->webSocketRoute = std::move(route);
}

void SiteServer::RunOffLoop(std::function<void()> work)
{
    net::post(loop_->pagePool, std::move(work));
}

bool SiteServer::WaitUntilReady(int milliseconds) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!running_) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
