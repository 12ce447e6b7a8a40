#include "net/HttpClient.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/LoopbackServer.h"
#include "tests/support/ProxyGuard.h"

namespace {

const std::string kOkHeader = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n";

std::string Reply(const std::string& body) {
    return kOkHeader + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

TEST(RequestText, PlainGetIsExactlyTheseBytes) {
    LoopbackServer server(LoopbackServer::Answer(Reply("S\t0\t")));
    CHttpClient client;
    std::string reply;
    ASSERT_TRUE(client.Request(reply, server.HostSpec(), 80, "GET //notice.aspx HTTP/1.0\r\n", "", false));
    server.Stop();
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0],
              "GET //notice.aspx HTTP/1.0\r\n"
              "Accept: */*\r\n"
              "User-Agent: Parvo\r\n"
              "Connection: Keep-Alive\r\n"
              "Host: " +
                  server.HostSpec() +
                  "\r\n"
                  "Cookie: \r\n"
                  "\r\n");
}

TEST(RequestText, ASocksProxyAddsTheProxyHeadersButKeepsTheLine) {
    CHttpClient client;
    client.SetCookie("LK");
    const std::string proxyHeaders =
        "Proxy-Connection: Keep-Alive\r\nPragma: no-cache\r\nCache-Control: no-cache\r\n";
    const std::string rest =
        "Accept: */*\r\nUser-Agent: Parvo\r\nConnection: Keep-Alive\r\nHost: h\r\nCookie: LK\r\n\r\n";
    {
        ProxyGuard socks(ProxySettingsRecord::kSocks, "s", 1080);
        EXPECT_EQ(RequestPrefix("h"), "GET ");
        EXPECT_EQ(client.ComposeRequest("h", "GET / HTTP/1.0\r\n", "", false),
                  "GET / HTTP/1.0\r\n" + proxyHeaders + rest);
    }
    EXPECT_EQ(RequestPrefix("h"), "GET ");
    EXPECT_EQ(client.ComposeRequest("h", "GET / HTTP/1.0\r\n", "", false), "GET / HTTP/1.0\r\n" + rest);
}

TEST(RequestText, FormBodyIsCountedWithItsClosingCrLf) {
    CHttpClient client;
    EXPECT_EQ(client.ComposeRequest("h", "POST /f HTTP/1.0\r\n", "0123456789", true),
              "POST /f HTTP/1.0\r\n"
              "Content-Type: application/x-www-form-urlencoded\r\n"
              "Accept: */*\r\nUser-Agent: Parvo\r\nConnection: Keep-Alive\r\nHost: h\r\nCookie: \r\n"
              "Content-Length: 12\r\n"
              "\r\n"
              "0123456789\r\n");
    EXPECT_NE(
        client.ComposeRequest("h", "POST /f HTTP/1.0\r\n", "", true).find("Content-Length: 2\r\n\r\n\r\n"),
        std::string::npos);
}

// What one exchange with a server that writes `chunks` (with a short pause between them) gives.
struct Outcome {
    bool ok;
    int error;
    std::string reply;
    std::string text;
};

// With `stall` the server then holds the connection open without closing it.
Outcome Exchange(const std::vector<std::string>& chunks, bool stall = false) {
    LoopbackServer server([&](LoopbackConnection& c) {
        c.ReadRequest();
        for (const std::string& chunk : chunks) {
            c.Write(chunk);
            c.Pause(30);
        }
        if (stall)
            c.Stall();
    });
    CHttpClient client(nullptr, 5000);
    std::string reply;
    const bool ok = client.Request(reply, server.HostSpec(), 80, "GET / HTTP/1.0\r\n", "", false);
    return {ok, client.GetError(), reply, client.GetErrorText()};
}

