// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <map>
#include <memory>
#include <mutex>
#include <string>

// Rendered pages kept between requests, each with the database's change number it
// was rendered at. A page is handed out only while the number read for the request
// is the same: any stored or deleted record or report, by this process or another on
// the same database, raises the number and so retires every page at once. Shared by
// the request threads. Only pages that exist are kept (the table's pages up to its
// last, the lists), so the bound is met only by a very large table: then the pages of
// an older number go first, and past that the cache starts afresh.
class PageCache {
public:
    // 4,096 pages of 25 records hold a table of 100,000 records, in about 50 MB.
    explicit PageCache(std::size_t mostPages = 4096) : mostPages_(mostPages) {}

    // The page kept under `key` when it was rendered at `changeNumber`; nothing else.
    std::shared_ptr<const std::string> Find(const std::string& key, qint64 changeNumber) const;
    // Keeps `page` under `key`, rendered at `changeNumber`, in place of any other.
    void Keep(const std::string& key, qint64 changeNumber, std::string page);

private:
    struct Entry {
        qint64 changeNumber = 0;
        std::shared_ptr<const std::string> page;
    };
    std::size_t mostPages_;
    mutable std::mutex mutex_;
    std::map<std::string, Entry> pages_;
};
