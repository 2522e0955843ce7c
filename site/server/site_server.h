// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site_service.h"

#include <cstddef>
#include <memory>
#include <string>

namespace httplib {
class Server;
}

// Limits against slow and hostile clients.
struct ServerLimits {
    int readTimeoutSeconds = 5;   // a client that sends nothing for this long is dropped
    int writeTimeoutSeconds = 5;
    int keepAliveSeconds = 5;
    std::size_t mostBodyBytes = 16 * 1024;  // a posted form is a few hundred bytes
    std::size_t mostHeaders = 50;
    // A kept-alive connection holds its thread until it closes or idles out.
    int threads = 16;
    // Behind a web server on the same machine every request comes from it: the
    // client's address is then the one the web server puts in X-Real-IP.
    bool behindProxy = false;
};

// The HTTP layer: cpp-httplib's server with the limits set, every request handed to
// the service and its answer written back, and an Italian page (never a library
// message) for the requests the library refuses itself.
class SiteServer {
public:
    SiteServer(SiteService& service, ServerLimits limits);
    ~SiteServer();

    // Binds to `host` and `port`, or to any free port when `port` is 0. The port
    // bound, or -1 when binding failed.
    int Bind(const std::string& host, int port);
    // Serves until Stop(); false when it could not serve at all.
    bool Listen();
    void Stop();
    // Waits until the server accepts connections (after Bind, while Listen runs);
    // false when it did not within `milliseconds`.
    bool WaitUntilReady(int milliseconds) const;

private:
    SiteService& service_;
    ServerLimits limits_;
    std::unique_ptr<httplib::Server> server_;
    // The socket the library made last, which is the listening one once bound.
    int lastSocket_ = -1;
};
