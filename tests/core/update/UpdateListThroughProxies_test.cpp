#include <unistd.h>

#include <gtest/gtest.h>

#include "VenUpdater/update/UpdateListRequest.h"
#include "VenUpdater/update/UpdateSocket.h"
#include "net/ProxySettings.h"
#include "tests/core/net/ProxyGuard.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/ProxyDaemon.h"
#include "tests/support/RecordingUi.h"

namespace {

const std::string kList = "skin@FoldVenBrowser.exe\t2, 3, 1, 3\t1000";

std::string Ok(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Fetches the list from a loopback destination through the proxy of `kind` on `proxyPort`.
void FetchThrough(int kind, unsigned proxyPort) {
    LoopbackServer destination(LoopbackServer::Answer(Ok(kList)));
    ProxyGuard guard(kind, "127.0.0.1", static_cast<int>(proxyPort));
    RecordingUi ui;
    CUpdateSocket socket(&ui);
    CUpdateListRequest request(socket, ui, 0);
    EXPECT_TRUE(request.Fetch(destination.HostSpec(), true, kind));
    EXPECT_EQ(request.Reply(), kList);
    EXPECT_TRUE(ui.events.empty());
    destination.Stop();
    ASSERT_EQ(destination.Requests().size(), 1u);
    const std::string seen = destination.Requests()[0];
    EXPECT_NE(seen.find("/update/ReturnFileUpdateList.aspx HTTP/1."), std::string::npos) << seen;
    EXPECT_NE(seen.find("Cookie: User=Update\r\n"), std::string::npos) << seen;
    EXPECT_NE(seen.find("User-Agent: FoldVEn\r\n"), std::string::npos) << seen;
}

TEST(UpdateListThroughProxies, Socks4WithDante) {
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
    FetchThrough(ProxySettingsRecord::kSocks, daemon.Port());
}

TEST(UpdateListThroughProxies, HttpProxyWithTinyproxy) {
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
    FetchThrough(ProxySettingsRecord::kHttp, daemon.Port());
}

TEST(UpdateListRequestLimits, ASilentServerIsGivenUpOn) {
    // Accepts, reads the request and never answers until the test ends.
    LoopbackServer silent([](LoopbackConnection& c) {
        c.ReadRequest();
        c.ReadBytes(1);
    });
    RecordingUi ui;
    CUpdateSocket socket(&ui, 300);
    CUpdateListRequest request(socket, ui, 0);
    EXPECT_FALSE(request.Fetch(silent.HostSpec(), false, 0));
    EXPECT_EQ(request.Reply(), "");
}

}  // namespace
