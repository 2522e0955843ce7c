// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/change_watch.h"

std::optional<qint64> ChangeWatch::Current(const std::function<std::optional<qint64>()>& read)
{
    std::unique_lock lock(mutex_);
    const auto startedAt = clock_();
    if (known_ && (startedAt - readAt_ < freshFor_ || reading_))
        return number_;
    const quint64 forgottenBefore = forgotten_;
    const bool readsForAll = known_;
    reading_ = reading_ || readsForAll;
    lock.unlock();
    const std::optional<qint64> number = read();
    lock.lock();
    if (readsForAll)
        reading_ = false;
    // Only a reading newer than the one kept, and begun after this process's last
    // write, replaces it.
    if (number && forgotten_ == forgottenBefore && (!known_ || startedAt >= readAt_)) {
        known_ = true;
        number_ = *number;
        readAt_ = startedAt;
    }
    return number;
}

std::optional<qint64> ChangeWatch::Fresh()
{
    std::lock_guard lock(mutex_);
    if (known_ && clock_() - readAt_ < freshFor_)
        return number_;
    return std::nullopt;
}

void ChangeWatch::Forget()
{
    std::lock_guard lock(mutex_);
    known_ = false;
    ++forgotten_;
}
