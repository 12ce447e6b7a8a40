#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "ProxyGuard.h"
#include "net/HttpClient.h"
#include "net/ProxySettings.h"
#include "net/ServiceClient.h"
#include "tests/support/FakeRegistry.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/ProxyDaemon.h"
#include "tests/support/RecordingUi.h"

namespace {

const std::string kInternetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

ProxySettingsRecord Detect(std::uint32_t enable, const std::string& server) {
    FakeRegistry registry;
    registry.values[FakeRegistry::Path(kInternetSettings, "ProxyEnable")] = enable;
    registry.values[FakeRegistry::Path(kInternetSettings, "ProxyServer")] = server;
    ProxySettingsRecord record;
    DetectProxy(registry, record);
    return record;
}

void ExpectProxy(const ProxySettingsRecord& r, int kind, const std::string& host, int port) {
    EXPECT_TRUE(r.enabled);
    EXPECT_EQ(r.kind, kind);
    EXPECT_EQ(r.host, host);
    EXPECT_EQ(r.port, port);
}

TEST(DetectProxy, DisabledOrMissingLeavesTheRecordAlone) {
    EXPECT_FALSE(Detect(0, "proxy:8080").enabled);
    FakeRegistry empty;
    ProxySettingsRecord record;
    DetectProxy(empty, record);
    EXPECT_FALSE(record.enabled);
    EXPECT_EQ(record.host, "");
}

TEST(DetectProxy, HttpEntriesTakeTheFirstHostAndPort) {
    ExpectProxy(Detect(1, "proxy:8080"), 3, "proxy", 8080);
    ExpectProxy(Detect(1, "http=a:3128;https=b:3129"), 3, "a", 3128);
    ExpectProxy(Detect(1, "https=b:3129;http=a:3128"), 3, "b", 3129);  // first entry, whatever its scheme
    ExpectProxy(Detect(1, "proxyhost"), 3, "", 0);                     // no port: empty host, port 0
    ExpectProxy(Detect(1, ""), 3, "", 0);
}

TEST(DetectProxy, SocksEntryWinsWhereverItStands) {
    ExpectProxy(Detect(1, "http=a:3128;socks=s:1080"), 1, "s", 1080);
    ExpectProxy(Detect(1, "socks=10.0.0.1:1080"), 1, "10.0.0.1", 1080);
    ExpectProxy(Detect(1, "socks=s:1080;http=a:3128"), 1, "s", 1080);
    // No token starting "socks=": the last token is taken.
    ExpectProxy(Detect(1, "http=a:1;xsocks=q:2"), 1, "q", 2);
    // "socks=" alone is too short: enabled, HTTP kind, nothing else.
    ExpectProxy(Detect(1, "socks="), 3, "", 0);
    ExpectProxy(Detect(1, "SOCKS=s:1080"), 3, "s", 1080);  // the test is case-sensitive
}

// A SOCKS4 proxy played by the test: it records the handshake and answers with `answer`, split after
// `split` bytes when that is below 8.
struct FakeSocks {
    std::string handshake;
    LoopbackServer server;
    FakeSocks(const std::string& answer, std::size_t split)
        : server([this, answer, split](LoopbackConnection& c) {
              handshake = c.ReadBytes(9);
              c.Write(answer.substr(0, split));
              if (split < answer.size()) {
                  c.Pause(300);
                  c.Write(answer.substr(split));
              }
              c.Pause(100);
          }) {}
};

bool ConnectThroughSocks(FakeSocks& socks, unsigned destinationPort) {
    ProxyGuard guard(ProxySettingsRecord::kSocks, "127.0.0.1", static_cast<int>(socks.server.Port()));
    CHttpSocket socket;
    return socket.Create() && socket.Connect("127.0.0.1", destinationPort);
}

TEST(Socks4, HandshakeIsNineBytesAndByte90Grants) {
    FakeSocks granted(std::string("\0\x5a\0\0\0\0\0\0", 8), 8);
    EXPECT_TRUE(ConnectThroughSocks(granted, 0x1F90));
    granted.server.Stop();
    EXPECT_EQ(granted.handshake, std::string("\x04\x01\x1F\x90\x7F\x00\x00\x01\x00", 9));

    FakeSocks refused(std::string("\0\x5b\0\0\0\0\0\0", 8), 8);
    EXPECT_FALSE(ConnectThroughSocks(refused, 80));

    FakeSocks split(std::string("\0\x5a\0\0\0\0\0\0", 8), 3);
    EXPECT_FALSE(ConnectThroughSocks(split, 80));
}

TEST(Proxy, DestinationMustResolveLocallyEvenForAnHttpProxy) {
    FakeSocks socks(std::string("\0\x5a\0\0\0\0\0\0", 8), 8);
    ProxyGuard guard(ProxySettingsRecord::kHttp, "127.0.0.1", static_cast<int>(socks.server.Port()));
    CHttpSocket socket;
    ASSERT_TRUE(socket.Create());
    EXPECT_FALSE(socket.Connect("no-such-host.invalid", 80));
    EXPECT_EQ(socket.GetLastError(), kSocketErrorInvalid);
}

TEST(Proxy, EmptyProxyHostFailsEveryConnect) {
    LoopbackServer destination(LoopbackServer::Answer("HTTP/1.0 200 OK\r\nContent-Length: 4\r\n\r\nS\t0\t"));
    ProxyGuard guard(ProxySettingsRecord::kHttp, "", 0);
    CHttpClient client;
    std::string reply;
    EXPECT_FALSE(client.Request(reply, destination.HostSpec(), 80, "GET / HTTP/1.0\r\n", "", false));
    EXPECT_EQ(client.GetError(), 1);
    EXPECT_EQ(destination.Connections(), 0);
}

// The destination: a small service answering logins and listings.
LoopbackServer::Handler Service() {
    return [](LoopbackConnection& c) {
        const std::string request = c.ReadRequest();
        const std::string body = request.find("login.aspx") != std::string::npos
                                     ? "S\t0\tkim\tt2\tt3\tINF\t700\t0\tY\tpw\t\tLK1\t"
                                     : "S\t0\tS0\t1\t10\t0\t1\t-1\tMovies\tc\td\t0\t0\r\n";
        c.Write("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
    };
}

class CountingSink : public IListingSink {
public:
    int items = 0;
    void AddReplyItem(const CRemoteItem&, const CRemoteLocation&, bool) override { ++items; }
    void PartitionView() override {}
};

void LoginAndListThrough(int kind, unsigned proxyPort) {
    LoopbackServer destination(Service());
    ::setenv("FOLDVEN_API_HOST", destination.HostSpec().c_str(), 1);
    ProxyGuard guard(kind, "127.0.0.1", static_cast<int>(proxyPort));
    RecordingUi ui;
    CSessionInfo session;
    session.apiHost = destination.HostSpec();
    session.listKey = "LK1";
    CServiceClient client(0, session, ui, ui);
    EXPECT_TRUE(client.Login("kim", "pw"));
    EXPECT_EQ(client.GetReply().substr(0, 4), "kim\t");
    CountingSink sink;
    CRemoteLocation root;
    EXPECT_TRUE(client.RequestListing(sink, root, false));
    EXPECT_EQ(sink.items, 1);
    EXPECT_TRUE(ui.events.empty());
    destination.Stop();
    EXPECT_EQ(destination.Requests().size(), 2u);
    ::unsetenv("FOLDVEN_API_HOST");
}

TEST(RealProxies, LoginAndListingThroughDanteSocks4) {
    const std::string danted = "/usr/sbin/danted";
    if (!ProxyDaemon::Installed(danted))
        GTEST_SKIP() << "dante-server (danted) is not installed";
    ProxyDaemon daemon;
    const bool root = ::geteuid() == 0;
    const std::string config = "logoutput: " + daemon.Dir() + "/danted.log\n" +
                               "internal: 127.0.0.1 port = " + std::to_string(daemon.Port()) + "\n" +
                               "external: 127.0.0.1\nclientmethod: none\nsocksmethod: none\n" +
                               (root ? "user.privileged: root\nuser.unprivileged: nobody\n" : "") +
                               "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n"
                               "socks pass { from: 127.0.0.0/8 to: 127.0.0.0/8 command: connect }\n";
    ASSERT_TRUE(daemon.Start(danted, {"-f", "{config}", "-p", daemon.Dir() + "/danted.pid"}, config))
        << daemon.Output();
    LoginAndListThrough(ProxySettingsRecord::kSocks, daemon.Port());
}

TEST(RealProxies, LoginAndListingThroughTinyproxy) {
    const std::string tinyproxy = "/usr/bin/tinyproxy";
    if (!ProxyDaemon::Installed(tinyproxy))
        GTEST_SKIP() << "tinyproxy is not installed";
    ProxyDaemon daemon;
    const bool root = ::geteuid() == 0;
    const std::string config = "Port " + std::to_string(daemon.Port()) + "\nListen 127.0.0.1\nTimeout 30\n" +
                               "Allow 127.0.0.1\nMaxClients 10\n" +
                               (root ? "User nobody\nGroup nogroup\n" : "") + "LogFile \"" + daemon.Dir() +
                               "/tinyproxy.log\"\n";
    ASSERT_TRUE(daemon.Start(tinyproxy, {"-d", "-c", "{config}"}, config)) << daemon.Output();
    LoginAndListThrough(ProxySettingsRecord::kHttp, daemon.Port());
}

}  // namespace
