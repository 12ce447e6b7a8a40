#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>
#include "FoldVenBrowser/catalogue/ListingSink.h"
#include "FoldVenBrowser/service/ServiceClient.h"
#include "net/HttpClient.h"
#include "net/ProxySettings.h"
#include "tests/support/FakeRegistry.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/ProxyDaemon.h"
#include "tests/support/ProxyGuard.h"
#include "tests/support/RecordingUi.h"

namespace {

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
