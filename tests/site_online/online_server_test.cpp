// SPDX-License-Identifier: GPL-3.0-or-later
// The live tables over real WebSockets: a site with its tables on 127.0.0.1, and
// clients of the test's own.
#include "site/online/ui/online_hub.h"
#include "site/online/ui/online_tables.h"
#include "site/ui/site_server.h"
#include "site/ui/site_service.h"

#include "model/language.h"
#include "lexicon/core/lexicon_writer.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

#include <sys/socket.h>
#include <sys/time.h>

#include <gtest/gtest.h>

#include <thread>

namespace {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = net::ip::tcp;

QJsonObject Parsed(const std::string& message)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(message)).object();
}

// A site with its live tables, over a lexicon of a few words and a fresh database.
class OnlineSite {
public:
    // One of several processes when named, on `database` when given.
    explicit OnlineSite(const QString& processName = QString(), const QString& database = QString())
        : service_(Config(database)), server_(service_, ServerLimits{})
    {
        hub_ = ServeOnlineTables(server_, service_, lexicons_, 1000, processName);
        port_ = server_.Bind("127.0.0.1", 0);
        if (port_ > 0) {
            thread_ = std::thread([this] { server_.Listen(); });
            server_.WaitUntilReady(5000);
        }
    }
    ~OnlineSite()
    {
        server_.Stop();
        if (thread_.joinable())
            thread_.join();
    }
    int Port() const { return port_; }

private:
    SiteConfig Config(const QString& database)
    {
        const QString lexicon = QDir(folder_.path()).filePath(QStringLiteral("SLESSICO.1"));
        std::array<QStringList, kLexiconListCount> lists;
        for (const QString word : {"SALE", "TELA", "COLLE", "STELO", "CASTELLO"})
            lists[word.size() - 3].append(word);
        WriteLexiconFile(lexicon, ComposeLexicon(ToLexiconWordLists(lists), LexiconBanner(Language::Italian)));
        lexicons_ = SiteLexicons::Load({folder_.path()});
        SiteConfig config;
        config.database.path =
            database.isEmpty() ? QDir(folder_.path()).filePath(QStringLiteral("site.sqlite")) : database;
        config.lexicons = lexicons_;
        return config;
    }

    QTemporaryDir folder_;
    std::shared_ptr<const SiteLexicons> lexicons_;
    SiteService service_;
    SiteServer server_;
    std::shared_ptr<OnlineHub> hub_;
    int port_ = -1;
    std::thread thread_;
};

