// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/ui/online_tables.h"

#include "site/online/ui/online_hub.h"
#include "site/online/ui/online_pages.h"
#include "site/online/ui/online_session.h"
#include "site/online/core/seat_cookie.h"
#include "site/ui/site_server.h"
#include "site/ui/site_service.h"

std::shared_ptr<OnlineHub> ServeOnlineTables(SiteServer& server, SiteService& service,
                                             std::shared_ptr<const SiteLexicons> lexicons, int tableSecondMs,
                                             const QString& processName)
{
    OnlineHub::Services services;
    services.secondMs = tableSecondMs;
    services.processName = processName;
    services.publishTables = [&service](const QString& process, const std::vector<ListedTable>& own) {
        return service.PublishTables(process, own, OnlineHub::kGoneAfterSeconds);
    };
    services.lexicons = std::move(lexicons);
    services.offLoop = [&server](std::function<void()> work) { server.RunOffLoop(std::move(work)); };
    services.reportWord = [&service](Language language, const QString& word, const std::string& address) {
        service.ReportFromTable(language, word, address);
    };
    services.recordWin = [&service](Language language, const QString& name, int points, int,
                                    const std::string& address) {
        service.RecordFromTable(language, name, points, address.empty() ? std::string("on-line") : address);
    };
    services.keepGame = [&service](const FinishedTableGame& game) { service.KeepFinishedGame(game); };
    auto hub = std::make_shared<OnlineHub>(std::move(services));
    server.ServeWebSockets({OnlinePages::kSocketPath,
                            [hub](boost::beast::tcp_stream&& stream, ConnectionLimit::Ticket ticket,
                                  const std::string& clientAddress,
                                  const std::string& cookie) -> std::shared_ptr<WebSocketSession> {
                                return std::make_shared<OnlineSession>(std::move(stream), std::move(ticket), hub,
                                                                       clientAddress, SeatCookie::From(cookie));
                            }});
    return hub;
}
