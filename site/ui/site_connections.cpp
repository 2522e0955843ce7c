// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/site_connections.h"

#include "site/core/site_storage.h"

#include <algorithm>

SiteConnections::SiteConnections(DatabaseAddress address) : address_(std::move(address)) {}

SiteConnections::~SiteConnections() = default;

SiteConnections::Slot& SiteConnections::SlotOfThisThread()
{
    std::lock_guard lock(mutex_);
    return slots_[std::this_thread::get_id()];
}

SiteStorage* SiteConnections::OfThisThread()
{
    Slot& slot = SlotOfThisThread();
    if (slot.storage)
        return slot.storage.get();
    const auto now = std::chrono::steady_clock::now();
    if (now < slot.retryAt)
        return nullptr;
    QString error;
    slot.storage = SiteStorage::Open(address_, &error);
    if (slot.storage) {
        if (slot.backOff.count() > 0)
            qWarning("letterama-site: database %s reached again", qPrintable(address_.Described()));
        slot.backOff = std::chrono::milliseconds(0);
        return slot.storage.get();
    }
    if (slot.backOff.count() == 0)
        qWarning("letterama-site: database %s: %s", qPrintable(address_.Described()), qPrintable(error));
    slot.backOff = slot.backOff.count() == 0 ? kFirstBackOff : std::min(slot.backOff * 2, kLongestBackOff);
    slot.retryAt = now + slot.backOff;
    return nullptr;
}

void SiteConnections::Lost()
{
    Slot& slot = SlotOfThisThread();
    if (slot.storage) {
        slot.storage.reset();
        ++slot.lost;
    }
}

int SiteConnections::LostCount()
{
    return SlotOfThisThread().lost;
}

void SiteConnections::CloseThisThread()
{
    std::lock_guard lock(mutex_);
    slots_.erase(std::this_thread::get_id());
}
