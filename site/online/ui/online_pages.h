// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class SiteRoutes;

// The pages of the live tables: the lobby at /letterama/online/, a table at
// /letterama/online/tavolo/ID, and their script and style files. They are the same
// for everyone: what changes travels over the WebSocket at kSocketPath.
namespace OnlinePages {

inline constexpr const char* kSocketPath = "/letterama/online/ws";

void AddTo(SiteRoutes& routes);

}  // namespace OnlinePages