// How the client frames what a server writes: the reply, or the failure with its code (0 for none).
TEST(Framing, RepliesInAnyPiecesAndTheirFailures) {
    const std::string body = "S\t0\tlater";
    const std::string header = kOkHeader + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    std::vector<std::string> trickle;
    for (std::size_t i = 0; i < (header + body).size(); i += 20)
        trickle.push_back((header + body).substr(i, 20));
    std::string longBody = "S\t0\t";
    while (longBody.size() < 6000)
        longBody += "0123456789abcdef";
    longBody.resize(6000);
    const struct {
        std::vector<std::string> chunks;
        bool stall;
        bool ok;
        int error;
        std::string reply;
    } cases[] = {
        {{header + body}, false, true, 0, body},
        {{header, body.substr(0, 4), body.substr(4)}, false, true, 0, body},
        // The header itself split over several writes is still found.
        {{header.substr(0, 9), header.substr(9, 20), header.substr(29), body}, false, true, 0, body},
        {trickle, false, true, 0, body},
        // A long body passes through the small buffer.
        {{Reply(longBody).substr(0, 3000), Reply(longBody).substr(3000)}, false, true, 0, longBody},
        // Without a Content-Length the reply ends with the first chunk, without waiting for more.
        {{kOkHeader + "\r\n" + longBody.substr(0, 1000)}, true, true, 0, longBody.substr(0, 1000)},
        {{"HTTP/1.1 200 OK\r\ncontent-length: 5\r\n\r\nS\t0\t"}, true, true, 0, "S\t0\t"},
        // A failure reply is no error.
        {{Reply("F\t105\t")}, false, false, 0, "F\t105\t"},
        // A close before anything.
        {{}, false, false, 0, ""},
        // A status other than 200, also with nothing in its body: never an empty answer.
        {{"HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\nS\t0\t"}, false, false, 6, ""},
        {{"HTTP/1.1 500 Server Error\r\nContent-Length: 0\r\n\r\n"}, false, false, 6, ""},
        // A header whose end never comes within the buffer's size, or before the peer closes.
        {{std::string(5000, 'x')}, false, false, 6, ""},
        {{"HTTP/1.1 200 OK\r\nContent-Len"}, false, false, 6, ""},
        // A reply cut short of its length.
        {{kOkHeader + "Content-Length: 100\r\n\r\nS\t0\tpart"}, false, false, 3, ""},
        {{kOkHeader + "Content-Length: 4\r\n\r\n"}, false, false, 3, ""},
    };
    for (const auto& c : cases) {
        const Outcome out = Exchange(c.chunks, c.stall);
        const std::string what = c.chunks.empty() ? "(nothing)" : c.chunks[0].substr(0, 40);
        EXPECT_EQ(out.ok, c.ok) << what;
        EXPECT_EQ(out.error, c.error) << what;
        if (c.ok || c.error == 0) {
            EXPECT_EQ(out.reply, c.reply) << what;
        }
        EXPECT_EQ(out.text.empty(), c.error == 0) << what;
    }
    EXPECT_EQ(Exchange({header, "part"}).text,
              "데이타 수신중 오류가 발생하였습니다.\n 확인후 다시 시도하여 주십시오.(SOCKET ERR)");
}

TEST(Watchdog, StalledReceiveIsCode5) {
    LoopbackServer server([](LoopbackConnection& c) {
        c.ReadRequest();
        c.Stall();
    });
    CHttpClient client(nullptr, 300);
    std::string reply;
    EXPECT_FALSE(client.Request(reply, server.HostSpec(), 80, "GET / HTTP/1.0\r\n", "", false));
    EXPECT_EQ(client.GetError(), 5);
    EXPECT_EQ(client.GetErrorText(),
              "서버에서 응답이 없습니다.\n 확인후 다시 시도하여 주십시오.(RECV TIME-OUT)");
    EXPECT_TRUE(client.IsNetworkError());
}

TEST(Watchdog, TricklingReplyEndsAtTheWholeRequestsLimit) {
    // Every byte comes well within the step limit, but the reply would take 6 s in all.
    LoopbackServer server([](LoopbackConnection& c) {
        c.ReadRequest();
        c.Write(kOkHeader + "Content-Length: 60\r\n\r\n");
        for (int i = 0; i < 60; ++i) {
            c.Pause(100);
            c.Write("x");
        }
    });
    CHttpClient client(nullptr, 1000);
    std::string reply;
    EXPECT_FALSE(client.Request(reply, server.HostSpec(), 80, "GET / HTTP/1.0\r\n", "", false));
    EXPECT_EQ(client.GetError(), 5);
}

// A listener whose accept queue is full: further connects get no answer and stall.
class FullListener {
public:
    FullListener() {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        ::listen(m_listen, 0);
        socklen_t length = sizeof(address);
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
        for (int& fd : m_fillers) {
            fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~FullListener() {
        for (int fd : m_fillers)
            ::close(fd);
        ::close(m_listen);
    }
    unsigned port = 0;

private:
    int m_listen = -1;
    int m_fillers[3] = {-1, -1, -1};
};

TEST(Watchdog, StalledConnectIsCode1) {
    FullListener listener;
    CHttpClient client(nullptr, 300);
    std::string reply;
    EXPECT_FALSE(client.Request(reply, "127.0.0.1:" + std::to_string(listener.port), 80, "GET / HTTP/1.0\r\n",
                                "", false));
    EXPECT_EQ(client.GetError(), 1);
    EXPECT_EQ(client.GetErrorText(),
              "서버에서 응답이 없습니다(연결실패).\n 확인후 다시 시도하여 주십시오.(RECV TIME-OUT)");
}

}  // namespace
