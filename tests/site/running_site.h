// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/ui/site_server.h"
#include "site/ui/site_service.h"

#include <memory>
#include <thread>

// A site serving on 127.0.0.1 at a free port from a thread of the test, stopped when
// the object goes.
class RunningSite {
public:
    RunningSite(SiteConfig config, ServerLimits limits)
        : service_(std::move(config)), server_(service_, limits)
    {
        port_ = server_.Bind("127.0.0.1", 0);
        if (port_ > 0) {
            thread_ = std::thread([this] { server_.Listen(); });
            server_.WaitUntilReady(5000);
        }
    }
    ~RunningSite()
    {
        server_.Stop();
        if (thread_.joinable())
            thread_.join();
    }
    RunningSite(const RunningSite&) = delete;
    RunningSite& operator=(const RunningSite&) = delete;

    int Port() const { return port_; }

private:
    SiteService service_;
    SiteServer server_;
    int port_ = -1;
    std::thread thread_;
};
