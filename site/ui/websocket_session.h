// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/ui/connection_limit.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/string_body.hpp>
#include <boost/beast/websocket/stream.hpp>

#include <deque>
#include <memory>
#include <string>

// A WebSocket connection, taken over from the HTTP connection that asked for the
// upgrade, on the same strand of the event loop. It accepts, answers pings (the
// library does), drops a peer that goes silent, and reads messages one at a time;
// Send queues text for the peer. What a message means belongs to the pages that use
// it (the live tables, whose session derives from this one); the plain session reads
// messages and drops them.
class WebSocketSession : public std::enable_shared_from_this<WebSocketSession> {
public:
    WebSocketSession(boost::beast::tcp_stream&& stream, ConnectionLimit::Ticket ticket);
    virtual ~WebSocketSession() = default;

    void Accept(boost::beast::http::request<boost::beast::http::string_body> upgrade);
    // Queues a text message; call on the session's strand. A peer that lets more than
    // kMostQueuedMessages pile up unread is closed.
    void Send(std::string text);
    // Closes the connection; call on the session's strand.
    void Close();
    boost::asio::any_io_executor Executor() { return socket_.get_executor(); }

    static constexpr std::size_t kMostQueuedMessages = 512;

    static constexpr std::size_t kMostMessageBytes = 16 * 1024;

protected:
    // A whole text message from the peer.
    virtual void OnMessage(const std::string& text);
    // The connection has ended (closed by either side, or failed); once.
    virtual void OnClosed() {}

private:
    void Read();
    void WriteNext();
    void CloseNow();

    boost::beast::websocket::stream<boost::beast::tcp_stream> socket_;
    boost::beast::flat_buffer buffer_;
    ConnectionLimit::Ticket ticket_;
    std::deque<std::string> outgoing_;
    bool closing_ = false;
};
