// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <chrono>
#include <functional>
#include <mutex>
#include <optional>

// The database's change number as last read, shared by the request threads. Under
// load a kept page would otherwise cost a round trip to the database per request
// (on PostgreSQL, half the time of the answer): the number is read again only when
// the last reading is older than `freshFor`, by one thread while the others go on
// with the last reading, so a write by another process on the database shows
// within that time and one read. A write by this process forgets the number at
// once, so its own writes show on the next request.
class ChangeWatch {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    ChangeWatch(std::chrono::milliseconds freshFor, Clock clock) : freshFor_(freshFor), clock_(std::move(clock)) {}

    // The number, read with `read` when the last reading is too old or forgotten;
    // nothing when that read fails.
    std::optional<qint64> Current(const std::function<std::optional<qint64>()>& read);
    // The number while the last reading is still fresh, without reading it: an answer
    // that may not wait for the database asks this.
    std::optional<qint64> Fresh();
    // After this process wrote: the next request reads the number again.
    void Forget();

private:
    const std::chrono::milliseconds freshFor_;
    const Clock clock_;
    std::mutex mutex_;
    bool known_ = false;
    qint64 number_ = 0;
    std::chrono::steady_clock::time_point readAt_;
    // A thread is reading the number again: the others answer with the last reading
    // instead of all waiting for the database at once.
    bool reading_ = false;
    // Raised by Forget: a reading begun before a write of this process is not kept.
    quint64 forgotten_ = 0;
};
