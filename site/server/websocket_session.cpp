// SPDX-License-Identifier: GPL-3.0-or-later
#include "websocket_session.h"

#include <boost/asio/buffer.hpp>
#include <boost/beast/core/buffers_to_string.hpp>
#include <boost/beast/websocket/stream_base.hpp>

namespace beast = boost::beast;
namespace websocket = beast::websocket;

WebSocketSession::WebSocketSession(beast::tcp_stream&& stream, ConnectionLimit::Ticket ticket)
    : socket_(std::move(stream)), ticket_(std::move(ticket))
{
}

void WebSocketSession::Accept(beast::http::request<beast::http::string_body> upgrade)
{
    // The library's server timeouts: the handshake within 30 s, and a peer silent
    // for 5 minutes is dropped.
    socket_.set_option(websocket::stream_base::timeout::suggested(beast::role_type::server));
    socket_.read_message_max(kMostMessageBytes);
    socket_.async_accept(upgrade, [self = shared_from_this()](beast::error_code error) {
        if (!error)
            self->Read();
    });
}

void WebSocketSession::Read()
{
    socket_.async_read(buffer_, [self = shared_from_this()](beast::error_code error, std::size_t) {
        if (error)
            return;
        if (self->socket_.got_text())
            self->OnMessage(beast::buffers_to_string(self->buffer_.data()));
        self->buffer_.consume(self->buffer_.size());
        self->Read();
    });
}

void WebSocketSession::OnMessage(const std::string&) {}

void WebSocketSession::Send(std::string text)
{
    outgoing_.push_back(std::move(text));
    if (outgoing_.size() == 1)
        WriteNext();
}

void WebSocketSession::WriteNext()
{
    socket_.text(true);
    socket_.async_write(boost::asio::buffer(outgoing_.front()),
                        [self = shared_from_this()](beast::error_code error, std::size_t) {
                            if (error)
                                return;
                            self->outgoing_.pop_front();
                            if (!self->outgoing_.empty())
                                self->WriteNext();
                        });
}
