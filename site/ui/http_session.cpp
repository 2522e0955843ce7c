// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/http_session.h"

#include "site/ui/form_encoding.h"
#include "site/ui/request_origin.h"
#include "site/core/site_pages.h"
#include "site/ui/site_server.h"
#include "site/ui/site_service.h"
#include "site/ui/websocket_session.h"

#include <boost/asio/dispatch.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>
#include <boost/beast/websocket/rfc6455.hpp>

#include <array>
#include <chrono>

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;

namespace {

using Response = http::response<http::string_body>;

// The page for a request refused before it reached the service.
SiteResponse Refused(int status)
{
    QString message;
    switch (status) {
    case 403: message = QStringLiteral("Questa richiesta non viene da una pagina di questo sito."); break;
    case 413: message = QStringLiteral("La richiesta è troppo grande."); break;
    case 414: message = QStringLiteral("L'indirizzo richiesto è troppo lungo."); break;
    case 431: message = QStringLiteral("La richiesta ha intestazioni troppo lunghe o troppo numerose."); break;
    case 408: message = QStringLiteral("La richiesta è arrivata troppo lentamente."); break;
    default: message = QStringLiteral("La richiesta non è valida."); break;
    }
    SiteResponse answer{status, "text/html; charset=utf-8",
                        SitePages::Problem(QStringLiteral("Richiesta non accettata"), message).toStdString(), {}};
    answer.headers = SiteService::SecurityHeaders();
    return answer;
}

std::string Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string FieldOf(const http::request<http::string_body>& request, http::field field)
{
    const auto found = request.find(field);
    return found == request.end() ? std::string() : std::string(found->value());
}

}  // namespace

HttpSession::HttpSession(net::ip::tcp::socket&& socket, const SessionContext& context, ConnectionLimit::Ticket ticket,
                         std::string peerAddress)
    : stream_(std::move(socket)), context_(context), ticket_(std::move(ticket)), peerAddress_(std::move(peerAddress))
{
}

void HttpSession::Start()
{
    // The connection's strand runs everything of this session, one step at a time.
    net::dispatch(stream_.get_executor(), [self = shared_from_this()] { self->ReadRequest(); });
}

void HttpSession::ReadRequest()
{
    const ServerLimits& limits = context_.limits;
    parser_.emplace();
    parser_->header_limit(static_cast<std::uint32_t>(limits.mostHeaderBlockBytes));
    parser_->body_limit(limits.mostBodyBytes);
    // One deadline for the whole request, however slowly it trickles in: a client
    // that sends a header line every few seconds is dropped at it all the same.
    stream_.expires_after(std::chrono::seconds(firstRequest_ ? limits.readTimeoutSeconds : limits.keepAliveSeconds));
    http::async_read(stream_, buffer_, *parser_, [self = shared_from_this()](beast::error_code error, std::size_t) {
        self->OnRead(error);
    });
}

int HttpSession::RefusalOf(beast::error_code error) const
{
    if (error == http::error::body_limit)
        return 413;
    if (error == http::error::header_limit) {
        // The request line alone too long is an address too long.
        const std::string_view received(static_cast<const char*>(buffer_.data().data()), buffer_.size());
        const std::size_t lineEnd = received.find("\r\n");
        return lineEnd == std::string_view::npos || lineEnd > context_.limits.mostLineBytes ? 414 : 431;
    }
    if (error == beast::error::timeout || error == http::error::end_of_stream || error == net::error::eof ||
        error == net::error::connection_reset || error == net::error::operation_aborted ||
        error == http::error::partial_message)
        return 0;
    return 400;
}

int HttpSession::LimitBrokenBy(const Request& request) const
{
    const ServerLimits& limits = context_.limits;
    if (request.target().size() > limits.mostLineBytes)
        return 414;
    std::size_t headers = 0;
    for (const auto& field : request) {
        if (++headers > limits.mostHeaders || field.name_string().size() + field.value().size() + 4 > limits.mostLineBytes)
            return 431;
    }
    return 0;
}

void HttpSession::OnRead(beast::error_code error)
{
    if (error) {
        const int status = RefusalOf(error);
        if (status == 0)
            return;  // the connection closes as the session goes
        Write(Refused(status), 11, false, false);
        return;
    }
    firstRequest_ = false;
    Request request = parser_->release();
    if (const int status = LimitBrokenBy(request)) {
        Write(Refused(status), request.version(), false, false);
        return;
    }
    if (beast::websocket::is_upgrade(request)) {
        UpgradeToWebSocket(std::move(request));
        return;
    }
    Serve(request);
}

void HttpSession::UpgradeToWebSocket(Request request)
{
    // A page of another site may not open a connection in the name of its visitor.
    if (!ComesFromThisSite(FieldOf(request, http::field::host), FieldOf(request, http::field::origin), std::string())) {
        Write(Refused(403), request.version(), false, false);
        return;
    }
    stream_.expires_never();
    const std::string_view target = request.target();
    const WebSocketRoute* route = context_.webSocket;
    if (route && route->make && target.substr(0, target.find('?')) == route->path) {
        const std::string client = ClientAddress(request);
        route->make(std::move(stream_), std::move(ticket_), client)->Accept(std::move(request));
        return;
    }
    std::make_shared<WebSocketSession>(std::move(stream_), std::move(ticket_))->Accept(std::move(request));
}

