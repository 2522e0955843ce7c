// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_cache.h"

std::shared_ptr<const std::string> PageCache::Find(const std::string& key, qint64 changeNumber) const
{
    std::lock_guard lock(mutex_);
    const auto found = pages_.find(key);
    if (found == pages_.end() || found->second.changeNumber != changeNumber)
        return nullptr;
    return found->second.page;
}

void PageCache::Keep(const std::string& key, qint64 changeNumber, std::string page)
{
    auto kept = std::make_shared<const std::string>(std::move(page));
    std::lock_guard lock(mutex_);
    const auto found = pages_.find(key);
    if (found != pages_.end()) {
        found->second = {changeNumber, std::move(kept)};
        return;
    }
    // Pages of every number a client may ask for are kept up to a bound; past it the
    // cache starts afresh rather than grow.
    if (pages_.size() >= mostPages_)
        pages_.clear();
    pages_.emplace(key, Entry{changeNumber, std::move(kept)});
}
