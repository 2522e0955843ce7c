// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/core/site_lexicons.h"
#include "site/ui/site_request.h"

#include <QDateTime>

#include <functional>
#include <memory>

class SiteRoutes;
class SiteStorage;

// The day's challenge at /letterama/sfida/: its pages, the start and the word of a
// try, the archive and the game's text resource with today's board.
namespace DailyRoutes {

struct Services {
    // The calling thread's database connection, or null when it cannot be reached.
    std::function<SiteStorage*()> storage;
    // The 503 page for a database that failed.
    std::function<SiteResponse()> unavailable;
    std::shared_ptr<const SiteLexicons> lexicons;
    std::function<QDateTime()> now;
};

void AddTo(SiteRoutes& routes, Services services);

}  // namespace DailyRoutes
