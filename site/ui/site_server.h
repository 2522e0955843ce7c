// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/ui/http_session.h"
#include "site/ui/site_service.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <set>
#include <string>
#include <thread>

// Limits against slow and hostile clients, and the threads that serve.
struct ServerLimits {
    // A request's header block and body must arrive whole within this time from the
    // moment the connection opens, however it trickles in.
    int readTimeoutSeconds = 10;
    int writeTimeoutSeconds = 10;
    // A kept-alive connection must send its next request whole within this time.
    int keepAliveSeconds = 5;
    std::size_t mostHeaderBlockBytes = 16 * 1024;  // bounded while it arrives
    std::size_t mostLineBytes = 8 * 1024;          // the request line, and each header
    std::size_t mostHeaders = 50;
    std::size_t mostBodyBytes = 16 * 1024;  // a posted form is a few hundred bytes
    // Connections one client address may hold open at once.
    int mostPerAddress = 64;
    // Threads of the event loop, which serves every connection: one per core.
    int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    // Threads that run the pages (and so the database's queries) off the event loop.
    int databaseThreads = 4;
    // The web servers the site stands behind: from these addresses, and only from
    // them, the client's address is the one given in X-Real-IP (or the last of
    // X-Forwarded-For). Their connections are not counted against mostPerAddress.
    std::set<std::string> trustedProxies;
};

// The HTTP layer: an event-driven server on Boost.Beast. A few threads run one event
// loop for every connection, each read bounded in size and time as it arrives; the
// pages are made on a small pool of their own, so that a slow query never holds up a
// connection, and their answers handed back to the loop. WebSocket upgrades are taken
// on the same port. Requests refused before they reach the service get an Italian
// page of the site, never a library's message.
class SiteServer {
public:
    SiteServer(SiteService& service, ServerLimits limits);
    ~SiteServer();
    SiteServer(const SiteServer&) = delete;
    SiteServer& operator=(const SiteServer&) = delete;

    // Binds to `host` and `port`, or to any free port when `port` is 0, and listens.
    // The port bound, or -1 when binding failed, with the reason in BindError(). A
    // port another program listens on is refused, never shared.
    int Bind(const std::string& host, int port);
    std::string BindError() const { return bindError_; }
    // Serves until Stop(); false when it could not serve at all.
    bool Listen();
    void Stop();
    // Waits until the server accepts connections (after Bind, while Listen runs);
    // false when it did not within `milliseconds`.
    bool WaitUntilReady(int milliseconds) const;
    // The page whose WebSocket connections get sessions of their own; before Listen.
    void ServeWebSockets(WebSocketRoute route);
    // Runs `work` on the pool that makes the pages (database work of the live tables).
    void RunOffLoop(std::function<void()> work);

    struct Loop;

private:
    SiteService& service_;
    const ServerLimits limits_;
    std::unique_ptr<Loop> loop_;
    std::string bindError_;
    std::atomic<bool> running_{false};
};
