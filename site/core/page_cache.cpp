// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/page_cache.h"

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
    if (pages_.size() >= mostPages_)
        std::erase_if(pages_, [changeNumber](const auto& kept) { return kept.second.changeNumber != changeNumber; });
    if (pages_.size() >= mostPages_)
        pages_.clear();
    pages_.emplace(key, Entry{changeNumber, std::move(kept)});
}
