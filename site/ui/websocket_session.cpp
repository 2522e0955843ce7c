// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/websocket_session.h"

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
        else
            self->OnClosed();
    });
}

void WebSocketSession::Read()
{
    socket_.async_read(buffer_, [self = shared_from_this()](beast::error_code error, std::size_t) {
        if (error) {
            self->OnClosed();
            return;
        }
        if (self->socket_.got_text())
            self->OnMessage(beast::buffers_to_string(self->buffer_.data()));
        self->buffer_.consume(self->buffer_.size());
        self->Read();
    });
}

void WebSocketSession::OnMessage(const std::string&) {}

void WebSocketSession::Send(std::string text)
{
    if (closing_)
        return;
    if (outgoing_.size() >= kMostQueuedMessages) {
        Close();
        return;
    }
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
                            else if (self->closing_)
                                self->CloseNow();
                        });
}

void WebSocketSession::Close()
{
    if (closing_)
        return;
    closing_ = true;
    // A write under way finishes first (one write at a time): what is queued behind it
    // is dropped, and its completion closes.
    if (outgoing_.empty()) {
        CloseNow();
        return;
    }
    outgoing_.resize(1);
}

void WebSocketSession::CloseNow()
{
    // The read under way fails once the connection is closed; that reports OnClosed.
    socket_.async_close(websocket::close_code::policy_error, [self = shared_from_this()](beast::error_code) {});
}
