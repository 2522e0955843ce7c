// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/core/database_address.h"

#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

class SiteStorage;

// The site's database connections: Qt SQL lets a connection be used only by the
// thread that opened it, so each thread that asks gets its own, opened on its first
// request. A connection that failed (the database restarted, the network dropped) is
// closed and opened again on the thread's next request; while the database cannot be
// reached the attempts are spaced out, 50 ms doubling to at most 400 ms, so a site
// whose database is down answers at once and is back within half a second of it.
class SiteConnections {
public:
    explicit SiteConnections(DatabaseAddress address);
    ~SiteConnections();
    SiteConnections(const SiteConnections&) = delete;
    SiteConnections& operator=(const SiteConnections&) = delete;

    // The calling thread's connection; nothing while the database cannot be reached.
    SiteStorage* OfThisThread();
    // The calling thread's connection failed: it is opened again on the next request.
    void Lost();
    // How many times the calling thread's connection was lost: a request that lost
    // it may be answered again on a new one.
    int LostCount();
    // Closes the calling thread's connection, for a thread that ends.
    void CloseThisThread();

    static constexpr std::chrono::milliseconds kFirstBackOff{50};
    static constexpr std::chrono::milliseconds kLongestBackOff{400};

private:
    struct Slot {
        std::unique_ptr<SiteStorage> storage;
        std::chrono::steady_clock::time_point retryAt{};
        std::chrono::milliseconds backOff{0};
        int lost = 0;
    };
    Slot& SlotOfThisThread();

    const DatabaseAddress address_;
    std::mutex mutex_;
    // Each slot is used by its own thread only; the map's nodes stay where they are.
    std::map<std::thread::id, Slot> slots_;
};
