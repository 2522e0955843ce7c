// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/connection_limit.h"

ConnectionLimit::ConnectionLimit(int mostPerAddress, std::set<std::string> uncounted)
    : mostPerAddress_(mostPerAddress), uncounted_(std::move(uncounted))
{
}

ConnectionLimit::Ticket ConnectionLimit::Admit(const std::string& address)
{
    if (uncounted_.count(address))
        return std::make_shared<int>(0);
    {
        std::lock_guard lock(mutex_);
        int& open = open_[address];
        if (open >= mostPerAddress_)
            return nullptr;
        ++open;
    }
    // The limit outlives every connection: the server that owns it ends them first.
    return std::make_shared<Held>(this, address);
}

void ConnectionLimit::Release(const std::string& address)
{
    std::lock_guard lock(mutex_);
    const auto found = open_.find(address);
    if (found != open_.end() && --found->second <= 0)
        open_.erase(found);
}
