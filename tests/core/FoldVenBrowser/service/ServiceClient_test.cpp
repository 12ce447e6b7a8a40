#include "FoldVenBrowser/service/ServiceClient.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "tests/support/LoopbackServer.h"
#include "tests/support/ProxyGuard.h"
#include "tests/support/RecordingUi.h"

namespace {

std::string FirstLine(const std::string& request) {
    return request.substr(0, request.find("\r\n") + 2);
}

class ServiceClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui.strings = {{115, "no permission"}, {116, "no such command"}, {117, "wrong password"}};
    }
    void TearDown() override { ::unsetenv("FOLDVEN_API_HOST"); }

    // Points the API host at `server` and the session at the same host.
    void UseHost(const std::string& hostSpec) {
        ::setenv("FOLDVEN_API_HOST", hostSpec.c_str(), 1);
        session.apiHost = hostSpec;
    }
    std::string UnusedHost() {
        unsigned port;
        {
            LoopbackServer closed([](LoopbackConnection&) {});
            port = closed.Port();
        }
        return "127.0.0.1:" + std::to_string(port);
    }

    RecordingUi ui;
    CSessionInfo session;
};

TEST_F(ServiceClientTest, LoginEscapesTheQueryAndKeepsTheReplyAfterTheEnvelope) {
    LoopbackServer server(
        LoopbackServer::Answer(HttpReply("S\t0\tkim@x\tt2\tt3\tINF\t500\t0\tY\tp&w\t\tLK\t")));
    UseHost(server.HostSpec());
    CServiceClient client(0, session, ui, ui);
    ASSERT_TRUE(client.Login("kim@x", "p&w"));
    EXPECT_EQ(client.GetReply(), "kim@x\tt2\tt3\tINF\t500\t0\tY\tp&w\t\tLK\t");
    server.Stop();
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(FirstLine(server.Requests()[0]),
              "GET //login.aspx?UID=kim%40x&PWD=p%26w&VER=2.3.1.2 HTTP/1.0\r\n");
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(ServiceClientTest, ThroughAnHttpProxyTheTargetIsAbsoluteAndTheProxyHeadersAreSent) {
    LoopbackServer proxy(LoopbackServer::Answer(HttpReply("S\t0\tkim\t")));
    ProxyGuard guard(ProxySettingsRecord::kHttp, "127.0.0.1", static_cast<int>(proxy.Port()));
    ::setenv("FOLDVEN_API_HOST", "127.0.0.1:9", 1);
    CServiceClient client(0, session, ui, ui);
    ASSERT_TRUE(client.Login("kim", "pw"));
    proxy.Stop();
    ASSERT_EQ(proxy.Requests().size(), 1u);
    EXPECT_EQ(proxy.Requests()[0],
              "GET http://127.0.0.1:9//login.aspx?UID=kim&PWD=pw&VER=2.3.1.2 HTTP/1.0\r\n"
              "Proxy-Connection: Keep-Alive\r\nPragma: no-cache\r\nCache-Control: no-cache\r\n"
              "Accept: */*\r\nUser-Agent: Parvo\r\nConnection: Keep-Alive\r\nHost: 127.0.0.1:9\r\n"
              "Cookie: \r\n\r\n");

    CRemoteLocation where;
    EXPECT_EQ(CServiceClient::ListingRequestLine("api.example", where),
              "GET http://api.example//GetFileList.aspx?MD=BC&FID=0 HTTP/1.0\r\n");
}

TEST_F(ServiceClientTest, ListingLinesByLevel) {
    CRemoteLocation where;
    where.id = 17;
    where.level = 1;
    EXPECT_EQ(CServiceClient::ListingRequestLine("h", where),
              "GET //GetFileList.aspx?MD=MC&FID=17 HTTP/1.0\r\n");
    where.level = 2;
    where.cate1 = "a";
    where.cate2 = "b";
    where.start = 30;
    EXPECT_EQ(CServiceClient::ListingRequestLine("h", where),
              "GET //GetFileList.aspx?MD=ML&step=2&PID=17&cate1=b&cate2=a&start=30 HTTP/1.0\r\n");
    where.level = 4;
    EXPECT_EQ(CServiceClient::ListingRequestLine("h", where),
              "GET //GetFileList.aspx?MD=FL&step=4&PID=17 HTTP/1.0\r\n");
}

TEST_F(ServiceClientTest, RefusedThreeTimesWaits3_6_9AndShowsOneInfoBox) {
    UseHost(UnusedHost());
    CServiceClient client(0, session, ui, ui);
    EXPECT_FALSE(client.Login("kim", "pw"));
    EXPECT_EQ(ui.events,
              (std::vector<std::string>{
                  "sleep 3000", "sleep 6000", "sleep 9000",
                  "box Info|사용자가 많아 서버 접속에 실패하였습니다.\n 확인후 다시 시도하여 주십시오.|48"}));
}

TEST_F(ServiceClientTest, WrongPasswordThreeTimesShowsString117Once) {
    LoopbackServer server(LoopbackServer::Answer(HttpReply("F\t105\t")));
    UseHost(server.HostSpec());
    CServiceClient client(0, session, ui, ui);
    EXPECT_FALSE(client.Login("kim", "bad"));
    EXPECT_EQ(ui.events,
              (std::vector<std::string>{"sleep 3000", "sleep 6000", "box Info|wrong password|48"}));
    EXPECT_EQ(server.Connections(), 3);
}

TEST_F(ServiceClientTest, TheMessageTellsTheLastAttemptsFailure) {
    // The first attempt times out; the later ones get a status other than 200.
    int connections = 0;
    LoopbackServer server([&connections](LoopbackConnection& c) {
        c.ReadRequest();
        if (++connections == 1)
            c.ReadBytes(1);  // until the client gives up and closes
        else
            c.Write("HTTP/1.1 500 Server Error\r\nContent-Length: 4\r\n\r\nS\t0\t");
    });
    UseHost(server.HostSpec());
    CServiceClient client(0, session, ui, ui);
    client.SetWatchdogPeriod(200);
    EXPECT_FALSE(client.RequestNotices());
    ASSERT_EQ(ui.events.size(), 4u);
    EXPECT_EQ(ui.events[3], "box Info|서버의 응답이 올바르지 않습니다.\n 확인후 다시 시도하여 주십시오.|48");
}

TEST_F(ServiceClientTest, OtherFailureCodesStopAtOnceWithoutAMessage) {
    LoopbackServer server(LoopbackServer::Answer(HttpReply("F\t7\t")));
    UseHost(server.HostSpec());
    CServiceClient client(0, session, ui, ui);
    EXPECT_FALSE(client.RequestNotices());
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(server.Connections(), 1);
}

TEST_F(ServiceClientTest, BalanceIsTheNumberAfterTheEnvelope) {
    LoopbackServer server(LoopbackServer::Answer(HttpReply("S\t0\t12345\t")));
    UseHost(server.HostSpec());
    session.userId = "kim";
    session.informKey = "I K";
    CServiceClient client(0, session, ui, ui);
    std::int64_t balance = 0;
    ASSERT_TRUE(client.RequestBalance(balance));
    EXPECT_EQ(balance, 12345);
    server.Stop();
    EXPECT_EQ(FirstLine(server.Requests()[0]), "GET //GetInform.aspx?MD=RP&UID=kim&LID=I%20K HTTP/1.0\r\n");
}

class CountingSink : public IListingSink {
public:
    int items = 0;
    int partitions = 0;
    void AddReplyItem(const CRemoteItem&, const CRemoteLocation&, bool) override { ++items; }
    void PartitionView() override { ++partitions; }
};

TEST_F(ServiceClientTest, ListingCarriesTheListKeyAndFillsTheSink) {
    LoopbackServer server(LoopbackServer::Answer(
        HttpReply("S\t0\tS0\t2\t1\t0\t1\t-1\tMovies\tc\td\t0\t0\r\n2\t0\t1\t-1\tGames\tc\td\t0\t0\r\n")));
    UseHost(server.HostSpec());
    session.listKey = "LK77";
    CServiceClient client(0, session, ui, ui);
    CountingSink sink;
    CRemoteLocation where;
    IListingSource& source = client;
    ASSERT_TRUE(source.RequestListing(sink, where, false));
    EXPECT_EQ(sink.items, 2);
    EXPECT_EQ(sink.partitions, 1);
    server.Stop();
    EXPECT_NE(server.Requests()[0].find("\r\nCookie: LK77\r\n"), std::string::npos);
}

TEST_F(ServiceClientTest, ListingFailuresWait1_2_3AndShowTheMessageDialog) {
    UseHost(UnusedHost());
    CServiceClient client(42, session, ui, ui);
    CountingSink sink;
    CRemoteLocation where;
    EXPECT_FALSE(client.RequestListing(sink, where, false));
    EXPECT_EQ(ui.events,
              (std::vector<std::string>{"sleep 1000", "sleep 2000", "sleep 3000",
                                        "dialog 42|서버 접속에 실패 했습니다.다시 시도해주세요!!"}));
    EXPECT_EQ(sink.partitions, 0);
}

TEST_F(ServiceClientTest, StalledServiceBeforeTheMainWindowStillTimesOut) {
    LoopbackServer server([](LoopbackConnection& c) {
        c.ReadRequest();
        c.Stall();
    });
    UseHost(server.HostSpec());
    CServiceClient client(0, session, ui, ui);
    client.SetWatchdogPeriod(200);
    EXPECT_FALSE(client.Login("kim", "pw"));
    ASSERT_EQ(ui.events.size(), 4u);
    EXPECT_EQ(ui.events[3],
              "box Info|서버에서 응답이 없습니다.\n 확인후 다시 시도하여 주십시오.(RECV TIME-OUT)|48");
    EXPECT_GT(ui.pumps, 0);  // the windows were kept painted while it waited
}

}  // namespace