// A browser's socket, read with a deadline.
class Client {
public:
    // A page of this site sends its own origin, host and port.
    explicit Client(int port, std::string origin = std::string(), const std::string& path = "/letterama/online/ws",
                    const std::string& cookie = std::string())
    {
        if (origin.empty())
            origin = "http://127.0.0.1:" + std::to_string(port);
        socket_.next_layer().connect(tcp::endpoint(net::ip::make_address("127.0.0.1"), static_cast<unsigned short>(port)));
        const timeval wait{10, 0};
        setsockopt(socket_.next_layer().native_handle(), SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        socket_.set_option(websocket::stream_base::decorator([origin, cookie](websocket::request_type& request) {
            request.set(beast::http::field::origin, origin);
            if (!cookie.empty())
                request.set(beast::http::field::cookie, cookie);
        }));
        socket_.handshake("127.0.0.1:" + std::to_string(port), path, error_);
    }
    bool Connected() const { return !error_; }
    void Send(const std::string& text) { socket_.write(net::buffer(text)); }
    // The next message, or "" when none came in time.
    std::string Read()
    {
        beast::flat_buffer buffer;
        beast::error_code error;
        socket_.read(buffer, error);
        if (error)
            return {};
        const std::string text = beast::buffers_to_string(buffer.data());
        received.push_back(text);
        return text;
    }
    // Reads until a message of kind `t` (and, for a state, `phase`); null when none came.
    QJsonObject ReadUntil(const QString& t, const QString& phase = QString())
    {
        for (int i = 0; i < 2000; ++i) {
            const std::string text = Read();
            if (text.empty())
                return {};
            const QJsonObject message = Parsed(text);
            if (message[QStringLiteral("t")] == t && (phase.isEmpty() || message[QStringLiteral("phase")] == phase))
                return message;
        }
        return {};
    }
    std::vector<std::string> received;

private:
    net::io_context io_;
    websocket::stream<tcp::socket> socket_{io_};
    beast::error_code error_;
};

TEST(OnlineServer, EachMalformedOversizedOrUntimelyMessageIsRefusedOverTheSocket)
{
    OnlineSite site;
    ASSERT_GT(site.Port(), 0);
    Client client(site.Port());
    ASSERT_TRUE(client.Connected());
    const struct {
        std::string message;
        std::string why;
    } cases[] = {
        {std::string(R"({"t":"word","word":")") + std::string(2000, 'A') + "\"}", "size"},
        {"not json at all", "malformed"},
        {R"({"t":"fly"})", "unknown"},
        {R"({"t":"word","word":"SALE"})", "table"},
        {R"({"t":"draw","kind":"auto"})", "table"},
        {R"({"t":"join","table":"nessuno"})", "table"},
        {R"({"t":"create","name":"Anna","language":2,"letters":8,"seconds":30,"level":2})", "language"},
    };
    for (const auto& row : cases) {
        client.Send(row.message);
        const QJsonObject answer = client.ReadUntil(QStringLiteral("refused"));
        EXPECT_EQ(answer[QStringLiteral("why")].toString().toStdString(), row.why) << row.message.substr(0, 60);
    }
    // A flood is cut down to the rate.
    for (int i = 0; i < 80; ++i)
        client.Send(R"({"t":"lobby"})");
    EXPECT_EQ(client.ReadUntil(QStringLiteral("refused"))[QStringLiteral("why")].toString(), QStringLiteral("rate"));
}

TEST(OnlineServer, APageOfAnotherSiteCannotOpenTheSocket)
{
    OnlineSite site;
    ASSERT_GT(site.Port(), 0);
    EXPECT_TRUE(Client(site.Port()).Connected());
    EXPECT_FALSE(Client(site.Port(), "http://other.example").Connected());
}

TEST(OnlineServer, TwoBrowsersPlayAMancheAndNeitherSeesTheOthersWordBeforeTheResults)
{
    OnlineSite site;
    ASSERT_GT(site.Port(), 0);
    Client anna(site.Port());
    Client bruno(site.Port());
    anna.Send(R"({"t":"create","name":"Anna","language":1,"letters":8,"seconds":30,"level":2})");
    const QJsonObject created = anna.ReadUntil(QStringLiteral("created"));
    const std::string table = created[QStringLiteral("table")].toString().toStdString();
    ASSERT_FALSE(table.empty());
    anna.Send(R"({"t":"join","table":")" + table + R"(","token":")" +
              created[QStringLiteral("token")].toString().toStdString() + "\"}");
    ASSERT_EQ(anna.ReadUntil(QStringLiteral("state"))[QStringLiteral("you")].toInt(), 0);
    bruno.Send(R"({"t":"join","table":")" + table + "\"}");
    ASSERT_EQ(bruno.ReadUntil(QStringLiteral("state"))[QStringLiteral("you")].toInt(), -1);
    bruno.Send(R"({"t":"sit","name":"Bruno"})");
    ASSERT_FALSE(bruno.ReadUntil(QStringLiteral("seated")).isEmpty());

    anna.Send(R"({"t":"draw","kind":"auto"})");
    const QString letters = anna.ReadUntil(QStringLiteral("state"), QStringLiteral("playing"))[QStringLiteral("letters")].toString();
    ASSERT_EQ(letters.size(), 8);
    // Two words of the board's letters, in a form no state carries but a word's.
    const QString annaWord = letters.left(3), brunoWord = letters.mid(4, 4);
    anna.Send(R"({"t":"word","word":")" + annaWord.toStdString() + "\"}");
    bruno.Send(R"({"t":"word","word":")" + brunoWord.toStdString() + "\"}");
    bruno.ReadUntil(QStringLiteral("state"), QStringLiteral("playing"));
    anna.Send(R"({"t":"done"})");
    bruno.Send(R"({"t":"done"})");
    const QJsonObject annaResults = anna.ReadUntil(QStringLiteral("state"), QStringLiteral("results"));
    const QJsonObject brunoResults = bruno.ReadUntil(QStringLiteral("state"), QStringLiteral("results"));
    ASSERT_FALSE(annaResults.isEmpty());
    ASSERT_FALSE(brunoResults.isEmpty());

    const auto sawBefore = [](const Client& client, const QString& word) {
        for (const std::string& text : client.received) {
            const QJsonObject message = Parsed(text);
            if (message[QStringLiteral("phase")] == QStringLiteral("results"))
                return false;
            if (QString::fromStdString(text).contains(QLatin1Char('"') + word + QLatin1Char('"'), Qt::CaseInsensitive))
                return true;
        }
        return false;
    };
    EXPECT_FALSE(sawBefore(bruno, annaWord));
    EXPECT_FALSE(sawBefore(anna, brunoWord));
    const QJsonArray rows = brunoResults[QStringLiteral("results")][QStringLiteral("rows")].toArray();
    EXPECT_EQ(rows, annaResults[QStringLiteral("results")][QStringLiteral("rows")].toArray());
    EXPECT_EQ(rows[0][QStringLiteral("word")].toString(), annaWord.toLower());
    EXPECT_EQ(rows[1][QStringLiteral("word")].toString(), brunoWord.toLower());
}

