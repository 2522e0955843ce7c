// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/ui/connection_limit.h"
#include "site/ui/site_request.h"
#include "site/ui/site_service.h"

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/beast/http/string_body.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class WebSocketSession;
struct ServerLimits;

// The page that takes WebSocket connections of its own (the live tables): an upgrade
// asked at `path` gets the session `make` returns; any other the plain session.
struct WebSocketRoute {
    std::string path;
    std::function<std::shared_ptr<WebSocketSession>(boost::beast::tcp_stream&& stream, ConnectionLimit::Ticket ticket,
                                                    const std::string& clientAddress, const std::string& cookie)>
        make;
};

// What every connection shares: the pages, the limits, and the pool that makes pages
// off the event loop.
struct SessionContext {
    SiteService& service;
    const ServerLimits& limits;
    boost::asio::io_context& pagePool;
    const WebSocketRoute* webSocket = nullptr;
};

// One HTTP connection on the event loop, on a strand of its own: reads a request
// within the limits, hands it to the page pool, writes the answer the pool posts
// back, and goes on while the client keeps the connection alive. A WebSocket
// upgrade hands the connection to a WebSocketSession.
class HttpSession : public std::enable_shared_from_this<HttpSession> {
public:
    HttpSession(boost::asio::ip::tcp::socket&& socket, const SessionContext& context, ConnectionLimit::Ticket ticket,
                std::string peerAddress);
    void Start();

private:
    using Request = boost::beast::http::request<boost::beast::http::string_body>;

    void ReadRequest();
    void OnRead(boost::beast::error_code error);
    // The status for a request that could not be read whole, or 0 to close silently.
    int RefusalOf(boost::beast::error_code error) const;
    // The status for a request read whole but over a limit, or 0.
    int LimitBrokenBy(const Request& request) const;
    void UpgradeToWebSocket(Request request);
    void Serve(const Request& request);
    void Write(SiteResponse answer, unsigned version, bool keepAlive, bool head);
    // A kept page straight from the cache: its head written into one buffer the
    // session reuses, the page itself sent from where the cache holds it.
    void WriteKept(SiteService::KeptPage page, unsigned version, bool keepAlive, bool head);
    void OnWritten(bool keepAlive, boost::beast::error_code error);
    // Stops sending, then reads and drops what the client still sends for a moment, so
    // that the answer is not lost to a reset.
    void Linger();
    void Drain(std::size_t mostBytes);
    std::string ClientAddress(const Request& request) const;

    boost::beast::tcp_stream stream_;
    boost::beast::flat_buffer buffer_;
    std::optional<boost::beast::http::request_parser<boost::beast::http::string_body>> parser_;
    std::shared_ptr<const void> response_;  // the answer being written
    std::string keptHead_;            // the head of a kept page being written
    const SessionContext& context_;
    ConnectionLimit::Ticket ticket_;
    const std::string peerAddress_;
    bool firstRequest_ = true;
    char drain_[4096];
};
