#include "FoldVenBrowser/service/SearchRequest.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "net/HttpClient.h"
#include "tests/support/LoopbackServer.h"
#include "tests/support/ProxyGuard.h"
#include "tests/support/RecordingUi.h"

namespace {

class SearchRequestTest : public ::testing::Test {
protected:
    void TearDown() override {
        ::unsetenv("FOLDVEN_SEARCH_HOST");
        ::unsetenv("FOLDVEN_API_HOST");
    }

    CSearchRequest::Outcome Search(const SearchQuery& query) {
        CHttpClient client;
        return CSearchRequest::Run(client, session, query,
                                   [&](const CRemoteItem& item) { found.push_back(item); });
    }
    CSearchRequest::Outcome Parse(const std::string& reply, bool ok = true) {
        return CSearchRequest::ParseReply(reply, ok, [&](const CRemoteItem& item) { found.push_back(item); });
    }

    CSessionInfo session;
    std::vector<CRemoteItem> found;
};

TEST_F(SearchRequestTest, PlainRequestGoesToTheSearchHostWithItsOwnQuery) {
    LoopbackServer server(LoopbackServer::Answer(HttpReply("S\t0\tS0\t0\t")));
    ::setenv("FOLDVEN_SEARCH_HOST", server.HostSpec().c_str(), 1);
    session.userId = "kim@x";
    session.informKey = "IK/1";  // as stored, not escaped
    session.flatRate = 0;
    EXPECT_EQ(Search(SearchQuery()), CSearchRequest::kNothingFound);
    server.Stop();
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0],
              "GET /getfilelist.aspx?step=2&UID=kim%40x&LID=IK/1&STYPE=0&MD=SE&Keyword=&SEARCHTYPE=0&start=0&"
              "\t\t\t\t\tcate1=movie&cate2=mo000  HTTP/1.0\r\n"
              "Accept: */*\r\nUser-Agent: Parvo\r\nConnection: Keep-Alive\r\nHost: " +
                  server.HostSpec() + "\r\nCookie: \r\n\r\n");
}

TEST_F(SearchRequestTest, WithoutItsOwnHostTheSearchGoesToTheApiHost) {
    LoopbackServer api(LoopbackServer::Answer(HttpReply("S\t0\tS0\t0\t")));
    ::setenv("FOLDVEN_API_HOST", api.HostSpec().c_str(), 1);
    EXPECT_EQ(Search(SearchQuery()), CSearchRequest::kNothingFound);
    EXPECT_EQ(api.Connections(), 1);
}

TEST_F(SearchRequestTest, KoreanKeywordThroughAnHttpProxy) {
    LoopbackServer proxy(LoopbackServer::Answer(HttpReply("S\t0\tS0\t0\t")));
    ProxyGuard guard(ProxySettingsRecord::kHttp, "127.0.0.1", static_cast<int>(proxy.Port()));
    ::setenv("FOLDVEN_SEARCH_HOST", "127.0.0.1:9", 1);
    session.userId = "kim";
    session.informKey = "IK";
    session.flatRate = 1;
    Search(SearchQuery{"서울 밤", 3});
    proxy.Stop();
    ASSERT_EQ(proxy.Requests().size(), 1u);
    const std::string request = proxy.Requests()[0];
    EXPECT_EQ(request.substr(0, request.find("\r\n") + 2),
              "GET http://127.0.0.1:9/getfilelist.aspx?step=2&UID=kim&LID=IK&STYPE=1&MD=SE"
              "&Keyword=%BC%AD%BF%EF%20%B9%E3&SEARCHTYPE=3&start=0&\t\t\t\t\tcate1=movie&cate2=mo000  "
              "HTTP/1.0\r\n");
    EXPECT_NE(request.find("Proxy-Connection: Keep-Alive\r\n"), std::string::npos);
    EXPECT_NE(request.find("Host: 127.0.0.1:9\r\n"), std::string::npos);
}