// Behind nginx: the ID names the process, and a table's socket path carries the ID.
// The browser's seat cookie, sent with the upgrade, seats a reload without a token.
TEST(OnlineServer, ATablesSocketPathNamesItsTableAndTheSeatCookieSeatsTheSameBrowser)
{
    OnlineSite site(QStringLiteral("b2"));
    ASSERT_GT(site.Port(), 0);
    const std::string cookie = "tema=scuro; letterama_posto=carla-browser-key-0001";
    Client lobby(site.Port(), std::string(), "/letterama/online/ws", cookie);
    lobby.Send(R"({"t":"create","name":"Carla","language":1,"letters":8,"seconds":30,"level":2})");
    const std::string table = lobby.ReadUntil(QStringLiteral("created"))[QStringLiteral("table")].toString().toStdString();
    ASSERT_EQ(table.rfind("b2-", 0), 0u) << table;

    Client page(site.Port(), std::string(), "/letterama/online/ws/" + table, cookie);
    ASSERT_TRUE(page.Connected());
    page.Send(R"({"t":"join","table":")" + table + "\"}");
    EXPECT_EQ(page.ReadUntil(QStringLiteral("state"))[QStringLiteral("you")].toInt(), 0);

    Client otherBrowser(site.Port(), std::string(), "/letterama/online/ws/" + table,
                        "letterama_posto=another-browser-key-02");
    otherBrowser.Send(R"({"t":"join","table":")" + table + "\"}");
    EXPECT_EQ(otherBrowser.ReadUntil(QStringLiteral("state"))[QStringLiteral("you")].toInt(), -1);

}

// Two processes on one database: a table opened at one is in the other's lobby.
TEST(OnlineServer, TheLobbyOfEachProcessShowsTheTablesOfAll)
{
    QTemporaryDir folder;
    const QString database = QDir(folder.path()).filePath(QStringLiteral("shared.sqlite"));
    OnlineSite a(QStringLiteral("a"), database);
    OnlineSite b(QStringLiteral("b"), database);
    ASSERT_GT(a.Port(), 0);
    ASSERT_GT(b.Port(), 0);
    Client anna(a.Port());
    anna.Send(R"({"t":"create","name":"Anna","language":1,"letters":8,"seconds":30,"level":2})");
    const QString table = anna.ReadUntil(QStringLiteral("created"))[QStringLiteral("table")].toString();
    ASSERT_TRUE(table.startsWith(QStringLiteral("a-"))) << table.toStdString();

    Client lobby(b.Port());
    bool listed = false;
    for (int attempt = 0; attempt < 40 && !listed; ++attempt) {
        lobby.Send(R"({"t":"lobby"})");
        for (const QJsonValue row : lobby.ReadUntil(QStringLiteral("tables"))[QStringLiteral("tables")].toArray())
            listed = listed || row[QStringLiteral("id")].toString() == table;
        if (!listed)
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    EXPECT_TRUE(listed) << "the table of process a in the lobby of process b";
}

TEST(OnlineServer, AWinnersTotalIsAVerifiedRecordMarkedInTheTable)
{
    QTemporaryDir folder;
    SiteConfig config;
    config.database.path = QDir(folder.path()).filePath(QStringLiteral("site.sqlite"));
    SiteService service(config);
    SiteRequest request;
    request.method = "GET";
    request.path = "/letterama/";
    request.params.emplace("Language", "1");
    // The table is kept once read: the record must reach it all the same.
    ASSERT_EQ(service.Handle(request).body.find("Anna"), std::string::npos);
    EXPECT_FALSE(service.RecordFromTable(Language::Italian, QStringLiteral("Nessuno"), 0, "127.0.0.1"));
    ASSERT_TRUE(service.RecordFromTable(Language::Italian, QStringLiteral("Anna <b>"), 4200, "127.0.0.1"));
    const std::string page = service.Handle(request).body;
    EXPECT_NE(page.find("Anna &lt;b&gt; <small>(giocato on-line)</small>"), std::string::npos) << page;
    EXPECT_EQ(page.find("Nessuno"), std::string::npos);
    service.ThreadEnds();
}

}  // namespace
