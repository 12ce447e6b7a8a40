#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "net/HttpClient.h"
#include "net/ProxySettings.h"
#include "tests/support/FakeRegistry.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/ProxyGuard.h"
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

// What a ProxyServer value gives: kind, host, port (enabled in every case).
TEST(DetectProxy, HttpEntriesTakeTheFirstHostAndPortAndASocksEntryWinsWhereverItStands) {
    const struct {
        const char* server;
        int kind;
        const char* host;
        int port;
    } cases[] = {
        {"proxy:8080", 3, "proxy", 8080},
        {"http=a:3128;https=b:3129", 3, "a", 3128},
        {"https=b:3129;http=a:3128", 3, "b", 3129},  // first entry, whatever its scheme
        {"proxyhost", 3, "", 0},                     // no port: empty host, port 0
        {"", 3, "", 0},
        {"http=a:3128;socks=s:1080", 1, "s", 1080},
        {"socks=10.0.0.1:1080", 1, "10.0.0.1", 1080},
        {"socks=s:1080;http=a:3128", 1, "s", 1080},
        {"http=a:1;xsocks=q:2", 1, "q", 2},  // no token starting "socks=": the last token is taken
        {"socks=", 3, "", 0},                // too short: HTTP kind, nothing else
        {"SOCKS=s:1080", 3, "s", 1080},      // the test is case-sensitive
    };
    for (const auto& c : cases) {
        const ProxySettingsRecord r = Detect(1, c.server);
        EXPECT_TRUE(r.enabled) << c.server;
        EXPECT_EQ(r.kind, c.kind) << c.server;
        EXPECT_EQ(r.host, c.host) << c.server;
        EXPECT_EQ(r.port, c.port) << c.server;
    }

    // Disabled or missing leaves the record alone.
    EXPECT_FALSE(Detect(0, "proxy:8080").enabled);
    FakeRegistry empty;
    ProxySettingsRecord record;
    DetectProxy(empty, record);
    EXPECT_FALSE(record.enabled);
    EXPECT_EQ(record.host, "");
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

}  // namespace
