// SPDX-License-Identifier: GPL-3.0-or-later
#include "site_server.h"

#include "site_pages.h"

#include <httplib.h>

#include <sys/socket.h>

#include <chrono>
#include <thread>

namespace {

// Debian's library listens with a queue of 5 connections waiting to be accepted: a
// few clients reconnecting at once overflow it, and each dropped one waits a second
// for its retransmission. nginx's queue instead.
constexpr int kListenBacklog = 511;

void WriteAnswer(const SiteResponse& answer, httplib::Response& res)
{
    res.status = answer.status;
    for (const auto& [name, value] : answer.headers)
        res.set_header(name.c_str(), value);
    res.set_content(answer.body, answer.contentType.c_str());
}

// The page for a request refused before it reached the service.
SiteResponse Refused(int status)
{
    QString message;
    switch (status) {
    case 413: message = QStringLiteral("La richiesta è troppo grande."); break;
    case 414: message = QStringLiteral("L'indirizzo richiesto è troppo lungo."); break;
    case 431: message = QStringLiteral("La richiesta ha troppe intestazioni."); break;
    case 404: message = QStringLiteral("Il documento che hai richiesto non è stato trovato."); break;
    case 500: message = QStringLiteral("Si è verificato un errore interno. Riprova più tardi."); break;
    default: message = QStringLiteral("La richiesta non è valida."); break;
    }
    SiteResponse answer{status, "text/html; charset=utf-8",
                        SitePages::Problem(QStringLiteral("Richiesta non accettata"), message).toStdString(), {}};
    answer.headers = SiteService::SecurityHeaders();
    return answer;
}

}  // namespace

SiteServer::SiteServer(SiteService& service, ServerLimits limits)
    : service_(service), limits_(limits), server_(std::make_unique<httplib::Server>())
{
    httplib::Server& server = *server_;
    const int threads = limits_.threads;
    server.new_task_queue = [threads] { return new httplib::ThreadPool(static_cast<std::size_t>(threads)); };
    server.set_read_timeout(limits_.readTimeoutSeconds, 0);
    server.set_write_timeout(limits_.writeTimeoutSeconds, 0);
    server.set_keep_alive_timeout(limits_.keepAliveSeconds);
    server.set_keep_alive_max_count(100);
    server.set_payload_max_length(limits_.mostBodyBytes);
    // The library writes the headers and the body in two sends: with Nagle's
    // algorithm the body would wait for the client's delayed acknowledgement (40 ms).
    server.set_tcp_nodelay(true);
    server.set_socket_options([this](socket_t socket) {
        httplib::default_socket_options(socket);
        lastSocket_ = socket;
    });

    const auto handle = [this](const httplib::Request& req, httplib::Response& res) {
        // The library sets REMOTE_ADDR, REMOTE_PORT and the like among the headers.
        if (req.headers.size() > limits_.mostHeaders + 4) {
            WriteAnswer(Refused(431), res);
            return;
        }
        SiteRequest request;
        request.method = req.method;
        request.path = req.path;
        request.params.insert(req.params.begin(), req.params.end());
        request.clientAddress = req.remote_addr;
        if (limits_.behindProxy && req.has_header("X-Real-IP"))
            request.clientAddress = req.get_header_value("X-Real-IP");
        WriteAnswer(service_.Handle(request), res);
    };
    server.Get(".*", handle);
    server.Post(".*", handle);
    server.Put(".*", handle);
    server.Delete(".*", handle);
    server.Patch(".*", handle);
    server.Options(".*", handle);

    server.set_error_handler(httplib::Server::HandlerWithResponse(
        [](const httplib::Request&, httplib::Response& res) {
            if (!res.body.empty())
                return httplib::Server::HandlerResponse::Unhandled;
            WriteAnswer(Refused(res.status), res);
            return httplib::Server::HandlerResponse::Handled;
        }));
    server.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
        WriteAnswer(Refused(500), res);
    });
}

SiteServer::~SiteServer()
{
    Stop();
}

int SiteServer::Bind(const std::string& host, int port)
{
    const int bound = port == 0 ? server_->bind_to_any_port(host) : (server_->bind_to_port(host, port) ? port : -1);
    // Listening again on a listening socket only changes its queue.
    if (bound > 0 && lastSocket_ >= 0)
        ::listen(lastSocket_, kListenBacklog);
    return bound;
}

bool SiteServer::Listen()
{
    return server_->listen_after_bind();
}

void SiteServer::Stop()
{
    if (server_)
        server_->stop();
}

bool SiteServer::WaitUntilReady(int milliseconds) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!server_->is_running()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