TEST_F(SearchRequestTest, EveryOutcomeButResultsHasItsMessage) {
    EXPECT_EQ(Parse("F\t901\t", false), CSearchRequest::kRefused);
    EXPECT_EQ(Parse("F\t105\t", false), CSearchRequest::kFailed);
    EXPECT_EQ(Parse("", false), CSearchRequest::kFailed);
    EXPECT_EQ(Parse("S\t0\tS0\t0\t"), CSearchRequest::kNothingFound);
    EXPECT_EQ(Parse("S\t0\t"), CSearchRequest::kNotAList);

    RecordingUi ui;
    ui.strings = {{128, "검색 금지어 입니다."}, {129, "일치하는 파일이 존재 하지 않습니다.!!!"}};
    CSearchRequest::ShowOutcome(ui, CSearchRequest::kRefused);
    CSearchRequest::ShowOutcome(ui, CSearchRequest::kNothingFound);
    CSearchRequest::ShowOutcome(ui, CSearchRequest::kFailed);
    CSearchRequest::ShowOutcome(ui, CSearchRequest::kDelivered);
    CSearchRequest::ShowOutcome(ui, CSearchRequest::kUnreachable);
    CSearchRequest::ShowOutcome(ui, CSearchRequest::kNotAList);
    const std::string again = "\n잠시 후 다시 시도해 주십시오.|48";
    EXPECT_EQ(ui.events,
              (std::vector<std::string>{
                  "box Info|검색 금지어 입니다.|64", "box Info|일치하는 파일이 존재 하지 않습니다.!!!|48",
                  "box Info|검색에 실패했습니다." + again, "box Info|검색 서버에 연결할 수 없습니다." + again,
                  "box Info|검색 서버의 응답이 올바르지 않습니다." + again}));
    EXPECT_TRUE(found.empty());
}

TEST_F(SearchRequestTest, HostThatRefusesOrAnswersAnErrorIsNoSilentEmptyResult) {
    {
        LoopbackServer closed(LoopbackServer::Answer(HttpReply("")));
        ::setenv("FOLDVEN_SEARCH_HOST", closed.HostSpec().c_str(), 1);
        closed.Stop();  // nothing listens on its port any more
        EXPECT_EQ(Search(SearchQuery()), CSearchRequest::kUnreachable);
    }
    LoopbackServer failing(LoopbackServer::Answer("HTTP/1.1 500 Error\r\nContent-Length: 0\r\n\r\n"));
    ::setenv("FOLDVEN_SEARCH_HOST", failing.HostSpec().c_str(), 1);
    EXPECT_EQ(Search(SearchQuery()), CSearchRequest::kNotAList);
}

TEST_F(SearchRequestTest, ResultLinesAreReadUntilTooLittleIsLeft) {
    const std::string deep = "7\t3\t4\t2048\tdeep.avi\tmo001\tmovie\tF\t/영화/한국영화\r\n";
    const std::string level3 = "8\t3\t3\t-1\tshallow\tmo001\tmovie\tD\r\n";
    const std::string rooted = "9\t0\t1\t-1\t영화\tmovie\tD\r\n";
    const std::string lastOf14 = "1\t2\t3\t4\tabcd\r\n";  // 14 bytes with its line end: never read
    EXPECT_EQ(Parse(std::string("S\t0\tS0\t4\t") + deep + level3 + rooted + lastOf14),
              CSearchRequest::kDelivered);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].path, "/영화/한국영화");
    EXPECT_EQ(found[0].size, 2048);
    EXPECT_EQ(found[0].owner, "FoldVen");
    EXPECT_EQ(found[1].name, "shallow");
    EXPECT_EQ(found[1].path, "");  // a fresh record for every line
    EXPECT_EQ(found[1].cate2, "movie");
    EXPECT_EQ(found[2].cate2, "root");
    EXPECT_EQ(found[2].type, "D");
    EXPECT_EQ(found[2].adult, '\0');
    EXPECT_EQ(found[2].capacity, 0);
}

}  // namespace
