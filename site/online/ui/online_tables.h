// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/core/site_lexicons.h"

#include <memory>

class OnlineHub;
class SiteServer;
class SiteService;

// Opens the live tables on a site: their WebSocket at OnlinePages::kSocketPath, judged
// with `lexicons`, their reports and records stored through `service`. Before Listen;
// the hub lives as long as the server holds its sessions. `tableSecondMs` shortens
// the tables' clocks for tests.
std::shared_ptr<OnlineHub> ServeOnlineTables(SiteServer& server, SiteService& service,
                                             std::shared_ptr<const SiteLexicons> lexicons, int tableSecondMs = 1000,
                                             const QString& processName = QString());
