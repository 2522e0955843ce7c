// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/ui/online_session.h"

#include "site/online/ui/online_hub.h"

#include <boost/asio/post.hpp>

#include <QJsonObject>

namespace net = boost::asio;
using OnlineProtocol::Kind;

OnlineSession::OnlineSession(boost::beast::tcp_stream&& stream, ConnectionLimit::Ticket ticket,
                             std::shared_ptr<OnlineHub> hub, std::string clientAddress, QString browser)
    : WebSocketSession(std::move(stream), std::move(ticket)),
      hub_(std::move(hub)),
      clientAddress_(std::move(clientAddress)),
      browser_(std::move(browser)),
      id_(hub_->NewClient())
{
}

std::shared_ptr<OnlineSession> OnlineSession::Self()
{
    return std::static_pointer_cast<OnlineSession>(shared_from_this());
}

void OnlineSession::Deliver(std::string text)
{
    net::post(Executor(), [self = Self(), text = std::move(text)]() mutable {
        if (!self->closed_)
            self->Send(std::move(text));
    });
}

void OnlineSession::Refuse(const std::string& why)
{
    Send(OnlineProtocol::RefusalMessage(OnlineProtocol::Refused(why)));
}

void OnlineSession::OnMessage(const std::string& text)
{
    switch (rate_.Admit(MessageRate::Clock::now())) {
    case MessageRate::Verdict::Take: break;
    case MessageRate::Verdict::Refuse: Refuse("rate"); return;
    case MessageRate::Verdict::Close: Close(); return;
    }
    const auto parsed = OnlineProtocol::Parse(text);
    if (const OnlineProtocol::Refusal* refusal = std::get_if<OnlineProtocol::Refusal>(&parsed)) {
        Send(OnlineProtocol::RefusalMessage(*refusal));
        return;
    }
    const OnlineProtocol::Request& request = std::get<OnlineProtocol::Request>(parsed);
    switch (request.kind) {
    case Kind::Lobby: Send(hub_->Lobby()); return;
    case Kind::Create: Create(request); return;
    case Kind::Join: Join(request); return;
    default: break;
    }
    if (!table_) {
        Refuse("table");
        return;
    }
    table_->Post([id = id_, request, now = OnlineTable::Clock::now()](OnlineTable& table) {
        table.Handle(id, request, now);
    });
}

void OnlineSession::Create(const OnlineProtocol::Request& request)
{
    if (!hub_->Judges(request.options.language)) {
        Refuse("language");
        return;
    }
    QString token;
    const std::shared_ptr<LiveTable> table = hub_->Create(Executor(), request.options, request.name, &token, browser_);
    if (!table) {
        Refuse("full");
        return;
    }
    Send(OnlineProtocol::Message("created", {{QStringLiteral("table"), table->Id()}, {QStringLiteral("token"), token}}));
}

void OnlineSession::Join(const OnlineProtocol::Request& request)
{
    const std::shared_ptr<LiveTable> table = hub_->Find(request.table);
    if (!table) {
        Refuse("table");
        return;
    }
    if (table_ != table)
        LeaveTable();
    table_ = table;
    table->Post([id = id_, session = std::weak_ptr<OnlineSession>(Self()), address = clientAddress_, token = request.token,
                 browser = browser_, live = table.get(), now = OnlineTable::Clock::now()](OnlineTable& onTable) {
        live->Attach(id, session, address);
        onTable.Join(id, token, now, browser);
    });
}

void OnlineSession::LeaveTable()
{
    if (!table_)
        return;
    table_->Post([id = id_, live = table_.get(), now = OnlineTable::Clock::now()](OnlineTable& table) {
        table.Left(id, now);
        live->Detach(id);
    });
    table_.reset();
}

void OnlineSession::OnClosed()
{
    if (closed_)
        return;
    closed_ = true;
    LeaveTable();
}
