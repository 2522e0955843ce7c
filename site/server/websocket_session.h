// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "connection_limit.h"

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
// it (the live tables); for now nothing does, so messages are read and dropped.
class WebSocketSession : public std::enable_shared_from_this<WebSocketSession> {
public:
    WebSocketSession(boost::beast::tcp_stream&& stream, ConnectionLimit::Ticket ticket);
    virtual ~WebSocketSession() = default;

    void Accept(boost::beast::http::request<boost::beast::http::string_body> upgrade);
    // Queues a text message; call on the session's strand.
    void Send(std::string text);

    static constexpr std::size_t kMostMessageBytes = 16 * 1024;

protected:
    // A whole text message from the peer.
    virtual void OnMessage(const std::string& text);

private:
    void Read();
    void WriteNext();

    boost::beast::websocket::stream<boost::beast::tcp_stream> socket_;
    boost::beast::flat_buffer buffer_;
    ConnectionLimit::Ticket ticket_;
    std::deque<std::string> outgoing_;
};
