#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "net/HttpClient.h"
#include "net/ListingParser.h"
#include "net/ListingSink.h"
#include "net/ReplyReaders.h"
#include "net/ServiceHosts.h"
#include "net/UrlEscape.h"

namespace {

TEST(ReplyReaders, FieldsEndAtOneTab) {
    std::string text = "\tabc";
    EXPECT_EQ(NextField(text), "");
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(NextField(text), "abc");
    EXPECT_EQ(text, "");
    EXPECT_EQ(NextField(text), "");

    text = "a\t\tb";
    EXPECT_EQ(NextField(text), "a");
    EXPECT_EQ(NextField(text), "");
    EXPECT_EQ(NextField(text), "b");
}

TEST(ReplyReaders, CharTakesTheFirstLetterOrAZeroDigit) {
    std::string text = "S\t0\t";
    EXPECT_EQ(NextChar(text), 'S');
    EXPECT_EQ(text, "0\t");
    text = "\t0";
    EXPECT_EQ(NextChar(text), '0');
    EXPECT_EQ(text, "0");
    text = "xyz";  // no tab: one character is dropped
    EXPECT_EQ(NextChar(text), '0');
    EXPECT_EQ(text, "yz");
    text.clear();
    EXPECT_EQ(NextChar(text), 0);
}

TEST(ReplyReaders, NumbersReadLeadingDigitsAndNeverOverflow) {
    std::string text = "42abc\t-7\t\tx\t99999999999\t123456789012345\t99999999999999999999999\t-99999999999";
    EXPECT_EQ(NextInt(text), 42);
    EXPECT_EQ(NextInt(text), -7);
    EXPECT_EQ(NextInt(text), 0);
    EXPECT_EQ(NextInt(text), 0);
    EXPECT_EQ(NextInt(text), 2147483647);
    EXPECT_EQ(NextInt64(text), 123456789012345LL);
    EXPECT_EQ(NextInt64(text), INT64_MAX);
    EXPECT_EQ(NextInt(text), INT32_MIN);
}

TEST(ReplyReaders, LinesEndAtCrLfAndAreTrimmed) {
    std::string text = "  one\t \r\ntwo\nstill two\r\n";
    EXPECT_EQ(NextLine(text), "one");
    EXPECT_EQ(text, "two\nstill two\r\n");
    EXPECT_EQ(NextLine(text), "two\nstill two");
    EXPECT_EQ(text, "");
    text = " last ";
    EXPECT_EQ(NextLine(text), "last");
    EXPECT_EQ(text, "");
}

TEST(UrlEscape, EscapesReservedControlsAndHighBytes) {
    EXPECT_EQ(UrlEscape("a b"), "a%20b");
    EXPECT_EQ(UrlEscape("x:y"), "x%3Ay");
    EXPECT_EQ(UrlEscape("-_.*()'"), "-_.*()'");
    EXPECT_EQ(UrlEscape("\"<>%\\^[]`+$,@:;/!#?=&"),
              "%22%3C%3E%25%5C%5E%5B%5D%60%2B%24%2C%40%3A%3B%2F%21%23%3F%3D%26");
    EXPECT_EQ(UrlEscape(std::string("\x01\x7f{|}~", 6)), "%01%7F%7B%7C%7D%7E");
    EXPECT_EQ(UrlEscape("\xB0\xA1"), "%B0%A1");  // one Hangul syllable: two groups
    EXPECT_EQ(UrlEscape("azAZ09"), "azAZ09");
}

TEST(SplitHostPort, PortWhenGivenElseTheDefault) {
    EXPECT_EQ(SplitHostPort("api.example", 80).host, "api.example");
    EXPECT_EQ(SplitHostPort("api.example", 80).port, 80u);
    EXPECT_EQ(SplitHostPort("127.0.0.1:8123", 80).host, "127.0.0.1");
    EXPECT_EQ(SplitHostPort("127.0.0.1:8123", 80).port, 8123u);
    EXPECT_EQ(SplitHostPort("h:99999", 80).port, 80u);
    EXPECT_EQ(SplitHostPort("h:x1", 80).port, 80u);
}

TEST(ParseHeader, StatusAndContentLengthTokens) {
    std::string status;
    EXPECT_EQ(CHttpClient::ParseHeader("HTTP/1.1 200 OK\r\nContent-Length: 1234\r\n", status), 1234);
    EXPECT_EQ(status, "200");
    EXPECT_EQ(CHttpClient::ParseHeader("HTTP/1.0 200 OK\r\nContent-Length:1234\r\n", status), 0);
    EXPECT_EQ(CHttpClient::ParseHeader("HTTP/1.0 404 Not Found\r\ncontent-length: 5\r\n", status), 0);
    EXPECT_EQ(status, "404");
    EXPECT_EQ(CHttpClient::ParseHeader("garbage\r\nContent-Length: 7\r\n", status), 7);
    EXPECT_EQ(status, "404");  // no status line at all reads as not found
    EXPECT_EQ(CHttpClient::ParseHeader("xHTTP\r\n", status), 0);
    EXPECT_EQ(status, "");
}

class RecordingSink : public IListingSink {
public:
    std::vector<CRemoteItem> items;
    int partitions = 0;
    bool lastKeepView = false;
    void AddReplyItem(const CRemoteItem& item, const CRemoteLocation&, bool keepView) override {
        items.push_back(item);
        lastKeepView = keepView;
    }
    void PartitionView() override { ++partitions; }
};

TEST(ListingParse, ReadsEveryFieldOfALine) {
    RecordingSink sink;
    CRemoteLocation where;
    const std::string body =
        "S\t0\tS0\tlead\t"
        "7\t0\t1\t-1\tMovies\tc1\tF\t3\t0\r\n"
        "121\t7\t2\t-1\tAdult\tc1\tc2\td\t0\t0\r\n"
        "900\t33\t4\t5000000000\tfile.avi\tx\ty\tF\t/a/b/\t1\t6000000000\r\n";
    ParseListing(body, sink, where, true);
    ASSERT_EQ(sink.items.size(), 3u);
    EXPECT_EQ(sink.partitions, 1);
    EXPECT_TRUE(sink.lastKeepView);

    const CRemoteItem& root = sink.items[0];
    EXPECT_EQ(root.id, 7);
    EXPECT_EQ(root.parentId, 0);
    EXPECT_EQ(root.size, -1);
    EXPECT_EQ(root.name, "Movies");
    EXPECT_EQ(root.owner, "FoldVen");
    EXPECT_EQ(root.cate1, "c1");
    EXPECT_EQ(root.cate2, "root");  // parent 0: no field consumed
    EXPECT_EQ(root.type, "F");
    EXPECT_EQ(root.number, 3);
    EXPECT_EQ(root.adult, 'N');

    EXPECT_EQ(sink.items[1].cate2, "c2");
    EXPECT_EQ(sink.items[1].type, "d");
    EXPECT_EQ(sink.items[1].adult, 'A');

    const CRemoteItem& file = sink.items[2];
    EXPECT_EQ(file.path, "/a/b/");  // only below level 3
    EXPECT_EQ(file.size, 5000000000LL);
    EXPECT_EQ(file.capacity, 6000000000LL);
    EXPECT_EQ(file.number, 1);
}

TEST(ListingParse, ShortLinesAndBodiesWithoutTheListMarker) {
    RecordingSink sink;
    CRemoteLocation where;
    ParseListing("S\t0\tnothing here", sink, where, false);
    EXPECT_EQ(sink.partitions, 0);

    ParseListing("S\t0\tS0\tlead\t1\t0\t1\t-1\tx\r\n12\t0\t1\t-1\tab\tc\td\t0\t0\r\n", sink, where, false);
    ASSERT_EQ(sink.items.size(), 1u);  // the 10-byte line is skipped
    EXPECT_EQ(sink.items[0].id, 12);
    EXPECT_EQ(sink.partitions, 1);

    RecordingSink empty;
    ParseListing("S\t0\tS0\t", empty, where, false);
    EXPECT_TRUE(empty.items.empty());
    EXPECT_EQ(empty.partitions, 1);
}

TEST(ParseLoginReply, FillsTheSessionFromTenFields) {
    CSessionInfo session;
    session.userId = "typed";
    session.ParseLoginReply("short\t\t\t\t\t\t\t\t\t");  // 19 bytes: nothing changes
    EXPECT_EQ(session.userId, "typed");
    EXPECT_TRUE(session.apiHost.empty());

    session.ParseLoginReply("kim\tt2\tt3\tINF\t12345678901\t1\tN\tpw2\t2026-12-31\tLK9\t");
    EXPECT_EQ(session.userId, "kim");
    EXPECT_EQ(session.text2, "t2");
    EXPECT_EQ(session.text3, "t3");
    EXPECT_EQ(session.informKey, "INF");
    EXPECT_EQ(session.packetBalance, 12345678901LL);
    EXPECT_EQ(session.flatRate, 1);
    EXPECT_EQ(session.adultFlag, 'N');
    EXPECT_EQ(session.password, "pw2");
    EXPECT_EQ(session.flatRateUntil, "2026-12-31");
    EXPECT_EQ(session.listKey, "LK9");
    EXPECT_EQ(session.apiHost, ServiceHosts::ApiHost());
}

}  // namespace
