// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <unordered_map>

// How many connections one client address may hold open at once, so that one
// machine cannot take every connection the site can hold. The web server the site
// stands behind carries everyone's connections and is not counted.
class ConnectionLimit {
public:
    ConnectionLimit(int mostPerAddress, std::set<std::string> uncounted);

    // Held by a connection while it is open; nothing when the address holds its most.
    using Ticket = std::shared_ptr<void>;
    Ticket Admit(const std::string& address);

private:
    struct Held {
        Held(ConnectionLimit* heldBy, std::string heldFor) : limit(heldBy), address(std::move(heldFor)) {}
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;
        ~Held() { limit->Release(address); }
        ConnectionLimit* limit;
        std::string address;
    };
    void Release(const std::string& address);

    const int mostPerAddress_;
    const std::set<std::string> uncounted_;
    std::mutex mutex_;
    std::unordered_map<std::string, int> open_;
};
