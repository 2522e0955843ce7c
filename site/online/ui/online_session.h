// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/online/core/message_rate.h"
#include "site/online/core/online_protocol.h"
#include "site/online/core/online_table.h"
#include "site/ui/websocket_session.h"

#include <memory>
#include <string>

class LiveTable;
class OnlineHub;

// A browser's connection to the live tables: every message checked in size, rate and
// shape here, then the lobby's answered at once and a table's handed to the table's
// strand. What the table sends comes back through Deliver.
class OnlineSession : public WebSocketSession {
public:
    OnlineSession(boost::beast::tcp_stream&& stream, ConnectionLimit::Ticket ticket, std::shared_ptr<OnlineHub> hub,
                  std::string clientAddress, QString browser);

    // From any thread: queues `text` for the browser on the session's strand.
    void Deliver(std::string text);

protected:
    void OnMessage(const std::string& text) override;
    void OnClosed() override;

private:
    std::shared_ptr<OnlineSession> Self();
    void Refuse(const std::string& why);
    void Join(const OnlineProtocol::Request& request);
    void Create(const OnlineProtocol::Request& request);
    void LeaveTable();

    std::shared_ptr<OnlineHub> hub_;
    const std::string clientAddress_;
    const QString browser_;  // the key of the browser's seat cookie, or empty
    const OnlineTable::ClientId id_;
    MessageRate rate_;
    std::shared_ptr<LiveTable> table_;
    bool closed_ = false;
};