std::string HttpSession::ClientAddress(const Request& request) const
{
    if (!context_.limits.trustedProxies.count(peerAddress_))
        return peerAddress_;
    if (const auto realIp = request.find("X-Real-IP"); realIp != request.end() && !Trimmed(realIp->value()).empty())
        return Trimmed(realIp->value());
    // Each proxy appends the address it got the request from: the last is the one the
    // trusted proxy saw.
    const auto forwarded = request.find("X-Forwarded-For");
    if (forwarded != request.end()) {
        const std::string_view list = forwarded->value();
        const std::size_t comma = list.rfind(',');
        const std::string last = Trimmed(comma == std::string_view::npos ? list : list.substr(comma + 1));
        if (!last.empty())
            return last;
    }
    return peerAddress_;
}

void HttpSession::Serve(const Request& request)
{
    SiteRequest asked;
    asked.method = std::string(request.method_string());
    // A fragment is the browser's own and never sent; a client that sends one anyway
    // does not have it read as part of the query.
    std::string_view target = request.target();
    target = target.substr(0, target.find('#'));
    const std::size_t question = target.find('?');
    asked.path = DecodedPath(target.substr(0, question));
    if (question != std::string_view::npos)
        asked.params = DecodedForm(target.substr(question + 1));
    if (request.method() == http::verb::post &&
        FieldOf(request, http::field::content_type).starts_with("application/x-www-form-urlencoded")) {
        for (auto& field : DecodedForm(request.body()))
            asked.params.insert(std::move(field));
    }
    asked.clientAddress = ClientAddress(request);
    asked.host = FieldOf(request, http::field::host);
    asked.origin = FieldOf(request, http::field::origin);
    asked.referer = FieldOf(request, http::field::referer);
    asked.cookie = FieldOf(request, http::field::cookie);
    const unsigned version = request.version();
    const bool keepAlive = request.keep_alive();
    const bool head = request.method() == http::verb::head;
    // A kept page is sent at once from the loop; any other is made on the pool, and
    // the answer written on this connection's strand.
    if (std::optional<SiteService::KeptPage> kept = context_.service.Kept(asked)) {
        WriteKept(std::move(*kept), version, keepAlive, head);
        return;
    }
    net::post(context_.pagePool, [self = shared_from_this(), asked = std::move(asked), version, keepAlive, head] {
        SiteResponse answer = self->context_.service.Handle(asked);
        net::post(self->stream_.get_executor(), [self, answer = std::move(answer), version, keepAlive, head]() mutable {
            self->Write(std::move(answer), version, keepAlive, head);
        });
    });
}

void HttpSession::Write(SiteResponse answer, unsigned version, bool keepAlive, bool head)
{
    auto response = std::make_shared<Response>(static_cast<http::status>(answer.status), version);
    response->set(http::field::content_type, answer.contentType);
    for (const auto& [name, value] : answer.headers)
        response->insert(name, value);
    response->body() = std::move(answer.body);
    response->prepare_payload();
    // A HEAD answer tells the length of the page it leaves out.
    if (head)
        response->body().clear();
    response->keep_alive(keepAlive);
    response_ = response;
    stream_.expires_after(std::chrono::seconds(context_.limits.writeTimeoutSeconds));
    http::async_write(stream_, *response, [self = shared_from_this(), keepAlive](beast::error_code error, std::size_t) {
        self->OnWritten(keepAlive, error);
    });
}

void HttpSession::WriteKept(SiteService::KeptPage page, unsigned version, bool keepAlive, bool head)
{
    // The security headers, written once for every kept page.
    static const std::string kSecurityLines = [] {
        std::string lines;
        for (const auto& [name, value] : SiteService::SecurityHeaders())
            lines += name + ": " + value + "\r\n";
        return lines;
    }();
    keptHead_.assign(version == 10 ? "HTTP/1.0 200 OK\r\nContent-Type: " : "HTTP/1.1 200 OK\r\nContent-Type: ");
    keptHead_ += page.contentType;
    keptHead_ += "\r\n";
    keptHead_ += kSecurityLines;
    keptHead_ += "Content-Length: ";
    keptHead_ += std::to_string(page.body->size());
    // HTTP/1.1 keeps a connection unless told, HTTP/1.0 closes it unless told.
    if (version == 10 && keepAlive)
        keptHead_ += "\r\nConnection: keep-alive";
    else if (version != 10 && !keepAlive)
        keptHead_ += "\r\nConnection: close";
    keptHead_ += "\r\n\r\n";
    const std::array<net::const_buffer, 2> buffers{net::buffer(keptHead_),
                                                   head ? net::const_buffer() : net::buffer(*page.body)};
    response_ = std::move(page.body);
    stream_.expires_after(std::chrono::seconds(context_.limits.writeTimeoutSeconds));
    net::async_write(stream_, buffers, [self = shared_from_this(), keepAlive](beast::error_code error, std::size_t) {
        self->OnWritten(keepAlive, error);
    });
}

void HttpSession::OnWritten(bool keepAlive, beast::error_code error)
{
    response_.reset();
    if (error)
        return;
    if (!keepAlive) {
        Linger();
        return;
    }
    ReadRequest();
}

void HttpSession::Linger()
{
    beast::error_code ignored;
    stream_.socket().shutdown(net::ip::tcp::socket::shutdown_send, ignored);
    stream_.expires_after(std::chrono::seconds(2));
    Drain(64 * 1024);
}

void HttpSession::Drain(std::size_t mostBytes)
{
    stream_.async_read_some(net::buffer(drain_), [self = shared_from_this(), mostBytes](beast::error_code error,
                                                                                        std::size_t got) {
        if (!error && got < mostBytes)
            self->Drain(mostBytes - got);
    });
}
