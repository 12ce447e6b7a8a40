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

TEST(Framing, OneChunkGivesTheBodyAlone) {
    const Outcome out = Exchange({Reply("S\t0\tbody")});
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(out.reply, "S\t0\tbody");
}

TEST(Framing, HeaderAndBodyArrivingApart) {
    const std::string body = "S\t0\tlater";
    const std::string header = kOkHeader + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    Outcome out = Exchange({header, body.substr(0, 4), body.substr(4)});
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(out.reply, body);

    // The header itself split over several writes is still found.
    out = Exchange({header.substr(0, 9), header.substr(9, 20), header.substr(29), body});
    EXPECT_TRUE(out.ok) << out.error;
    EXPECT_EQ(out.reply, body);

    const std::string whole = Reply(body);
    std::vector<std::string> trickle;
    for (std::size_t i = 0; i < whole.size(); i += 20)
        trickle.push_back(whole.substr(i, 20));
    out = Exchange(trickle);
    EXPECT_TRUE(out.ok) << out.error;
    EXPECT_EQ(out.reply, body);
}

TEST(Framing, LongBodyPassesThroughTheSmallBuffer) {
    std::string body = "S\t0\t";
    while (body.size() < 6000)
        body += "0123456789abcdef";
    body.resize(6000);
    Outcome out = Exchange({Reply(body).substr(0, 3000), Reply(body).substr(3000)});
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(out.reply, body);

    // Without a Content-Length the reply ends with the first chunk, without waiting for more.
    out = Exchange({kOkHeader + "\r\n" + body.substr(0, 1000)}, true);
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(out.reply, body.substr(0, 1000));

    out = Exchange({"HTTP/1.1 200 OK\r\ncontent-length: 5\r\n\r\nS\t0\t"}, true);
    EXPECT_TRUE(out.ok);
    EXPECT_EQ(out.reply, "S\t0\t");
}

TEST(Framing, StatusOtherThan200FailsWithCode6AndAText) {
    Outcome out = Exchange({"HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\nS\t0\t"});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.error, 6);
    EXPECT_FALSE(out.text.empty());
    // Also with nothing in its body: an error status never passes for an empty answer.
    out = Exchange({"HTTP/1.1 500 Server Error\r\nContent-Length: 0\r\n\r\n"});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.error, 6);

    // A header whose end never comes within the buffer's size, or before the peer closes.
    out = Exchange({std::string(5000, 'x')});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.error, 6);
    out = Exchange({"HTTP/1.1 200 OK\r\nContent-Len"});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.error, 6);
}

TEST(Framing, CloseBeforeAnythingIsFalseWithoutAnError) {
    const Outcome out = Exchange({});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.error, 0);
    EXPECT_EQ(out.text, "");
}

TEST(Framing, ReplyCutShortOfItsLengthIsAReceiveFailure) {
    Outcome out = Exchange({kOkHeader + "Content-Length: 100\r\n\r\nS\t0\tpart"});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.error, 3);
    EXPECT_EQ(out.text, "데이타 수신중 오류가 발생하였습니다.\n 확인후 다시 시도하여 주십시오.(SOCKET ERR)");
    out = Exchange({kOkHeader + "Content-Length: 4\r\n\r\n"});
    EXPECT_EQ(out.error, 3);
}

TEST(Framing, FailureReplyIsNotAnError) {
    const Outcome out = Exchange({Reply("F\t105\t")});
    EXPECT_FALSE(out.ok);
    EXPECT_EQ(out.error, 0);
    EXPECT_EQ(out.reply, "F\t105\t");
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
